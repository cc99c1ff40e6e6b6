// The root of the host's runtime-typed classes, and the macro pair through which any class,
// in this library or another one, gets its own descriptor.
#pragma once

#include "cad/rxclass.h"

class AcRxObject {
public:
    virtual ~AcRxObject() = default;

    static AcRxClass* desc();
    static AcRxObject* cast(const AcRxObject* inPtr) { return const_cast<AcRxObject*>(inPtr); }
    // The object's most derived runtime class.
    virtual AcRxClass* isA() const;
    // True when the object's class is `aClass` or derives from it.
    bool isKindOf(const AcRxClass* aClass) const;

protected:
    AcRxObject() = default;
    AcRxObject(const AcRxObject&) = default;
    AcRxObject& operator=(const AcRxObject&) = default;
};

// Inside the class body of every runtime-typed class: `ACRX_DECLARE_MEMBERS(MyClass);`.
// cast() returns the object as a MyClass, or null when it is of another class.
#define ACRX_DECLARE_MEMBERS(CLASS_NAME)                                      \
    static AcRxClass* desc();                                                 \
    static CLASS_NAME* cast(const AcRxObject* inPtr) {                        \
        return (inPtr != nullptr && inPtr->isKindOf(CLASS_NAME::desc()))      \
                   ? static_cast<CLASS_NAME*>(const_cast<AcRxObject*>(inPtr)) \
                   : nullptr;                                                 \
    }                                                                         \
    AcRxClass* isA() const override

// In exactly one source file of the library that owns the class:
// `ACRX_NO_CONS_DEFINE_MEMBERS(MyClass, ParentClass)`. The descriptor is built on first use,
// so no registration call is needed before desc() or isA() answer (the host needs one).
#define ACRX_NO_CONS_DEFINE_MEMBERS(CLASS_NAME, PARENT_CLASS)            \
    AcRxClass* CLASS_NAME::desc() {                                      \
        static AcRxClass rxClass(L"" #CLASS_NAME, PARENT_CLASS::desc()); \
        return &rxClass;                                                 \
    }                                                                    \
    AcRxClass* CLASS_NAME::isA() const {                                 \
        return CLASS_NAME::desc();                                       \
    }
