// The button control ("Button"): push, default push, check box, 3-state, radio, group box and
// owner-drawn buttons, with the BM_ messages, BN_ notifications and the classic look.
// Internal to the windowing library.
#pragma once

#include <string>

#include "user/controls/controlwindow.h"

namespace user::controls {

class Button : public ControlWindow {
public:
    using ControlWindow::ControlWindow;
    LRESULT onMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // Behaviour (button.cpp).
    DWORD type() const { return style() & BS_TYPEMASK; }
    bool isPush() const { return type() == BS_PUSHBUTTON || type() == BS_DEFPUSHBUTTON; }
    bool isCheckBox() const;
    bool isRadio() const { return type() == BS_RADIOBUTTON || type() == BS_AUTORADIOBUTTON; }
    bool isGroupBox() const { return type() == BS_GROUPBOX; }
    bool isOwnerDraw() const { return type() == BS_OWNERDRAW; }
    LRESULT dialogCode() const;
    LRESULT onButtonMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void setCheck(WPARAM state);
    void press(bool pushed);
    void click();
    void uncheckOtherRadios();
    void onMouse(UINT msg, LPARAM lParam);
    void onFocus(bool gained);
    void redraw(UINT ownerDrawAction);

    // Painting (button_paint.cpp).
    void paint(HDC dc) override { paint(dc, ODA_DRAWENTIRE); }
    void paint(HDC dc, UINT ownerDrawAction);
    void paintPush(HDC dc, RECT rect);
    void paintCheckOrRadio(HDC dc, RECT rect);
    void paintCheckMark(HDC dc, const RECT& box);
    void paintRadioMark(HDC dc, const RECT& box);
    void paintGroupBox(HDC dc, RECT rect);
    void paintOwnerDraw(HDC dc, UINT action);
    void paintCaption(HDC dc, RECT rect, UINT format);
    UINT prefixFormat() const;

    UINT m_check = BST_UNCHECKED;
    bool m_pushed = false;
    bool m_focused = false;
    bool m_tracking = false;  // the left button went down on the button and is still down
    bool m_spaceDown = false;
};

}  // namespace user::controls
