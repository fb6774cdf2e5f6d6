// The particle world and the whirl: one StepPhysics and one DrawPhysics at
// 1k, 10k and 100k particles with no walls and with 50, the particles lying
// on a floor under more and more walls, and one StepWhirl of a full funnel.
// Every timed step starts from the same prepared world, so each iteration
// does the same work.
#include <benchmark/benchmark.h>

#include "draw/display.h"
#include "sim/particles/physics.h"
#include "sim/particles/physics_draw.h"
#include "sim/tornado/whirl.h"
#include "sim_worlds.h"
#include "support/headless.h"

namespace {

// Times one StepPhysics per iteration, each from a fresh copy of Base.
void TimeSteps(benchmark::State& State, const TPhysics& Base)
{
    TPhysics World;
    for (auto _ : State) {
        State.PauseTiming();
        World = Base;
        State.ResumeTiming();
        StepPhysics(World);
        benchmark::DoNotOptimize(World.Particles.data());
    }
}

// Args: particles, walls.
void PhysicsStep(benchmark::State& State)
{
    THeadless Program; // the angle tables
    const TPhysics Base = ScatteredWorld(State.range(0), State.range(1), 11);
    TimeSteps(State, Base);
}

// Args: particles, walls. The screen's look: no arrows, thin dots.
void PhysicsDraw(benchmark::State& State)
{
    THeadless Program;
    TPhysics World = ScatteredWorld(State.range(0), State.range(1), 11);
    StepPhysics(World);
    const Uint32 Red = MapColour(255, 0, 0), Yellow = MapColour(255, 255, 0), Green = MapColour(0, 255, 0);
    for (auto _ : State) DrawPhysics(World, Red, Yellow, Green, false, false);
}

// Args: walls. Ten particles lie right on the floor with no gravity, so
// their paths touch it in every pass.
void PhysicsStepOnFloor(benchmark::State& State)
{
    THeadless Program;
    const TPhysics Base = FloorWorld(10, State.range(0), 5);
    TimeSteps(State, Base);
}

// Args: rings.
void WhirlStep(benchmark::State& State)
{
    THeadless Program;
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
    B->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
}

} // namespace

BENCHMARK(PhysicsStep)->Name("Physics/Step")->Apply(ParticleSizes);
BENCHMARK(PhysicsDraw)->Name("Physics/Draw")->Apply(ParticleSizes);
BENCHMARK(PhysicsStepOnFloor)
    ->Name("Physics/StepOnFloor")
    ->Arg(250)
    ->Arg(1000)
    ->Arg(3000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(WhirlStep)->Name("Whirl/Step")->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
