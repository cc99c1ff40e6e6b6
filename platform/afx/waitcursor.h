// The hourglass for as long as the object lives. Nested wait cursors keep it up until the
// outermost one ends, which puts back the cursor shown before.
#pragma once

#include "user/winuser.h"

class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    // Shows the hourglass again after something (a message box) changed the cursor.
    void Restore();
};
