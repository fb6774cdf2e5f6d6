#pragma once
// The statistics line (F3) along the bottom of the display: frames per
// second over the last second, the time this frame has been busy so far,
// and what the running screen counts (particles and walls, rings).

#include <deque>
#include <string>

// Frames shown in the last second.
class TFrameRate {
public:
    // Notes a frame starting at Now (seconds of a steady clock); returns the
    // frames that started within the second up to Now, this one included.
    int FrameAt(double Now);

private:
    std::deque<double> Starts; // the notes of the last second, oldest first
};

// Windows-1250, for example "60 kl./s  praca: 3.2 ms  cząsteczki: 12  ściany: 3".
// Counts (the screen's own, Windows-1250) may be empty.
std::string StatisticsText(int FramesPerSecond, double BusyMilliseconds, const std::string& Counts);

// The pen row of the line; its glyphs and their shadow cover display rows
// StatisticsLineY - 1 to StatisticsLineY + 15.
inline constexpr int StatisticsLineY = 581;

// Draws Text (Windows-1250) at the bottom left, over its shadow.
void DrawStatisticsLine(const std::string& Text);
