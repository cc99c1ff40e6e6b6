#include "cad/acdb.h"

const ACHAR* acadErrorStatusText(Acad::ErrorStatus status) {
    switch (status) {
        case Acad::eOk:
            return L"eOk";
        case Acad::eInvalidInput:
            return L"eInvalidInput";
        case Acad::eNullObjectPointer:
            return L"eNullObjectPointer";
        case Acad::eNullObjectId:
            return L"eNullObjectId";
        case Acad::eKeyNotFound:
            return L"eKeyNotFound";
        case Acad::eAlreadyInDb:
            return L"eAlreadyInDb";
        case Acad::eNotOpenForRead:
            return L"eNotOpenForRead";
        case Acad::eNotOpenForWrite:
            return L"eNotOpenForWrite";
        case Acad::eNotThatKindOfClass:
            return L"eNotThatKindOfClass";
        case Acad::eOtherObjectsBusy:
            return L"eOtherObjectsBusy";
        case Acad::eWasErased:
            return L"eWasErased";
        case Acad::ePermanentlyErased:
            return L"ePermanentlyErased";
        case Acad::eWasOpenedForRead:
            return L"eWasOpenedForRead";
        case Acad::eWasOpenedForWrite:
            return L"eWasOpenedForWrite";
    }
    return L"eUnknown";
}
