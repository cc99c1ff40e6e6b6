#include "vntl/vnunit.h"

#include <cstdarg>

#include "win/diagnostics.h"

namespace {

// A list of pairs this long has lost its null end; no real unit has half as many parts.
constexpr int kMaxMakeUnitPairs = 8;

}  // namespace

CVnUnit::CVnUnit() = default;
CVnUnit::CVnUnit(const CVnUnit&) = default;
CVnUnit& CVnUnit::operator=(const CVnUnit&) = default;
CVnUnit::~CVnUnit() = default;

CVnUnit::CVnUnit(const vnunit::Composition& composition) {
    setComposition(composition);
}

void CVnUnit::setComposition(const vnunit::Composition& composition) {
    const int id = composition.id();
    if (id == 0) AfxNotSupported("a unit of a dimension without a unit id");
    const auto size = composition.siSize();
    if (!size) AfxNotSupported("a unit too large to be held exactly");
    m_composition = composition;
    m_siSize = *size;
    m_id = id;
    m_name = CString(composition.name().c_str());
}

double CVnUnit::GetCoef() const {
    return m_siSize.inverse();
}

int CVnUnit::GetType() const {
    return static_cast<int>(m_composition.system());
}

void CVnUnit::SetExponent(int exponent) {
    const auto single = m_composition.singleLength();
    if (!single) {
        if (exponent == 1) return;
        AfxNotSupported("an exponent other than 1 on a unit that is not a length");
    }
    if (exponent != 1 && exponent != 2) AfxNotSupported("unit exponents other than 1 and 2");
    vnunit::Composition composition;
    VERIFY(composition.multiply(single->base, exponent));
    setComposition(composition);
    if (exponent == 2 && m_format == 1) {
        m_format = 0;
        m_precision = 2;
    }
}

CVnUnit CVnUnit::MakeUnit(const CVnUnit* unit, int exponent, ...) {
    CVnUnit result;
    if (unit) {
        result.m_format = unit->m_format;
        result.m_precision = unit->m_precision;
        result.m_metricsFactor = unit->m_metricsFactor;
    }
    vnunit::Composition composition;
    bool representable = true;
    int pairs = 0;
    va_list args;
    va_start(args, exponent);
    while (unit) {
        ++pairs;
        ASSERT(pairs <= kMaxMakeUnitPairs);
        representable = composition.multiply(unit->m_composition, exponent) && representable;
        unit = va_arg(args, const CVnUnit*);
        if (unit) exponent = va_arg(args, int);
    }
    va_end(args);
    if (!representable) AfxNotSupported("a compound unit of more than four base units");
    result.setComposition(composition);
    return result;
}

void CVnUnit::SI2Double(double& value, int flag) const {
    if (flag) {
        value = vnunit::Ratio{m_siSize.den, m_siSize.num}.scale(value);
    } else {
        value = m_siSize.scale(value);
    }
}

bool CVnUnit::isOwnName(std::wstring_view text) const {
    if (m_name.IsEmpty() || text.size() != static_cast<std::size_t>(m_name.GetLength())) {
        return false;
    }
    auto lower = [](wchar_t ch) {
        return (ch >= L'A' && ch <= L'Z') ? static_cast<wchar_t>(ch - L'A' + L'a') : ch;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (lower(text[i]) != lower(m_name[static_cast<int>(i)])) return false;
    }
    return true;
}
