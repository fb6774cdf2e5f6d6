#include "sim/fire/fire_screen.h"

#include "input/input_state.h"
#include "screen/screen.h"
#include "sim/fire/fire_draw.h"

TFireScreen CreateFireScreen()
{
    TFireScreen S;
    S.Windows = ControlWindowGroup(CreateControlWindow(130, 60, 5, 5));
    InitFire(S.Fire, 0, 500, 800, 100);
    return S;
}

void RunFireFrame(TFireScreen& S, int Steps)
{
    if (MouseHeld) SetVector(DragVector, MouseX, MouseY);
    UpdateWindows(S.Windows, true);
    DrawWindows(S.Windows);
    // Drawn before it is stepped, so the first frame shows no fire.
    DrawFire(S.Fire, 255);
    for (int Step = 0; Step < Steps; ++Step) StepFire(S.Fire);
    if (BackClicked(S.Windows)) ScreenState = StateMenu;
}
