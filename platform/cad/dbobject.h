// The base of every object a drawing database holds. Its open state is kept by the host's
// object table, not by the object: any number of readers, or one writer, at a time.
#pragma once

#include "cad/dbobjectid.h"
#include "cad/rxobject.h"

class AcDbDatabase;

class AcDbObject : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbObject);

    AcDbObject(const AcDbObject&) = delete;
    AcDbObject& operator=(const AcDbObject&) = delete;
    // Database-resident objects are destroyed by their database, never by callers.
    ~AcDbObject() override;

    // Null until the object is added to a database.
    AcDbObjectId objectId() const { return m_id; }
    AcDbDatabase* database() const { return m_database; }

    Adesk::Boolean isErased() const { return m_erased; }
    // Marks the object erased (or, with false, not erased). Needs the object open for write;
    // erased objects stay in their database but open only when the opener asks for them.
    Acad::ErrorStatus erase(Adesk::Boolean erasing = true);

    // Ends one open: one reader's, or the writer's. Closing an object that is not open is
    // refused with eNotOpenForRead and counted, so a double close shows in the session's
    // report instead of passing unnoticed. An object outside any database has nothing to
    // close: eNullObjectId.
    Acad::ErrorStatus close();

    // An object not yet in a database belongs to whoever created it and counts as open for
    // write, as on the host.
    Adesk::Boolean isReadEnabled() const;
    Adesk::Boolean isWriteEnabled() const;

protected:
    AcDbObject() = default;

private:
    friend class AcDbDatabase;  // sets the id and owner when the object is added

    AcDbObjectId m_id;
    AcDbDatabase* m_database = nullptr;
    bool m_erased = false;
};
