// A drawing database: owns the objects added to it and destroys them with itself.
// Documents own theirs; a caller may also make a database of its own, as on the host.
#pragma once

#include <map>
#include <memory>

#include "cad/dbobjectid.h"

class AcDbObject;

class AcDbDatabase {
public:
    AcDbDatabase() = default;
    AcDbDatabase(const AcDbDatabase&) = delete;
    AcDbDatabase& operator=(const AcDbDatabase&) = delete;
    // Destroys every object, whether open or not, and stops being the working database.
    ~AcDbDatabase();

    // Takes ownership of `obj`, gives it a new id in `id`, and leaves it open for write: the
    // caller closes it. eNullObjectPointer for null, eAlreadyInDb when it has a database.
    Acad::ErrorStatus addAcDbObject(AcDbObjectId& id, AcDbObject* obj);

private:
    std::map<AcDbObjectId, std::unique_ptr<AcDbObject>> m_objects;
};
