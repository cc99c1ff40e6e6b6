// The list box: items, selection, scrolling, mouse and keyboard, and its classic painting.
#include "user/controls/listbox.h"

#include <algorithm>
#include <cwchar>

#include "user/controls/paintkit.h"
#include "win/diagnostics.h"

namespace user::controls {
namespace {

std::wstring lparamText(LPARAM lParam) {
    auto text = reinterpret_cast<LPCWSTR>(lParam);
    return text ? std::wstring(text) : std::wstring();
}

}  // namespace

LRESULT ListBox::onMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (handleFont(msg, wParam, lParam, result)) return result;
    if (handlePaint(msg, wParam, result)) return result;
    if (msg >= LB_ADDSTRING && msg <= LB_ITEMFROMPOINT) return onListMessage(msg, wParam, lParam);
    switch (msg) {
        case WM_NCCREATE: {
            auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
            if (create->lpszClass && !IS_INTRESOURCE(create->lpszClass) &&
                std::wcscmp(create->lpszClass, WC_COMBOLBOXW) == 0) {
                m_owner = static_cast<HWND>(create->lpCreateParams);
            }
            // Only a combo box's list is drawn by its owner here.
            if (!m_owner && (create->style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)))
                AfxNotSupported("owner-drawn list boxes");
            return defaultProc(msg, wParam, lParam);
        }
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
            return onMouse(msg, lParam);
        case WM_KEYDOWN:
            onKeyDown(wParam);
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            invalidate();
            if (!isDroppedList()) notifyParent(msg == WM_SETFOCUS ? LBN_SETFOCUS : LBN_KILLFOCUS);
            return 0;
        case WM_ENABLE:
            invalidate();
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTCHARS;
        default:
            return defaultProc(msg, wParam, lParam);
    }
}

LRESULT ListBox::onListMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    int index = static_cast<int>(static_cast<LONG_PTR>(wParam));
    switch (msg) {
        case LB_ADDSTRING: {
            int added = m_items.add(lparamText(lParam), (style() & LBS_SORT) != 0);
            if (m_cursel >= added) ++m_cursel;
            invalidate();
            return added;
        }
        case LB_INSERTSTRING: {
            int inserted = m_items.insert(index, lparamText(lParam));
            if (inserted >= 0 && m_cursel >= inserted) ++m_cursel;
            invalidate();
            return inserted < 0 ? LB_ERR : inserted;
        }
        case LB_DELETESTRING:
            return deleteItem(index);
        case LB_RESETCONTENT:
            m_items.clear();
            m_cursel = m_hot = -1;
            m_top = 0;
            invalidate();
            return 0;
        case LB_SETCURSEL:
            return setCurSel(index);
        case LB_GETCURSEL:
            return m_cursel;
        case LB_GETTEXT:
            return copyText(index, reinterpret_cast<LPWSTR>(lParam));
        case LB_GETTEXTLEN:
            return m_items.valid(index) ? static_cast<LRESULT>(m_items.text(index).size()) : LB_ERR;
        case LB_GETCOUNT:
            return m_items.count();
        case LB_SELECTSTRING: {
            int found = m_items.findPrefix(index, lparamText(lParam));
            if (found >= 0) setCurSel(found);
            return found;
        }
        case LB_FINDSTRING:
            return m_items.findPrefix(index, lparamText(lParam));
        case LB_FINDSTRINGEXACT:
            return m_items.findExact(index, lparamText(lParam));
        case LB_GETTOPINDEX:
            return m_top;
        case LB_SETTOPINDEX:
            if (!m_items.valid(index) && !(index == 0 && m_items.count() == 0)) return LB_ERR;
            m_top = index;
            invalidate();
            return 0;
        case LB_GETITEMRECT:
            if (!m_items.valid(index) || !lParam) return LB_ERR;
            *reinterpret_cast<RECT*>(lParam) = itemRect(index);
            return 1;
        case LB_GETITEMDATA:
            return m_items.valid(index) ? static_cast<LRESULT>(m_items.data(index)) : LB_ERR;
        case LB_SETITEMDATA:
            if (!m_items.valid(index)) return LB_ERR;
            m_items.setData(index, static_cast<UINT_PTR>(lParam));
            return 0;
        case LB_SETITEMHEIGHT:
            if (LOWORD(lParam) == 0 || LOWORD(lParam) > 255) return LB_ERR;
            m_itemHeight = LOWORD(lParam);
            invalidate();
            return 0;
        case LB_GETITEMHEIGHT:
            return itemHeight();
        case LB_ITEMFROMPOINT: {
            POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            int found = itemAt(point);
            bool outside = found < 0;
            return MAKELRESULT(outside ? std::max(0, m_items.count() - 1) : found, outside);
        }
        default:
            AfxNotSupported("this list box message");
    }
}

int ListBox::deleteItem(int index) {
    if (!m_items.valid(index)) return LB_ERR;
    m_items.remove(index);
    if (m_cursel == index)
        m_cursel = -1;
    else if (m_cursel > index)
        --m_cursel;
    m_hot = -1;
    m_top = std::min(m_top, std::max(0, m_items.count() - 1));
    invalidate();
    return m_items.count();
}

LRESULT ListBox::setCurSel(int index) {
    // Windows clears the selection for -1 and for an index past the end, and says LB_ERR.
    m_cursel = m_items.valid(index) ? index : -1;
    if (m_cursel >= 0) scrollIntoView(m_cursel);
    invalidate();
    return m_cursel >= 0 ? m_cursel : LB_ERR;
}

LRESULT ListBox::copyText(int index, LPWSTR buffer) const {
    if (!m_items.valid(index) || !buffer) return LB_ERR;
    const std::wstring& text = m_items.text(index);
    std::wmemcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<LRESULT>(text.size());
}

void ListBox::setHotItem(int index) {
    int hot = m_items.valid(index) ? index : -1;
    if (hot == m_hot) return;
    m_hot = hot;
    if (hot >= 0) scrollIntoView(hot);
    invalidate();
}

int ListBox::itemHeight() const {
    return m_itemHeight ? m_itemHeight : fontLineHeight(font());
}

int ListBox::visibleRows() const {
    RECT client = clientRect();
    return std::max(1, static_cast<int>(client.bottom - client.top) / itemHeight());
}

void ListBox::scrollIntoView(int index) {
    if (index < m_top)
        m_top = index;
    else if (index >= m_top + visibleRows())
        m_top = index - visibleRows() + 1;
}

RECT ListBox::itemRect(int index) const {
    RECT client = clientRect();
    int inset = isDroppedList() ? 1 : 0;  // the dropped list draws its own one-pixel frame
    int top = inset + (index - m_top) * itemHeight();
    return {client.left + inset, top, client.right - inset, top + itemHeight()};
}

int ListBox::itemAt(POINT point) const {
    RECT client = clientRect();
    if (point.x < client.left || point.x >= client.right || point.y < client.top ||
        point.y >= client.bottom) {
        return -1;
    }
    int index = m_top + (point.y - (isDroppedList() ? 1 : 0)) / itemHeight();
    return m_items.valid(index) ? index : -1;
}

DroppedListOwner* ListBox::owner() const {
    return dynamic_cast<DroppedListOwner*>(findControl(m_owner));
}

LRESULT ListBox::onMouse(UINT msg, LPARAM lParam) {
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    int index = itemAt(point);
    if (isDroppedList()) {
        DroppedListOwner* combo = owner();
        if (msg == WM_MOUSEMOVE && index >= 0) setHotItem(index);
        if (msg == WM_LBUTTONUP && index >= 0 && combo) combo->listItemPicked(index);
        // A press outside the list (it holds the mouse capture while dropped) closes it.
        RECT client = clientRect();
        bool outside =
            point.x < 0 || point.y < 0 || point.x >= client.right || point.y >= client.bottom;
        if (msg == WM_LBUTTONDOWN && outside && combo) combo->listCancelled();
        return 0;
    }
    if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) {
        SetFocus(hwnd());
        if (index >= 0) selectByUser(index);
        if (msg == WM_LBUTTONDBLCLK && index >= 0 && (style() & LBS_NOTIFY))
            notifyParent(LBN_DBLCLK);
    }
    return 0;
}

void ListBox::onKeyDown(WPARAM key) {
    int last = m_items.count() - 1;
    if (last < 0) return;
    int target = m_cursel;
    switch (key) {
        case VK_UP:
            target = std::max(0, m_cursel - 1);
            break;
        case VK_DOWN:
            target = std::min(last, m_cursel + 1);
            break;
        case VK_PRIOR:
            target = std::max(0, m_cursel - visibleRows());
            break;
        case VK_NEXT:
            target = std::min(last, std::max(0, m_cursel) + visibleRows());
            break;
        case VK_HOME:
            target = 0;
            break;
        case VK_END:
            target = last;
            break;
        default:
            return;
    }
    selectByUser(target);
}

void ListBox::selectByUser(int index) {
    if (index == m_cursel) return;
    setCurSel(index);
    if (style() & LBS_NOTIFY) notifyParent(LBN_SELCHANGE);
}

void drawItemByOwner(HWND combo, HDC dc, int index, UINT state, const RECT& rect, ULONG_PTR data) {
    DRAWITEMSTRUCT item{ODT_COMBOBOX,
                        static_cast<UINT>(GetDlgCtrlID(combo)),
                        static_cast<UINT>(index),
                        ODA_DRAWENTIRE,
                        state,
                        combo,
                        dc,
                        rect,
                        data};
    SendMessageW(GetParent(combo), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
}

int measureItemByOwner(HWND combo, int index, int presetHeight) {
    RECT window{};
    GetWindowRect(combo, &window);
    MEASUREITEMSTRUCT item{ODT_COMBOBOX,
                           static_cast<UINT>(GetDlgCtrlID(combo)),
                           static_cast<UINT>(index),
                           static_cast<UINT>(window.right - window.left),
                           static_cast<UINT>(presetHeight),
                           0};
    SendMessageW(GetParent(combo), WM_MEASUREITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    return static_cast<int>(item.itemHeight);
}

void ListBox::paintItem(HDC dc, int index, bool highlighted) {
    RECT rect = itemRect(index);
    if (isOwnerDrawn()) {
        UINT state = (highlighted ? ODS_SELECTED : 0) | (enabled() ? 0 : ODS_DISABLED);
        drawItemByOwner(m_owner, dc, index, state, rect, m_items.data(index));
        return;
    }
    if (highlighted) {
        fillWithSysColor(dc, rect, COLOR_HIGHLIGHT);
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    } else {
        SetTextColor(dc, GetSysColor(enabled() ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    }
    RECT textRect = {rect.left + 2, rect.top, rect.right - 2, rect.bottom};
    const std::wstring& text = m_items.text(index);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
    if (highlighted && focused()) DrawFocusRect(dc, &rect);
}

void ListBox::paint(HDC dc) {
    RECT client = clientRect();
    SelectScope selectFont(dc, font());
    HBRUSH background = controlColors(hwnd(), dc, WM_CTLCOLORLISTBOX);
    FillRect(dc, &client, background);
    if (isDroppedList()) frameWithSysColor(dc, client, COLOR_WINDOWFRAME);
    int oldMode = SetBkMode(dc, TRANSPARENT);
    int highlighted = isDroppedList() && m_hot >= 0 ? m_hot : m_cursel;
    int end = std::min(m_items.count(), m_top + visibleRows() + 1);
    for (int index = m_top; index < end; ++index) paintItem(dc, index, index == highlighted);
    SetBkMode(dc, oldMode);
}

}  // namespace user::controls
