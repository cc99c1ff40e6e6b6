// Reading typed values. The grammar is small and strict on purpose: a text we are not sure
// how to read is refused rather than guessed at, because a guessed length ends up on a bending
// schedule. Numbers go through std::from_chars, which knows no locale: "." is the decimal
// point everywhere and "1,5" is refused rather than read as 1 or 15.
#include <array>
#include <charconv>
#include <cmath>
#include <cwchar>

#include "vntl/vnunit.h"

namespace {

// Longer than any value a person types; longer texts are refused unread.
constexpr std::size_t kMaxTextLength = vnunit::kMaxTypedLength;
// Longest run of number characters handed to from_chars: a whole text's worth, because a value
// shown with its decimals (Double2String) may need a hundred digits before the point or more,
// and it must read back.
constexpr std::size_t kMaxNumberLength = kMaxTextLength;

constexpr bool isDigit(wchar_t ch) {
    return ch >= L'0' && ch <= L'9';
}
// Typewriter marks, primes, and the curly quotes that word processors substitute.
constexpr bool isFootMark(wchar_t ch) {
    return ch == L'\'' || ch == L'\u2032' || ch == L'\u2019';
}
constexpr bool isInchMark(wchar_t ch) {
    return ch == L'"' || ch == L'\u2033' || ch == L'\u201D';
}

// What a typed text says: a number and, when the text names one, the unit it is in.
struct TypedValue {
    double magnitude = 0.0;
    std::optional<vnunit::Composition> markUnit;  // from a foot or inch mark
    std::wstring_view unitText;                   // a unit written out after the number
};

class Reader {
public:
    explicit Reader(std::wstring_view text) : m_text(text) {}

    bool atEnd() const { return m_pos >= m_text.size(); }
    wchar_t peek() const { return atEnd() ? L'\0' : m_text[m_pos]; }
    bool accept(bool matches) {
        if (matches) ++m_pos;
        return matches;
    }
    void skipBlanks() {
        while (!atEnd() && vnunit::isBlank(peek())) ++m_pos;
    }
    std::wstring_view rest() const { return m_text.substr(m_pos); }

    // An unsigned decimal number: "12", "1.5", ".5", "1e3". `integer` tells whether it was
    // written with digits only, as the parts of a fraction must be.
    std::optional<double> decimal(bool& integer) {
        std::array<char, kMaxNumberLength> chars{};
        std::size_t count = 0;
        while (m_pos + count < m_text.size() && count < chars.size()) {
            wchar_t ch = m_text[m_pos + count];
            if (!isDigit(ch) && ch != L'.' && ch != L'e' && ch != L'E' && ch != L'+' &&
                ch != L'-') {
                break;
            }
            chars[count++] = static_cast<char>(ch);
        }
        // A second sign ("--5") or an exponent alone ("e5") is no number.
        if (count == 0 || !(isDigit(chars[0]) || chars[0] == '.')) return std::nullopt;
        double value = 0.0;
        auto [end, ec] =
            std::from_chars(chars.data(), chars.data() + count, value, std::chars_format::general);
        if (ec != std::errc{}) return std::nullopt;  // "." alone, or out of range
        const auto used = static_cast<std::size_t>(end - chars.data());
        integer = true;
        for (std::size_t i = 0; i < used; ++i) integer = integer && isDigit(chars[i]);
        m_pos += used;
        return value;
    }

    // A decimal number, a fraction ("3/4") or a mixed number ("1 3/4"), unsigned.
    std::optional<double> magnitude() {
        bool integer = false;
        auto whole = decimal(integer);
        if (!whole || !integer) return whole;
        if (accept(peek() == L'/')) return denominatorOf(*whole);
        const std::size_t afterWhole = m_pos;
        skipBlanks();
        if (m_pos == afterWhole || !isDigit(peek())) {
            m_pos = afterWhole;
            return whole;
        }
        // Digits after a blank: only the fraction of a mixed number may follow ("12 12" may
        // not), and a proper one ("1 5/4" is more likely a slip than 2 1/4).
        auto numerator = decimal(integer);
        if (!numerator || !integer || !accept(peek() == L'/')) return std::nullopt;
        auto fraction = denominatorOf(*numerator);
        if (!fraction || *fraction >= 1.0) return std::nullopt;
        return *whole + *fraction;
    }

private:
    // The fraction numerator / d, d read here: digits only, and not zero.
    std::optional<double> denominatorOf(double numerator) {
        bool integer = false;
        auto denominator = decimal(integer);
        if (!denominator || !integer || *denominator == 0.0) return std::nullopt;
        return numerator / *denominator;
    }

    std::wstring_view m_text;
    std::size_t m_pos = 0;
};

vnunit::Composition baseComposition(std::wstring_view name) {
    vnunit::Composition unit;
    (void)unit.multiply(vnunit::baseIndex(name), 1);
    return unit;
}

// sign? magnitude ( end | inch-mark | foot-mark ( "-"? magnitude inch-mark? )? | unit-text )
std::optional<TypedValue> readTyped(std::wstring_view text) {
    Reader reader(vnunit::trimBlanks(text));
    const bool negative = reader.accept(reader.peek() == L'-' || reader.peek() == L'\u2212');
    if (!negative) reader.accept(reader.peek() == L'+');
    auto first = reader.magnitude();
    if (!first) return std::nullopt;
    const double sign = negative ? -1.0 : 1.0;
    reader.skipBlanks();
    TypedValue typed{sign * *first, std::nullopt, {}};
    if (reader.accept(isInchMark(reader.peek()))) {
        typed.markUnit = baseComposition(L"in");
    } else if (reader.accept(isFootMark(reader.peek()))) {
        typed.markUnit = baseComposition(L"ft");
        reader.skipBlanks();
        if (!reader.atEnd()) {
            // Feet and inches: "1'-6 1/2\"", "1' 6\"", "1'6". The dash only separates.
            if (reader.accept(reader.peek() == L'-')) reader.skipBlanks();
            auto inches = reader.magnitude();
            if (!inches) return std::nullopt;
            reader.skipBlanks();
            reader.accept(isInchMark(reader.peek()));
            typed.magnitude = sign * (*first * 12.0 + *inches);
            typed.markUnit = baseComposition(L"in");
        }
    } else {
        typed.unitText = reader.rest();
    }
    reader.skipBlanks();
    if (typed.markUnit && !reader.atEnd()) return std::nullopt;
    return typed;
}

}  // namespace

double CVnUnit::String2Double(const wchar_t* text, int* error, int toSI) const {
    int ignored = 0;
    int& status = error ? *error : ignored;
    status = 1;
    if (!text) return 0.0;
    const std::size_t length = std::wcslen(text);
    if (length > kMaxTextLength) return 0.0;
    const auto typed = readTyped(std::wstring_view(text, length));
    if (!typed) return 0.0;

    // The unit the number was typed in: this one unless the text named another.
    vnunit::Ratio typedSize = m_siSize;
    std::optional<vnunit::Composition> unit = typed->markUnit;
    if (!unit && !typed->unitText.empty() && !isOwnName(typed->unitText)) {
        unit = vnunit::parseUnitText(typed->unitText);
        if (!unit) return 0.0;
    }
    if (unit) {
        if (!unit->sameDimension(m_composition)) return 0.0;  // "12 kg" for a length
        const auto size = unit->siSize();
        if (!size) return 0.0;
        typedSize = *size;
    }

    // Convert in one step with the exact ratio of the two units, so that "1 in" in
    // millimetres is the double nearest 25.4, not 25.4 with the error of a detour.
    double result = 0.0;
    if (toSI) {
        result = typedSize.scale(typed->magnitude);
    } else if (const auto ratio = typedSize.over(m_siSize)) {
        result = ratio->scale(typed->magnitude);
    } else {
        result = typedSize.scale(typed->magnitude) * GetCoef();
    }
    if (!std::isfinite(result)) return 0.0;
    status = 0;
    return result + 0.0;  // "-0" reads as 0, not as negative zero
}
