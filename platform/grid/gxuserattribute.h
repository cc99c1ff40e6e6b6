// The value of one user attribute of a style (a tool tip text, a format, ...), kept as text.
#pragma once

#include "win/cstring.h"

class CGXUserAttribute {
public:
    CGXUserAttribute() = default;
    explicit CGXUserAttribute(LPCTSTR pszValue) : m_strValue(pszValue) {}

    CGXUserAttribute& SetValue(LPCTSTR pszValue) {
        m_strValue = pszValue;
        return *this;
    }
    const CString& GetValue() const { return m_strValue; }
    bool operator==(const CGXUserAttribute& other) const { return m_strValue == other.m_strValue; }

private:
    CString m_strValue;
};
