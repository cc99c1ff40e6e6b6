#include "cad/hostsession.h"

#include <gtest/gtest.h>

#include "cad/dbopen.h"
#include "testobjects.h"

using HostSession = HostTest;

TEST_F(HostSession, ADocumentClosesOnceNoObjectIsOpenAndDestroysItsObjects) {
    bool destroyed = false;
    const AcDbObjectId id = add(new TestContainer(&destroyed));
    AcDbObject* obj = nullptr;
    ASSERT_EQ(acdbOpenAcDbObject(obj, id, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(cadhost::closeDocument(docId), Acad::eOtherObjectsBusy);
    EXPECT_FALSE(destroyed);
    EXPECT_NE(cadhost::document(docId), nullptr);
    obj->close();
    ASSERT_EQ(cadhost::closeDocument(docId), Acad::eOk);
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(acdbOpenAcDbObject(obj, id, AcDb::kForRead), Acad::ePermanentlyErased);
}

TEST_F(HostSession, ReportNamesTheObjectLeftOpen) {
    add(new TestOther);
    const AcDbObjectId id = add(new TestContainer);
    AcDbObject* obj = nullptr;
    ASSERT_EQ(acdbOpenAcDbObject(obj, id, AcDb::kForRead), Acad::eOk);
    ASSERT_EQ(acdbOpenAcDbObject(obj, id, AcDb::kForRead), Acad::eOk);

    EXPECT_FALSE(cadhost::allObjectsClosed());
    const std::vector<cadhost::OpenObject> open = cadhost::openObjects();
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(open[0].id, id);
    EXPECT_EQ(open[0].className, L"TestContainer");
    EXPECT_EQ(open[0].readers, 2);
    EXPECT_FALSE(open[0].writer);

    obj->close();
    obj->close();
    EXPECT_TRUE(cadhost::allObjectsClosed());
}

class ConfigFactory : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        cadhost::setCatalogFactory([this](AcDbDatabase& target, const std::wstring& key) {
            calls.push_back({&target, key});
            return key == L"Bars" ? std::make_unique<TestContainer>() : nullptr;
        });
    }

    std::vector<std::pair<AcDbDatabase*, std::wstring>> calls;
};

TEST_F(ConfigFactory, CreatesTheObjectOncePerDatabaseAndKeyAndLeavesItClosed) {
    AcDbObjectId first;
    AcDbObjectId again;
    ASSERT_EQ(cadhost::lookupConfigObject(db, L"Bars", first), Acad::eOk);
    ASSERT_EQ(cadhost::lookupConfigObject(db, L"Bars", again), Acad::eOk);
    EXPECT_EQ(first, again);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].first, db);

    const cadhost::DocumentId other = cadhost::createDocument(L"other.drw");
    AcDbObjectId otherId;
    ASSERT_EQ(cadhost::lookupConfigObject(cadhost::document(other)->database(), L"Bars", otherId),
              Acad::eOk);
    EXPECT_NE(otherId, first);
    EXPECT_EQ(calls.size(), 2u);

    // The object is left closed and opens with its class.
    EXPECT_TRUE(cadhost::allObjectsClosed());
    TestContainer* container = nullptr;
    ASSERT_EQ(acdbOpenAcDbObject(container, first, AcDb::kForRead, TestContainer::desc(), false),
              Acad::eOk);
    EXPECT_EQ(container->database(), db);
    container->close();
}

TEST_F(ConfigFactory, AKeyWithoutAnObjectIsAskedForAgainUntilBound) {
    AcDbObjectId id;
    EXPECT_EQ(cadhost::lookupConfigObject(db, L"Laps", id), Acad::eKeyNotFound);
    EXPECT_EQ(cadhost::lookupConfigObject(db, L"Laps", id), Acad::eKeyNotFound);
    EXPECT_TRUE(id.isNull());
    const AcDbObjectId bound = add(new TestContainer);
    ASSERT_EQ(cadhost::bindConfigObject(db, L"Laps", bound), Acad::eOk);
    ASSERT_EQ(cadhost::lookupConfigObject(db, L"Laps", id), Acad::eOk);
    EXPECT_EQ(id, bound);
    EXPECT_EQ(calls.size(), 2u) << "a bound key is not asked of the factory";
}
