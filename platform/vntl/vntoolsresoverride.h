// Makes resource look-ups go to another module while it lives, and restores the previous
// resource module when destroyed, also when an exception passes.
#pragma once

#include "win/windef.h"

class CVnToolsResOverride {
public:
    explicit CVnToolsResOverride(HINSTANCE hInstance);
    // A module that is not loaded leaves the resource module as it is.
    explicit CVnToolsResOverride(const wchar_t* moduleFileName);
    ~CVnToolsResOverride();
    CVnToolsResOverride(const CVnToolsResOverride&) = delete;
    CVnToolsResOverride& operator=(const CVnToolsResOverride&) = delete;

private:
    HINSTANCE m_hPrevious;
};
