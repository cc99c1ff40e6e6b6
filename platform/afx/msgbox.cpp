// MFC's application-level message boxes and the clean-up of temporary objects.
#include "afx/dc.h"
#include "afx/gdiobject.h"
#include "afx/menu.h"
#include "afx/wnd.h"
#include "win/cstring.h"
#include "win/module.h"

LPCTSTR AfxGetAppName() {
    static const CString name = [] {
        wchar_t path[1024] = {};
        ::GetModuleFileNameW(nullptr, path, 1024);
        CString title(path);
        title = title.Mid(title.ReverseFind(L'/') + 1);
        int nDot = title.ReverseFind(L'.');
        return nDot > 0 ? title.Left(nDot) : title;
    }();
    return name;
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT /*nIDHelp*/) {
    // Owned by the active window, as MFC's are, so that a modal dialog stays behind its box.
    return ::MessageBoxW(::GetActiveWindow(), lpszText, AfxGetAppName(), nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
    CString text;
    text.LoadString(nIDPrompt);
    return AfxMessageBox(text, nType, nIDHelp == UINT(-1) ? nIDPrompt : nIDHelp);
}

void AfxDeleteTempMap() {
    CWnd::DeleteTempMap();
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
    CMenu::DeleteTempMap();
}
