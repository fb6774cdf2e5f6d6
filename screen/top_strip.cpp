#include "screen/top_strip.h"

#include "draw/display.h"
#include "draw/text.h"

namespace {

struct TNotice {
    std::string Text;   // Windows-1250
    int FramesLeft = 0; // frames it still shows
};
TNotice Notice;

} // namespace

void DrawTopStrip(const std::vector<std::string>& Lines)
{
    int Y = TopStripY;
    for (const std::string& Line : Lines) {
        if (Line.empty()) continue;
        const int X = (DisplayWidth - 8 * static_cast<int>(Line.size())) / 2;
        // A shadow below and right of it keeps it readable over the lit fire and the funnel.
        DrawText(X + 1, Y + 1, MapColour(0, 0, 0), Line, false, 1);
        DrawText(X, Y, MapColour(255, 255, 0), Line, false, 1);
        Y += TopStripLineHeight;
    }
}

void PostNotice(const std::string& Text) { Notice = TNotice{Text, NoticeFrames}; }

std::string TakeNoticeFrame()
{
    if (Notice.FramesLeft <= 0) return {};
    --Notice.FramesLeft;
    return Notice.Text;
}

void ResetNotice() { Notice = TNotice{}; }
