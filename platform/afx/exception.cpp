#include "afx/exception.h"

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CUserException, CException)

void AfxThrowUserException() {
    throw new CUserException;
}
