// The items of a list box (and so of a combo box's list): texts with their item data, kept in
// insertion or sorted order, with the searches of LB_FINDSTRING and LB_FINDSTRINGEXACT.
// Internal to the windowing library.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "win/windef.h"

namespace user::controls {

class ItemList {
public:
    int count() const { return static_cast<int>(m_items.size()); }
    bool valid(int index) const { return index >= 0 && index < count(); }
    const std::wstring& text(int index) const { return m_items[index].text; }
    UINT_PTR data(int index) const { return m_items[index].data; }
    void setData(int index, UINT_PTR data) { m_items[index].data = data; }

    // The index the text lands at: after the items that sort before or equal to it when
    // sorted, at the end otherwise.
    int add(const std::wstring& text, bool sorted);
    // Inserts before index (-1 appends); -1 for an index past the end.
    int insert(int index, const std::wstring& text);
    void remove(int index);
    void clear();

    // The first item after `startAfter` (-1: from the start) whose text begins with, or
    // equals, the given text ignoring case; the search wraps round to the start. -1 if none.
    int findPrefix(int startAfter, const std::wstring& text) const;
    int findExact(int startAfter, const std::wstring& text) const;

private:
    struct Item {
        std::wstring text;
        std::wstring folded;  // the text in lower case, the key of every comparison
        UINT_PTR data = 0;
    };

    static std::wstring fold(const std::wstring& text);
    int firstIndexAfter(int startAfter) const;
    void buildExactIndex() const;

    std::vector<Item> m_items;
    // Folded text -> the ascending indexes of the items that carry it. Built on the first
    // exact search after a change, so that filling then searching stays linear.
    mutable std::unordered_map<std::wstring, std::vector<int>> m_exactIndex;
    mutable bool m_exactIndexValid = false;
};

}  // namespace user::controls
