// The maker's combo box: the standard one, with a class of its own so that composite
// controls can find their combos among their children (IsKindOf).
#pragma once

#include "afx/combobox.h"

class CVnComboBox : public CComboBox {
    DECLARE_DYNAMIC(CVnComboBox)
};
