// Opening database objects by id. Every successful open is ended by one AcDbObject::close().
#pragma once

#include "cad/dbobject.h"

// Opens the object named by `id` and sets `pObj` to it; `pObj` is null after any failure.
// Any number of readers may hold an object, or one writer:
//   eNullObjectId        `id` is null
//   ePermanentlyErased   the object's database is gone
//   eWasErased           the object is erased and `openErased` is false
//   eWasOpenedForWrite   it is open for write (whatever the mode asked)
//   eWasOpenedForRead    write asked while readers hold it
// Opening for notify is not provided here and stops the process with a message.
Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*& pObj, AcDbObjectId id, AcDb::OpenMode mode,
                                     bool openErased = false);

// The same, after checking the object's runtime class: eNotThatKindOfClass when the object
// is not of class `pClass` or a class derived from it; eInvalidInput for a null class.
Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*& pObj, AcDbObjectId id, AcDb::OpenMode mode,
                                     AcRxClass* pClass, bool openErased = false);

// The typed form, so that a container pointer can be filled directly (`VNTLMdbContainer*&`
// with `VNTLMdbContainer::desc()`). Besides the class check against `pClass`, the object must
// be a T; when it is not, it is closed again and eNotThatKindOfClass returned.
template <class T>
Acad::ErrorStatus acdbOpenAcDbObject(T*& pObj, AcDbObjectId id, AcDb::OpenMode mode,
                                     AcRxClass* pClass, bool openErased = false) {
    pObj = nullptr;
    AcDbObject* obj = nullptr;
    const Acad::ErrorStatus es = ::acdbOpenAcDbObject(obj, id, mode, pClass, openErased);
    if (es != Acad::eOk) return es;
    pObj = T::cast(obj);
    if (pObj == nullptr) {
        obj->close();
        return Acad::eNotThatKindOfClass;
    }
    return Acad::eOk;
}
