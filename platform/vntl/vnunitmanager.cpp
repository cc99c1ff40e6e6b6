#include "vntl/vnunitmanager.h"

#include "win/diagnostics.h"

namespace {

// How one kind of value is shown: its unit, format and precision, in the order of kIds.
struct DisplaySetting {
    const wchar_t* unit;
    int format;
    int precision;
};
using DisplaySettings = std::array<DisplaySetting, 5>;

// Bar weights per metre are published to three decimals (0.888 kg/m, 0.668 lb/ft); bar
// lengths are read to sixteenths of an inch on imperial schedules.
constexpr DisplaySettings kMetricSettings{{
    {L"mm", 0, 1},
    {L"mm2", 0, 1},
    {L"kg", 0, 2},
    {L"kg/m", 0, 3},
    {L"", 0, 2},
}};
constexpr DisplaySettings kImperialSettings{{
    {L"in", 1, 4},
    {L"in2", 0, 2},
    {L"lb", 0, 2},
    {L"lb/ft", 0, 3},
    {L"", 0, 2},
}};

}  // namespace

CVnUnitManager::CVnUnitManager() {
    SetMetric(true);
}

CVnUnit* CVnUnitManager::GetVisUnit(int id) {
    return find(id);
}

CVnUnit* CVnUnitManager::find(int id) {
    for (std::size_t i = 0; i < kIds.size(); ++i) {
        if (kIds[i] == id) return &m_units[i];
    }
    return nullptr;
}

void CVnUnitManager::SetMetricsFactor(double factor) {
    m_metricsFactor = factor;
    for (CVnUnit& unit : m_units) unit.SetMetricsFactor(factor);
}

void CVnUnitManager::SetMetric(bool metric) {
    m_metric = metric;
    const DisplaySettings& settings = metric ? kMetricSettings : kImperialSettings;
    for (std::size_t i = 0; i < kIds.size(); ++i) {
        CVnUnit unit;  // the plain number, when the setting names no unit
        if (*settings[i].unit) VERIFY(UnitFromString(settings[i].unit, unit, 1.0) == 0);
        unit.SetUnitFormat(settings[i].format);
        unit.SetPrecision(settings[i].precision);
        unit.SetMetricsFactor(m_metricsFactor);
        m_units[i] = unit;
    }
}

void CVnUnitManager::SetPrecision(int id, int precision) {
    CVnUnit* unit = find(id);
    ASSERT(unit != nullptr);
    unit->SetPrecision(precision);
}

int CVnUnitManager::UnitFromString(const wchar_t* text, CVnUnit& unit, double factor) {
    if (!text) return 1;
    const auto composition = vnunit::parseUnitText(text);
    // The parser only builds units with an id; checked here as well because a unit without
    // one fails loudly, and reading a catalogue cell must never stop the program.
    if (!composition || composition->id() == 0 || !composition->siSize()) return 1;
    CVnUnit parsed(*composition);
    parsed.SetMetricsFactor(factor);
    unit = parsed;
    return 0;
}
