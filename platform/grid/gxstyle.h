// The look and behaviour of a cell: its value (kept as text, readable as a number), text
// colour, control kind, choice list, read-only flag, horizontal alignment, user attributes and
// an item data pointer. Each attribute is either included or left to the styles beneath it
// (standard style, column style): CGXGridCore::ComposeStyleRowCol layers them.
#pragma once

#include <map>

#include "grid/gxdefs.h"
#include "grid/gxuserattribute.h"
#include "win/cstring.h"

class CGXStyle {
public:
    CGXStyle() = default;

    // The value. A number is kept as its shortest exact text ("%.15g").
    CGXStyle& SetValue(LPCTSTR pszValue);
    CGXStyle& SetValue(double d);
    const CString& GetValue() const { return m_strValue; }
    // The value read as a number ("." decimal point); 0 when it is not one.
    double GetDoubleValue() const;
    BOOL GetIncludeValue() const { return has(kValue); }

    CGXStyle& SetTextColor(COLORREF rgb);
    COLORREF GetTextColor() const { return m_rgbText; }
    BOOL GetIncludeTextColor() const { return has(kTextColor); }

    // One of the GX_IDS_CTRL_ kinds.
    CGXStyle& SetControl(WORD nControl);
    WORD GetControl() const { return m_nControl; }
    BOOL GetIncludeControl() const { return has(kControl); }

    // The entries of a drop-down list, separated by "\n".
    CGXStyle& SetChoiceList(LPCTSTR pszChoices);
    const CString& GetChoiceList() const { return m_strChoices; }
    BOOL GetIncludeChoiceList() const { return has(kChoiceList); }

    CGXStyle& SetReadOnly(BOOL bReadOnly);
    BOOL GetReadOnly() const { return m_bReadOnly; }
    BOOL GetIncludeReadOnly() const { return has(kReadOnly); }

    // DT_LEFT, DT_CENTER or DT_RIGHT.
    CGXStyle& SetHorizontalAlignment(DWORD dtAlign);
    DWORD GetHorizontalAlignment() const { return m_dtAlign; }
    BOOL GetIncludeHorizontalAlignment() const { return has(kAlign); }

    CGXStyle& SetUserAttribute(WORD nID, LPCTSTR pszValue);
    CGXStyle& SetUserAttribute(WORD nID, const CGXUserAttribute& attribute);
    // An empty attribute when the style has none of that id.
    const CGXUserAttribute& GetUserAttribute(WORD nID) const;
    BOOL GetIncludeUserAttribute(WORD nID) const { return m_userAttributes.count(nID) != 0; }

    // A pointer the application attaches to the cell; the grid never follows or frees it.
    CGXStyle& SetItemDataPtr(void* pItemData);
    void* GetItemDataPtr() const { return m_pItemData; }
    BOOL GetIncludeItemDataPtr() const { return has(kItemData); }

    // Combines another style into this one as mt says.
    void ChangeStyle(const CGXStyle& style, GXModifyType mt);
    // Drops every attribute.
    void Free() { *this = CGXStyle(); }

private:
    enum Attribute : unsigned {
        kValue = 1,
        kTextColor = 2,
        kControl = 4,
        kChoiceList = 8,
        kReadOnly = 16,
        kAlign = 32,
        kItemData = 64,
    };
    bool has(unsigned attribute) const { return (m_included & attribute) != 0; }
    void copyIncluded(const CGXStyle& style, unsigned attributes);

    unsigned m_included = 0;
    CString m_strValue;
    COLORREF m_rgbText = 0;
    WORD m_nControl = GX_IDS_CTRL_EDIT;
    CString m_strChoices;
    BOOL m_bReadOnly = FALSE;
    DWORD m_dtAlign = 0;
    void* m_pItemData = nullptr;
    std::map<WORD, CGXUserAttribute> m_userAttributes;
};
