// The tornado screen: a funnel of a thousand rings whose base follows the
// pointer, and the control window with its way back to the menu.

#include "app/control_window.h"
#include "app/frame.h"
#include "app/input.h"
#include "app/screen_state.h"
#include "app/screens.h"
#include "app/video.h"
#include "sim/tornado/whirl.h"
#include "sim/tornado/whirl_draw.h"

void RunTornadoScreen()
{
    TWhirl Whirl = CreateWhirl(1000);
    TWindowGroup Windows;
    InitWindowGroup(Windows, 1);
    Windows.Items[0] = CreateControlWindow(130, 60, 5, 5);

    while (ScreenState == StateTornado) {
        PollEvents(StateMenu);
        ClearScreen();
        // Drawn before it is stepped: a frame shows the previous frame's step.
        DrawWhirl(Whirl, MapColour(200, 200, 255), false);
        StepWhirl(Whirl, MouseX, MouseY);
        UpdateWindows(Windows, true);
        DrawWindows(Windows);
        if (BackClicked(Windows)) ScreenState = StateMenu;
        if (MouseHeld) SetVector(DragVector, MouseX, MouseY);
        FinishFrame();
    }
}
