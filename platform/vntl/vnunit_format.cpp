// Showing values. Whatever is shown must read back as exactly the value shown: the bar
// editor formats a value, parses the text back and compares, and an engineer who copies a
// displayed length into another field must get that length, not a neighbour of it.
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "vntl/vnunit.h"

namespace {

// Beyond these a precision shows nothing a person could use, and 2^-30 steps would overflow
// the step count of ordinary values.
constexpr int kMaxDecimals = 17;
constexpr int kMaxHalvings = 30;
// Step counts from here on are no longer exact in a double.
constexpr double kExactSteps = 9007199254740992.0;  // 2^53

// The shortest digits that read back as the same double ("12.5", "1e+20").
CString shortestText(double value) {
    if (std::isnan(value)) return CString(L"nan");  // without the sign bit's "-nan"
    std::array<char, 64> chars{};
    auto [end, ec] = std::to_chars(chars.data(), chars.data() + chars.size(), value + 0.0);
    CString text;
    if (ec != std::errc{}) return text;
    for (const char* p = chars.data(); p != end; ++p) text += static_cast<wchar_t>(*p);
    return text;
}

// The value rounded to `decimals` decimals, halves away from zero, judged on the shortest
// digits the value is written with: 2.675 becomes 2.68 as a person expects, although the
// double nearest 2.675 lies a hair below it and printf alone would show 2.67.
double roundDecimals(double value, int decimals) {
    std::array<char, 400> chars{};  // the longest fixed form of a double has 327 characters
    auto [end, ec] = std::to_chars(chars.data(), chars.data() + chars.size(), std::fabs(value),
                                   std::chars_format::fixed);
    if (ec != std::errc{}) return value;
    std::string digits(chars.data(), end);
    const std::size_t point = digits.find('.');
    if (point == std::string::npos || digits.size() - point - 1 <= std::size_t(decimals)) {
        return value;  // already no more decimals than shown
    }
    bool up = digits[point + 1 + decimals] >= '5';
    digits.resize(decimals == 0 ? point : point + 1 + decimals);
    for (std::size_t i = digits.size(); up && i-- > 0;) {
        if (digits[i] == '.') continue;
        if (digits[i] != '9') {
            ++digits[i];
            up = false;
        } else {
            digits[i] = '0';
        }
    }
    if (up) digits.insert(digits.begin(), '1');
    double rounded = 0.0;
    (void)std::from_chars(digits.data(), digits.data() + digits.size(), rounded);
    return std::copysign(rounded, value);
}

// printf shows a negative value that rounds to zero as "-0.0"; a person reads that as a
// value below zero, so the sign goes.
void dropSignOfZero(CString& text) {
    if (text.IsEmpty() || text[0] != L'-') return;
    bool zeroSeen = false;
    for (int i = 1; i < text.GetLength(); ++i) {
        const wchar_t ch = text[i];
        if (ch == L'e' || ch == L'E') break;
        if (ch >= L'1' && ch <= L'9') return;
        if ((ch >= L'a' && ch <= L'z') || (ch >= L'A' && ch <= L'Z')) return;
        zeroSeen = zeroSeen || ch == L'0';
    }
    if (zeroSeen) text.Delete(0);
}

// Whole units and a reduced fraction of 2^halvings: "18 1/2", "-3/4", "0". nullopt when
// the step count is too large to be exact.
std::optional<CString> halvingsText(double value, int halvings) {
    const double steps = std::round(std::ldexp(value, halvings));
    if (!(std::fabs(steps) < kExactSteps)) return std::nullopt;
    const auto count = static_cast<std::int64_t>(std::fabs(steps));
    const std::int64_t whole = count >> halvings;
    std::int64_t numerator = count - (whole << halvings);
    std::int64_t denominator = std::int64_t{1} << halvings;
    while (numerator != 0 && numerator % 2 == 0) {
        numerator /= 2;
        denominator /= 2;
    }
    CString text;
    if (steps < 0) text += L'-';
    if (whole != 0 || numerator == 0) text.AppendFormat(L"%lld", static_cast<long long>(whole));
    if (numerator != 0) {
        if (whole != 0) text += L' ';
        text.AppendFormat(L"%lld/%lld", static_cast<long long>(numerator),
                          static_cast<long long>(denominator));
    }
    return text;
}

void writeInto(wchar_t* buffer, int bufferSize, const CString& text) {
    const int count = std::min(text.GetLength(), bufferSize - 1);
    std::copy_n(text.GetString(), count, buffer);
    buffer[count] = L'\0';
}

}  // namespace

CString CVnUnit::formatNumber(double valueInUnit, const wchar_t* numberFormat, int usePrecision,
                              bool& halvings) const {
    halvings = false;
    if (!usePrecision || !std::isfinite(valueInUnit)) return shortestText(valueInUnit);
    if (m_format == 1) {
        if (auto text = halvingsText(valueInUnit, std::clamp(m_precision, 0, kMaxHalvings))) {
            halvings = true;
            return *text;
        }
        return shortestText(valueInUnit);
    }
    const int decimals = std::clamp(m_precision, 0, kMaxDecimals);
    CString text;
    text.Format(numberFormat ? numberFormat : L"%.*f", decimals,
                roundDecimals(valueInUnit, decimals));
    dropSignOfZero(text);
    return text;
}

CString CVnUnit::nameSuffix(bool halvings) const {
    // Fractions of an inch or a foot carry the marks a drawing shows them with.
    if (const auto single = m_composition.singleLength();
        halvings && single && single->exponent == 1) {
        if (single->base == vnunit::baseIndex(L"in")) return CString(L"\"");
        if (single->base == vnunit::baseIndex(L"ft")) return CString(L"'");
    }
    if (m_name.IsEmpty()) return CString();
    return L" " + m_name;
}

CString CVnUnit::Double2String(wchar_t* buffer, double value, int fromSI,
                               const wchar_t* numberFormat, int appendName, int usePrecision,
                               int bufferSize) const {
    double valueInUnit = value;
    if (fromSI) SI2Double(valueInUnit, 1);
    bool halvings = false;
    CString text = formatNumber(valueInUnit, numberFormat, usePrecision, halvings);
    if (appendName) text += nameSuffix(halvings);
    if (text.GetLength() > static_cast<int>(vnunit::kMaxTypedLength)) {
        // More characters than String2Double reads (a huge value with its decimals): the
        // shortest digits read back, the long form would not.
        text = shortestText(valueInUnit);
        if (appendName) text += nameSuffix(false);
    }
    if (!buffer || bufferSize <= 0) return text;
    if (text.GetLength() >= bufferSize) {
        // Too long for the caller's buffer (the catalogue's undefined value has 151 digits
        // before the point): show the value in few digits rather than cut the number.
        text = shortestText(valueInUnit);
        if (appendName) text += nameSuffix(false);
        if (text.GetLength() >= bufferSize) text.Empty();
    }
    writeInto(buffer, bufferSize, text);
    return text;
}
