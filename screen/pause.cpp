#include "screen/pause.h"

#include "draw/codepage.h"
#include "draw/display.h"
#include "draw/text.h"

bool ApplyPause(TPause& P, bool PausePressed, bool StepPressed)
{
    if (PausePressed) P.Paused = !P.Paused;
    return !P.Paused || StepPressed;
}

void DrawPauseLabel()
{
    static const std::string Label = Cp1250("Pauza [F5]");
    const int X = (DisplayWidth - 8 * static_cast<int>(Label.size())) / 2;
    // A shadow below and right of it keeps it readable over the lit fire and the funnel.
    DrawText(X + 1, 6, MapColour(0, 0, 0), Label, false, 1);
    DrawText(X, 5, MapColour(255, 255, 0), Label, false, 1);
}
