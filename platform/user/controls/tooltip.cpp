// The tool tip: its tools, the TTM_ messages, and the pop-up shown over the tool under the
// mouse. There are no timers here: a tip shows as soon as a mouse move lands in a tool (the
// initial delay is zero) and hides when the mouse leaves it, on a click, or on TTM_POP.
#include "user/controls/tooltip.h"

#include <algorithm>
#include <cwchar>

#include "user/controls/paintkit.h"
#include "user/controls/textbuffer.h"
#include "user/controls/tooltipsubclass.h"
#include "win/diagnostics.h"
#include "win/module.h"

namespace user::controls {

namespace {

constexpr int kPadX = 3;  // border and margin around the text
constexpr int kPadY = 2;
constexpr std::size_t kInfoTextChars = 80;  // the buffer TOOLINFOW texts are read into

}  // namespace

ToolTip::~ToolTip() {
    for (const Tool& tool : m_tools) setSubclassed(tool, false);
}

LRESULT ToolTip::onMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (handleFont(msg, wParam, lParam, result)) return result;
    if (handlePaint(msg, wParam, result)) return result;
    if (msg >= TTM_ACTIVATE && msg <= TTM_GETCURRENTTOOLW)
        return onToolMessage(msg, wParam, lParam);
    switch (msg) {
        case WM_NCHITTEST:
            return HTTRANSPARENT;  // the mouse reaches the tool beneath the tip
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        default:
            return defaultProc(msg, wParam, lParam);
    }
}

LRESULT ToolTip::onToolMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* info = reinterpret_cast<TOOLINFOW*>(lParam);
    bool namesATool = msg == TTM_DELTOOLW || msg == TTM_NEWTOOLRECTW || msg == TTM_GETTOOLINFOW ||
                      msg == TTM_SETTOOLINFOW || msg == TTM_UPDATETIPTEXTW || msg == TTM_GETTEXTW;
    int index = namesATool ? findTool(info) : -1;
    switch (msg) {
        case TTM_ADDTOOLW: {
            if (!info) return FALSE;
            m_tools.push_back(toolFrom(*info));
            setSubclassed(m_tools.back(), true);
            return TRUE;
        }
        case TTM_DELTOOLW:
            if (index < 0) return 0;
            if (index == m_current) hide();
            setSubclassed(m_tools[index], false);
            m_tools.erase(m_tools.begin() + index);
            if (m_current > index) --m_current;
            return 0;
        case TTM_NEWTOOLRECTW:
            if (index >= 0) m_tools[index].rect = info->rect;
            return 0;
        case TTM_GETTOOLINFOW:
            if (index < 0) return FALSE;
            fillInfo(m_tools[index], *info);
            return TRUE;
        case TTM_SETTOOLINFOW:
            if (index >= 0) m_tools[index] = toolFrom(*info);
            if (index == m_current) SetWindowTextW(hwnd(), m_tools[index].text.c_str());
            return 0;
        case TTM_UPDATETIPTEXTW:
            if (index < 0) return 0;
            m_tools[index].text = toolFrom(*info).text;
            if (index == m_current) SetWindowTextW(hwnd(), m_tools[index].text.c_str());
            invalidate();
            return 0;
        case TTM_GETTEXTW:
            if (index >= 0)
                copyToBuffer(m_tools[index].text, info->lpszText, wParam ? wParam : kInfoTextChars);
            return 0;
        case TTM_GETCURRENTTOOLW:
            if (m_current < 0) return FALSE;
            if (info) fillInfo(m_tools[m_current], *info);
            return TRUE;
        case TTM_GETTOOLCOUNT:
            return static_cast<LRESULT>(m_tools.size());
        case TTM_ACTIVATE:
            m_active = wParam != 0;
            if (!m_active) hide();
            return 0;
        case TTM_POP:
            hide();
            return 0;
        case TTM_RELAYEVENT:
            if (lParam) relay(*reinterpret_cast<const MSG*>(lParam));
            return 0;
        case TTM_SETMAXTIPWIDTH: {
            int previous = m_maxWidth;
            m_maxWidth = static_cast<int>(lParam);
            return previous;
        }
        case TTM_GETMAXTIPWIDTH:
            return m_maxWidth;
        case TTM_SETDELAYTIME:
            return 0;  // the delays are zero here: tips show on the first move
        default:
            AfxNotSupported("this tool tip message");
    }
}

ToolTip::Tool ToolTip::toolFrom(const TOOLINFOW& info) const {
    Tool tool;
    tool.flags = info.uFlags;
    tool.hwnd = info.hwnd;
    tool.id = info.uId;
    tool.rect = info.rect;
    tool.lParam = info.lParam;
    if (info.lpszText == LPSTR_TEXTCALLBACKW)
        AfxNotSupported("tool tip texts asked by TTN_GETDISPINFO");
    if (info.lpszText && IS_INTRESOURCE(info.lpszText)) {
        wchar_t buffer[1024];
        int length = LoadStringW(
            info.hinst, static_cast<UINT>(reinterpret_cast<UINT_PTR>(info.lpszText)), buffer, 1024);
        tool.text.assign(buffer, static_cast<std::size_t>(std::max(0, length)));
    } else if (info.lpszText) {
        tool.text = info.lpszText;
    }
    return tool;
}

void ToolTip::fillInfo(const Tool& tool, TOOLINFOW& info) const {
    info.uFlags = tool.flags;
    info.hwnd = tool.hwnd;
    info.uId = tool.id;
    info.rect = tool.rect;
    info.lParam = tool.lParam;
    copyToBuffer(tool.text, info.lpszText, kInfoTextChars);
}

int ToolTip::findTool(const TOOLINFOW* info) const {
    if (!info) return -1;
    for (std::size_t i = 0; i < m_tools.size(); ++i) {
        if (m_tools[i].hwnd == info->hwnd && m_tools[i].id == info->uId) return static_cast<int>(i);
    }
    return -1;
}

int ToolTip::toolAt(const MSG& msg) const {
    POINT point{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    for (std::size_t i = 0; i < m_tools.size(); ++i) {
        const Tool& tool = m_tools[i];
        bool whole = (tool.flags & TTF_IDISHWND) && reinterpret_cast<HWND>(tool.id) == msg.hwnd;
        bool part =
            !(tool.flags & TTF_IDISHWND) && tool.hwnd == msg.hwnd && PtInRect(&tool.rect, point);
        if (whole || part) return static_cast<int>(i);
    }
    return -1;
}

void ToolTip::relay(const MSG& msg) {
    switch (msg.message) {
        case WM_MOUSEMOVE: {
            int index = toolAt(msg);
            if (index < 0) {
                hide();
                return;
            }
            if (index == m_current && IsWindowVisible(hwnd())) return;
            POINT screen{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
            ClientToScreen(msg.hwnd, &screen);
            show(index, screen);
            return;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
        case WM_MOUSELEAVE:
            hide();
            return;
        default:
            return;
    }
}

void ToolTip::show(int index, POINT screen) {
    const Tool& tool = m_tools[index];
    std::wstring tip = tool.text;
    if (!m_active || tip.empty()) return;
    // Without TTS_ALWAYSTIP a tip shows only while the tool's window is active.
    if (!(style() & TTS_ALWAYSTIP) && GetActiveWindow() != GetAncestor(tool.hwnd, GA_ROOT)) return;
    if (m_current >= 0 && m_current != index) hide();
    m_current = index;
    SetWindowTextW(hwnd(), tip.c_str());
    MeasureDC measure(font());
    RECT bounds = {0, 0, m_maxWidth >= 0 ? m_maxWidth : 0, 0};
    UINT format = DT_CALCRECT | DT_NOPREFIX | (m_maxWidth >= 0 ? DT_WORDBREAK : DT_SINGLELINE);
    DrawTextW(measure.dc(), tip.c_str(), static_cast<int>(tip.size()), &bounds, format);
    // The tip sits below the mouse pointer, clear of the arrow cursor.
    int width = bounds.right - bounds.left + 2 * kPadX;
    int height = bounds.bottom - bounds.top + 2 * kPadY;
    SetWindowPos(hwnd(), HWND_TOPMOST, screen.x, screen.y + GetSystemMetrics(SM_CYCURSOR) / 2 + 4,
                 width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    invalidate();
    NMHDR header{hwnd(), tool.id, TTN_SHOW};
    SendMessageW(tool.hwnd, WM_NOTIFY, tool.id, reinterpret_cast<LPARAM>(&header));
}

void ToolTip::hide() {
    if (m_current < 0) return;
    const Tool& tool = m_tools[m_current];
    m_current = -1;
    ShowWindow(hwnd(), SW_HIDE);
    NMHDR header{hwnd(), tool.id, TTN_POP};
    SendMessageW(tool.hwnd, WM_NOTIFY, tool.id, reinterpret_cast<LPARAM>(&header));
}

void ToolTip::setSubclassed(const Tool& tool, bool on) {
    if (!(tool.flags & TTF_SUBCLASS)) return;
    HWND watched = (tool.flags & TTF_IDISHWND) ? reinterpret_cast<HWND>(tool.id) : tool.hwnd;
    if (on)
        watchMouseOf(watched, hwnd());
    else
        stopWatchingMouseOf(watched, hwnd());
}

void ToolTip::paint(HDC dc) {
    SelectScope selectFont(dc, font());
    RECT client = clientRect();
    fillWithSysColor(dc, client, COLOR_INFOBK);
    frameWithSysColor(dc, client, COLOR_WINDOWFRAME);
    std::wstring tip = text();
    RECT textRect = {client.left + kPadX, client.top + kPadY, client.right - kPadX,
                     client.bottom - kPadY};
    int oldMode = SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    UINT format = DT_NOPREFIX | (m_maxWidth >= 0 ? DT_WORDBREAK : DT_SINGLELINE);
    DrawTextW(dc, tip.c_str(), static_cast<int>(tip.size()), &textRect, format);
    SetBkMode(dc, oldMode);
}

}  // namespace user::controls
