// Internal: the window layer's process-wide state shared by its source files.
#pragma once

#include "afx/handlemap.h"
#include "user/winuser.h"

class CWnd;

namespace afxstate {

CHandleMap<HWND, CWnd>& WindowMap();
// The message being dispatched (for CWnd::Default and GetCurrentMessage).
MSG& CurrentMessage();
// How many window procedures are running: temporary objects are freed at idle only when none
// is, so a handler that runs a modal loop keeps the temporary objects it holds.
int& DispatchDepth();
// Frees the temporary maps if no window procedure is running.
void IdleDeleteTempMaps();
// The window whose control notifications UpdateData is ignoring, or null.
HWND& LockoutNotifyWindow();
// Every message loop offers its messages to the window objects first.
void InstallPreTranslateHook();

}  // namespace afxstate

// Creation through the CBT hook: the next window made is attached to pWnd. Unhook returns
// FALSE when no window was made in between.
void AfxHookWindowCreate(CWnd* pWnd);
BOOL AfxUnhookWindowCreate();

namespace afxstate {}  // namespace afxstate
