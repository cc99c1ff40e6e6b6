// The unit settings of a drawing: which unit each kind of value is shown in, and how
// precisely. A host (or a test) chooses metric or imperial settings and per-kind precisions.
#pragma once

#include <array>

#include "vntl/vnunit.h"

class CVnUnitManager {
public:
    // Metric settings (mm, mm2, kg, kg/m) and a metrics factor of 1.0.
    CVnUnitManager();

    // The display unit for id 1 (length), 2 (area), 4 (weight), 5 (weight per length) or
    // 10 (plain number); null for any other id. The pointer stays valid, and shows later
    // setting changes, as long as the manager lives.
    CVnUnit* GetVisUnit(int id);

    // Drawing units per metre (1000 for a millimetre drawing); every display unit carries it.
    // 1.0 until the host says otherwise, so that values pass through in SI.
    double GetMetricsFactor() const { return m_metricsFactor; }
    void SetMetricsFactor(double factor);
    bool IsMetric() const { return m_metric; }

    // Not the host's API: how a host or a test chooses the settings. Metric: mm and mm2 with
    // 1 decimal, kg with 2, kg/m with 3. Imperial: in in sixteenths (format 1, precision 4),
    // in2 and lb with 2 decimals, lb/ft with 3. The plain number has 2 decimals in both.
    // Choosing a system restores its precisions.
    void SetMetric(bool metric);
    // The precision of one display unit; an id without a display unit is a caller error.
    void SetPrecision(int id, int precision);

    // 0 when `text` names a unit ("mm", " kg / m ", "In2", "mm²"; letter case and blanks
    // forgiven): `unit` becomes that unit with two decimals and metrics factor `factor`.
    // Non-zero, and `unit` untouched, for anything else. Never throws.
    static int UnitFromString(const wchar_t* text, CVnUnit& unit, double factor);

private:
    static constexpr std::array<int, 5> kIds{1, 2, 4, 5, 10};
    CVnUnit* find(int id);

    std::array<CVnUnit, kIds.size()> m_units;  // in the order of kIds
    bool m_metric = true;
    double m_metricsFactor = 1.0;
};
