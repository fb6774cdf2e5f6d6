#pragma once
// The statistics line (F3) along the bottom of the display: frames and
// simulation steps over the last second, the tempo, the time this frame has
// been busy so far, and what the running screen counts (particles and
// walls, rings).

#include <deque>
#include <string>
#include <utility>

// Frames shown in the last second.
class TFrameRate {
public:
    // Notes a frame starting at Now (seconds of a steady clock); returns the
    // frames that started within the second up to Now, this one included.
    int FrameAt(double Now);

private:
    std::deque<double> Starts; // the notes of the last second, oldest first
};

// Simulation steps taken in the last second.
class TStepRate {
public:
    // Notes Steps taken by a frame starting at Now (seconds of a steady
    // clock); returns the steps of the frames that started within the
    // second up to Now, this one included.
    int StepsAt(double Now, int Steps);

private:
    std::deque<std::pair<double, int>> Frames; // start and steps, oldest first
    int Sum = 0;                               // of the steps in Frames
};

// What the line reads besides the screen's counts.
struct TStatistics {
    int FramesPerSecond = 0;
    int StepsPerSecond = 0;
    std::string Tempo; // "1x", "1/4x", ...
    double BusyMilliseconds = 0;
};

// Windows-1250, for example
// "60 kl./s  60 kroki/s  tempo 1x  praca: 3.2 ms  cząsteczki: 12  ściany: 3".
// Counts (the screen's own, Windows-1250) may be empty.
std::string StatisticsText(const TStatistics& S, const std::string& Counts);

// The pen row of the line; its glyphs and their shadow cover display rows
// StatisticsLineY - 1 to StatisticsLineY + 15.
inline constexpr int StatisticsLineY = 581;

// Draws Text (Windows-1250) at the bottom left, over its shadow.
void DrawStatisticsLine(const std::string& Text);
