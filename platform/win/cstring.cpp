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

const std::wstring& CString::str() const {
    static const std::wstring empty;
    return m_text ? *m_text : empty;
}

std::wstring& CString::edit() {
    // A count of one means no other string shares the characters, and only this object could
    // share them now: then they can change in place.
    if (!m_text)
        m_text = std::make_shared<std::wstring>();
    else if (m_text.use_count() > 1)
        m_text = std::make_shared<std::wstring>(*m_text);
    return *m_text;
}

void CString::assign(std::wstring text) {
    if (text.empty())
        m_text.reset();
    else if (m_text && m_text.use_count() == 1)
        *m_text = std::move(text);
    else
        m_text = std::make_shared<std::wstring>(std::move(text));
}

void CString::trimLeftBy(std::size_t count) {
    if (count == 0) return;
    if (count >= str().size())
        m_text.reset();
    else
        edit().erase(0, count);
}

void CString::trimRightBy(std::size_t count) {
    if (count == 0) return;
    const std::size_t length = str().size();
    if (count >= length)
        m_text.reset();
    else
        edit().resize(length - count);
}

CString::CString(const wchar_t* psz) {
    if (psz && *psz) assign(psz);
}

CString::CString(const wchar_t* pch, int nLength) {
    ASSERT(nLength >= 0 && (pch || nLength == 0));
    if (pch && nLength > 0) assign(std::wstring(pch, static_cast<std::size_t>(nLength)));
}

CString::CString(wchar_t ch, int nRepeat) {
    if (nRepeat > 0) assign(std::wstring(static_cast<std::size_t>(nRepeat), ch));
}

CString::CString(const char* psz) {
    if (psz) assign(Utf8ToWide(psz));
}

CString& CString::operator=(const wchar_t* psz) {
    // Copied before the old characters go: the pointer may point into them.
    assign(std::wstring(orEmpty(psz)));
    return *this;
}

CString& CString::operator=(wchar_t ch) {
    assign(std::wstring(1, ch));
    return *this;
}

CString& CString::operator=(const char* psz) {
    assign(psz ? Utf8ToWide(psz) : std::wstring());
    return *this;
}

CString& CString::operator+=(const CString& str) {
    if (str.IsEmpty()) return *this;
    if (IsEmpty()) return *this = str;  // shares
    // Appending a string to itself: its characters are taken before they may move.
    const std::shared_ptr<std::wstring> added = str.m_text;
    edit() += *added;
    return *this;
}

CString& CString::operator+=(const wchar_t* psz) {
    if (!psz || !*psz) return *this;
    const std::wstring added(psz);  // taken first: it may point into our own characters
    edit() += added;
    return *this;
}

CString& CString::operator+=(wchar_t ch) {
    edit() += ch;
    return *this;
}

void CString::Append(const wchar_t* psz) {
    *this += psz;
}

void CString::Append(const wchar_t* pch, int nLength) {
    ASSERT(nLength >= 0 && (pch || nLength == 0));
    if (!pch || nLength <= 0) return;
    const std::wstring added(pch, static_cast<std::size_t>(nLength));
    edit() += added;
}

wchar_t CString::GetAt(int iChar) const {
    ASSERT(iChar >= 0 && iChar < GetLength());
    return str()[static_cast<std::size_t>(iChar)];
}

void CString::SetAt(int iChar, wchar_t ch) {
    ASSERT(iChar >= 0 && iChar < GetLength());
    edit()[static_cast<std::size_t>(iChar)] = ch;
}

int CString::Compare(const wchar_t* psz) const {
    return std::wcscmp(GetString(), orEmpty(psz));
}

int CString::CompareNoCase(const wchar_t* psz) const {
    return _wcsicmp(GetString(), orEmpty(psz));
}

CString& CString::MakeUpper() {
    if (!IsEmpty())
        for (wchar_t& ch : edit()) ch = vnwin::foldUpper(ch);
    return *this;
}

CString& CString::MakeLower() {
    if (!IsEmpty())
        for (wchar_t& ch : edit()) ch = vnwin::foldLower(ch);
    return *this;
}

CString& CString::MakeReverse() {
    if (GetLength() > 1) {
        std::wstring& text = edit();
        std::reverse(text.begin(), text.end());
    }
    return *this;
}

int CString::Find(wchar_t ch, int iStart) const {
    if (iStart < 0 || iStart >= GetLength()) return -1;
    auto at = str().find(ch, static_cast<std::size_t>(iStart));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::Find(const wchar_t* pszSub, int iStart) const {
    if (!pszSub || iStart < 0 || iStart > GetLength()) return -1;
    auto at = str().find(pszSub, static_cast<std::size_t>(iStart));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(wchar_t ch) const {
    auto at = str().rfind(ch);
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::FindOneOf(const wchar_t* pszCharSet) const {
    auto at = str().find_first_of(orEmpty(pszCharSet));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

CString CString::Mid(int iFirst) const {
    return Mid(iFirst, GetLength() - iFirst);
}

CString CString::Mid(int iFirst, int nCount) const {
    iFirst = clampIndex(iFirst, GetLength());
    nCount = std::clamp(nCount, 0, GetLength() - iFirst);
    if (iFirst == 0 && nCount == GetLength()) return *this;  // shares
    return CString(GetString() + iFirst, nCount);
}

CString CString::Left(int nCount) const {
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const {
    nCount = clampIndex(nCount, GetLength());
    return Mid(GetLength() - nCount, nCount);
}

CString CString::SpanIncluding(const wchar_t* pszCharSet) const {
    auto end = str().find_first_not_of(orEmpty(pszCharSet));
    return Left(end == std::wstring::npos ? GetLength() : static_cast<int>(end));
}

CString CString::SpanExcluding(const wchar_t* pszCharSet) const {
    auto end = str().find_first_of(orEmpty(pszCharSet));
    return Left(end == std::wstring::npos ? GetLength() : static_cast<int>(end));
}

CString CString::Tokenize(const wchar_t* pszTokens, int& iStart) const {
    ASSERT(iStart >= 0);
    if (!pszTokens || !*pszTokens) {
        // As MFC: without delimiters the rest is the token and iStart stays where it was.
        if (iStart < GetLength()) return Mid(iStart);
    } else if (iStart < GetLength()) {
        auto from = str().find_first_not_of(pszTokens, static_cast<std::size_t>(iStart));
        if (from != std::wstring::npos) {
            auto until = str().find_first_of(pszTokens, from);
            if (until == std::wstring::npos) until = str().size();
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

// How many characters from the start (or the end) satisfy `pred`: what a trim removes.
template <typename Pred>
std::size_t leading(const std::wstring& s, Pred pred) {
    return static_cast<std::size_t>(std::find_if_not(s.begin(), s.end(), pred) - s.begin());
}

template <typename Pred>
std::size_t trailing(const std::wstring& s, Pred pred) {
    return static_cast<std::size_t>(std::find_if_not(s.rbegin(), s.rend(), pred) - s.rbegin());
}

}  // namespace

CString& CString::TrimLeft() {
    trimLeftBy(leading(str(), vnwin::isBlank));
    return *this;
}

CString& CString::TrimLeft(wchar_t chTarget) {
    trimLeftBy(leading(str(), [chTarget](wchar_t ch) { return ch == chTarget; }));
    return *this;
}

CString& CString::TrimLeft(const wchar_t* pszTargets) {
    const wchar_t* set = orEmpty(pszTargets);
    trimLeftBy(leading(str(), [set](wchar_t ch) { return inSet(set, ch); }));
    return *this;
}

CString& CString::TrimRight() {
    trimRightBy(trailing(str(), vnwin::isBlank));
    return *this;
}

CString& CString::TrimRight(wchar_t chTarget) {
    trimRightBy(trailing(str(), [chTarget](wchar_t ch) { return ch == chTarget; }));
    return *this;
}

CString& CString::TrimRight(const wchar_t* pszTargets) {
    const wchar_t* set = orEmpty(pszTargets);
    trimRightBy(trailing(str(), [set](wchar_t ch) { return inSet(set, ch); }));
    return *this;
}

int CString::Replace(wchar_t chOld, wchar_t chNew) {
    if (chOld == chNew || str().find(chOld) == std::wstring::npos) return 0;
    int count = 0;
    for (wchar_t& ch : edit()) {
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
    const std::wstring& text = str();
    for (std::size_t at; (at = text.find(from, pos)) != std::wstring::npos;
         pos = at + from.size()) {
        result.append(text, pos, at - pos).append(to);
        ++count;
    }
    if (count > 0) assign(result.append(text, pos));
    return count;
}

int CString::Remove(wchar_t chRemove) {
    if (str().find(chRemove) == std::wstring::npos) return 0;
    auto removed = std::erase(edit(), chRemove);
    return static_cast<int>(removed);
}

int CString::Insert(int iIndex, wchar_t ch) {
    return Insert(iIndex, CString(ch).GetString());
}

int CString::Insert(int iIndex, const wchar_t* psz) {
    const std::wstring text(orEmpty(psz));
    if (!text.empty())
        edit().insert(static_cast<std::size_t>(clampIndex(iIndex, GetLength())), text);
    return GetLength();
}

int CString::Delete(int iIndex, int nCount) {
    iIndex = std::max(iIndex, 0);
    nCount = std::min(nCount, GetLength() - iIndex);
    if (nCount > 0)
        edit().erase(static_cast<std::size_t>(iIndex), static_cast<std::size_t>(nCount));
    return GetLength();
}

wchar_t* CString::GetBuffer() {
    return edit().data();
}

wchar_t* CString::GetBuffer(int nMinBufferLength) {
    ASSERT(nMinBufferLength >= 0);
    std::wstring& text = edit();
    if (nMinBufferLength > GetLength()) text.resize(static_cast<std::size_t>(nMinBufferLength));
    return text.data();
}

wchar_t* CString::GetBufferSetLength(int nLength) {
    ASSERT(nLength >= 0);
    std::wstring& text = edit();
    text.resize(static_cast<std::size_t>(nLength));
    return text.data();
}

void CString::ReleaseBuffer(int nNewLength) {
    if (nNewLength < 0) nNewLength = static_cast<int>(std::wcslen(GetString()));
    ASSERT(nNewLength <= GetLength());
    if (nNewLength == 0)
        m_text.reset();
    else if (nNewLength < GetLength())
        edit().resize(static_cast<std::size_t>(nNewLength));
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
