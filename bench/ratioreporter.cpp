#include "ratioreporter.h"

#include <cstdio>
#include <ostream>

namespace bench {

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred) continue;
        // With repetitions, the mean and median speak for the single runs; a ratio of
        // spreads means nothing.
        if (run.run_type == Run::RT_Iteration && run.repetitions > 1) continue;
        if (run.aggregate_name == "stddev" || run.aggregate_name == "cv") continue;
        const std::string& name = run.run_name.function_name;
        const auto slash = name.rfind('/');
        if (slash == std::string::npos) continue;
        const std::string side = name.substr(slash + 1);
        if (side != "module" && side != "sqlite") continue;
        std::string key = name.substr(0, slash);
        if (!run.aggregate_name.empty()) key += " (" + run.aggregate_name + ")";
        auto pair = m_pairs.try_emplace(key).first;
        Times& times = side == "module" ? pair->second.module : pair->second.baseline;
        times.real = run.GetAdjustedRealTime();
        times.cpu = run.GetAdjustedCPUTime();
        pair->second.unit = run.time_unit;
    }
}

void RatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    std::ostream& out = GetOutputStream();
    bool header = false;
    char line[256];
    for (const auto& [key, pair] : m_pairs) {
        if (pair.module.real < 0.0 || pair.baseline.real <= 0.0 || pair.baseline.cpu <= 0.0)
            continue;
        if (!header) {
            out << "\nTime per call: the module beside plain SQLite, and module / SQLite\n";
            std::snprintf(line, sizeof line, "%-52s  %-29s  %-29s\n", "", "real time", "CPU time");
            out << line;
            std::snprintf(line, sizeof line, "%-52s  %10s %10s %7s  %10s %10s %7s\n",
                          "question/catalogue (unit)", "module", "sqlite", "ratio", "module",
                          "sqlite", "ratio");
            out << line;
            header = true;
        }
        const std::string label = key + " (" + benchmark::GetTimeUnitString(pair.unit) + ")";
        std::snprintf(line, sizeof line, "%-52s  %10.3f %10.3f %6.2fx  %10.3f %10.3f %6.2fx\n",
                      label.c_str(), pair.module.real, pair.baseline.real,
                      pair.module.real / pair.baseline.real, pair.module.cpu, pair.baseline.cpu,
                      pair.module.cpu / pair.baseline.cpu);
        out << line;
    }
}

}  // namespace bench
