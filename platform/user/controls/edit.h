// The single-line edit control ("Edit"): the text with its selection and caret, typing and
// keyboard editing, the EM_ messages and EN_ notifications, and its classic painting.
// Internal to the windowing library.
#pragma once

#include <algorithm>
#include <string>

#include "user/controls/controlwindow.h"

namespace user::controls {

class Edit : public ControlWindow {
public:
    using ControlWindow::ControlWindow;
    LRESULT onMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // Messages and editing (edit.cpp).
    LRESULT onEditMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT onSetText(LPCWSTR text);
    LRESULT getSelection(WPARAM startOut, LPARAM endOut) const;
    void setSelection(int anchor, int caret);
    void onChar(wchar_t ch);
    void onKeyDown(WPARAM key);
    void moveCaret(int position, bool extend);
    void deleteAtCaret(bool forward);
    bool replaceSelection(std::wstring insert, bool typed);
    void textChanged();
    void onFocus(bool gained, HWND other);
    void onMouse(UINT msg, WPARAM wParam, LPARAM lParam);
    bool refuseChange() const;
    int selStart() const { return std::min(m_anchor, m_caret); }
    int selEnd() const { return std::max(m_anchor, m_caret); }
    int length() const { return static_cast<int>(m_text.size()); }
    bool readOnly() const { return (style() & ES_READONLY) != 0; }

    // Geometry and painting (edit_view.cpp).
    std::wstring shownText() const;
    RECT formatRect() const;
    int textWidth(int chars) const;
    int textOrigin() const;
    int positionFromX(int x) const;
    bool fitsWithout(const std::wstring& text) const;
    void scrollToCaret();
    void paint(HDC dc) override;
    void paintText(HDC dc, const RECT& format, int lineTop);
    void paintCaret(HDC dc, const RECT& format, int lineTop);
    LRESULT setMargins(WPARAM which, LPARAM values);

    std::wstring m_text;
    int m_anchor = 0;
    int m_caret = 0;
    int m_scroll = 0;  // pixels scrolled left with ES_AUTOHSCROLL
    UINT m_limit = 32767;
    int m_leftMargin = 1;
    int m_rightMargin = 1;
    wchar_t m_passwordChar = 0;
    bool m_modified = false;
    bool m_dragging = false;
};

}  // namespace user::controls
