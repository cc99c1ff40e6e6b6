// List items and their case-insensitive searches.
#include "user/controls/itemlist.h"

#include <algorithm>
#include <cwctype>

namespace user::controls {

// Windows compares list texts with the user's locale ignoring case; folding each character to
// lower case gives the same answers for the catalogue's texts (letters, digits, signs).
std::wstring ItemList::fold(const std::wstring& text) {
    std::wstring folded(text);
    for (wchar_t& c : folded) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return folded;
}

int ItemList::add(const std::wstring& text, bool sorted) {
    Item item{text, fold(text), 0};
    auto where = m_items.end();
    if (sorted) {
        where = std::upper_bound(m_items.begin(), m_items.end(), item,
                                 [](const Item& a, const Item& b) { return a.folded < b.folded; });
    }
    int index = static_cast<int>(where - m_items.begin());
    m_items.insert(where, std::move(item));
    if (index != count() - 1)
        m_exactIndexValid = false;
    else if (m_exactIndexValid)
        m_exactIndex[m_items.back().folded].push_back(index);
    return index;
}

int ItemList::insert(int index, const std::wstring& text) {
    if (index == -1) index = count();
    if (index < 0 || index > count()) return -1;
    m_items.insert(m_items.begin() + index, Item{text, fold(text), 0});
    m_exactIndexValid = false;
    return index;
}

void ItemList::remove(int index) {
    m_items.erase(m_items.begin() + index);
    m_exactIndexValid = false;
}

void ItemList::clear() {
    m_items.clear();
    m_exactIndex.clear();
    m_exactIndexValid = false;
}

int ItemList::firstIndexAfter(int startAfter) const {
    return valid(startAfter) ? startAfter + 1 : 0;
}

int ItemList::findPrefix(int startAfter, const std::wstring& text) const {
    std::wstring key = fold(text);
    int n = count();
    int first = firstIndexAfter(startAfter);
    for (int step = 0; step < n; ++step) {
        int index = (first + step) % n;
        if (m_items[index].folded.compare(0, key.size(), key) == 0) return index;
    }
    return -1;
}

void ItemList::buildExactIndex() const {
    m_exactIndex.clear();
    for (int index = 0; index < count(); ++index) {
        m_exactIndex[m_items[index].folded].push_back(index);
    }
    m_exactIndexValid = true;
}

int ItemList::findExact(int startAfter, const std::wstring& text) const {
    if (!m_exactIndexValid) buildExactIndex();
    auto found = m_exactIndex.find(fold(text));
    if (found == m_exactIndex.end()) return -1;
    const std::vector<int>& indexes = found->second;
    auto next = std::lower_bound(indexes.begin(), indexes.end(), firstIndexAfter(startAfter));
    return next == indexes.end() ? indexes.front() : *next;
}

}  // namespace user::controls
