// Where a drawing finds its catalogues: each catalogue key ("Bars" for the bar catalogue) is
// bound by the host's configuration to a catalogue file, served by a table container in the
// drawing's database.
#pragma once

#include "cad/dbobjectid.h"
#include "win/cstring.h"

class AcDbDatabase;

class VNTLConfigTools {
public:
    // The id of the drawing's container for `key`, created and attached to the configured
    // file the first time a drawing asks; a null id when the key has no file configured or the
    // database is null.
    static AcDbObjectId CatalogId(AcDbDatabase* database, const wchar_t* key);

    // Host configuration: the catalogue file that serves `key` in drawings opened from now on.
    // A container whose file cannot be read is still created; it serves nothing and its
    // getLastError() says why.
    static void SetCatalogFile(const wchar_t* key, const CString& path);
    static CString GetCatalogFile(const wchar_t* key);
};
