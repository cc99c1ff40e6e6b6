// The prompt service's texts for dialogs and menus (see vnuiprompts.h for the ids).
#include "afx/wnd.h"
#include "vntl/vnprompts.h"
#include "vntlui/vnuiprompts.h"

namespace {

void setMenuItemTexts(HMENU hMenu, const wchar_t* module) {
    int nCount = ::GetMenuItemCount(hMenu);
    for (int nPos = 0; nPos < nCount; ++nPos) {
        if (HMENU hSubMenu = ::GetSubMenu(hMenu, nPos)) {
            setMenuItemTexts(hSubMenu, module);
            continue;
        }
        UINT nID = ::GetMenuItemID(hMenu, nPos);
        CString text;
        if (nID == 0 || nID == UINT(-1) || !VnPrompts::getPrompt(text, nID, module)) continue;
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STRING;
        info.dwTypeData = const_cast<LPWSTR>(text.GetString());
        ::SetMenuItemInfoW(hMenu, UINT(nPos), TRUE, &info);
    }
}

}  // namespace

void VnPrompts::setDialogAndControlText(CWnd* dialog, UINT dialogId, const wchar_t* module) {
    CString text;
    if (getPrompt(text, dialogId, module)) dialog->SetWindowText(text);
    for (HWND hChild = ::GetWindow(dialog->m_hWnd, GW_CHILD); hChild;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        int nID = ::GetDlgCtrlID(hChild);
        if (nID <= 0 || nID >= 0xFFFF) continue;  // unnamed statics keep their text
        if (getPrompt(text, VnDialogControlPromptId(dialogId, UINT(nID)), module))
            ::SetWindowTextW(hChild, text);
    }
}

void VnPrompts::setMenuText(HMENU menu, UINT /*id*/, const wchar_t* module) {
    setMenuItemTexts(menu, module);
}
