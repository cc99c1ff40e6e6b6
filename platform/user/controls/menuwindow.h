// The pop-up menu window (class "#32768"): an open menu laid out and painted in the classic
// look, with the item under the mouse highlighted. Internal to the windowing library:
// TrackPopupMenuEx opens and closes it.
#pragma once

#include <string>
#include <vector>

#include "user/controls/controlwindow.h"
#include "user/controls/winmenu.h"

namespace user::controls {

inline constexpr wchar_t kPopupMenuClass[] = L"#32768";

class MenuWindow : public ControlWindow {
public:
    using ControlWindow::ControlWindow;
    ~MenuWindow() override;
    LRESULT onMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

    // The size of the whole window, frame included, that shows every item.
    SIZE windowSize() const;

private:
    // The classic geometry: a column for the check mark before the labels and one for the
    // sub-menu arrow after the accelerator texts.
    static constexpr int kTextLeft = 18;
    static constexpr int kArrowColumn = 18;

    // Where an item sits in the client area, and its text split at the tab into the label and
    // the accelerator text.
    struct Row {
        int top = 0;
        int bottom = 0;
        std::wstring label;
        std::wstring accelerator;
    };

    void layOut(HMENU menu);
    int rowAt(POINT client) const;
    void setHot(int row);
    HFONT fontFor(std::size_t row) const;

    void paint(HDC dc) override;
    void paintRow(HDC dc, std::size_t row);
    void paintRowText(HDC dc, std::size_t row, const RECT& rect, bool hot, bool grey);

    HMENU m_menu = nullptr;
    std::vector<Row> m_rows;
    int m_width = 0;
    int m_accelLeft = 0;  // where the accelerator texts start, in client coordinates
    int m_hot = -1;
    HFONT m_bold = nullptr;
};

// Creates the menu's window placed at (x, y) as the TPM_ alignment flags say, kept inside the
// screen, and shows it without activating it. Null for a handle that is not a menu.
HWND ShowPopupMenuWindow(HMENU menu, UINT flags, int x, int y, HWND owner);
void ClosePopupMenuWindow(HWND window);

}  // namespace user::controls
