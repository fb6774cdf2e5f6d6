#pragma once
// The program's pace: the simulations were tuned at one step per frame and
// 60 frames a second, so frames start on the ticks of a 60 Hz clock,
// whatever the display does, and the tempo the user chooses turns a frame's
// ticks into steps. Times are seconds of a steady clock, given by the
// caller: the desktop's loop and the browser's refresh callback read their
// clocks, the tests feed simulated displays.
//
// TPaceClock: which frames run and how many ticks each covers.
//   - Tick k lies at start + k / 60 s; the first frame is the start.
//   - A frame may start a quarter of a tick before its tick, so a display
//     that refreshes at 60 Hz with some jitter runs a frame on every
//     refresh, and a faster one on as many as the ticks allow.
//   - A frame covers every tick due by its start (the quarter allowed)
//     that no frame covered yet, its own at least, at most MaxTicksPerFrame: a display as slow as
//     15 Hz keeps the pace. Ticks beyond the cap are owed to the next
//     frames, but never a whole frame's worth: those are dropped, so a
//     slower display slows the simulation down rather than stalling it.
//   - After a stall longer than StallSeconds the clock starts again from
//     the frame that ends it: the program never races to catch up.
//   - The ticks never drift: a display a little slower than 60 Hz
//     (59.94 Hz) runs one step in every frame until its refreshes have
//     fallen three quarters of a tick behind, some 12 s, and then one
//     frame takes two; one a little faster skips a refresh instead.
//
// TTempo: steps per tick, from 1/4 to 8; the fraction of a step that a slow
// tempo owes is carried to the next frame, so at 1/4 every fourth tick
// steps.

#include <string>

inline constexpr double TickSeconds = 1.0 / 60;
inline constexpr double EarlyTicks = 0.25; // how early a frame may start, in ticks
inline constexpr int MaxTicksPerFrame = 4;
inline constexpr double StallSeconds = 0.25;

class TPaceClock {
public:
    // Whether a frame may start at Now: the first one always, any other
    // from a quarter of a tick before its tick.
    bool Due(double Now) const;

    // The time of the next frame's tick; the desktop sleeps until then.
    double NextTick() const;

    // A frame starts at Now: returns the ticks it covers, 1 to
    // MaxTicksPerFrame.
    int Start(double Now);

private:
    bool Started = false;
    double Origin = 0;  // the time of tick 0
    long long Next = 0; // the first tick no frame covered yet
};

class TTempo {
public:
    // One of the tempos, slowest first: 1/4, 1/2, 1, 2, 4 and 8 steps a tick.
    static constexpr int Count = 6;
    static constexpr int Normal = 2;

    int Index() const { return Chosen; }
    bool IsNormal() const { return Chosen == Normal; }

    // The next faster or slower tempo; none beyond 8 or below 1/4.
    void Faster();
    void Slower();

    // The steps of a frame covering Ticks ticks at the tempo.
    int StepsFor(int Ticks);

    // A fraction of a step owed is dropped, as when a screen is left.
    void DropOwed() { OwedQuarters = 0; }

    // "1/4x", "1/2x", "1x", "2x", "4x", "8x".
    std::string Text() const;

private:
    int Chosen = Normal;
    int OwedQuarters = 0; // quarter steps owed from earlier ticks, 0 to 3
};

// The label the top strip shows while the tempo is not 1x, "Tempo 4x [+/-]";
// empty at 1x.
std::string TempoLabel(const TTempo& Tempo);
