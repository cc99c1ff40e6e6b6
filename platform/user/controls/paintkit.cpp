// Painting helpers shared by the standard controls.
#include "user/controls/paintkit.h"

namespace user::controls {

PaintScope::PaintScope(HWND hwnd, WPARAM wParam)
    : m_hwnd(hwnd), m_dc(reinterpret_cast<HDC>(wParam)), m_begun(m_dc == nullptr) {
    if (m_begun) m_dc = BeginPaint(hwnd, &m_ps);
}

PaintScope::~PaintScope() {
    if (m_begun) EndPaint(m_hwnd, &m_ps);
}

namespace {

struct DefaultColors {
    int text;
    int background;
};

DefaultColors defaultColorsFor(UINT ctlColorMessage) {
    switch (ctlColorMessage) {
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            return {COLOR_WINDOWTEXT, COLOR_WINDOW};
        case WM_CTLCOLORBTN:
            return {COLOR_BTNTEXT, COLOR_BTNFACE};
        default:
            return {COLOR_WINDOWTEXT, COLOR_BTNFACE};
    }
}

}  // namespace

HBRUSH controlColors(HWND control, HDC dc, UINT ctlColorMessage) {
    DefaultColors colors = defaultColorsFor(ctlColorMessage);
    SetTextColor(dc, GetSysColor(colors.text));
    SetBkColor(dc, GetSysColor(colors.background));
    HWND parent = GetParent(control);
    LRESULT answer = parent ? SendMessageW(parent, ctlColorMessage, reinterpret_cast<WPARAM>(dc),
                                           reinterpret_cast<LPARAM>(control))
                            : 0;
    if (answer) return reinterpret_cast<HBRUSH>(answer);
    return GetSysColorBrush(colors.background);
}

void fillWithSysColor(HDC dc, const RECT& rect, int colorIndex) {
    FillRect(dc, &rect, GetSysColorBrush(colorIndex));
}

void frameWithSysColor(HDC dc, const RECT& rect, int colorIndex) {
    FrameRect(dc, &rect, GetSysColorBrush(colorIndex));
}

MeasureDC::MeasureDC(HFONT font) : m_dc(CreateCompatibleDC(nullptr)) {
    if (font) m_previous = SelectObject(m_dc, font);
}

MeasureDC::~MeasureDC() {
    if (m_previous) SelectObject(m_dc, m_previous);
    DeleteDC(m_dc);
}

int fontLineHeight(HFONT font) {
    MeasureDC measure(font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(measure.dc(), &metrics);
    return metrics.tmHeight;
}

SIZE textExtent(HDC dc, const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

void drawDisabledText(HDC dc, const std::wstring& text, RECT rect, UINT format) {
    int oldMode = SetBkMode(dc, TRANSPARENT);
    COLORREF oldColor = SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    RECT shifted = {rect.left + 1, rect.top + 1, rect.right + 1, rect.bottom + 1};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &shifted, format);
    SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
}

void drawDownArrow(HDC dc, const RECT& rect, COLORREF color) {
    // Four rows of 7, 5, 3 and 1 pixels, the shape of the classic scroll arrow.
    int left = (rect.left + rect.right) / 2 - 3;
    int top = (rect.top + rect.bottom) / 2 - 2;
    HBRUSH brush = CreateSolidBrush(color);
    for (int row = 0; row < 4; ++row) {
        RECT line = {left + row, top + row, left + 7 - row, top + row + 1};
        FillRect(dc, &line, brush);
    }
    DeleteObject(brush);
}

}  // namespace user::controls
