#include "cad/hostsession.h"

#include "cad/database.h"
#include "cad/dbobject.h"
#include "cad/hoststate.h"
#include "win/diagnostics.h"

namespace cadhost {

using detail::hostState;

DocumentId createDocument(const std::wstring& fileName, bool makeCurrent) {
    auto& state = hostState();
    const DocumentId id{++state.lastDocument};
    state.documents.emplace(
        id, std::make_unique<AcApDocument>(fileName, std::make_unique<AcDbDatabase>()));
    if (makeCurrent) setCurrentDocument(id);
    return id;
}

AcApDocument* document(DocumentId id) {
    if (id.isNull()) return nullptr;
    auto& documents = hostState().documents;
    const auto it = documents.find(id);
    return it == documents.end() ? nullptr : it->second.get();
}

DocumentId documentId(const AcApDocument* doc) {
    for (const auto& [id, candidate] : hostState().documents) {
        if (candidate.get() == doc) return id;
    }
    return DocumentId{};
}

Acad::ErrorStatus closeDocument(DocumentId id) {
    auto& state = hostState();
    const auto it = state.documents.find(id);
    if (it == state.documents.end()) return Acad::eInvalidInput;
    const AcDbDatabase* db = it->second->database();
    for (const auto& [objectId, slot] : state.objects) {
        if (slot.isOpen() && slot.object->database() == db) return Acad::eOtherObjectsBusy;
    }
    if (state.current == id) setCurrentDocument(DocumentId{});
    // Taken out of the table before it is destroyed, so the table is whole meanwhile.
    const std::unique_ptr<AcApDocument> closing = std::move(it->second);
    state.documents.erase(it);
    return Acad::eOk;
}

bool setCurrentDocument(DocumentId id) {
    auto& state = hostState();
    AcApDocument* doc = document(id);
    if (doc == nullptr && !id.isNull()) return false;
    state.current = id;
    state.working = doc != nullptr ? doc->database() : nullptr;
    return true;
}

void reset() {
    auto& state = hostState();
    state.current = DocumentId{};
    state.working = nullptr;
    auto closing = std::move(state.documents);
    state.documents.clear();
    closing.clear();
    state.config.clear();
    state.factory = nullptr;
}

bool allObjectsClosed() {
    for (const auto& [id, slot] : hostState().objects) {
        if (slot.isOpen()) return false;
    }
    return true;
}

std::vector<OpenObject> openObjects() {
    std::vector<OpenObject> open;
    for (const auto& [id, slot] : hostState().objects) {
        if (slot.isOpen()) {
            open.push_back({id, slot.object->isA()->name(), slot.readers, slot.writer});
        }
    }
    return open;
}

OpenStats openStats(AcDbObjectId id) {
    const detail::ObjectSlot* slot = detail::findSlot(id);
    return slot != nullptr ? slot->stats : OpenStats{};
}

void setCatalogFactory(CatalogFactory factory) {
    hostState().factory = std::move(factory);
}

Acad::ErrorStatus bindConfigObject(AcDbDatabase* db, const ACHAR* key, AcDbObjectId id) {
    if (db == nullptr) return Acad::eNullObjectPointer;
    if (key == nullptr || *key == L'\0') return Acad::eInvalidInput;
    auto& bindings = hostState().config[db];
    if (id.isNull()) {
        bindings.erase(key);
    } else {
        bindings[key] = id;
    }
    return Acad::eOk;
}

Acad::ErrorStatus lookupConfigObject(AcDbDatabase* db, const ACHAR* key, AcDbObjectId& id) {
    if (db == nullptr) return Acad::eNullObjectPointer;
    if (key == nullptr || *key == L'\0') return Acad::eInvalidInput;
    auto& state = hostState();
    if (const auto bindings = state.config.find(db); bindings != state.config.end()) {
        if (const auto found = bindings->second.find(key); found != bindings->second.end()) {
            id = found->second;
            return Acad::eOk;
        }
    }
    if (!state.factory) return Acad::eKeyNotFound;
    std::unique_ptr<AcDbObject> made = state.factory(*db, key);
    if (made == nullptr) return Acad::eKeyNotFound;
    // A factory that adds the object itself would leave it owned twice.
    ASSERT(made->database() == nullptr);
    AcDbObjectId madeId;
    const Acad::ErrorStatus es = db->addAcDbObject(madeId, made.get());
    if (es != Acad::eOk) return es;
    AcDbObject* added = made.release();  // the database owns it now
    added->close();
    state.config[db][key] = madeId;
    id = madeId;
    return Acad::eOk;
}

}  // namespace cadhost
