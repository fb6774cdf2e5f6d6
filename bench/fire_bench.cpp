// The fire on its own: one step of the 800x100 grid of the fire screen, and
// drawing it, once it has grown to its steady height.
#include <benchmark/benchmark.h>

#include "draw/display.h"
#include "sim/fire/fire.h"
#include "sim/fire/fire_draw.h"
#include "sim/random.h"
#include "support/headless.h"

namespace {

constexpr int GrowSteps = 200;

TFireCell GrownFire()
{
    SeedRandom(11);
    TFireCell F;
    InitFire(F, 0, 500, 800, 100);
    for (int I = 0; I < GrowSteps; ++I) StepFire(F);
    return F;
}

void FireStep(benchmark::State& State)
{
    TFireCell F = GrownFire();
    for (auto _ : State) StepFire(F);
    benchmark::DoNotOptimize(F.Cells.data());
}

void FireDraw(benchmark::State& State)
{
    THeadless Program;
    const TFireCell F = GrownFire();
    for (auto _ : State) DrawFire(F, 255);
}

} // namespace

BENCHMARK(FireStep)->Name("Fire/Step")->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(FireDraw)->Name("Fire/Draw")->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
