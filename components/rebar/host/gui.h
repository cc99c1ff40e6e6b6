// The module's view of the GUI platform: MFC windows and drawing, the Win32 user and GDI
// calls beneath them, the shell, and the maker's UI kit (its controls, unit fields, dialog bar
// and the prompt service for dialogs and menus).
// Controls and dialogs of the module include the GUI only through this header.
#pragma once

#include "afx/afxwin.h"
#include "gdi/wingdi.h"
#include "user/controls/wincontrols.h"
#include "user/shellapi.h"
#include "user/winuser.h"
#include "vntl/vnprompts.h"
#include "vntlui/vncombobox.h"
#include "vntlui/vndialogbarex.h"
#include "vntlui/vnstatic.h"
#include "vntlui/vntooltip.h"
#include "vntlui/vnunitcombobox.h"
#include "vntlui/vnunitctrl.h"
