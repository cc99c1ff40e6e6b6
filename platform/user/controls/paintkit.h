// Small painting helpers shared by the standard controls: the paint scope of WM_PAINT, object
// selection that restores itself, the WM_CTLCOLOR exchange and the classic disabled text.
#pragma once

#include <string>

#include "gdi/wingdi.h"
#include "user/winuser.h"

namespace user::controls {

// BeginPaint/EndPaint around a control's painting. As the standard controls do, a WM_PAINT
// whose wParam carries a device context paints into that context instead.
class PaintScope {
public:
    PaintScope(HWND hwnd, WPARAM wParam);
    ~PaintScope();
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC dc() const { return m_dc; }

private:
    HWND m_hwnd;
    PAINTSTRUCT m_ps{};
    HDC m_dc;
    bool m_begun;
};

// Selects an object into a device context and puts the previous one back when it ends.
class SelectScope {
public:
    SelectScope(HDC dc, HGDIOBJ object)
        : m_dc(dc), m_previous(object ? SelectObject(dc, object) : nullptr) {}
    ~SelectScope() {
        if (m_previous) SelectObject(m_dc, m_previous);
    }
    SelectScope(const SelectScope&) = delete;
    SelectScope& operator=(const SelectScope&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// A memory DC with a font selected, for measuring text outside painting.
class MeasureDC {
public:
    explicit MeasureDC(HFONT font);
    ~MeasureDC();
    MeasureDC(const MeasureDC&) = delete;
    MeasureDC& operator=(const MeasureDC&) = delete;
    HDC dc() const { return m_dc; }

private:
    HDC m_dc;
    HGDIOBJ m_previous = nullptr;
};

// Asks the parent for the control's colours (WM_CTLCOLORxxx); when the parent leaves them to
// the system, sets the default text and background colours and returns the default brush.
HBRUSH controlColors(HWND control, HDC dc, UINT ctlColorMessage);

void fillWithSysColor(HDC dc, const RECT& rect, int colorIndex);
void frameWithSysColor(HDC dc, const RECT& rect, int colorIndex);

// The height of a line of text in the font (the DC's default font for null).
int fontLineHeight(HFONT font);
SIZE textExtent(HDC dc, const std::wstring& text);

// Disabled text as the classic look draws it: a highlight copy one pixel down and right, and
// the text itself in the shadow colour.
void drawDisabledText(HDC dc, const std::wstring& text, RECT rect, UINT format);

// The small black triangle of drop buttons, centred in the rectangle.
void drawDownArrow(HDC dc, const RECT& rect, COLORREF color);

}  // namespace user::controls
