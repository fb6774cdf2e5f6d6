#include "table_reporter.h"

#include <cmath>
#include <cstdio>
#include <iostream>
#include <sstream>

namespace {

constexpr const char* FloorName = "Screen/Floor";

std::vector<std::string> SplitArgs(const std::string& Args)
{
    std::vector<std::string> Parts;
    std::stringstream In(Args);
    for (std::string Part; std::getline(In, Part, '/');)
        if (!Part.empty()) Parts.push_back(Part);
    return Parts;
}

double ToMilliseconds(double Value, benchmark::TimeUnit Unit)
{
    switch (Unit) {
    case benchmark::kNanosecond: return Value / 1e6;
    case benchmark::kMicrosecond: return Value / 1e3;
    case benchmark::kMillisecond: return Value;
    case benchmark::kSecond: return Value * 1e3;
    }
    return Value;
}

std::string Join(const std::string& Function, const std::vector<std::string>& Args)
{
    std::string Name = Function;
    for (const std::string& A : Args) Name += "/" + A;
    return Name;
}

bool IsNumber(const std::string& S)
{
    return !S.empty() && S.find_first_not_of("0123456789") == std::string::npos;
}

} // namespace

bool TTableReporter::ReportContext(const Context& Info)
{
    std::cout << "Kalmot benchmarks: " << Info.cpu_info.num_cpus << " cores";
    if (!Info.cpu_info.load_avg.empty()) std::cout << ", load average " << Info.cpu_info.load_avg[0];
    std::cout << "\nEach row is the median of its repetitions. \"cpu ms\" is the processor time the whole\n"
                 "process spent, which other programs on a shared machine do not inflate; \"x floor\" (a\n"
                 "screen's frame over a bare clear and flip of this run) and \"growth\" (k in time ~ size^k\n"
                 "from the smallest size) are worked out from it.\n\n"
              << std::flush;
    return true;
}

void TTableReporter::ReportRuns(const std::vector<Run>& Runs)
{
    // Repeated benchmarks come with their aggregates: keep the median. A
    // single run stands for itself.
    const Run* Chosen = nullptr;
    for (const Run& R : Runs)
        if (R.run_type == Run::RT_Aggregate && R.aggregate_name == "median") Chosen = &R;
    if (Chosen == nullptr)
        for (const Run& R : Runs)
            if (R.run_type == Run::RT_Iteration) Chosen = &R;
    if (Chosen == nullptr) return;

    TRow Row;
    Row.Function = Chosen->run_name.function_name;
    Row.Args = SplitArgs(Chosen->run_name.args);
    if (Chosen->error_occurred) Row.Error = Chosen->error_message;
    else {
        Row.WallMilliseconds = ToMilliseconds(Chosen->GetAdjustedRealTime(), Chosen->time_unit);
        Row.Milliseconds = ToMilliseconds(Chosen->GetAdjustedCPUTime(), Chosen->time_unit);
    }
    Rows.push_back(Row);
    std::cerr << "  measured " << Join(Row.Function, Row.Args) << '\n';
}

void TTableReporter::Finalize()
{
    double Floor = 0;
    for (const TRow& R : Rows)
        if (R.Function == FloorName && R.Error.empty()) Floor = R.Milliseconds;

    std::printf("%-32s %10s %10s %9s %8s\n", "benchmark", "wall ms", "cpu ms", "x floor", "growth");
    std::printf("%-32s %10s %10s %9s %8s\n", "---------", "-------", "------", "-------", "------");
    for (const TRow& R : Rows) {
        const std::string Name = Join(R.Function, R.Args);
        if (!R.Error.empty()) {
            std::printf("%-32s  failed: %s\n", Name.c_str(), R.Error.c_str());
            continue;
        }
        std::string Ratio;
        if (R.Function.rfind("Screen/", 0) == 0 && R.Function != FloorName && Floor > 0) {
            char Text[32];
            std::snprintf(Text, sizeof Text, "%.2f", R.Milliseconds / Floor);
            Ratio = Text;
        }
        // The same benchmark with the same further arguments at its smallest size.
        std::string Growth;
        if (!R.Args.empty() && IsNumber(R.Args[0])) {
            const TRow* Smallest = nullptr;
            for (const TRow& Other : Rows) {
                if (Other.Function != R.Function || Other.Args.size() != R.Args.size() || !Other.Error.empty() ||
                    !IsNumber(Other.Args[0]))
                    continue;
                if (!std::equal(R.Args.begin() + 1, R.Args.end(), Other.Args.begin() + 1)) continue;
                if (Smallest == nullptr || std::stod(Other.Args[0]) < std::stod(Smallest->Args[0])) Smallest = &Other;
            }
            const double Size = std::stod(R.Args[0]);
            if (Smallest != nullptr && std::stod(Smallest->Args[0]) < Size && Smallest->Milliseconds > 0) {
                char Text[32];
                std::snprintf(Text, sizeof Text, "N^%.2f",
                              std::log(R.Milliseconds / Smallest->Milliseconds) /
                                  std::log(Size / std::stod(Smallest->Args[0])));
                Growth = Text;
            }
        }
        std::printf("%-32s %10.4f %10.4f %9s %8s\n", Name.c_str(), R.WallMilliseconds, R.Milliseconds, Ratio.c_str(),
                    Growth.c_str());
    }
    std::fflush(stdout);
}
