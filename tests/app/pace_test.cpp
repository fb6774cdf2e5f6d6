// The pace on simulated displays: refreshes at a given rate with jitter,
// fed to the clock as the browser's refresh callback feeds it; no test
// waits for the wall clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "app/pace.h"

namespace {

struct TDisplay {
    double Hertz;
    double JitterSeconds = 0.002; // each refresh up to this much early or late
    double StallFrom = -1;        // no refresh from here ...
    double StallSeconds = 0;      // ... for this long
};

struct TRun {
    std::vector<double> Starts; // of the frames that ran
    std::vector<int> Steps;     // of each frame that ran
    int Refreshes = 0;
    // The steps of the ticks after the first frame's, which starts the clock.
    long Total() const
    {
        long Sum = 0;
        for (size_t F = 1; F < Steps.size(); ++F) Sum += Steps[F];
        return Sum;
    }
};

// Ten seconds (or Seconds) of the display's refreshes from 0 to Seconds,
// both included, each offered to the clock; a frame that runs takes its
// steps at Tempo.
TRun Simulate(const TDisplay& D, TTempo Tempo = {}, double Seconds = 10)
{
    std::mt19937 Random(7);
    std::uniform_real_distribution<double> Jitter(-D.JitterSeconds, D.JitterSeconds);
    TPaceClock Clock;
    TRun Run;
    for (long K = 0;; ++K) {
        const double Ideal = K / D.Hertz;
        if (Ideal > Seconds + 1e-9) break;
        const double At = std::max(0.0, Ideal + Jitter(Random));
        if (At >= D.StallFrom && At < D.StallFrom + D.StallSeconds) continue;
        ++Run.Refreshes;
        if (!Clock.Due(At)) continue;
        const int Ticks = Clock.Start(At);
        EXPECT_GE(Ticks, 1);
        EXPECT_LE(Ticks, MaxTicksPerFrame);
        Run.Starts.push_back(At);
        Run.Steps.push_back(Tempo.StepsFor(Ticks));
    }
    return Run;
}

// The most frames that started within any one second.
size_t MostFramesInASecond(const std::vector<double>& Starts)
{
    size_t Most = 0;
    for (size_t I = 0, J = 0; I < Starts.size(); ++I) {
        while (Starts[I] - Starts[J] >= 1.0) ++J;
        Most = std::max(Most, I - J + 1);
    }
    return Most;
}

TTempo TempoAt(int Index)
{
    TTempo Tempo;
    while (Tempo.Index() > Index) Tempo.Slower();
    while (Tempo.Index() < Index) Tempo.Faster();
    return Tempo;
}

} // namespace

TEST(Pace, EveryDisplayFrom30HzUpKeepsSixtyStepsASecondAndNoMoreFrames)
{
    for (const double Hertz : {30.0, 59.94, 60.0, 75.0, 120.0, 144.0, 240.0}) {
        const TRun Run = Simulate({Hertz});
        EXPECT_NEAR(Run.Total(), 600, 1) << Hertz;
        EXPECT_LE(Run.Starts.size(), 601u) << Hertz;
        EXPECT_LE(MostFramesInASecond(Run.Starts), 61u) << Hertz;
        if (Hertz >= 59 && Hertz <= 61) {
            EXPECT_EQ(Run.Starts.size(), static_cast<size_t>(Run.Refreshes)) << Hertz << ": a frame on every refresh";
            EXPECT_TRUE(std::all_of(Run.Steps.begin(), Run.Steps.end(), [](int S) { return S == 1; }))
                << Hertz << ": one step in every frame";
        }
        if (Hertz >= 120) {
            EXPECT_NEAR(static_cast<double>(Run.Starts.size()), 600, 1) << Hertz << ": sixty frames a second";
        }
    }
}

TEST(Pace, SlowDisplaysCatchUpToFourTicksAFrameAndSlowDownBelow15Hz)
{
    const TRun Fifteen = Simulate({15});
    EXPECT_NEAR(Fifteen.Total(), 600, 1);
    EXPECT_TRUE(std::all_of(Fifteen.Steps.begin() + 2, Fifteen.Steps.end(), [](int S) { return S == 4; }));
    const TRun Twenty = Simulate({20});
    EXPECT_NEAR(Twenty.Total(), 600, 1);
    const TRun Slower = Simulate({7.5});
    EXPECT_NEAR(Slower.Total(), 300, 1) << "four steps a frame, no more";
    EXPECT_EQ(*std::max_element(Slower.Steps.begin(), Slower.Steps.end()), MaxTicksPerFrame);
}

TEST(Pace, AStallRestartsTheClockInsteadOfRacingToCatchUp)
{
    const TRun Run = Simulate({60, 0.002, 3.0, 0.5});
    EXPECT_NEAR(Run.Total(), 570, 2) << "the half second of the stall is not made up";
    EXPECT_TRUE(std::all_of(Run.Steps.begin(), Run.Steps.end(), [](int S) { return S == 1; }))
        << "the frame after the stall takes one step";
    EXPECT_EQ(Run.Starts.size(), static_cast<size_t>(Run.Refreshes));
    // A short hitch, well under the stall, is caught up within the cap.
    const TRun Hitch = Simulate({60, 0.002, 3.0, 0.1});
    EXPECT_NEAR(Hitch.Total(), 600, 1);
}

TEST(Pace, TheDesktopSleepingToEachTickRunsSixtyFramesOfOneStep)
{
    // Each frame keeps the machine busy for a while; the sleep to the next
    // tick wakes a little late.
    TPaceClock Clock;
    std::mt19937 Random(3);
    std::uniform_real_distribution<double> Busy(0.001, 0.012), Wake(0.0, 0.001);
    double Now = 100.0;
    int Frames = 0;
    long Steps = 0;
    while (Now < 110.0) {
        const int Ticks = Clock.Start(Now);
        EXPECT_EQ(Ticks, 1) << Now;
        ++Frames;
        Steps += Ticks;
        const double Done = Now + Busy(Random);
        Now = std::max(Done, Clock.NextTick() + Wake(Random));
        EXPECT_TRUE(Clock.Due(Now));
    }
    EXPECT_NEAR(Frames, 600, 1);
    EXPECT_NEAR(Steps, 600, 1);
}

TEST(Pace, EachTempoTakesItsStepsPerTickAtAnyDisplay)
{
    // 1/4, 1/2, 1, 2, 4, 8 steps a tick, 600 ticks in ten seconds.
    const long Expected[TTempo::Count] = {150, 300, 600, 1200, 2400, 4800};
    for (int Index = 0; Index < TTempo::Count; ++Index) {
        for (const double Hertz : {30.0, 60.0, 144.0}) {
            const TRun Run = Simulate({Hertz}, TempoAt(Index));
            EXPECT_NEAR(Run.Total(), Expected[Index], Expected[Index] / 600.0 + 1) << Index << " at " << Hertz;
        }
        // At 60 Hz every frame takes the tempo's whole steps, or at the
        // slow tempos one step every second or fourth frame.
        const TRun Even = Simulate({60, 0}, TempoAt(Index));
        for (size_t F = 0; F < Even.Steps.size(); ++F) {
            const int Want =
                Index >= TTempo::Normal ? 1 << (Index - TTempo::Normal) : ((F + 1) % (Index == 0 ? 4 : 2) == 0 ? 1 : 0);
            ASSERT_EQ(Even.Steps[F], Want) << Index << " frame " << F;
        }
    }
}

TEST(Pace, TheTempoKeysStopAtTheEndsAndTheLabelShowsAwayFromNormal)
{
    TTempo Tempo;
    EXPECT_EQ(TempoLabel(Tempo), "");
    std::vector<std::string> Texts;
    for (int I = 0; I < 7; ++I) {
        Texts.push_back(Tempo.Text());
        Tempo.Faster();
    }
    EXPECT_EQ(Texts, (std::vector<std::string>{"1x", "2x", "4x", "8x", "8x", "8x", "8x"}));
    EXPECT_EQ(TempoLabel(Tempo), "Tempo 8x [+/-]");
    for (int I = 0; I < 8; ++I) Tempo.Slower();
    EXPECT_EQ(TempoLabel(Tempo), "Tempo 1/4x [+/-]");
    // A quarter step owed is carried from frame to frame, and dropped on demand.
    EXPECT_EQ(Tempo.StepsFor(3), 0);
    EXPECT_EQ(Tempo.StepsFor(1), 1);
    EXPECT_EQ(Tempo.StepsFor(3), 0);
    Tempo.DropOwed();
    EXPECT_EQ(Tempo.StepsFor(3), 0);
}
