#pragma once
// --scale on a screen too small for it: the window would open larger than
// the screen, at a negative position, cut off. The scale is lowered to the
// largest that fits, and the user is told.

#include <ostream>

// The largest scale from 1 to Scale whose 800 x 600 window fits a screen of
// ScreenWidth x ScreenHeight pixels; 1 where none does; Scale where the
// screen's size is unknown (0 or less).
int FittingScale(int Scale, int ScreenWidth, int ScreenHeight);

// Scale fitted to the screen (screen_size.h); a lowered scale is reported
// on Warnings. Where the screen's size is not known, Scale as it is.
int FitScaleToScreen(int Scale, std::ostream& Warnings);
