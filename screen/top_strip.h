#pragma once
// The strip along the top of the display where the program says what state
// it is in: the pause, the tempo, a short notice (a screenshot kept, a
// scene saved), why the world stands still. Each line is centred, yellow
// over a black shadow, one below the other from the top, so no line ever
// hides another. The strip lies over the frame but for the pointer; its
// first line is where the pause label always was.

#include <string>
#include <vector>

// The pen row of the first line; each further line lies TopStripLineHeight
// rows lower. A line's glyphs and shadow cover its pen row - 1 to + 15.
inline constexpr int TopStripY = 5;
inline constexpr int TopStripLineHeight = 18;

// Draws Lines (Windows-1250), the first at the top; empty lines are left out.
void DrawTopStrip(const std::vector<std::string>& Lines);

// A notice shows in the strip for NoticeFrames frames, about two seconds at
// the program's 60 frames a second; a newer notice replaces an older one.
inline constexpr int NoticeFrames = 120;

// Posts Text (Windows-1250) as the notice from the next frame drawn on.
void PostNotice(const std::string& Text);

// The notice of this frame, or an empty text; each call counts one frame of
// the notice's time.
std::string TakeNoticeFrame();

// No notice.
void ResetNotice();
