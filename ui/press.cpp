#include "ui/press.h"

void UpdatePress(bool& Hover, bool& Armed, bool& Clicked, bool* Checked, bool Active, const THotRect& Hot)
{
    Hover = MouseOver(Hot);
    if (!Active) return;
    Clicked = Armed && Hover && MouseReleased;
    if (Checked != nullptr && Clicked) *Checked = !*Checked;
    if (MouseHeld && Hover && MousePressed)
        Armed = true;
    else if (!MouseHeld)
        Armed = false;
}
