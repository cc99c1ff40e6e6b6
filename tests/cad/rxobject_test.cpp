#include <gtest/gtest.h>

#include "testobjects.h"

TEST(AcRxClass, DescribesAClassDeclaredInAnotherLibrary) {
    AcRxClass* cls = TestSubContainer::desc();
    EXPECT_STREQ(cls->name(), L"TestSubContainer");
    EXPECT_EQ(cls->myParent(), TestContainer::desc());
    EXPECT_EQ(TestContainer::desc()->myParent(), AcDbObject::desc());
    EXPECT_TRUE(cls->isDerivedFrom(AcRxObject::desc()));
    EXPECT_FALSE(TestContainer::desc()->isDerivedFrom(cls));
    EXPECT_FALSE(TestOther::desc()->isDerivedFrom(TestContainer::desc()));
}

TEST(AcRxObject, ClassQueriesThroughABasePointerSeeTheMostDerivedClass) {
    TestSubContainer sub;
    TestOther other;
    const AcRxObject* asBase = &sub;
    EXPECT_EQ(asBase->isA(), TestSubContainer::desc());
    EXPECT_TRUE(asBase->isKindOf(TestContainer::desc()));
    EXPECT_EQ(TestContainer::cast(asBase), &sub);
    EXPECT_EQ(TestContainer::cast(&other), nullptr);
    EXPECT_EQ(TestContainer::cast(nullptr), nullptr);
}
