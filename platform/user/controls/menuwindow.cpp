// The pop-up menu window: its layout, the mouse highlight and where TrackPopupMenuEx puts it.
#include "user/controls/menuwindow.h"

#include <algorithm>

#include "user/controls/menumodel.h"
#include "user/controls/paintkit.h"
#include "win/diagnostics.h"

namespace user::controls {

namespace {

// The gap before the accelerator texts and the room around the text of a row.
constexpr int kAccelGap = 12;
constexpr int kRowPadding = 4;
constexpr int kSeparatorHeight = 9;

constexpr DWORD kMenuStyle = WS_POPUP | WS_CLIPSIBLINGS | WS_BORDER;
constexpr DWORD kMenuExStyle = WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME | WS_EX_TOPMOST;

int textWidth(HDC dc, const std::wstring& text) {
    RECT rect{};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_SINGLELINE | DT_CALCRECT);
    return rect.right - rect.left;
}

HFONT boldFontLike(HFONT font) {
    LOGFONTW logFont{};
    GetObjectW(font, sizeof(logFont), &logFont);
    logFont.lfWeight = FW_BOLD;
    return CreateFontIndirectW(&logFont);
}

enum class Align { kStart, kCentre, kEnd };

// One axis of the placement: the menu starts, is centred or ends at the anchor. A menu that
// would run off the far edge of the screen opens on the other side of the anchor, and in any
// case stays on the screen.
int placeAlong(int anchor, int size, int screen, Align align) {
    int start = anchor;
    if (align == Align::kCentre) start = anchor - size / 2;
    if (align == Align::kEnd) start = anchor - size;
    if (align == Align::kStart && start + size > screen) start = anchor - size;
    return std::clamp(start, 0, std::max(0, screen - size));
}

Align horizontalAlign(UINT flags) {
    if (flags & TPM_RIGHTALIGN) return Align::kEnd;
    return (flags & TPM_CENTERALIGN) ? Align::kCentre : Align::kStart;
}

Align verticalAlign(UINT flags) {
    if (flags & TPM_BOTTOMALIGN) return Align::kEnd;
    return (flags & TPM_VCENTERALIGN) ? Align::kCentre : Align::kStart;
}

}  // namespace

MenuWindow::~MenuWindow() {
    if (m_bold) DeleteObject(m_bold);
}

LRESULT MenuWindow::onMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (handlePaint(msg, wParam, result)) return result;
    switch (msg) {
        case WM_CREATE:
            layOut(static_cast<HMENU>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
            return 0;
        case WM_MOUSEMOVE:
            setHot(rowAt(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}));
            return 0;
        case WM_MOUSEACTIVATE:
            // An open menu never takes the activation from the window that opened it.
            return MA_NOACTIVATE;
        case MN_GETHMENU:
            return reinterpret_cast<LRESULT>(m_menu);
        default:
            return defaultProc(msg, wParam, lParam);
    }
}

HFONT MenuWindow::fontFor(std::size_t row) const {
    const Menu* menu = menuFromHandle(m_menu);
    bool isDefault = menu && (menu->items[row].state & MFS_DEFAULT);
    return isDefault ? m_bold : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// Rows one under the other; the widest label and accelerator text decide the width.
void MenuWindow::layOut(HMENU handle) {
    const Menu* menu = menuFromHandle(handle);
    if (!menu) return;
    m_menu = handle;
    m_bold = boldFontLike(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    int rowHeight = fontLineHeight(m_bold) + kRowPadding;
    int labelWidth = 0;
    int accelWidth = 0;
    int top = 0;
    MeasureDC measure(nullptr);
    for (std::size_t i = 0; i < menu->items.size(); ++i) {
        const MenuItem& item = menu->items[i];
        if (item.type & (MFT_BITMAP | MFT_OWNERDRAW))
            AfxNotSupported("bitmap or owner-draw items in a pop-up menu window");
        Row row;
        std::size_t tab = item.text.find(L'\t');
        row.label = item.text.substr(0, tab);
        if (tab != std::wstring::npos) row.accelerator = item.text.substr(tab + 1);
        row.top = top;
        row.bottom = top + ((item.type & MFT_SEPARATOR) ? kSeparatorHeight : rowHeight);
        top = row.bottom;
        SelectScope selectFont(measure.dc(), fontFor(i));
        labelWidth = std::max(labelWidth, textWidth(measure.dc(), row.label));
        accelWidth = std::max(accelWidth, textWidth(measure.dc(), row.accelerator));
        m_rows.push_back(std::move(row));
    }
    m_accelLeft = kTextLeft + labelWidth + (accelWidth ? kAccelGap : 0);
    m_width = m_accelLeft + accelWidth + kArrowColumn;
}

SIZE MenuWindow::windowSize() const {
    RECT rect{0, 0, m_width, m_rows.empty() ? 0 : m_rows.back().bottom};
    AdjustWindowRectEx(&rect, kMenuStyle, FALSE, kMenuExStyle);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

// The row under a point of the client area; -1 for none or for a separator, which the
// highlight passes over.
int MenuWindow::rowAt(POINT client) const {
    if (client.x < 0 || client.x >= m_width) return -1;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (client.y < m_rows[i].top || client.y >= m_rows[i].bottom) continue;
        const Menu* menu = menuFromHandle(m_menu);
        bool separator = !menu || (menu->items[i].type & MFT_SEPARATOR);
        return separator ? -1 : static_cast<int>(i);
    }
    return -1;
}

void MenuWindow::setHot(int row) {
    if (row == m_hot) return;
    m_hot = row;
    invalidate();
}

HWND ShowPopupMenuWindow(HMENU menu, UINT flags, int x, int y, HWND owner) {
    if (!IsMenu(menu)) return nullptr;
    HWND window = CreateWindowExW(kMenuExStyle, kPopupMenuClass, L"", kMenuStyle, 0, 0, 0, 0, owner,
                                  nullptr, nullptr, menu);
    MenuWindow* shown = window ? controlOf<MenuWindow>(window) : nullptr;
    if (!shown) return nullptr;
    SIZE size = shown->windowSize();
    int left = placeAlong(x, size.cx, GetSystemMetrics(SM_CXSCREEN), horizontalAlign(flags));
    int top = placeAlong(y, size.cy, GetSystemMetrics(SM_CYSCREEN), verticalAlign(flags));
    SetWindowPos(window, HWND_TOPMOST, left, top, size.cx, size.cy,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    return window;
}

void ClosePopupMenuWindow(HWND window) {
    if (controlOf<MenuWindow>(window)) DestroyWindow(window);
}

}  // namespace user::controls
