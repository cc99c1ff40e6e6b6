// Runtime class descriptors: what lets the host check "is this object a container?" before it
// hands out a typed pointer, without relying on C++ RTTI across shared libraries.
#pragma once

#include "cad/acdb.h"

class AcRxClass {
public:
    // The host builds descriptors through its class registry; here each class's desc() builds
    // its own on first use, so the constructor is public.
    AcRxClass(const ACHAR* name, AcRxClass* parent) : m_name(name), m_parent(parent) {}
    AcRxClass(const AcRxClass&) = delete;
    AcRxClass& operator=(const AcRxClass&) = delete;

    // The class name as written in code, e.g. L"AcDbObject".
    const ACHAR* name() const { return m_name; }
    // The base class's descriptor; null only for the root, AcRxObject.
    AcRxClass* myParent() const { return m_parent; }
    // True when this class is `other` or derives from it; false for a null `other`.
    bool isDerivedFrom(const AcRxClass* other) const;

private:
    const ACHAR* m_name;
    AcRxClass* m_parent;
};
