// The maker's static control: the standard one.
#pragma once

#include "afx/static.h"

class CVnStatic : public CStatic {
    DECLARE_DYNAMIC(CVnStatic)
};
