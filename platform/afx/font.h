#pragma once

#include "afx/gdiobject.h"

using LOGFONT = LOGFONTW;
using LPLOGFONT = LPLOGFONTW;

class CFont : public CGdiObject {
    DECLARE_DYNAMIC(CFont)
public:
    static CFont* FromHandle(HFONT hFont);
    BOOL CreateFontIndirect(const LOGFONT* lpLogFont);
    BOOL CreatePointFont(int nPointSize, LPCTSTR lpszFaceName);
    int GetLogFont(LOGFONT* pLogFont) const;
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
};
