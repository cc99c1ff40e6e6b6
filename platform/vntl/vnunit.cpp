#include "vntl/vnunit.h"

#include "win/diagnostics.h"

namespace {

// No real unit has half as many parts as a list of this many pairs.
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

void CVnUnit::collectFactors(std::vector<Factor>& /*factors*/, const CVnUnit* end) {
    ASSERT(end == nullptr);  // a unit without its exponent
}

void CVnUnit::collectFactors(std::vector<Factor>& /*factors*/, int end) {
    ASSERT(end == 0);  // only 0 stands for the null unit that ends the list
}

CVnUnit CVnUnit::fromFactors(const std::vector<Factor>& factors) {
    CVnUnit result;
    const CVnUnit* first = factors.front().unit;
    if (first) {
        result.m_format = first->m_format;
        result.m_precision = first->m_precision;
        result.m_metricsFactor = first->m_metricsFactor;
    }
    vnunit::Composition composition;
    bool representable = true;
    int pairs = 0;
    // A null unit ends the list wherever it stands, as it does in the variadic original.
    for (auto [unit, exponent] : factors) {
        if (!unit) break;
        ++pairs;
        ASSERT(pairs <= kMaxMakeUnitPairs);
        representable = composition.multiply(unit->m_composition, exponent) && representable;
    }
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
