// The maker's edit control: the standard one.
#pragma once

#include "afx/edit.h"

class CVnEdit : public CEdit {
    DECLARE_DYNAMIC(CVnEdit)
};
