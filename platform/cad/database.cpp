#include "cad/database.h"

#include <vector>

#include "cad/dbobject.h"
#include "cad/hoststate.h"

AcDbDatabase::~AcDbDatabase() {
    auto& state = cadhost::detail::hostState();
    // Objects go first: their destructors may still ask about their own open state.
    std::vector<AcDbObjectId> ids;
    ids.reserve(m_objects.size());
    for (const auto& [id, obj] : m_objects) ids.push_back(id);
    m_objects.clear();
    for (const AcDbObjectId id : ids) state.objects.erase(id);
    state.config.erase(this);
    if (state.working == this) {
        AcApDocument* doc = cadhost::document(state.current);
        state.working = (doc != nullptr && doc->database() != this) ? doc->database() : nullptr;
    }
}

Acad::ErrorStatus AcDbDatabase::addAcDbObject(AcDbObjectId& id, AcDbObject* obj) {
    if (obj == nullptr) return Acad::eNullObjectPointer;
    if (obj->database() != nullptr) return Acad::eAlreadyInDb;

    auto& state = cadhost::detail::hostState();
    id = AcDbObjectId(++state.lastObject);
    obj->m_id = id;
    obj->m_database = this;
    m_objects.emplace(id, std::unique_ptr<AcDbObject>(obj));
    cadhost::detail::ObjectSlot slot;
    slot.object = obj;
    slot.writer = true;
    slot.stats.opens = 1;
    state.objects.emplace(id, slot);
    return Acad::eOk;
}
