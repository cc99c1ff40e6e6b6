#include "win/cstring.h"

#include <algorithm>
#include <cwchar>

#include "win/crt.h"
#include "win/diagnostics.h"
#include "win/textlocale.h"
#include "win/utf8.h"

namespace {

const wchar_t* orEmpty(const wchar_t* psz) {
    return psz ? psz : L"";
}

bool inSet(const wchar_t* set, wchar_t ch) {
    return ch != L'\0' && std::wcschr(set, ch);
}

int clampIndex(int index, int length) {
    return std::clamp(index, 0, length);
}

}  // namespace

CString::CString(const wchar_t* psz) : m_str(orEmpty(psz)) {}

CString::CString(const wchar_t* pch, int nLength) {
    ASSERT(nLength >= 0 && (pch || nLength == 0));
    if (pch && nLength > 0) m_str.assign(pch, static_cast<std::size_t>(nLength));
}

CString::CString(wchar_t ch, int nRepeat)
    : m_str(static_cast<std::size_t>(std::max(nRepeat, 0)), ch) {}

CString::CString(const char* psz) : m_str(psz ? Utf8ToWide(psz) : std::wstring()) {}

CString& CString::operator=(const wchar_t* psz) {
    // Assigning a pointer into our own buffer must survive the reallocation.
    m_str = std::wstring(orEmpty(psz));
    return *this;
}

CString& CString::operator=(wchar_t ch) {
    m_str.assign(1, ch);
    return *this;
}

CString& CString::operator=(const char* psz) {
    m_str = psz ? Utf8ToWide(psz) : std::wstring();
    return *this;
}

CString& CString::operator+=(const CString& str) {
    m_str += str.m_str;
    return *this;
}

CString& CString::operator+=(const wchar_t* psz) {
    m_str += std::wstring(orEmpty(psz));
    return *this;
}

CString& CString::operator+=(wchar_t ch) {
    m_str += ch;
    return *this;
}

void CString::Append(const wchar_t* psz) {
    *this += psz;
}

void CString::Append(const wchar_t* pch, int nLength) {
    ASSERT(nLength >= 0 && (pch || nLength == 0));
    if (pch && nLength > 0) m_str += std::wstring(pch, static_cast<std::size_t>(nLength));
}

wchar_t CString::GetAt(int iChar) const {
    ASSERT(iChar >= 0 && iChar < GetLength());
    return m_str[static_cast<std::size_t>(iChar)];
}

void CString::SetAt(int iChar, wchar_t ch) {
    ASSERT(iChar >= 0 && iChar < GetLength());
    m_str[static_cast<std::size_t>(iChar)] = ch;
}

int CString::Compare(const wchar_t* psz) const {
    return std::wcscmp(m_str.c_str(), orEmpty(psz));
}

int CString::CompareNoCase(const wchar_t* psz) const {
    return _wcsicmp(m_str.c_str(), orEmpty(psz));
}

CString& CString::MakeUpper() {
    for (wchar_t& ch : m_str) ch = vnwin::foldUpper(ch);
    return *this;
}

CString& CString::MakeLower() {
    for (wchar_t& ch : m_str) ch = vnwin::foldLower(ch);
    return *this;
}

CString& CString::MakeReverse() {
    std::reverse(m_str.begin(), m_str.end());
    return *this;
}

int CString::Find(wchar_t ch, int iStart) const {
    if (iStart < 0 || iStart >= GetLength()) return -1;
    auto at = m_str.find(ch, static_cast<std::size_t>(iStart));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::Find(const wchar_t* pszSub, int iStart) const {
    if (!pszSub || iStart < 0 || iStart > GetLength()) return -1;
    auto at = m_str.find(pszSub, static_cast<std::size_t>(iStart));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(wchar_t ch) const {
    auto at = m_str.rfind(ch);
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::FindOneOf(const wchar_t* pszCharSet) const {
    auto at = m_str.find_first_of(orEmpty(pszCharSet));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

CString CString::Mid(int iFirst) const {
    return Mid(iFirst, GetLength() - iFirst);
}

CString CString::Mid(int iFirst, int nCount) const {
    iFirst = clampIndex(iFirst, GetLength());
    nCount = std::clamp(nCount, 0, GetLength() - iFirst);
    return CString(m_str.c_str() + iFirst, nCount);
}

CString CString::Left(int nCount) const {
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const {
    nCount = clampIndex(nCount, GetLength());
    return Mid(GetLength() - nCount, nCount);
}

CString CString::SpanIncluding(const wchar_t* pszCharSet) const {
    auto end = m_str.find_first_not_of(orEmpty(pszCharSet));
    return Left(end == std::wstring::npos ? GetLength() : static_cast<int>(end));
}

CString CString::SpanExcluding(const wchar_t* pszCharSet) const {
    auto end = m_str.find_first_of(orEmpty(pszCharSet));
    return Left(end == std::wstring::npos ? GetLength() : static_cast<int>(end));
}

CString CString::Tokenize(const wchar_t* pszTokens, int& iStart) const {
    ASSERT(iStart >= 0);
    if (!pszTokens || !*pszTokens) {
        // As MFC: without delimiters the rest is the token and iStart stays where it was.
        if (iStart < GetLength()) return Mid(iStart);
    } else if (iStart < GetLength()) {
        auto from = m_str.find_first_not_of(pszTokens, static_cast<std::size_t>(iStart));
        if (from != std::wstring::npos) {
            auto until = m_str.find_first_of(pszTokens, from);
            if (until == std::wstring::npos) until = m_str.size();
            iStart = static_cast<int>(until) + 1;
            return Mid(static_cast<int>(from), static_cast<int>(until - from));
        }
    }
    iStart = -1;
    return CString();
}

CString& CString::Trim() {
    return TrimRight().TrimLeft();
}
CString& CString::Trim(wchar_t chTarget) {
    return TrimRight(chTarget).TrimLeft(chTarget);
}
CString& CString::Trim(const wchar_t* pszTargets) {
    return TrimRight(pszTargets).TrimLeft(pszTargets);
}

namespace {

template <typename Pred>
void trimLeftWhile(std::wstring& s, Pred pred) {
    s.erase(s.begin(), std::find_if_not(s.begin(), s.end(), pred));
}

template <typename Pred>
void trimRightWhile(std::wstring& s, Pred pred) {
    s.erase(std::find_if_not(s.rbegin(), s.rend(), pred).base(), s.end());
}

}  // namespace

CString& CString::TrimLeft() {
    trimLeftWhile(m_str, vnwin::isBlank);
    return *this;
}

CString& CString::TrimLeft(wchar_t chTarget) {
    trimLeftWhile(m_str, [chTarget](wchar_t ch) { return ch == chTarget; });
    return *this;
}

CString& CString::TrimLeft(const wchar_t* pszTargets) {
    const wchar_t* set = orEmpty(pszTargets);
    trimLeftWhile(m_str, [set](wchar_t ch) { return inSet(set, ch); });
    return *this;
}

CString& CString::TrimRight() {
    trimRightWhile(m_str, vnwin::isBlank);
    return *this;
}

CString& CString::TrimRight(wchar_t chTarget) {
    trimRightWhile(m_str, [chTarget](wchar_t ch) { return ch == chTarget; });
    return *this;
}

CString& CString::TrimRight(const wchar_t* pszTargets) {
    const wchar_t* set = orEmpty(pszTargets);
    trimRightWhile(m_str, [set](wchar_t ch) { return inSet(set, ch); });
    return *this;
}

int CString::Replace(wchar_t chOld, wchar_t chNew) {
    if (chOld == chNew) return 0;
    int count = 0;
    for (wchar_t& ch : m_str) {
        if (ch == chOld) ch = chNew, ++count;
    }
    return count;
}

int CString::Replace(const wchar_t* pszOld, const wchar_t* pszNew) {
    std::wstring_view oldText(orEmpty(pszOld));
    if (oldText.empty()) return 0;
    // Both texts may point into our own buffer: copy them before the buffer changes.
    const std::wstring from(oldText), to(orEmpty(pszNew));
    std::wstring result;
    int count = 0;
    std::size_t pos = 0;
    for (std::size_t at; (at = m_str.find(from, pos)) != std::wstring::npos;
         pos = at + from.size()) {
        result.append(m_str, pos, at - pos).append(to);
        ++count;
    }
    if (count > 0) m_str = result.append(m_str, pos);
    return count;
}

int CString::Remove(wchar_t chRemove) {
    auto removed = std::erase(m_str, chRemove);
    return static_cast<int>(removed);
}

int CString::Insert(int iIndex, wchar_t ch) {
    return Insert(iIndex, CString(ch).GetString());
}

int CString::Insert(int iIndex, const wchar_t* psz) {
    const std::wstring text(orEmpty(psz));
    m_str.insert(static_cast<std::size_t>(clampIndex(iIndex, GetLength())), text);
    return GetLength();
}

int CString::Delete(int iIndex, int nCount) {
    iIndex = std::max(iIndex, 0);
    nCount = std::min(nCount, GetLength() - iIndex);
    if (nCount > 0) m_str.erase(static_cast<std::size_t>(iIndex), static_cast<std::size_t>(nCount));
    return GetLength();
}

wchar_t* CString::GetBuffer() {
    return m_str.data();
}

wchar_t* CString::GetBuffer(int nMinBufferLength) {
    ASSERT(nMinBufferLength >= 0);
    if (nMinBufferLength > GetLength()) m_str.resize(static_cast<std::size_t>(nMinBufferLength));
    return m_str.data();
}

wchar_t* CString::GetBufferSetLength(int nLength) {
    ASSERT(nLength >= 0);
    m_str.resize(static_cast<std::size_t>(nLength));
    return m_str.data();
}

void CString::ReleaseBuffer(int nNewLength) {
    if (nNewLength < 0) nNewLength = static_cast<int>(std::wcslen(m_str.c_str()));
    ASSERT(nNewLength <= GetLength());
    m_str.resize(static_cast<std::size_t>(nNewLength));
}

CString operator+(const CString& str1, const CString& str2) {
    CString result(str1);
    result += str2;
    return result;
}

CString operator+(const CString& str1, const wchar_t* psz2) {
    CString result(str1);
    result += psz2;
    return result;
}

CString operator+(const wchar_t* psz1, const CString& str2) {
    CString result(psz1);
    result += str2;
    return result;
}

CString operator+(const CString& str1, wchar_t ch2) {
    CString result(str1);
    result += ch2;
    return result;
}

CString operator+(wchar_t ch1, const CString& str2) {
    CString result(ch1);
    result += str2;
    return result;
}

UINT HashKey(LPCWSTR key) {
    // MFC's string hash: the same keys land in the same buckets as there.
    UINT hash = 0;
    for (const wchar_t* p = key ? key : L""; *p; ++p)
        hash = (hash << 5) + hash + static_cast<UINT>(*p);
    return hash;
}
