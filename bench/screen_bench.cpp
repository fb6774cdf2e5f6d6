// Each screen's steady frame, driven through the program's own screen loop
// under the dummy driver: one timed iteration is one whole frame (poll,
// clear, draw, flip). "Screen/Floor" is the bare clear and flip every frame
// pays; the table gives the others as multiples of it.
#include <benchmark/benchmark.h>

#include <functional>

#include "input/input_state.h"
#include "screen/screen.h"
#include "app/video.h"
#include "support/headless.h"

namespace {

constexpr int TimedFrames = 300;
constexpr int PointerX = 700, PointerY = 40; // clear of every window

// Runs the screen Which: Prepare schedules what sets the scene, Warmup frames
// let it settle (windows fade, the fire grows), then each frame is timed.
void TimeFrames(benchmark::State& State, Uint8 Which, int Warmup, const std::function<void(THeadless&)>& Prepare)
{
    THeadless Program;
    ScreenState = Which;
    Program.On(0, [] { MovePointer(PointerX, PointerY); });
    if (Prepare) Prepare(Program);
    // The first call starts the clock; the call after the last timed frame stops it.
    const auto Frames = static_cast<int>(State.max_iterations);
    for (int F = Warmup; F <= Warmup + Frames; ++F)
        Program.On(F, [&State] {
            if (!State.KeepRunning()) ScreenState = StateQuit;
        });
    Program.Run(Warmup + Frames + 2);
}

void Floor(benchmark::State& State)
{
    THeadless Program;
    for (auto _ : State) {
        ClearScreen();
        SDL_Flip(Screen);
    }
}

void Menu(benchmark::State& State) { TimeFrames(State, StateMenu, 60, nullptr); }

void ParticlesEmpty(benchmark::State& State) { TimeFrames(State, StateParticles, 60, nullptr); }

// Positions on the control window of the particle screen and outside it.
constexpr int ParticleBoxX = 215, ParticleBoxY = 233;
constexpr int WallBoxX = 215, WallBoxY = 251;
constexpr int OutsideX = 100, OutsideY = 100;
constexpr int Particles = 1000, ParticleColumns = 50;
constexpr int FirstParticleFrame = 18;

// A floor wall across the bottom of the display, then 1,000 particles
// dropped one a frame from a grid above it, each with no speed of its own;
// they come to rest on the floor and on each other.
void ParticlesOnFloor(THeadless& Program)
{
    ClickAt(Program, 2, WallBoxX, WallBoxY);
    ClickAt(Program, 5, OutsideX, OutsideY);
    DragAt(Program, 8, 10, 590, 790, 590);
    ClickAt(Program, 12, ParticleBoxX, ParticleBoxY);
    ClickAt(Program, 15, OutsideX, OutsideY);
    for (int K = 0; K < Particles; ++K)
        Program.On(FirstParticleFrame - 1 + K, [K] {
            const int X = 100 + 12 * (K % ParticleColumns), Y = 420 + 8 * (K / ParticleColumns);
            MovePointer(X, Y);
            // The throw is a tenth of the drag from the press point: none.
            SetVector(DragVector, X - 400, Y - 300);
            PushMouseButton(true);
            PushMouseButton(false);
        });
}

void Particles1000(benchmark::State& State)
{
    TimeFrames(State, StateParticles, FirstParticleFrame + Particles + 100, ParticlesOnFloor);
}

void Tornado(benchmark::State& State)
{
    TimeFrames(State, StateTornado, 120, [](THeadless& Program) {
        Program.On(0, [] { MovePointer(400, 550); }); // the funnel's base, low on the display
    });
}

void Fire(benchmark::State& State) { TimeFrames(State, StateFire, 200, nullptr); }

} // namespace

BENCHMARK(Floor)->Name("Screen/Floor")->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->Iterations(TimedFrames);
BENCHMARK(Menu)->Name("Screen/Menu")->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->Iterations(TimedFrames);
BENCHMARK(ParticlesEmpty)
    ->Name("Screen/ParticlesEmpty")
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()->UseRealTime()
    ->Iterations(TimedFrames);
BENCHMARK(Particles1000)
    ->Name("Screen/Particles1000")
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()->UseRealTime()
    ->Iterations(TimedFrames);
BENCHMARK(Tornado)->Name("Screen/Tornado")->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->Iterations(TimedFrames);
BENCHMARK(Fire)->Name("Screen/Fire")->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->Iterations(TimedFrames);
