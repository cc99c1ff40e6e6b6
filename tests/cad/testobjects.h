// Database objects and a fixture shared by the host tests.
#pragma once

#include <gtest/gtest.h>

#include "cad/database.h"
#include "cad/dbobject.h"
#include "cad/document.h"
#include "cad/hostsession.h"

// Stands for a catalogue container: a class declared outside the host library.
class TestContainer : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(TestContainer);
    explicit TestContainer(bool* destroyed = nullptr) : m_destroyed(destroyed) {}
    ~TestContainer() override;

private:
    bool* m_destroyed;
};

// A derived container, to check that class checks accept subclasses.
class TestSubContainer : public TestContainer {
public:
    ACRX_DECLARE_MEMBERS(TestSubContainer);
};

// Any other kind of object.
class TestOther : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(TestOther);
};

// Starts and ends every test with an empty host and one current document.
class HostTest : public testing::Test {
protected:
    void SetUp() override {
        cadhost::reset();
        docId = cadhost::createDocument(L"/drawings/first.drw");
        db = cadhost::document(docId)->database();
    }
    void TearDown() override { cadhost::reset(); }

    // Adds an object to `target` and closes it, as a drawing holds it between commands.
    AcDbObjectId add(AcDbObject* obj, AcDbDatabase* target = nullptr) {
        AcDbObjectId id;
        EXPECT_EQ((target ? target : db)->addAcDbObject(id, obj), Acad::eOk);
        EXPECT_EQ(obj->close(), Acad::eOk);
        return id;
    }

    cadhost::DocumentId docId;
    AcDbDatabase* db = nullptr;
};
