#include "app/input.h"

#include "screen/screen.h"
#include "app/video.h"
#include "draw/surface.h"
#include "input/command_keys.h"
#include "input/key_names.h"

SDL_Event Event;

namespace {

void HandleKeyDown(const SDL_keysym& Key, Uint8 EscState)
{
    if (NoteCommandKey(Key.sym, Key.mod)) return; // a command for the screen loop, not a key for the widgets
    KeyDown = true;
    if (Key.sym == SDLK_RETURN) {
        if (Key.mod & (KMOD_LALT | KMOD_RALT)) ToggleFullScreen();
    } else if (Key.sym == SDLK_ESCAPE) {
        ScreenState = EscState;
    } else if (const char* Name = KeyNameFor(Key)) {
        KeyName = Name;
    }
}

// The widgets see one frame's input as a few flags: a button's release in
// the same poll as its press would read as no click at all, and a key's
// release (or the next key) would overwrite the name its press left. So a
// poll stops before such an event.
class TUndoWatch {
public:
    bool WouldUndo(const SDL_Event& E) const
    {
        switch (E.type) {
        case SDL_MOUSEBUTTONUP: return ButtonPressed && IsClickButton(E.button.button);
        case SDL_KEYUP: return NamedKeyPressed;
        case SDL_KEYDOWN: return NamedKeyPressed || (CommandKeyPressed && IsCommandKey(E.key.keysym.sym, E.key.keysym.mod));
        default: return false;
        }
    }

    void Note(const SDL_Event& E)
    {
        if (E.type == SDL_MOUSEBUTTONDOWN && IsClickButton(E.button.button)) ButtonPressed = true;
        if (E.type == SDL_KEYDOWN && KeyNameFor(E.key.keysym) != nullptr)
            NamedKeyPressed = true;
        if (E.type == SDL_KEYDOWN && IsCommandKey(E.key.keysym.sym, E.key.keysym.mod)) CommandKeyPressed = true;
    }

private:
    bool ButtonPressed = false;   // left, middle or right went down in this poll
    bool NamedKeyPressed = false; // a key with a name went down in this poll
    bool CommandKeyPressed = false; // a second command would read as one flag with the first

    // The wheel's "buttons" come down and up together by nature; holding
    // their release back would turn scrolling over a button into a click.
    static bool IsClickButton(Uint8 Button)
    {
        return Button == SDL_BUTTON_LEFT || Button == SDL_BUTTON_MIDDLE || Button == SDL_BUTTON_RIGHT;
    }
};

} // namespace

void PollEvents(Uint8 EscState, const TEventReaction& React)
{
    MousePressed = false;
    MouseReleased = false;
    KeyDown = false;
    CommandKeys = {};
    TUndoWatch Watch;
    for (;;) {
        // Look before taking: an event that would undo what this poll has
        // seen stays at the head of SDL's queue, with everything behind it,
        // for the next frame's poll.
        SDL_PumpEvents();
        if (SDL_PeepEvents(&Event, 1, SDL_PEEKEVENT, SDL_ALLEVENTS) <= 0) break;
        if (Watch.WouldUndo(Event)) break;
        if (SDL_PeepEvents(&Event, 1, SDL_GETEVENT, SDL_ALLEVENTS) <= 0) break;
        Watch.Note(Event);

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
