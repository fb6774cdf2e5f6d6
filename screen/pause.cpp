#include "screen/pause.h"

#include "draw/codepage.h"

bool ApplyPause(TPause& P, bool PausePressed, bool StepPressed)
{
    if (PausePressed) P.Paused = !P.Paused;
    return !P.Paused || StepPressed;
}

std::string PauseLabel()
{
    static const std::string Label = Cp1250("Pauza [") + PauseKeyName() + "]";
    return Label;
}
