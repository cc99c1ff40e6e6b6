#include "grid/gxstyle.h"

#include "win/crt.h"

CGXStyle& CGXStyle::SetValue(LPCTSTR pszValue) {
    m_strValue = pszValue;
    m_included |= kValue;
    return *this;
}

CGXStyle& CGXStyle::SetValue(double d) {
    CString text;
    text.Format(L"%.15g", d);
    return SetValue(text);
}

double CGXStyle::GetDoubleValue() const {
    return _wtof(m_strValue);
}

CGXStyle& CGXStyle::SetTextColor(COLORREF rgb) {
    m_rgbText = rgb;
    m_included |= kTextColor;
    return *this;
}

CGXStyle& CGXStyle::SetControl(WORD nControl) {
    m_nControl = nControl;
    m_included |= kControl;
    return *this;
}

CGXStyle& CGXStyle::SetChoiceList(LPCTSTR pszChoices) {
    m_strChoices = pszChoices;
    m_included |= kChoiceList;
    return *this;
}

CGXStyle& CGXStyle::SetReadOnly(BOOL bReadOnly) {
    m_bReadOnly = bReadOnly;
    m_included |= kReadOnly;
    return *this;
}

CGXStyle& CGXStyle::SetHorizontalAlignment(DWORD dtAlign) {
    m_dtAlign = dtAlign;
    m_included |= kAlign;
    return *this;
}

CGXStyle& CGXStyle::SetUserAttribute(WORD nID, LPCTSTR pszValue) {
    return SetUserAttribute(nID, CGXUserAttribute(pszValue));
}

CGXStyle& CGXStyle::SetUserAttribute(WORD nID, const CGXUserAttribute& attribute) {
    m_userAttributes[nID] = attribute;
    return *this;
}

const CGXUserAttribute& CGXStyle::GetUserAttribute(WORD nID) const {
    static const CGXUserAttribute none;
    auto found = m_userAttributes.find(nID);
    return found == m_userAttributes.end() ? none : found->second;
}

CGXStyle& CGXStyle::SetItemDataPtr(void* pItemData) {
    m_pItemData = pItemData;
    m_included |= kItemData;
    return *this;
}

void CGXStyle::copyIncluded(const CGXStyle& style, unsigned attributes) {
    if (attributes & kValue) m_strValue = style.m_strValue;
    if (attributes & kTextColor) m_rgbText = style.m_rgbText;
    if (attributes & kControl) m_nControl = style.m_nControl;
    if (attributes & kChoiceList) m_strChoices = style.m_strChoices;
    if (attributes & kReadOnly) m_bReadOnly = style.m_bReadOnly;
    if (attributes & kAlign) m_dtAlign = style.m_dtAlign;
    if (attributes & kItemData) m_pItemData = style.m_pItemData;
    m_included |= attributes;
}

void CGXStyle::ChangeStyle(const CGXStyle& style, GXModifyType mt) {
    switch (mt) {
        case gxCopy:
            *this = style;
            return;
        case gxOverride:
            copyIncluded(style, style.m_included);
            for (const auto& [id, attribute] : style.m_userAttributes)
                m_userAttributes[id] = attribute;
            return;
        case gxApplyNew:
            copyIncluded(style, style.m_included & ~m_included);
            m_userAttributes.insert(style.m_userAttributes.begin(), style.m_userAttributes.end());
            return;
        case gxExclude: {
            // Excluded attributes go back to their defaults so that no stale value shows.
            unsigned kept = m_included & ~style.m_included;
            copyIncluded(CGXStyle(), style.m_included);
            m_included = kept;
            for (const auto& entry : style.m_userAttributes) m_userAttributes.erase(entry.first);
            return;
        }
    }
}
