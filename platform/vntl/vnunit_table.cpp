#include "vntl/vnunit_table.h"

#include <cstdlib>
#include <numeric>

namespace vnunit {

namespace {

// Beyond this a fraction's parts no longer convert to doubles exactly.
constexpr std::int64_t kExactLimit = std::int64_t{1} << 53;

std::optional<std::int64_t> checkedProduct(std::int64_t a, std::int64_t b) {
    std::int64_t product = 0;
    if (__builtin_mul_overflow(a, b, &product) || product >= kExactLimit) return std::nullopt;
    return product;
}

Ratio reduced(std::int64_t num, std::int64_t den) {
    std::int64_t divisor = std::gcd(num, den);
    return {num / divisor, den / divisor};
}

// A term of a unit text without its exponent: the base unit's row, or -1.
int lookUpBase(std::wstring_view text) {
    std::array<wchar_t, 4> lower{};
    if (text.empty() || text.size() > lower.size()) return -1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        wchar_t ch = text[i];
        if (ch >= L'A' && ch <= L'Z') ch = static_cast<wchar_t>(ch - L'A' + L'a');
        if (ch < L'a' || ch > L'z') return -1;
        lower[i] = ch;
    }
    return baseIndex(std::wstring_view(lower.data(), text.size()));
}

struct ParsedTerm {
    int base;
    int exponent;
};

// "mm", "MM2", "mm²", "mm^2": a base unit, squared when a length is followed by a 2.
std::optional<ParsedTerm> parseTerm(std::wstring_view text) {
    text = trimBlanks(text);
    int exponent = 1;
    for (std::wstring_view square : {L"^2", L"\u00B2", L"2"}) {
        if (text.ends_with(square)) {
            text.remove_suffix(square.size());
            exponent = 2;
            break;
        }
    }
    int base = lookUpBase(text);
    if (base < 0) return std::nullopt;
    if (exponent == 2 && kBaseUnits[base].length != 1) return std::nullopt;
    return ParsedTerm{base, exponent};
}

}  // namespace

std::wstring_view trimBlanks(std::wstring_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::optional<Ratio> Ratio::over(const Ratio& other) const {
    std::int64_t g1 = std::gcd(num, other.num);
    std::int64_t g2 = std::gcd(den, other.den);
    auto n = checkedProduct(num / g1, other.den / g2);
    auto d = checkedProduct(den / g2, other.num / g1);
    if (!n || !d) return std::nullopt;
    return Ratio{*n, *d};
}

bool Composition::multiply(int base, int exponent) {
    if (exponent == 0) return true;
    for (int i = 0; i < m_count; ++i) {
        if (m_terms[i].base != base) continue;
        int sum = m_terms[i].exponent + exponent;
        if (sum == 0) {
            for (int j = i + 1; j < m_count; ++j) m_terms[j - 1] = m_terms[j];
            m_terms[--m_count] = Term{};
        } else {
            m_terms[i].exponent = static_cast<std::int8_t>(sum);
        }
        return true;
    }
    if (m_count == kMaxTerms) return false;
    m_terms[m_count++] = Term{static_cast<std::int8_t>(base), static_cast<std::int8_t>(exponent)};
    return true;
}

bool Composition::multiply(const Composition& other, int exponent) {
    Composition result = *this;
    for (int i = 0; i < other.m_count; ++i) {
        if (!result.multiply(other.m_terms[i].base, other.m_terms[i].exponent * exponent)) {
            return false;
        }
    }
    *this = result;
    return true;
}

int Composition::massExponent() const {
    int sum = 0;
    for (int i = 0; i < m_count; ++i) sum += kBaseUnits[m_terms[i].base].mass * m_terms[i].exponent;
    return sum;
}

int Composition::lengthExponent() const {
    int sum = 0;
    for (int i = 0; i < m_count; ++i) {
        sum += kBaseUnits[m_terms[i].base].length * m_terms[i].exponent;
    }
    return sum;
}

int Composition::id() const {
    const int mass = massExponent();
    const int length = lengthExponent();
    if (mass == 0 && length == 0) return empty() ? kIdNumber : 0;
    if (mass == 0 && length == 1) return kIdLength;
    if (mass == 0 && length == 2) return kIdArea;
    if (mass == 1 && length == 0) return kIdWeight;
    if (mass == 1 && length == -1) return kIdWeightPerLength;
    if (mass == 1 && length == -2) return kIdWeightPerArea;
    return 0;
}

System Composition::system() const {
    for (int i = 0; i < m_count; ++i) {
        if (kBaseUnits[m_terms[i].base].system == System::Imperial) return System::Imperial;
    }
    return System::Metric;
}

std::optional<Ratio> Composition::siSize() const {
    Ratio size;
    for (int i = 0; i < m_count; ++i) {
        const BaseUnit& unit = kBaseUnits[m_terms[i].base];
        Ratio base = reduced(unit.siNum, unit.siDen);
        // Dividing by the inverse multiplies.
        Ratio factor = m_terms[i].exponent > 0 ? Ratio{base.den, base.num} : base;
        for (int k = 0; k < std::abs(m_terms[i].exponent); ++k) {
            auto next = size.over(factor);
            if (!next) return std::nullopt;
            size = *next;
        }
    }
    return size;
}

std::wstring Composition::name() const {
    auto append = [this](std::wstring& text, bool numerator) {
        bool first = true;
        for (int i = 0; i < m_count; ++i) {
            int exponent = m_terms[i].exponent;
            if ((exponent > 0) != numerator) continue;
            if (!first) text += L'\u00B7';
            first = false;
            text += kBaseUnits[m_terms[i].base].name;
            if (std::abs(exponent) > 1) text += std::to_wstring(std::abs(exponent));
        }
        return !first;
    };
    std::wstring text;
    // A unit with only a denominator would read "/m"; none of the supported dimensions has one.
    append(text, true);
    std::wstring denominator;
    if (append(denominator, false)) text += L'/' + denominator;
    return text;
}

std::optional<Composition::SingleLength> Composition::singleLength() const {
    if (m_count != 1 || kBaseUnits[m_terms[0].base].length != 1 ||
        kBaseUnits[m_terms[0].base].mass != 0 || m_terms[0].exponent < 1) {
        return std::nullopt;
    }
    return SingleLength{m_terms[0].base, m_terms[0].exponent};
}

std::optional<Composition> parseUnitText(std::wstring_view text) {
    std::size_t slash = text.find(L'/');
    Composition unit;
    if (slash == std::wstring_view::npos) {
        auto term = parseTerm(text);
        if (!term || !unit.multiply(term->base, term->exponent)) return std::nullopt;
        return unit;
    }
    // Only a weight per length or per area: "kg/m", "lb/ft2".
    auto weight = parseTerm(text.substr(0, slash));
    auto length = parseTerm(text.substr(slash + 1));
    if (!weight || !length || kBaseUnits[weight->base].mass != 1 || weight->exponent != 1 ||
        kBaseUnits[length->base].length != 1) {
        return std::nullopt;
    }
    if (!unit.multiply(weight->base, 1) || !unit.multiply(length->base, -length->exponent)) {
        return std::nullopt;
    }
    return unit;
}

}  // namespace vnunit
