// The combo box control ("ComboBox"): a selection field (an edit child with CBS_DROPDOWN, a
// painted field with CBS_DROPDOWNLIST) over a "ComboLBox" list that drops down as a pop-up.
// Internal to the windowing library.
#pragma once

#include <string>

#include "user/controls/controlwindow.h"
#include "user/controls/listbox.h"

namespace user::controls {

class ComboBox : public ControlWindow, public DroppedListOwner {
public:
    using ControlWindow::ControlWindow;
    LRESULT onMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

    void listItemPicked(int index) override;
    void listCancelled() override;
    // Told by the edit child when the focus leaves it, with the window that receives it.
    void editLosingFocus(HWND newFocus);
    // Keys the edit child hands over: the ones that steer the list.
    static bool steersList(WPARAM key);
    bool dropped() const { return m_dropped; }

private:
    // Content and selection (combobox.cpp).
    LRESULT onCreate(const CREATESTRUCTW& create);
    LRESULT onComboMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT toList(UINT msg, WPARAM wParam, LPARAM lParam) const;
    LRESULT setSelection(int index);
    int selection() const;
    std::wstring itemText(int index) const;
    void setEditText(const std::wstring& text);
    LRESULT onSetText(LPCWSTR text);
    LRESULT onGetText(WPARAM size, LPWSTR buffer) const;
    std::wstring fieldText() const;
    LRESULT getInfo(COMBOBOXINFO* info) const;
    LRESULT setItemHeight(int index, int height);
    bool hasEdit() const { return m_edit != nullptr; }
    bool ownerDrawn() const { return (style() & CBS_OWNERDRAWFIXED) != 0; }
    void measureByOwner();
    ListBox* list() const;

    // What the person does (combobox_user.cpp).
    void dropDown();
    void closeUp(UINT endCode);
    void selectByUser(int index, bool endsChoice);
    void onKeyDown(WPARAM key, bool alt);
    void onChar(wchar_t ch);
    void onLButtonDown(POINT point);
    void onFocusEnter();
    void onFocusLeave(HWND newFocus);
    void onEditCommand(WORD code);
    void onWindowPosChanging(WINDOWPOS& pos);

    // Geometry and painting (combobox_paint.cpp).
    int fieldHeight() const;
    int windowHeight() const { return fieldHeight() + 6; }
    RECT buttonRect() const;
    RECT fieldRect() const;
    void layoutChildren();
    void placeList();
    void paint(HDC dc) override;
    void paintField(HDC dc, const RECT& field);
    void paintButton(HDC dc, const RECT& button);

    HWND m_list = nullptr;
    HWND m_edit = nullptr;
    int m_fieldItemHeight = 0;  // 0: from the font
    int m_droppedHeight = 0;    // the list's height when dropped
    bool m_dropped = false;
    bool m_focusInside = false;
    bool m_quietEdit = false;  // the combo itself is setting the edit's text
};

}  // namespace user::controls
