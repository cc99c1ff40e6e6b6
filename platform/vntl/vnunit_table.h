// The unit table behind CVnUnit: the base units we know, their exact sizes in SI, and the
// composition of a unit out of base units raised to exponents (kg/m is kg^1 · m^-1).
// Sizes are exact fractions, not doubles, so that 1 in converts to exactly the double
// nearest 25.4 mm and a compound unit built by hand equals the one read from its text.
// Internal to platform/vntl; the host's API is CVnUnit and CVnUnitManager.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vnunit {

enum class System : std::uint8_t { Metric = 0, Imperial = 1 };

// One row of the table. One unit is siNum / siDen metres (length) or kilograms (mass).
struct BaseUnit {
    std::wstring_view name;
    std::int8_t mass;    // exponent of the kilogram in its dimension
    std::int8_t length;  // exponent of the metre in its dimension
    std::int64_t siNum;
    std::int64_t siDen;
    System system;
};

// The inch and the foot are exact by the 1959 agreement, the pound by the same one
// (0.45359237 kg); everything else is a power of ten.
inline constexpr std::array<BaseUnit, 8> kBaseUnits{{
    {L"m", 0, 1, 1, 1, System::Metric},
    {L"cm", 0, 1, 1, 100, System::Metric},
    {L"mm", 0, 1, 1, 1000, System::Metric},
    {L"in", 0, 1, 254, 10000, System::Imperial},
    {L"ft", 0, 1, 3048, 10000, System::Imperial},
    {L"kg", 1, 0, 1, 1, System::Metric},
    {L"t", 1, 0, 1000, 1, System::Metric},
    {L"lb", 1, 0, 45359237, 100000000, System::Imperial},
}};

// The row of a base unit by its exact short name; -1 when there is none.
constexpr int baseIndex(std::wstring_view name) {
    for (std::size_t i = 0; i < kBaseUnits.size(); ++i) {
        if (kBaseUnits[i].name == name) return static_cast<int>(i);
    }
    return -1;
}

// Unit ids the host knows. Weight per area has no id of the host's; it is ours.
inline constexpr int kIdLength = 1;
inline constexpr int kIdArea = 2;
inline constexpr int kIdWeight = 4;
inline constexpr int kIdWeightPerLength = 5;
inline constexpr int kIdWeightPerArea = 6;
inline constexpr int kIdNumber = 10;

// An exact positive fraction, kept reduced. Both parts stay below 2^53 so that each converts
// to a double without rounding.
struct Ratio {
    std::int64_t num = 1;
    std::int64_t den = 1;

    // The size of one unit in SI, as a double, and its inverse (the unit's coefficient).
    double value() const { return static_cast<double>(num) / static_cast<double>(den); }
    double inverse() const { return static_cast<double>(den) / static_cast<double>(num); }
    // value × num / den: one rounding for the usual values, where value × num is exact.
    double scale(double value) const {
        return value * static_cast<double>(num) / static_cast<double>(den);
    }
    // this / other, exactly; nullopt when the result would not stay below 2^53.
    std::optional<Ratio> over(const Ratio& other) const;
    friend bool operator==(const Ratio&, const Ratio&) = default;
};

// A unit as a product of base units with non-zero exponents, in the order they were first
// multiplied in. Empty for the plain number.
class Composition {
public:
    static constexpr int kMaxTerms = 4;

    // Multiplies by a base unit (or by another composition) raised to `exponent`, merging
    // exponents of the same base unit. False, and nothing changed, when more than kMaxTerms
    // distinct base units would be needed.
    [[nodiscard]] bool multiply(int base, int exponent);
    [[nodiscard]] bool multiply(const Composition& other, int exponent);

    bool empty() const { return m_count == 0; }
    int massExponent() const;
    int lengthExponent() const;
    bool sameDimension(const Composition& other) const {
        return massExponent() == other.massExponent() && lengthExponent() == other.lengthExponent();
    }
    // The host's id for the dimension; 0 for a dimension the host has no id for.
    int id() const;
    System system() const;
    // Exact size in SI; nullopt when it cannot be held exactly.
    std::optional<Ratio> siSize() const;
    // "mm", "mm2", "kg/m", "lb/ft2"; products are joined with "·"; "" for the plain number.
    std::wstring name() const;

    // The base unit and exponent of a unit made of one length, such as mm or mm2.
    struct SingleLength {
        int base;
        int exponent;
    };
    std::optional<SingleLength> singleLength() const;

    friend bool operator==(const Composition&, const Composition&) = default;

private:
    struct Term {
        std::int8_t base = 0;
        std::int8_t exponent = 0;
        friend bool operator==(const Term&, const Term&) = default;
    };
    std::array<Term, kMaxTerms> m_terms{};
    int m_count = 0;
};

// The unit a text names: a base unit ("mm", "kg"), a length squared ("mm2", "mm²", "mm^2")
// or a weight per length or area ("kg/m", "lb/ft2"). Letter case and blanks at either end
// or around "/" are forgiven. nullopt for anything else, volumes included.
std::optional<Composition> parseUnitText(std::wstring_view text);

// The longest text CVnUnit::String2Double reads; Double2String never shows a longer one, so
// that whatever is shown reads back.
inline constexpr std::size_t kMaxTypedLength = 256;

// Blanks a person may type or paste around numbers and units.
constexpr bool isBlank(wchar_t ch) {
    return ch == L' ' || ch == L'\t' || ch == L'\u00A0' || ch == L'\u2009' || ch == L'\u202F';
}
std::wstring_view trimBlanks(std::wstring_view text);

}  // namespace vnunit
