#pragma once
// The benchmark table: one row per benchmark with its wall and processor
// time in milliseconds (the median when repeated), each screen's frame as a multiple of the
// bare frame "Screen/Floor" of the same run, and for a benchmark measured at
// several sizes (first argument) the growth exponent k of time ~ size^k
// from its smallest size.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

class TTableReporter : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context& Info) override;
    void ReportRuns(const std::vector<Run>& Runs) override;
    void Finalize() override;

private:
    struct TRow {
        std::string Function; // e.g. "Physics/Step"
        std::vector<std::string> Args;
        double WallMilliseconds = 0;
        double Milliseconds = 0; // processor time, which the ratios use
        std::string Error;
    };
    std::vector<TRow> Rows;
};
