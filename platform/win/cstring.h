// MFC's wide string, CStringW of a Unicode build. Indexes and lengths count wchar_t units,
// which on Linux are whole code points. Comparisons are ordinal; case-insensitive ones and
// case mapping use Unicode rules independent of the process locale.
//
// As in MFC, copies share their characters until one of them changes (copy on write, with an
// atomic count): the catalogue hands out whole columns and table lists by value, and copying
// them must not cost an allocation per name.
#pragma once

#include <compare>
#include <cstdarg>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

#include "win/windef.h"

class CString {
public:
    CString() = default;
    CString(const wchar_t* psz);  // null gives an empty string
    CString(const wchar_t* pch, int nLength);
    CString(wchar_t ch, int nRepeat = 1);
    // Narrow text is UTF-8 here; MFC converts it through the ANSI code page.
    CString(const char* psz);
    CString(const CString&) = default;
    CString(CString&&) noexcept = default;
    ~CString() = default;

    CString& operator=(const CString&) = default;
    CString& operator=(CString&&) noexcept = default;
    CString& operator=(const wchar_t* psz);
    CString& operator=(wchar_t ch);
    CString& operator=(const char* psz);

    CString& operator+=(const CString& str);
    CString& operator+=(const wchar_t* psz);
    CString& operator+=(wchar_t ch);
    void Append(const wchar_t* psz);
    void Append(const wchar_t* pch, int nLength);
    void Append(const CString& str) { *this += str; }
    void AppendChar(wchar_t ch) { *this += ch; }

    operator const wchar_t*() const { return GetString(); }
    const wchar_t* GetString() const { return m_text ? m_text->c_str() : L""; }
    int GetLength() const { return m_text ? static_cast<int>(m_text->size()) : 0; }
    bool IsEmpty() const { return !m_text || m_text->empty(); }
    void Empty() { m_text.reset(); }

    // An index outside the string is a caller error and stops the process, as MFC asserts.
    wchar_t GetAt(int iChar) const;
    void SetAt(int iChar, wchar_t ch);
    wchar_t operator[](int iChar) const { return GetAt(iChar); }

    // Ordinal: <0, 0, >0 as wcscmp. A null text compares as an empty one.
    int Compare(const wchar_t* psz) const;
    int CompareNoCase(const wchar_t* psz) const;

    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    // Searches return the zero-based index, or -1.
    int Find(wchar_t ch, int iStart = 0) const;
    int Find(const wchar_t* pszSub, int iStart = 0) const;
    int ReverseFind(wchar_t ch) const;
    int FindOneOf(const wchar_t* pszCharSet) const;

    // Out-of-range first indexes and counts are clamped to the string, as MFC does.
    CString Mid(int iFirst) const;
    CString Mid(int iFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(const wchar_t* pszCharSet) const;
    CString SpanExcluding(const wchar_t* pszCharSet) const;
    // The next token after iStart, skipping leading delimiters; iStart becomes -1 at the end.
    CString Tokenize(const wchar_t* pszTokens, int& iStart) const;

    CString& Trim();
    CString& Trim(wchar_t chTarget);
    CString& Trim(const wchar_t* pszTargets);
    CString& TrimLeft();
    CString& TrimLeft(wchar_t chTarget);
    CString& TrimLeft(const wchar_t* pszTargets);
    CString& TrimRight();
    CString& TrimRight(wchar_t chTarget);
    CString& TrimRight(const wchar_t* pszTargets);

    // These return the number of replacements or removals, or the new length.
    int Replace(wchar_t chOld, wchar_t chNew);
    int Replace(const wchar_t* pszOld, const wchar_t* pszNew);
    int Remove(wchar_t chRemove);
    int Insert(int iIndex, wchar_t ch);
    int Insert(int iIndex, const wchar_t* psz);
    int Delete(int iIndex, int nCount = 1);

    // printf formatting with MFC's Unicode conventions: %s and %c take wide text, %S, %hs
    // and %hc narrow (UTF-8) text, %I64d/%I64u 64-bit integers, and %ld 32-bit ones as on
    // Windows. Numbers always use "." as the decimal point.
    // Not MFC: a template, so that CString arguments can be passed as MFC code does (MFC
    // relies on its string object being one pointer wide; ours is not).
    template <typename... Args>
    void Format(const wchar_t* pszFormat, const Args&... args) {
        formatArgs(false, pszFormat, passArg(args)...);
    }
    template <typename... Args>
    void AppendFormat(const wchar_t* pszFormat, const Args&... args) {
        formatArgs(true, pszFormat, passArg(args)...);
    }
    void FormatV(const wchar_t* pszFormat, va_list args);
    void AppendFormatV(const wchar_t* pszFormat, va_list args);

    // Defined with the resource tables: loads string resource nID through the module chain.
    BOOL LoadString(UINT nID);

    // The buffer holds at least nMinBufferLength characters and a terminator. Until
    // ReleaseBuffer, GetLength reports the buffer's length (MFC keeps the old one). As in MFC,
    // nothing else may be done with the string, copying included, until ReleaseBuffer.
    wchar_t* GetBuffer();
    wchar_t* GetBuffer(int nMinBufferLength);
    wchar_t* GetBufferSetLength(int nLength);
    // -1 takes the length up to the first terminator written into the buffer.
    void ReleaseBuffer(int nNewLength = -1);

private:
    template <typename T>
    static decltype(auto) passArg(const T& arg) {
        if constexpr (std::is_array_v<T>) {
            return static_cast<const std::remove_extent_t<T>*>(arg);
        } else {
            static_assert(std::is_trivially_copyable_v<T>,
                          "only CString, numbers and pointers can be formatted");
            return arg;
        }
    }
    static const wchar_t* passArg(const CString& arg) { return arg.GetString(); }
    void formatArgs(bool append, const wchar_t* pszFormat, ...);

    // The characters, for reading.
    const std::wstring& str() const;
    // The characters, for changing: first made this string's own if another shares them.
    std::wstring& edit();
    void assign(std::wstring text);
    void trimLeftBy(std::size_t count);
    void trimRightBy(std::size_t count);

    std::shared_ptr<std::wstring> m_text;  // null: the empty string
};

CString operator+(const CString& str1, const CString& str2);
CString operator+(const CString& str1, const wchar_t* psz2);
CString operator+(const wchar_t* psz1, const CString& str2);
CString operator+(const CString& str1, wchar_t ch2);
CString operator+(wchar_t ch1, const CString& str2);

// Comparisons spelt out for each mix so that none falls back to comparing pointers.
#define VNWIN_CSTRING_COMPARISON(op)                              \
    inline bool operator op(const CString& a, const CString& b) { \
        return a.Compare(b) op 0;                                 \
    }                                                             \
    inline bool operator op(const CString& a, const wchar_t* b) { \
        return a.Compare(b) op 0;                                 \
    }                                                             \
    inline bool operator op(const wchar_t* a, const CString& b) { \
        return 0 op b.Compare(a);                                 \
    }
VNWIN_CSTRING_COMPARISON(==)
VNWIN_CSTRING_COMPARISON(!=)
VNWIN_CSTRING_COMPARISON(<)
VNWIN_CSTRING_COMPARISON(>)
VNWIN_CSTRING_COMPARISON(<=)
VNWIN_CSTRING_COMPARISON(>=)
#undef VNWIN_CSTRING_COMPARISON
// Three-way forms too: std::pair, std::tuple and defaulted comparisons reach for <=> first,
// and without these would compare the pointers the implicit conversion yields.
inline std::strong_ordering operator<=>(const CString& a, const CString& b) {
    return a.Compare(b) <=> 0;
}
inline std::strong_ordering operator<=>(const CString& a, const wchar_t* b) {
    return a.Compare(b) <=> 0;
}

// CMap's hash for text keys, by content; a CString and its characters hash alike.
UINT HashKey(LPCWSTR key);
inline UINT HashKey(const CString& key) {
    return HashKey(key.GetString());
}

template <>
struct std::hash<CString> {
    std::size_t operator()(const CString& s) const noexcept {
        return std::hash<std::wstring_view>{}(std::wstring_view(s.GetString(), s.GetLength()));
    }
};
