#include "cad/dbobject.h"

#include "cad/hoststate.h"

ACRX_NO_CONS_DEFINE_MEMBERS(AcDbObject, AcRxObject)

AcDbObject::~AcDbObject() = default;

Acad::ErrorStatus AcDbObject::erase(Adesk::Boolean erasing) {
    if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
    m_erased = erasing;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::close() {
    cadhost::detail::ObjectSlot* slot = cadhost::detail::findSlot(m_id);
    if (slot == nullptr) return Acad::eNullObjectId;
    if (slot->writer) {
        slot->writer = false;
    } else if (slot->readers > 0) {
        --slot->readers;
    } else {
        ++slot->stats.refusedCloses;
        return Acad::eNotOpenForRead;
    }
    ++slot->stats.closes;
    return Acad::eOk;
}

Adesk::Boolean AcDbObject::isReadEnabled() const {
    const cadhost::detail::ObjectSlot* slot = cadhost::detail::findSlot(m_id);
    return slot == nullptr || slot->isOpen();
}

Adesk::Boolean AcDbObject::isWriteEnabled() const {
    const cadhost::detail::ObjectSlot* slot = cadhost::detail::findSlot(m_id);
    return slot == nullptr || slot->writer;
}
