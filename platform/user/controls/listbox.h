// The list box control, for the "ListBox" class and for "ComboLBox", the list that a combo
// box drops down. Internal to the windowing library.
#pragma once

#include "user/controls/controlwindow.h"
#include "user/controls/itemlist.h"

namespace user::controls {

// What a dropped list tells the combo box that owns it.
class DroppedListOwner {
public:
    virtual void listItemPicked(int index) = 0;
    virtual void listCancelled() = 0;

protected:
    ~DroppedListOwner() = default;
};

// Asks the owner of an owner-drawn combo box to draw one item of the selection field or the
// list: WM_DRAWITEM to the combo's parent, as Windows sends it. index -1 draws an empty field.
void drawItemByOwner(HWND combo, HDC dc, int index, UINT state, const RECT& rect, ULONG_PTR data);
// WM_MEASUREITEM to the combo's parent for one item; the owner may change the preset height.
int measureItemByOwner(HWND combo, int index, int presetHeight);

class ListBox : public ControlWindow {
public:
    using ControlWindow::ControlWindow;
    LRESULT onMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

    const ItemList& items() const { return m_items; }
    // The item under the mouse while the list is dropped (-1: none); it is drawn highlighted.
    int hotItem() const { return m_hot; }
    void setHotItem(int index);
    int itemHeight() const;

private:
    LRESULT onListMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT onMouse(UINT msg, LPARAM lParam);
    void onKeyDown(WPARAM key);
    LRESULT setCurSel(int index);
    int deleteItem(int index);
    LRESULT copyText(int index, LPWSTR buffer) const;
    void selectByUser(int index);
    void scrollIntoView(int index);
    int itemAt(POINT point) const;
    RECT itemRect(int index) const;
    int visibleRows() const;
    bool isDroppedList() const { return m_owner != nullptr; }
    bool isOwnerDrawn() const { return (style() & LBS_OWNERDRAWFIXED) != 0; }
    DroppedListOwner* owner() const;
    void paint(HDC dc) override;
    void paintItem(HDC dc, int index, bool highlighted);

    ItemList m_items;
    int m_cursel = -1;
    int m_top = 0;
    int m_hot = -1;
    int m_itemHeight = 0;    // 0: the height of the font's lines
    HWND m_owner = nullptr;  // the combo box of a dropped list
};

}  // namespace user::controls
