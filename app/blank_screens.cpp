#include "app/frame.h"
#include "app/input.h"
#include "app/screen_state.h"
#include "app/screens.h"
#include "app/video.h"

namespace {

// A screen with nothing on it yet: the common frame until Esc.
void RunBlankScreen(Uint8 Own, Uint8 EscState)
{
    while (ScreenState == Own) {
        PollEvents(EscState);
        ClearScreen();
        FinishFrame();
    }
}

} // namespace

void RunParticleScreen() { RunBlankScreen(StateParticles, StateMenu); }
void RunTornadoScreen() { RunBlankScreen(StateTornado, StateMenu); }
void RunFireScreen() { RunBlankScreen(StateFire, StateQuit); }
