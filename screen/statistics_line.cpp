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

int TStepRate::StepsAt(double Now, int Steps)
{
    Frames.emplace_back(Now, Steps);
    Sum += Steps;
    while (Now - Frames.front().first >= 1.0) {
        Sum -= Frames.front().second;
        Frames.pop_front();
    }
    return Sum;
}

std::string StatisticsText(const TStatistics& S, const std::string& Counts)
{
    char Busy[32];
    std::snprintf(Busy, sizeof Busy, "%.1f", S.BusyMilliseconds);
    std::string Text = std::to_string(S.FramesPerSecond) + " kl./s  " + std::to_string(S.StepsPerSecond) +
                       " kroki/s  tempo " + S.Tempo + "  praca: " + Busy + " ms";
    if (!Counts.empty()) Text += "  " + Counts;
    return Text;
}

void DrawStatisticsLine(const std::string& Text)
{
    DrawText(6, StatisticsLineY + 1, MapColour(0, 0, 0), Text, false, 0);
    DrawText(5, StatisticsLineY, MapColour(255, 255, 255), Text, false, 0);
}
