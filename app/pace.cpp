#include "app/pace.h"

#include <algorithm>
#include <cmath>

namespace {

// Quarter steps a tick takes at each tempo, slowest first.
constexpr int QuartersPerTick[TTempo::Count] = {1, 2, 4, 8, 16, 32};
constexpr const char* TempoTexts[TTempo::Count] = {"1/4x", "1/2x", "1x", "2x", "4x", "8x"};

} // namespace

bool TPaceClock::Due(double Now) const { return !Started || Now >= NextTick() - EarlyTicks * TickSeconds; }

double TPaceClock::NextTick() const { return Origin + static_cast<double>(Next) * TickSeconds; }

int TPaceClock::Start(double Now)
{
    if (!Started || Now - NextTick() > StallSeconds) {
        Started = true;
        Origin = Now;
        Next = 1;
        return 1;
    }
    // A tick counts as due from a quarter of a tick before its time, as a
    // frame may start then: a display at 30 Hz whose refreshes jitter
    // around every second tick takes two steps in every frame, not one or
    // three.
    const double Late = Now - NextTick() + EarlyTicks * TickSeconds;
    const long long Owed = Late < 0 ? 1 : 1 + static_cast<long long>(std::floor(Late / TickSeconds));
    const int Ticks = static_cast<int>(std::min<long long>(Owed, MaxTicksPerFrame));
    Next += Ticks;
    // The ticks beyond the cap are owed to the next frames, as after a
    // hitch; a whole frame's worth still owed means the display is slower
    // than the cap keeps up with, and the owed ticks are dropped, the grid
    // kept.
    const double Behind = Now - NextTick();
    if (Behind >= MaxTicksPerFrame * TickSeconds) Next += 1 + static_cast<long long>(std::floor(Behind / TickSeconds));
    return Ticks;
}

void TTempo::Faster() { Chosen = std::min(Chosen + 1, Count - 1); }

void TTempo::Slower() { Chosen = std::max(Chosen - 1, 0); }

int TTempo::StepsFor(int Ticks)
{
    const int Quarters = OwedQuarters + Ticks * QuartersPerTick[Chosen];
    OwedQuarters = Quarters % 4;
    return Quarters / 4;
}

std::string TTempo::Text() const { return TempoTexts[Chosen]; }

std::string TempoLabel(const TTempo& Tempo)
{
    return Tempo.IsNormal() ? std::string() : "Tempo " + Tempo.Text() + " [+/-]";
}
