#include "screen/focus_hold.h"

#include "draw/codepage.h"

std::string FocusHoldLabel()
{
    static const std::string Label = Cp1250("Świat stoi, gdy okno jest aktywne: kliknij poza oknem");
    return Label;
}
