#include "app/window_scale.h"

#include <algorithm>

#include "app/screen_size.h"
#include "draw/display.h"

int FittingScale(int Scale, int ScreenWidth, int ScreenHeight)
{
    if (ScreenWidth <= 0 || ScreenHeight <= 0) return Scale;
    const int Fits = std::min(ScreenWidth / DisplayWidth, ScreenHeight / DisplayHeight);
    return std::clamp(Fits, 1, std::max(Scale, 1));
}

int FitScaleToScreen(int Scale, std::ostream& Warnings)
{
    int Width = 0, Height = 0;
    if (!ScreenSize(Width, Height)) return Scale;
    const int Fitted = FittingScale(Scale, Width, Height);
    if (Fitted < Scale)
        Warnings << "kalmot: --scale " << Scale << " makes a " << DisplayWidth * Scale << "x" << DisplayHeight * Scale
                 << " window, larger than the " << Width << "x" << Height << " screen; using --scale " << Fitted
                 << "\n";
    return Fitted;
}
