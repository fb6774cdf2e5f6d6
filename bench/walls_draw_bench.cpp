// Drawing a particle world full of walls: 1,000 walls of up to a hundred
// pixels each way, all on the display.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "draw/display.h"
#include "sim/particles/physics.h"
#include "sim/particles/physics_draw.h"
#include "support/headless.h"

namespace {

// A fixed sequence, so every run draws the same walls.
struct TSequence {
    uint64_t State = 0x9E3779B97F4A7C15u;
    int Below(int N)
    {
        State = State * 6364136223846793005u + 1442695040888963407u;
        return static_cast<int>((State >> 33) % static_cast<uint64_t>(N));
    }
};

void DrawWalls(benchmark::State& State)
{
    THeadless Program;
    TPhysics World;
    InitPhysics(World);
    TSequence Sequence;
    for (int64_t I = 0; I < State.range(0); ++I) {
        const int X = Sequence.Below(800) - 400, Y = Sequence.Below(600) - 300;
        TSegment Wall{MakeVector(X, Y),
                      MakeVector(X + Sequence.Below(201) - 100, Y + Sequence.Below(201) - 100), {}};
        UpdateSegment(Wall);
        World.Walls.push_back(Wall);
    }
    const Uint32 Red = MapColour(255, 0, 0), Yellow = MapColour(255, 255, 0), Green = MapColour(0, 255, 0);
    for (auto _ : State) DrawPhysics(World, Red, Yellow, Green, false, false);
}

} // namespace

BENCHMARK(DrawWalls)->Name("Draw/Walls")->Arg(1000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
