// The session API of this host stand-in: how tests and the command-line program set the
// scene the module runs in (documents, the current one, the catalogue objects a drawing
// binds to its keys) and how they check afterwards that every opened object was closed.
// Module code never calls it; it sees only the host's own API.
#pragma once

#include <compare>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cad/dbobjectid.h"

class AcApDocument;
class AcDbDatabase;
class AcDbObject;

namespace cadhost {

// Names one open document. Numbered once per process; a closed document's id stays dead.
struct DocumentId {
    std::uint32_t value = 0;

    bool isNull() const { return value == 0; }
    friend bool operator==(const DocumentId&, const DocumentId&) = default;
    friend auto operator<=>(const DocumentId&, const DocumentId&) = default;
};

// One object that is open right now.
struct OpenObject {
    AcDbObjectId id;
    std::wstring className;
    int readers = 0;
    bool writer = false;
};

// What happened to one object's open state since it was added to its database.
// Adding counts as the first open (the object comes back open for write).
struct OpenStats {
    unsigned opens = 0;
    unsigned closes = 0;
    unsigned refusedCloses = 0;  // close() calls while the object was not open
};

// Opens a document with a new, empty drawing database. With `makeCurrent` it becomes the
// current document and its database the working one, as when a user opens a drawing.
DocumentId createDocument(const std::wstring& fileName, bool makeCurrent = true);
// The document, or null for a closed or unknown id.
AcApDocument* document(DocumentId id);
// The id of an open document, or a null id.
DocumentId documentId(const AcApDocument* doc);
// Closes a document and destroys its database with every object in it. Refused with
// eOtherObjectsBusy, and nothing destroyed, while one of those objects is open; eInvalidInput
// for an unknown id. Closing the current document leaves no document current.
Acad::ErrorStatus closeDocument(DocumentId id);
// Makes a document current and its database the working one; a null id makes none current
// and leaves no working database. False, and nothing changed, for an unknown id.
bool setCurrentDocument(DocumentId id);

// Closes every document (whatever is still open in them), forgets every configuration
// binding and the catalogue factory. Pointers to the destroyed objects dangle afterwards:
// meant for the start and end of a test. Databases that callers own survive.
void reset();

// True when no object of any live database is open.
bool allObjectsClosed();
// The objects that are open now, in id order.
std::vector<OpenObject> openObjects();
// The counts of one live object; all zero for an unknown id.
OpenStats openStats(AcDbObjectId id);

// Each drawing database binds keys such as L"Bars" to the objects that serve them. The
// factory lets a higher layer create the object the first time a key is asked for in a
// database: it gets the database and the key and returns a new object (not yet in any
// database) or null when it has none for that key. A null factory (the default) creates
// nothing.
using CatalogFactory =
    std::function<std::unique_ptr<AcDbObject>(AcDbDatabase& db, const std::wstring& key)>;
void setCatalogFactory(CatalogFactory factory);

// Binds `key` in `db` to `id`, replacing an earlier binding; a null id removes it.
Acad::ErrorStatus bindConfigObject(AcDbDatabase* db, const ACHAR* key, AcDbObjectId id);
// The object bound to `key` in `db`. Without a binding, the factory is asked; the object it
// returns is added to `db` (and closed) and bound, so the factory runs once per database and
// key. Keys compare exactly. eNullObjectPointer for a null database, eInvalidInput for an
// empty key, eKeyNotFound when neither a binding nor the factory yields an object (the
// factory is asked again next time, so a catalogue that appears later is still found).
Acad::ErrorStatus lookupConfigObject(AcDbDatabase* db, const ACHAR* key, AcDbObjectId& id);

}  // namespace cadhost
