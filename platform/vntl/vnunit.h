// A unit of the host's unit services: what a value is measured in and how it is shown.
// Values travel in SI (metres, square metres, kilograms, kilograms per metre); a unit converts
// them for display and reads back what a person types.
#pragma once

#include <vector>

#include "vntl/vnunit_table.h"
#include "win/cstring.h"

class CVnUnitManager;

class CVnUnit {
public:
    // The plain number: id 10, coefficient 1, empty name, two decimals.
    CVnUnit();
    CVnUnit(const CVnUnit&);
    CVnUnit& operator=(const CVnUnit&);
    virtual ~CVnUnit();

    // Value in the unit = SI value × coefficient (mm: 1000, in: 1 / 0.0254, t: 0.001).
    // Independent of the metrics factor.
    double GetCoef() const;
    // Drawing units per metre, carried for the caller; conversions here never use it.
    double GetMetricsFactor() const { return m_metricsFactor; }
    void SetMetricsFactor(double factor) { m_metricsFactor = factor; }
    // 1 length, 2 area, 4 weight, 5 weight per length, 6 weight per area, 10 plain number.
    int GetIDUnit() const { return m_id; }
    // Short name as a person writes it: "mm", "in2", "kg/m"; "" for the plain number.
    // Units read from text get this canonical spelling ("MM²" becomes "mm2").
    CString GetName() const { return m_name; }
    // 0 metric, 1 imperial (a unit with any imperial part, such as lb/ft).
    int GetType() const;

    // Format 1 counts the precision in halvings (step 2^-precision, shown as fractions such
    // as 18 1/2); any other format in decimals (step 10^-precision). Shown values use at
    // most 17 decimals or 30 halvings, and no fewer than 0, whatever precision is stored.
    int GetUnitFormat() const { return m_format; }
    void SetUnitFormat(int format) { m_format = format; }
    int GetPrecision() const { return m_precision; }
    void SetPrecision(int precision) { m_precision = precision; }

    // On a unit made of one length (mm, mm2): 1 makes it that length, 2 its square, with
    // coefficient and name to match. Areas are never shown in halvings, so squaring a unit
    // of format 1 switches it to two decimals. On any other unit exponent 1 changes nothing
    // (the bar editor asks it of the plain number). Other exponents are not supported.
    void SetExponent(int exponent);

    // Compound unit from pairs (unit, exponent) ended by a null unit, written 0 or nullptr:
    // MakeUnit(&kilogram, 1, &metre, -1, 0) is kg/m and equals the unit read from "kg/m".
    // The result takes its format, precision and metrics factor from the first unit.
    // Combinations without an id above (m/kg, kg·m) are not supported.
    // Differs from a C variadic list: the arguments are checked when the call is compiled.
    template <class... Rest>
    static CVnUnit MakeUnit(const CVnUnit* unit, int exponent, Rest... rest) {
        static_assert(sizeof...(Rest) % 2 == 1, "pairs (unit, exponent) ended by a null unit");
        std::vector<Factor> factors;
        collectFactors(factors, unit, exponent, rest...);
        return fromFactors(factors);
    }

    // Reads what a person types and returns it in SI (toSI non-zero) or in this unit (0).
    // Accepted: a number ("12", "-1.5", "1e3", ".5"), a fraction or a mixed number ("3/4",
    // "1 3/4"), either followed by a unit of the same kind ("12 mm", "1.5m", "0.5 in",
    // "2 kg/m"), and for lengths feet and inches ("1'-6 1/2\"", "1' 6\"", "18\"", "2'").
    // Blanks at either end are ignored; the decimal point is always ".". Anything else
    // (empty, "1..2", "1/0", "12 12", "1,5", "nan", a unit of another kind, a result that
    // overflows, a text over 256 characters) sets *error non-zero and returns 0.0.
    // *error is 0 on success; error may be null. Never throws.
    double String2Double(const wchar_t* text, int* error, int toSI) const;

    // Shows `value` (SI when fromSI is non-zero, else already in this unit), rounded to the
    // nearest step of the unit's precision when usePrecision is non-zero, otherwise with
    // the shortest digits that read back as the same double.
    //  - Decimal formats use numberFormat, a printf format taking the precision and then the
    //    value ("%.*f", the default when null). Halves round away from zero as written:
    //    2.675 shows 2.68 with two decimals. A value that rounds to zero shows no sign.
    //  - Format 1 shows whole units and a reduced fraction: "18 1/2", "-3/4", "0". Lengths
    //    in inches are shown in inches only, never feet and inches, so that a column headed
    //    "( in )" holds inches.
    //  - appendName 1 appends the unit: the inch or foot mark for format 1 inches or feet
    //    (18 1/2", -3/4", 0"), otherwise a blank and the name (12.5 mm); nothing for the
    //    plain number.
    // The text is written into buffer (bufferSize characters with the terminator) and
    // returned. A text that does not fit, or is longer than String2Double reads (256
    // characters), is replaced by the shortest digits of the value (-1.797693134862316e+150),
    // and if those do not fit either by an empty text: a number is never cut. String2Double
    // of the text gives back exactly the value shown.
    CString Double2String(wchar_t* buffer, double value, int fromSI, const wchar_t* numberFormat,
                          int appendName, int usePrecision, int bufferSize) const;

    // flag 1 (any non-zero flag): an SI value becomes the value in this unit, in place;
    // flag 0 converts the other way.
    void SI2Double(double& value, int flag) const;

private:
    friend class CVnUnitManager;
    struct Factor {
        const CVnUnit* unit;
        int exponent;
    };
    template <class... Rest>
    static void collectFactors(std::vector<Factor>& factors, const CVnUnit* unit, int exponent,
                               Rest... rest) {
        factors.push_back({unit, exponent});
        collectFactors(factors, rest...);
    }
    // The end of the list: a null pointer, or the literal 0 that stands for one.
    static void collectFactors(std::vector<Factor>& factors, const CVnUnit* end);
    static void collectFactors(std::vector<Factor>& factors, int end);
    static CVnUnit fromFactors(const std::vector<Factor>& factors);
    explicit CVnUnit(const vnunit::Composition& composition);
    // Takes a new composition and recomputes id, name and SI size from it.
    void setComposition(const vnunit::Composition& composition);
    // Whether the text after a typed number is this unit's own name (the plain number has
    // none), which also lets compound names the table cannot read come back.
    bool isOwnName(std::wstring_view text) const;
    // The number part of Double2String; `halvings` tells whether it came out as a fraction.
    CString formatNumber(double valueInUnit, const wchar_t* numberFormat, int usePrecision,
                         bool& halvings) const;
    CString nameSuffix(bool halvings) const;

    vnunit::Composition m_composition;
    vnunit::Ratio m_siSize;  // one unit in SI, exactly
    int m_id = vnunit::kIdNumber;
    CString m_name;
    int m_format = 0;
    int m_precision = 2;
    double m_metricsFactor = 1.0;
};
