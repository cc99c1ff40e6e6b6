// The static control ("Static"): text with alignment and mnemonics, frames and etched lines,
// bitmaps and icons, and STN_ notifications with SS_NOTIFY. Internal to the windowing library.
#pragma once

#include "user/controls/controlwindow.h"

namespace user::controls {

class Static : public ControlWindow {
public:
    using ControlWindow::ControlWindow;
    LRESULT onMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    DWORD kind() const { return style() & SS_TYPEMASK; }
    bool showsImage() const { return kind() == SS_BITMAP || kind() == SS_ICON; }
    UINT imageType() const { return kind() == SS_ICON ? IMAGE_ICON : IMAGE_BITMAP; }
    void loadNamedImage(const CREATESTRUCTW& create);
    LRESULT setImage(UINT type, HANDLE image);
    SIZE imageSize() const;

    void paint(HDC dc) override;
    void paintText(HDC dc, RECT rect);
    void paintImage(HDC dc, RECT rect);
    bool paintShape(HDC dc, const RECT& rect);
    void paintOwnerDraw(HDC dc);

    HANDLE m_image = nullptr;
};

}  // namespace user::controls
