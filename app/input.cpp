#include "app/input.h"

#include "screen/screen.h"
#include "app/video.h"
#include "draw/surface.h"
#include "input/key_names.h"

SDL_Event Event;

namespace {

void HandleKeyDown(const SDL_keysym& Key, Uint8 EscState)
{
    KeyDown = true;
    if (Key.sym == SDLK_RETURN) {
        if (Key.mod & (KMOD_LALT | KMOD_RALT)) ToggleFullScreen();
    } else if (Key.sym == SDLK_ESCAPE) {
        ScreenState = EscState;
    } else if (const char* Name = KeyNameFor(Key.sym, Key.mod)) {
        KeyName = Name;
    }
}

} // namespace

void PollEvents(Uint8 EscState, const TEventReaction& React)
{
    MousePressed = false;
    MouseReleased = false;
    KeyDown = false;
    while (SDL_PollEvent(&Event)) {
        // The pointer is read for every event; the event's own coordinates are not used.
        SDL_GetMouseState(&MouseX, &MouseY);
        MouseX -= OriginX;
        MouseY -= OriginY;
        switch (Event.type) {
        case SDL_KEYDOWN: HandleKeyDown(Event.key.keysym, EscState); break;
        case SDL_KEYUP: KeyName = " "; break;
        case SDL_MOUSEBUTTONDOWN:
            MousePressed = true;
            MouseHeld = true;
            SetVector(PressVector, MouseX, MouseY);
            break;
        case SDL_MOUSEBUTTONUP:
            MouseReleased = true;
            MouseHeld = false;
            break;
        case SDL_QUIT: ScreenState = StateQuit; break;
        default: break;
        }
        if (React) React(Event);
    }
    if (KeyName == " ") KeyDown = false;
    if (KeyName == "Space") KeyName = " ";
}
