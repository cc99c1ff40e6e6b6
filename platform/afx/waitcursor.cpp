#include "afx/waitcursor.h"

#include "gdi/wingdi.h"

namespace {

int g_nWaitCursorCount = 0;
HCURSOR g_hcurRestore = nullptr;

HCURSOR waitCursor() {
    return ::LoadCursorW(nullptr, IDC_WAIT);
}

}  // namespace

CWaitCursor::CWaitCursor() {
    HCURSOR hcurPrevious = ::SetCursor(waitCursor());
    if (g_nWaitCursorCount++ == 0) g_hcurRestore = hcurPrevious;
}

CWaitCursor::~CWaitCursor() {
    if (--g_nWaitCursorCount == 0) ::SetCursor(g_hcurRestore);
}

void CWaitCursor::Restore() {
    ::SetCursor(waitCursor());
}
