#include "screen/statistics_line.h"

#include <cmath>
#include <cstdio>

#include "draw/codepage.h"
#include "draw/display.h"
#include "draw/text.h"

int TFrameRate::FrameAt(double Now)
{
    Starts.push_back(Now);
    while (Now - Starts.front() >= 1.0) Starts.pop_front();
    return static_cast<int>(Starts.size());
}

std::string StatisticsText(int FramesPerSecond, double BusyMilliseconds, const std::string& Counts)
{
    char Busy[32];
    std::snprintf(Busy, sizeof Busy, "%.1f", BusyMilliseconds);
    std::string Text = std::to_string(FramesPerSecond) + Cp1250(" kl./s  praca: ") + Busy + " ms";
    if (!Counts.empty()) Text += "  " + Counts;
    return Text;
}

void DrawStatisticsLine(const std::string& Text)
{
    DrawText(6, StatisticsLineY + 1, MapColour(0, 0, 0), Text, false, 0);
    DrawText(5, StatisticsLineY, MapColour(255, 255, 255), Text, false, 0);
}
