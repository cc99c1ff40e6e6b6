// The host application's services to drawing databases; here only the working database.
#pragma once

class AcDbDatabase;

class AcDbHostApplicationServices {
public:
    AcDbHostApplicationServices(const AcDbHostApplicationServices&) = delete;
    AcDbHostApplicationServices& operator=(const AcDbHostApplicationServices&) = delete;

    // The database that operations without an explicit database work on. It follows the
    // current document: making a document current makes its database the working one, and
    // with no document current there is none (null), so callers see "no drawing" rather than
    // an empty stand-in database that would hide the missing scene.
    AcDbDatabase* workingDatabase() const;
    // Makes another database (a side database, say) the working one until the next change
    // of current document; null is allowed. A destroyed working database is replaced by the
    // current document's.
    void setWorkingDatabase(AcDbDatabase* pDatabase);

private:
    friend AcDbHostApplicationServices* acdbHostApplicationServices();
    AcDbHostApplicationServices() = default;
};

// The process's host services; never null.
AcDbHostApplicationServices* acdbHostApplicationServices();
