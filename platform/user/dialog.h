// The dialog manager's state of a dialog window. Internal.
#pragma once

#include "user/desktop.h"

namespace user::detail {

struct DialogState {
    int baseX = 8;  // dialog base units of the dialog's font
    int baseY = 16;
    HFONT font = nullptr;
    bool ownsFont = false;
    bool ended = false;
    INT_PTR result = 0;
    HWND owner = nullptr;  // disabled by the modal loop, enabled again by EndDialog
    HWND savedFocus = nullptr;
    int defId = 0;
};

// The state of a dialog window, created on first use (a dialog of a private class gets one too).
DialogState& DialogOf(Window* w);
// Sets the focus the way the dialog manager does: an edit control's text is selected, and the
// default push button look follows the focus.
void DialogSetFocus(HWND dlg, HWND control);
// value * num / den rounded half away from zero, as MulDiv rounds.
int ScaleRounded(int value, int num, int den);
// The first control that takes the focus by Tab, or null.
HWND FirstTabItem(HWND dlg);

}  // namespace user::detail
