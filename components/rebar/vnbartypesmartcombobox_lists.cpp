// The bar-type combo's three families of item operations (Diameter, Name, Steelgrade) and their
// sorts. Each family acts on one combo and on the item list that mirrors it: item i of the
// combo is element i of the list, which holds the raw texts (names without their "#").
#include <algorithm>
#include <iterator>

#include "rebar/vnbartypesmartcombobox.h"
#include "rebar/vnguard.h"

#define VN_GUARD_SOURCE L"components\\rebar\\vnbartypesmartcombobox_lists.cpp"
#define BARTYPE_GUARD(member) VN_GUARD_SITE(CVnBarTypeSmartComboBox, member)

namespace {

// Where a text goes against an element of a sorted list: before it (< 0), after it (> 0), or
// nowhere because an equal element is already there (0).
using Order = int (*)(const CString& text, const CString& element);

int byNumber(const CString& text, const CString& element) {
    const double value = _wtof(text), other = _wtof(element);
    return value < other ? -1 : value > other ? 1 : 0;
}

// Shorter names first; names of one length keep their order of arrival, none is dropped.
int byLength(const CString& text, const CString& element) {
    return text.GetLength() < element.GetLength() ? -1 : 1;
}

int byText(const CString& text, const CString& element) {
    const int compared = text.Compare(element);
    return compared < 0 ? -1 : compared > 0 ? 1 : 0;
}

// One insertion step: from the element at pos, walk toward the head or the tail until the
// text's neighbours bracket it.
void insertSorted(POSITION pos, CStringList& list, const CString& text, Order order) {
    while (pos) {
        const int side = order(text, list.GetAt(pos));
        if (side == 0) return;
        POSITION near = pos;
        if (side < 0) {
            list.GetPrev(near);
            if (!near) {
                list.AddHead(text);
                return;
            }
            if (order(text, list.GetAt(near)) > 0) {
                list.InsertBefore(pos, text);
                return;
            }
        } else {
            list.GetNext(near);
            if (!near) {
                list.AddTail(text);
                return;
            }
            if (order(text, list.GetAt(near)) < 0) {
                list.InsertAfter(pos, text);
                return;
            }
        }
        pos = near;
    }
}

bool holds(const std::list<std::wstring>& items, const CString& text) {
    return std::find(items.begin(), items.end(), std::wstring(text.GetString())) != items.end();
}

void eraseAt(std::list<std::wstring>& items, int index) {
    if (index >= 0 && index < static_cast<int>(items.size()))
        items.erase(std::next(items.begin(), index));
}

}  // namespace

// ---- The shared bodies -----------------------------------------------------------------------

int CVnBarTypeSmartComboBox::findShown(Side s, const CString& rawText) {
    CString shown = rawText;
    if (s.kind == Kind::Name) FormatDisplayString(shown);
    return s.combo.FindStringExact(-1, shown);
}

void CVnBarTypeSmartComboBox::setStrings(Side s, CStringList& strings) {
    resetContent(s);
    for (POSITION pos = strings.GetHeadPosition(); pos;) addString(s, strings.GetNext(pos));
}

void CVnBarTypeSmartComboBox::addString(Side s, const CString& text) {
    if (s.kind == Kind::Steelgrade) {
        if (s.combo.FindStringExact(-1, text) != CB_ERR) return;
        s.combo.AddString(text);
    } else if (holds(s.items, text)) {
        return;
    } else if (s.kind == Kind::Diameter) {
        diameterCombo.AddString(text, 1);
    } else {
        CString shown = text;
        FormatDisplayString(shown);
        s.combo.AddString(shown);
    }
    s.items.emplace_back(text.GetString());
}

void CVnBarTypeSmartComboBox::getStrings(Side s, CStringList& strings) {
    strings.RemoveAll();
    for (const std::wstring& item : s.items) strings.AddTail(CString(item.c_str()));
}

void CVnBarTypeSmartComboBox::getCurSel(Side s, CString& text) {
    const int selected = s.combo.GetCurSel();
    if (selected >= 0 && selected < static_cast<int>(s.items.size()))
        text = std::next(s.items.begin(), selected)->c_str();
}

int CVnBarTypeSmartComboBox::selectText(Side s, const CString& text) {
    const int found = findShown(s, text);
    if (found == CB_ERR) return -1;
    if (s.kind == Kind::Name && found == s.combo.GetCurSel()) return -1;
    // Re-selecting the family shown leaves the first combo and its selection alone while it holds
    // items. That is the name combo in name mode, where the diameter combo has no window and
    // would always count 0, so the family's names were refilled and the user's pick lost.
    if (s.kind == Kind::Steelgrade && found == s.combo.GetCurSel() &&
        firstSide().combo.GetCount() != 0)
        return -1;
    s.combo.SetCurSel(found);
    if (s.kind == Kind::Steelgrade) refillFirstCombo(text);
    return 0;
}

int CVnBarTypeSmartComboBox::selectIndex(Side s, int nIndex) {
    const int result = s.combo.SetCurSel(nIndex);
    if (s.kind != Kind::Steelgrade) return result;
    CString family;
    getCurSel(s, family);
    if (!family.IsEmpty()) refillFirstCombo(family);
    return result;
}

void CVnBarTypeSmartComboBox::deleteText(Side s, const CString& text) {
    const int found = findShown(s, text);
    if (found == CB_ERR) return;
    s.combo.DeleteString(static_cast<UINT>(found));
    // The element of the deleted item, so that the list keeps mirroring the combo even when
    // the combo's search ignored the case.
    eraseAt(s.items, found);
}

void CVnBarTypeSmartComboBox::deleteAt(Side s, UINT nIndex) {
    s.combo.DeleteString(nIndex);
    eraseAt(s.items, static_cast<int>(nIndex));
}

void CVnBarTypeSmartComboBox::resetContent(Side s) {
    s.combo.ResetContent();
    s.items.clear();
}

void CVnBarTypeSmartComboBox::getSelectText(Side s, CString& text) {
    s.combo.GetWindowText(text);
    if (s.kind == Kind::Name) UnFormatDisplayString(text);
    text.TrimRight();
}

void CVnBarTypeSmartComboBox::setSelectText(Side s, const CString& text) {
    CString shown = text;
    if (s.kind == Kind::Name) FormatDisplayString(shown);
    s.combo.SetWindowText(shown);
}

// The diameter combo's tip goes to its edit field, the others' to the combo itself.
void CVnBarTypeSmartComboBox::addToolTip(Side s, const CString& text) {
    if (!s.combo.m_hWnd) return;
    CWnd* tool = s.kind == Kind::Diameter ? s.combo.GetWindow(GW_CHILD) : &s.combo;
    if (tool) toolTip.AddWindowTool(tool, text);
}

void CVnBarTypeSmartComboBox::sortCombo(Side s) {
    CStringList items;
    getStrings(s, items);
    CString selected;
    const bool hadSelection = s.combo.GetCurSel() != CB_ERR;
    if (hadSelection) getSelectText(s, selected);
    CStringList sorted;
    POSITION pos = items.GetHeadPosition();
    if (pos) sorted.AddTail(items.GetNext(pos));
    while (pos) {
        const CString& text = items.GetNext(pos);
        if (s.kind == Kind::Diameter) InsertElementDiameter(sorted.GetHeadPosition(), sorted, text);
        if (s.kind == Kind::Name) InsertElementName(sorted.GetHeadPosition(), sorted, text);
        if (s.kind == Kind::Steelgrade)
            InsertElementSteelGrade(sorted.GetHeadPosition(), sorted, text);
    }
    setStrings(s, sorted);
    if (hadSelection) selectText(s, selected);
}

void CVnBarTypeSmartComboBox::InsertElementDiameter(POSITION pos, CStringList& list, CString text) {
    rebar::guarded(BARTYPE_GUARD(InsertElementDiameter),
                   [&] { insertSorted(pos, list, text, &byNumber); });
}

void CVnBarTypeSmartComboBox::InsertElementName(POSITION pos, CStringList& list, CString text) {
    rebar::guarded(BARTYPE_GUARD(InsertElementName),
                   [&] { insertSorted(pos, list, text, &byLength); });
}

void CVnBarTypeSmartComboBox::InsertElementSteelGrade(POSITION pos, CStringList& list,
                                                      CString text) {
    rebar::guarded(BARTYPE_GUARD(InsertElementSteelGrade),
                   [&] { insertSorted(pos, list, text, &byText); });
}

void CVnBarTypeSmartComboBox::FormatDisplayString(CString& text) {
    rebar::guarded(BARTYPE_GUARD(FormatDisplayString), [&] {
        if (imperialNames) text = L"#" + text;
    });
}

void CVnBarTypeSmartComboBox::UnFormatDisplayString(CString& text) {
    rebar::guarded(BARTYPE_GUARD(UnFormatDisplayString), [&] {
        if (imperialNames && !text.IsEmpty() && text[0] == L'#') text.Delete(0);
    });
}

// ---- The three public families ---------------------------------------------------------------

// Each public member below is its family's shared body under the member's own guard entry.
#define BARTYPE_FAMILY(Suffix, kind)                                                             \
    void CVnBarTypeSmartComboBox::SetStringCombo##Suffix(CStringList& strings) {                 \
        rebar::guarded(BARTYPE_GUARD(SetStringCombo##Suffix),                                    \
                       [&] { setStrings(side(kind), strings); });                                \
    }                                                                                            \
    void CVnBarTypeSmartComboBox::AddStringCombo##Suffix(CString text) {                         \
        rebar::guarded(BARTYPE_GUARD(AddStringCombo##Suffix),                                    \
                       [&] { addString(side(kind), text); });                                    \
    }                                                                                            \
    void CVnBarTypeSmartComboBox::GetStringCombo##Suffix(CStringList& strings, int&, int, int) { \
        rebar::guarded(BARTYPE_GUARD(GetStringCombo##Suffix),                                    \
                       [&] { getStrings(side(kind), strings); });                                \
    }                                                                                            \
    int CVnBarTypeSmartComboBox::GetCurSel##Suffix() {                                           \
        return rebar::guarded(BARTYPE_GUARD(GetCurSel##Suffix),                                  \
                              [&] { return side(kind).combo.GetCurSel(); });                     \
    }                                                                                            \
    void CVnBarTypeSmartComboBox::GetCurSel##Suffix(CString& text) {                             \
        rebar::guarded(BARTYPE_GUARD(GetCurSel##Suffix), [&] { getCurSel(side(kind), text); });  \
    }                                                                                            \
    int CVnBarTypeSmartComboBox::SetCurSel##Suffix(int nIndex) {                                 \
        return rebar::guarded(BARTYPE_GUARD(SetCurSel##Suffix),                                  \
                              [&] { return selectIndex(side(kind), nIndex); });                  \
    }                                                                                            \
    int CVnBarTypeSmartComboBox::SetCurSel##Suffix(CString text) {                               \
        return rebar::guarded(BARTYPE_GUARD(SetCurSel##Suffix),                                  \
                              [&] { return selectText(side(kind), text); });                     \
    }                                                                                            \
    void CVnBarTypeSmartComboBox::DeleteStringCombo##Suffix(UINT nIndex) {                       \
        rebar::guarded(BARTYPE_GUARD(DeleteStringCombo##Suffix),                                 \
                       [&] { deleteAt(side(kind), nIndex); });                                   \
    }                                                                                            \
    void CVnBarTypeSmartComboBox::DeleteStringCombo##Suffix(CString text) {                      \
        rebar::guarded(BARTYPE_GUARD(DeleteStringCombo##Suffix),                                 \
                       [&] { deleteText(side(kind), text); });                                   \
    }                                                                                            \
    void CVnBarTypeSmartComboBox::ResetContent##Suffix() {                                       \
        rebar::guarded(BARTYPE_GUARD(ResetContent##Suffix), [&] { resetContent(side(kind)); });  \
    }                                                                                            \
    void CVnBarTypeSmartComboBox::GetSelectText##Suffix(CString& text) {                         \
        rebar::guarded(BARTYPE_GUARD(GetSelectText##Suffix),                                     \
                       [&] { getSelectText(side(kind), text); });                                \
    }                                                                                            \
    void CVnBarTypeSmartComboBox::SetSelectText##Suffix(CString text) {                          \
        rebar::guarded(BARTYPE_GUARD(SetSelectText##Suffix),                                     \
                       [&] { setSelectText(side(kind), text); });                                \
    }                                                                                            \
    void CVnBarTypeSmartComboBox::AddFormatToolTip##Suffix(CString text) {                       \
        rebar::guarded(BARTYPE_GUARD(AddFormatToolTip##Suffix),                                  \
                       [&] { addToolTip(side(kind), text); });                                   \
    }                                                                                            \
    void CVnBarTypeSmartComboBox::SortCombo##Suffix() {                                          \
        rebar::guarded(BARTYPE_GUARD(SortCombo##Suffix), [&] { sortCombo(side(kind)); });        \
    }

BARTYPE_FAMILY(Diameter, Kind::Diameter)
BARTYPE_FAMILY(Name, Kind::Name)
BARTYPE_FAMILY(Steelgrade, Kind::Steelgrade)

// The diameter family's own members: the selection as a length.

void CVnBarTypeSmartComboBox::GetCurSelDiameter(double& diameter) {
    rebar::guarded(BARTYPE_GUARD(GetCurSelDiameter), [&] {
        CString text;
        getCurSel(side(Kind::Diameter), text);
        diameter = _wtof(text);
        if (!fixedDiameter) diameter /= 1000.0;
    });
}

int CVnBarTypeSmartComboBox::SetCurSelDiameter(double diameter) {
    return rebar::guarded(BARTYPE_GUARD(SetCurSelDiameter), [&] {
        CString text;
        text.Format(L"%g", fixedDiameter ? diameter : diameter * 1000.0);
        return selectText(side(Kind::Diameter), text);
    });
}
