#include "cad/rxobject.h"

bool AcRxClass::isDerivedFrom(const AcRxClass* other) const {
    for (const AcRxClass* cls = this; cls != nullptr; cls = cls->myParent()) {
        if (cls == other) return true;
    }
    return false;
}

AcRxClass* AcRxObject::desc() {
    static AcRxClass rxClass(L"AcRxObject", nullptr);
    return &rxClass;
}

AcRxClass* AcRxObject::isA() const {
    return AcRxObject::desc();
}

bool AcRxObject::isKindOf(const AcRxClass* aClass) const {
    return aClass != nullptr && isA()->isDerivedFrom(aClass);
}
