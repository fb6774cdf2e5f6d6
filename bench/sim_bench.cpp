// The simulations' steps and the particle world's drawing, at 1k to 100k
// particles. Each timed step starts from the same prepared world, so every
// iteration does the same work.

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "draw/display.h"
#include "draw/surface.h"
#include "sim/geometry/angles.h"
#include "sim/particles/physics_draw.h"
#include "sim_worlds.h"

namespace {

void StepScattered(benchmark::State& State)
{
    const TPhysics Base = ScatteredWorld(State.range(0), State.range(1), 11);
    TPhysics World;
    for (auto _ : State) {
        State.PauseTiming();
        World = Base;
        State.ResumeTiming();
        StepPhysics(World);
        benchmark::DoNotOptimize(World.Particles.data());
    }
}

void DrawScattered(benchmark::State& State)
{
    TPhysics World = ScatteredWorld(State.range(0), State.range(1), 11);
    StepPhysics(World);
    const Uint32 Red = MapColour(255, 0, 0), Yellow = MapColour(255, 255, 0), Green = MapColour(0, 255, 0);
    for (auto _ : State) {
        DrawPhysics(World, Red, Yellow, Green, false, false);
        benchmark::ClobberMemory();
    }
}

void StepOnFloor(benchmark::State& State)
{
    const TPhysics Base = FloorWorld(State.range(0), State.range(1), 5);
    TPhysics World;
    for (auto _ : State) {
        State.PauseTiming();
        World = Base;
        State.ResumeTiming();
        StepPhysics(World);
        benchmark::DoNotOptimize(World.Particles.data());
    }
}

void StepFullWhirl(benchmark::State& State)
{
    const TWhirl Base = FullWhirl(static_cast<int32_t>(State.range(0)), 3);
    TWhirl W;
    for (auto _ : State) {
        State.PauseTiming();
        W = Base;
        State.ResumeTiming();
        StepWhirl(W, 10, 20);
        benchmark::DoNotOptimize(W.Particles.data());
    }
}

void ParticleSizes(benchmark::internal::Benchmark* B)
{
    for (const int64_t Walls : {0, 50})
        for (const int64_t N : {1000, 10000, 100000}) B->Args({N, Walls});
    B->ArgNames({"particles", "walls"})->Unit(benchmark::kMillisecond);
}

BENCHMARK(StepScattered)->Apply(ParticleSizes);
BENCHMARK(DrawScattered)->Apply(ParticleSizes);
BENCHMARK(StepOnFloor)
    ->ArgNames({"particles", "walls"})
    ->Args({10, 250})
    ->Args({10, 1000})
    ->Args({10, 3000})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(StepFullWhirl)->ArgName("rings")->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The console table, and after it how each particle row grows: the
// exponent e in time ~ N^e from the 1k row of the same family. Times are
// processor times, which a machine shared with other work disturbs less.
class TGrowthReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& Runs) override
    {
        ConsoleReporter::ReportRuns(Runs);
        for (const Run& R : Runs)
            if (R.run_type == Run::RT_Iteration) Times[R.benchmark_name()] = R.GetAdjustedCPUTime();
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\nGrowth with the number of particles (time ~ N^e, from 1k):\n");
        for (const auto& [Name, Time] : Times) {
            const size_t At = Name.find("particles:");
            if (At == std::string::npos || Name.find("particles:1000/") != std::string::npos) continue;
            const size_t End = Name.find('/', At);
            const long N = std::stol(Name.substr(At + 10, End - At - 10));
            const std::string Base = Name.substr(0, At) + "particles:1000" + Name.substr(End);
            const auto Found = Times.find(Base);
            if (Found == Times.end() || N <= 1000) continue;
            std::printf("  %-50s %10.3f ms   N^%.2f\n", Name.c_str(), Time,
                        std::log(Time / Found->second) / std::log(N / 1000.0));
        }
    }

private:
    std::map<std::string, double> Times;
};

} // namespace

int main(int argc, char** argv)
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    Screen = SDL_SetVideoMode(DisplayWidth, DisplayHeight, 32, SDL_SWSURFACE);
    if (Screen == nullptr) return 1;
    InitAngleTables();
    SetOrigin(DisplayWidth / 2, DisplayHeight / 2);
    benchmark::Initialize(&argc, argv);
    TGrowthReporter Reporter;
    benchmark::RunSpecifiedBenchmarks(&Reporter);
    benchmark::Shutdown();
    SDL_Quit();
    return 0;
}
