#include <gtest/gtest.h>

#include "cad/docmanager.h"
#include "cad/hostservices.h"
#include "testobjects.h"

using Documents = HostTest;

TEST_F(Documents, ANewDocumentBecomesCurrentWithItsOwnDatabase) {
    AcApDocument* doc = acDocManagerPtr()->curDocument();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc, cadhost::document(docId));
    EXPECT_EQ(cadhost::documentId(doc), docId);
    EXPECT_STREQ(doc->fileName(), L"/drawings/first.drw");
    EXPECT_STREQ(doc->docTitle(), L"first.drw");
    EXPECT_EQ(acDocManagerPtr()->documentCount(), 1);
    EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), db);
}

TEST_F(Documents, WorkingDatabaseFollowsTheCurrentDocument) {
    const cadhost::DocumentId second = cadhost::createDocument(L"second.drw", false);
    AcApDocument* secondDoc = cadhost::document(second);
    EXPECT_EQ(acDocManagerPtr()->curDocument(), cadhost::document(docId));
    EXPECT_NE(secondDoc->database(), db);
    EXPECT_FALSE(cadhost::setCurrentDocument(cadhost::DocumentId{999}));

    ASSERT_TRUE(cadhost::setCurrentDocument(second));
    EXPECT_EQ(acDocManagerPtr()->curDocument(), secondDoc);
    EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), secondDoc->database());

    ASSERT_TRUE(cadhost::setCurrentDocument(cadhost::DocumentId{}));
    EXPECT_EQ(acDocManagerPtr()->curDocument(), nullptr);
    EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), nullptr);
    EXPECT_EQ(acDocManagerPtr()->documentCount(), 2);

    // Closing the current document leaves none current either.
    ASSERT_TRUE(cadhost::setCurrentDocument(second));
    ASSERT_EQ(cadhost::closeDocument(second), Acad::eOk);
    EXPECT_EQ(cadhost::document(second), nullptr);
    EXPECT_EQ(acDocManagerPtr()->curDocument(), nullptr);
    EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), nullptr);
    EXPECT_EQ(acDocManagerPtr()->documentCount(), 1);
    EXPECT_EQ(cadhost::closeDocument(second), Acad::eInvalidInput);
}

TEST_F(Documents, ASideDatabaseWorksUntilTheCurrentDocumentChanges) {
    auto side = std::make_unique<AcDbDatabase>();
    acdbHostApplicationServices()->setWorkingDatabase(side.get());
    EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), side.get());
    cadhost::setCurrentDocument(docId);
    EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), db);

    acdbHostApplicationServices()->setWorkingDatabase(side.get());
    side.reset();
    EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), db);
}
