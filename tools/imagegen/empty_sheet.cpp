#include "sheets.h"

// The fire only needs a surface to paint one pixel of; its colour never shows.
TCanvas MakeEmptySheet()
{
    TCanvas Sheet(8, 8);
    Sheet.FillRect(0, 0, 8, 8, TColour{0, 0, 0});
    return Sheet;
}
