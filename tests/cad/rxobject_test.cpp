#include <gtest/gtest.h>

#include "testobjects.h"

// The classes are declared in this test program, outside the host library; queries through a
// base pointer must still see the most derived class.
TEST(AcRxClass, DescribesClassesDeclaredInAnotherLibraryAndTheirObjects) {
    AcRxClass* cls = TestSubContainer::desc();
    EXPECT_STREQ(cls->name(), L"TestSubContainer");
    EXPECT_EQ(cls->myParent(), TestContainer::desc());
    EXPECT_EQ(TestContainer::desc()->myParent(), AcDbObject::desc());
    EXPECT_TRUE(cls->isDerivedFrom(AcRxObject::desc()));
    EXPECT_FALSE(TestContainer::desc()->isDerivedFrom(cls));
    EXPECT_FALSE(TestOther::desc()->isDerivedFrom(TestContainer::desc()));

    TestSubContainer sub;
    TestOther other;
    const AcRxObject* asBase = &sub;
    EXPECT_EQ(asBase->isA(), cls);
    EXPECT_TRUE(asBase->isKindOf(TestContainer::desc()));
    EXPECT_EQ(TestContainer::cast(asBase), &sub);
    EXPECT_EQ(TestContainer::cast(&other), nullptr);
    EXPECT_EQ(TestContainer::cast(nullptr), nullptr);
}
