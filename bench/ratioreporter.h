// The console report of Google Benchmark followed by one line per measured question: the time
// per call of the module, of the plain SQLite code beside it, and their ratio, in real time
// and in CPU time (the steadier of the two on a machine that is doing other work). Benchmarks are
// paired by name: "<question>/<catalogue>/module" with "<question>/<catalogue>/sqlite".
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace bench {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    explicit RatioReporter(OutputOptions options) : ConsoleReporter(options) {}

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    struct Times {
        double real = -1.0;
        double cpu = -1.0;
    };
    struct Pair {
        Times module;
        Times baseline;
        benchmark::TimeUnit unit = benchmark::kNanosecond;
    };
    std::map<std::string, Pair> m_pairs;  // by name, so interleaved runs still print in order
};

}  // namespace bench
