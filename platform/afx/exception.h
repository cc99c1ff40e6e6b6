// MFC's exceptions are thrown as heap pointers and freed by the catcher with Delete().
#pragma once

#include "afx/object.h"

class CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    void Delete() { delete this; }
};

// Thrown when an operation stopped because the user was already told why (a data-exchange
// check that showed its message box, for one).
class CUserException : public CException {
    DECLARE_DYNAMIC(CUserException)
};

[[noreturn]] void AfxThrowUserException();
