#include "sim/tornado/tornado_screen.h"

#include "draw/codepage.h"
#include "draw/display.h"
#include "input/input_state.h"
#include "screen/screen.h"
#include "sim/tornado/whirl_draw.h"

TTornadoScreen CreateTornadoScreen()
{
    TTornadoScreen S;
    S.Whirl = CreateWhirl(1000);
    S.Windows = ControlWindowGroup(CreateControlWindow(130, 60, 5, 5));
    return S;
}

void RunTornadoFrame(TTornadoScreen& S, int Steps)
{
    // Drawn before it is stepped: a frame shows the previous frame's step.
    DrawWhirl(S.Whirl, MapColour(200, 200, 255), false);
    for (int Step = 0; Step < Steps; ++Step) StepWhirl(S.Whirl, MouseX, MouseY);
    UpdateWindows(S.Windows, true);
    DrawWindows(S.Windows);
    if (BackClicked(S.Windows)) ScreenState = StateMenu;
    if (MouseHeld) SetVector(DragVector, MouseX, MouseY);
}

std::string TornadoCounts(const TTornadoScreen& S)
{
    return Cp1250("pierścienie: ") + std::to_string(S.Whirl.Particles.size());
}
