#include "cad/dbopen.h"

#include <gtest/gtest.h>

#include "testobjects.h"

using DbOpen = HostTest;

TEST_F(DbOpen, ReadersShareAnObjectUntilTheLastClose) {
    const AcDbObjectId id = add(new TestContainer);
    AcDbObject* first = nullptr;
    AcDbObject* second = nullptr;
    ASSERT_EQ(acdbOpenAcDbObject(first, id, AcDb::kForRead), Acad::eOk);
    ASSERT_EQ(acdbOpenAcDbObject(second, id, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(first, second);
    EXPECT_FALSE(first->isWriteEnabled());

    EXPECT_EQ(first->close(), Acad::eOk);
    EXPECT_TRUE(first->isReadEnabled());
    EXPECT_EQ(second->close(), Acad::eOk);
    EXPECT_FALSE(first->isReadEnabled());
    EXPECT_TRUE(cadhost::allObjectsClosed());

    EXPECT_EQ(first->close(), Acad::eNotOpenForRead);
    const cadhost::OpenStats stats = cadhost::openStats(id);
    EXPECT_EQ(stats.opens, 3u);  // the add, then two reads
    EXPECT_EQ(stats.closes, 3u);
    EXPECT_EQ(stats.refusedCloses, 1u);
}

TEST_F(DbOpen, OneWriterExcludesEveryOtherOpen) {
    const AcDbObjectId id = add(new TestContainer);
    AcDbObject* reader = nullptr;
    AcDbObject* writer = nullptr;
    ASSERT_EQ(acdbOpenAcDbObject(reader, id, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(acdbOpenAcDbObject(writer, id, AcDb::kForWrite), Acad::eWasOpenedForRead);
    EXPECT_EQ(writer, nullptr);
    reader->close();

    ASSERT_EQ(acdbOpenAcDbObject(writer, id, AcDb::kForWrite), Acad::eOk);
    EXPECT_TRUE(writer->isWriteEnabled());
    EXPECT_EQ(acdbOpenAcDbObject(reader, id, AcDb::kForRead), Acad::eWasOpenedForWrite);
    EXPECT_EQ(acdbOpenAcDbObject(reader, id, AcDb::kForWrite), Acad::eWasOpenedForWrite);
    EXPECT_EQ(reader, nullptr);
    writer->close();
    EXPECT_TRUE(cadhost::allObjectsClosed());
}

// An object of another class is refused and left closed, also when the caller's pointer is
// typed and the class given is broader than that type.
TEST_F(DbOpen, ClassCheckAcceptsSubclassesAndRefusesOthers) {
    auto* sub = new TestSubContainer;
    const AcDbObjectId subId = add(sub);
    const AcDbObjectId other = add(new TestOther);
    TestContainer* opened = nullptr;
    ASSERT_EQ(acdbOpenAcDbObject(opened, subId, AcDb::kForRead, TestContainer::desc(), false),
              Acad::eOk);
    EXPECT_EQ(opened, sub);
    opened->close();
    EXPECT_EQ(acdbOpenAcDbObject(opened, other, AcDb::kForRead, AcDbObject::desc(), false),
              Acad::eNotThatKindOfClass);
    EXPECT_EQ(opened, nullptr);
    AcDbObject* obj = nullptr;
    EXPECT_EQ(acdbOpenAcDbObject(obj, other, AcDb::kForRead, TestContainer::desc(), false),
              Acad::eNotThatKindOfClass);
    EXPECT_EQ(acdbOpenAcDbObject(obj, other, AcDb::kForRead, nullptr), Acad::eInvalidInput);
    EXPECT_TRUE(cadhost::allObjectsClosed());
}

TEST_F(DbOpen, NullIdsAndErasedObjectsAreRefused) {
    const AcDbObjectId id = add(new TestContainer);
    AcDbObject* obj = nullptr;
    EXPECT_EQ(acdbOpenAcDbObject(obj, AcDbObjectId::kNull, AcDb::kForRead), Acad::eNullObjectId);
    ASSERT_EQ(acdbOpenAcDbObject(obj, id, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(obj->erase(), Acad::eNotOpenForWrite);
    obj->close();
    ASSERT_EQ(acdbOpenAcDbObject(obj, id, AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(obj->erase(), Acad::eOk);
    obj->close();

    EXPECT_EQ(acdbOpenAcDbObject(obj, id, AcDb::kForRead, TestContainer::desc(), false),
              Acad::eWasErased);
    EXPECT_EQ(obj, nullptr);
    ASSERT_EQ(acdbOpenAcDbObject(obj, id, AcDb::kForRead, true), Acad::eOk);
    EXPECT_TRUE(obj->isErased());
    obj->close();
}

TEST_F(DbOpen, AddingLeavesTheObjectOpenForWriteUnderAnIdNoOtherDatabaseHas) {
    auto* obj = new TestContainer;
    AcDbObjectId id;
    ASSERT_EQ(db->addAcDbObject(id, obj), Acad::eOk);
    EXPECT_EQ(obj->objectId(), id);
    EXPECT_EQ(obj->database(), db);
    EXPECT_TRUE(obj->isWriteEnabled());
    EXPECT_FALSE(cadhost::allObjectsClosed());
    obj->close();

    AcDbObjectId again;
    EXPECT_EQ(db->addAcDbObject(again, obj), Acad::eAlreadyInDb);
    EXPECT_EQ(db->addAcDbObject(again, nullptr), Acad::eNullObjectPointer);
    AcDbDatabase side;
    const AcDbObjectId other = add(new TestContainer, &side);
    EXPECT_NE(id.asOldId(), other.asOldId());
}

TEST_F(DbOpen, OpeningForNotifyStopsWithAMessage) {
    const AcDbObjectId id = add(new TestContainer);
    AcDbObject* obj = nullptr;
    EXPECT_DEATH(acdbOpenAcDbObject(obj, id, AcDb::kForNotify), "kForNotify");
}
