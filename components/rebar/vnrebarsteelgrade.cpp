#include "rebar/vnrebarsteelgrade.h"

#include <cstring>

#include "rebar/host/vntl.h"

CVnRebarSteelGrade::CVnRebarSteelGrade() {
    InitGuid();
}

CVnRebarSteelGrade::CVnRebarSteelGrade(const CVnRebarSteelGrade& other) {
    *this = other;
    InitGuid();
}

CVnRebarSteelGrade& CVnRebarSteelGrade::operator=(const CVnRebarSteelGrade& other) = default;

CVnRebarSteelGrade::~CVnRebarSteelGrade() = default;

void CVnRebarSteelGrade::InitGuid() {
    GUID guid;
    CoCreateGuid(&guid);
    wchar_t text[40];
    StringFromGUID2(guid, text, 40);
    m_guid = text;
}

CVnRebarSteelGrade::ErrorStatus CVnRebarSteelGrade::setFamily(CString family) {
    m_family = family.MakeUpper();
    return eOk;
}

CString CVnRebarSteelGrade::family() {
    m_family.MakeUpper();
    return m_family;
}

CVnRebarSteelGrade::ErrorStatus CVnRebarSteelGrade::setName(const wchar_t* name) {
    m_name = name;
    return eOk;
}

CString CVnRebarSteelGrade::name() {
    m_name.MakeUpper();
    return m_name;
}

#define REBAR_DOUBLE_FIELD(setter, getter, member)                         \
    CVnRebarSteelGrade::ErrorStatus CVnRebarSteelGrade::setter(double v) { \
        member = v;                                                        \
        return eOk;                                                        \
    }                                                                      \
    double CVnRebarSteelGrade::getter() {                                  \
        return member;                                                     \
    }

REBAR_DOUBLE_FIELD(setWeight, weight, m_weight)
REBAR_DOUBLE_FIELD(setPerimeter, perimeter, m_perimeter)
REBAR_DOUBLE_FIELD(setSurface, surface, m_surface)
REBAR_DOUBLE_FIELD(setLengthAnchor, lengthAnchor, m_lengthAnchor)
REBAR_DOUBLE_FIELD(setBend, bend, m_bend)
REBAR_DOUBLE_FIELD(setAnchor, anchor, m_anchor)
REBAR_DOUBLE_FIELD(setEtrierCadre, etrierCadre, m_etrierCadre)
REBAR_DOUBLE_FIELD(setDiameterNom, diameterNom, m_diameterNom)
REBAR_DOUBLE_FIELD(setDiameterReal, diameterReal, m_diameterReal)
REBAR_DOUBLE_FIELD(setMillStockLenght, millStockLength, m_millStockLength)
REBAR_DOUBLE_FIELD(setMaxStockLenght, maxStockLength, m_maxStockLength)
REBAR_DOUBLE_FIELD(setMinimalEndLeg, MinimalEndLeg, m_MinimalEndLeg)
REBAR_DOUBLE_FIELD(setMinimalInterLeg, MinimalInterLeg, m_MinimalInterLeg)
REBAR_DOUBLE_FIELD(setMinimalStraightBar, MinimalStraightBar, m_MinimalStraightBar)
REBAR_DOUBLE_FIELD(setHookLegLength, HookLegLength, m_HookLegLength)
#undef REBAR_DOUBLE_FIELD

CString CVnRebarSteelGrade::GetGUID() const {
    return m_guid;
}

CString CVnRebarSteelGrade::GetGUID(CString** guid) {
    if (guid) *guid = &m_guid;
    return m_guid;
}

void CVnRebarSteelGrade::SetGUID(const CString& guid) {
    m_guid = guid;
}

namespace {

// The bits of the variant's double member, whatever the variant holds: a stored cell counts
// as set unless it reads as exactly 0.0 there.
double doubleMemberOf(const VARIANT& value) {
    double bits;
    std::memcpy(&bits, &value.dblVal, sizeof bits);
    return bits;
}

}  // namespace

void CVnRebarSteelGrade::Export(std::map<CString, COleVariant>& row, bool& changed) {
    changed = false;
    auto name = row.find(L"Name");
    if (name == row.end() || VariantToString(name->second) != m_name) {
        row[L"Name"] = COleVariant(static_cast<const wchar_t*>(m_name));
        changed = true;
    }
    const std::pair<const wchar_t*, double> columns[] = {
        {L"Diameter_Nominal", m_diameterNom},
        {L"Diameter_Real", m_diameterReal},
        {L"Stirrup/Hook", m_etrierCadre},
        {L"Anchor", m_anchor},
        {L"Bend", m_bend},
        {L"LengthAnchor", m_lengthAnchor},
        {L"Weight", m_weight},
        {L"Section", m_surface},
        {L"Perimeter", m_perimeter},
        {L"MinimalEndLeg", m_MinimalEndLeg},
        {L"MinimalInterLeg", m_MinimalInterLeg},
        {L"MinimalStraightBar", m_MinimalStraightBar},
        {L"MillStockLength", m_millStockLength},
        {L"MaxStockLength", m_maxStockLength},
        {L"LegLength", m_HookLegLength},
    };
    for (auto [column, value] : columns) {
        auto entry = row.find(column);
        // A stored 0.0 is kept; every other column, absent ones included, takes the record's
        // value.
        if (entry != row.end() && doubleMemberOf(entry->second) == 0.0) continue;
        row[column] = COleVariant(value);
        changed = true;
    }
}

void CVnRebarSteelGrade::GetCharacterictics(CString& text) {
    text += m_name;
    text.AppendFormat(L" %.2f %.2f %.2f", m_weight, m_surface, m_perimeter);
}
