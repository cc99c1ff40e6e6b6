#include "cad/dbopen.h"

#include "cad/hoststate.h"
#include "win/diagnostics.h"

namespace {

Acad::ErrorStatus openChecked(AcDbObject*& pObj, AcDbObjectId id, AcDb::OpenMode mode,
                              const AcRxClass* pClass, bool openErased) {
    pObj = nullptr;
    if (id.isNull()) return Acad::eNullObjectId;
    if (mode == AcDb::kForNotify) AfxNotSupported("acdbOpenAcDbObject with AcDb::kForNotify");
    cadhost::detail::ObjectSlot* slot = cadhost::detail::findSlot(id);
    if (slot == nullptr) return Acad::ePermanentlyErased;
    if (!slot->object->isKindOf(pClass)) return Acad::eNotThatKindOfClass;
    if (slot->object->isErased() && !openErased) return Acad::eWasErased;
    if (slot->writer) return Acad::eWasOpenedForWrite;
    if (mode == AcDb::kForWrite) {
        if (slot->readers > 0) return Acad::eWasOpenedForRead;
        slot->writer = true;
    } else {
        ++slot->readers;
    }
    ++slot->stats.opens;
    pObj = slot->object;
    return Acad::eOk;
}

}  // namespace

Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*& pObj, AcDbObjectId id, AcDb::OpenMode mode,
                                     bool openErased) {
    return openChecked(pObj, id, mode, AcDbObject::desc(), openErased);
}

Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*& pObj, AcDbObjectId id, AcDb::OpenMode mode,
                                     AcRxClass* pClass, bool openErased) {
    if (pClass == nullptr) {
        pObj = nullptr;
        return Acad::eInvalidInput;
    }
    return openChecked(pObj, id, mode, pClass, openErased);
}
