// Where the prompt service files the texts of dialogs and menus. A dialog's caption is the
// prompt with the dialog template's id, and each control's text the prompt with the id
// VnDialogControlPromptId(dialog id, control id): control ids repeat from dialog to dialog.
// Dialog ids stay below 42949 so that the composite ids fit in a UINT. A menu command's text
// is the prompt with the command's own id, which is unique in the application. Texts nobody
// filed keep the template's wording.
#pragma once

#include "win/windef.h"

constexpr UINT VnDialogControlPromptId(UINT dialogId, UINT controlId) {
    return dialogId * 100000u + controlId;
}
