// The benchmark program: Google Benchmark's own flags, results as one table.
#include <benchmark/benchmark.h>

#include "table_reporter.h"

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    TTableReporter Table;
    benchmark::RunSpecifiedBenchmarks(&Table);
    benchmark::Shutdown();
    return 0;
}
