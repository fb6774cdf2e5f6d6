#include "app/input.h"

#include "screen/screen.h"
#include "app/video.h"
#include "draw/surface.h"
#include "input/command_keys.h"
#include "input/key_names.h"
#include "input/pointer_device.h"

SDL_Event Event;

namespace {

void HandleKeyDown(const SDL_keysym& Key, Uint8 EscState)
{
    if (NoteCommandKey(Key.sym, Key.mod)) return; // a command for the screen loop, not a key for the widgets
    if (Key.sym == SDLK_RETURN) {
        if (Key.mod & (KMOD_LALT | KMOD_RALT)) ToggleFullScreen();
    } else if (Key.sym == SDLK_ESCAPE) {
        ScreenState = EscState;
    } else if (const char* Name = KeyNameFor(Key)) {
        KeyName = Name;
        KeyDown = true;
    }
    // A key without a name reports no stroke: KeyName may still hold a key
    // held down since an earlier frame, which an edit would type again.
}

// The widgets see one frame's input as a few flags: a button's release in
// the same poll as its press would read as no click at all, and a key's
// release (or the next key) would overwrite the name its press left, and a
// motion after a press would move the press away from where it happened. So
// a poll stops before such an event.
class TUndoWatch {
public:
    bool WouldUndo(const SDL_Event& E) const
    {
        switch (E.type) {
        case SDL_MOUSEBUTTONUP: return ButtonPressed && IsClickButton(E.button.button);
        // The frame that sees a press sees it where it happened: a pointer
        // that moves on (a tap after a tap, a flick, a remote desktop) does so
        // in the next frame.
        case SDL_MOUSEMOTION: return ButtonPressed;
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

// The pointer as of event E, relative to the Origin. Motion and button
// events carry where the pointer was when they happened; SDL's present
// pointer may already lie further on, where later events of the queue (or
// the next poll's) go. Any other event reads SDL's pointer, but not once a
// pointer event of this poll has placed it.
void TakePointer(const SDL_Event& E, bool& Placed)
{
    int X = 0, Y = 0;
    switch (E.type) {
    case SDL_MOUSEMOTION:
        X = E.motion.x;
        Y = E.motion.y;
        PointerTouched = E.motion.which == TouchPointerDevice;
        Placed = true;
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        X = E.button.x;
        Y = E.button.y;
        PointerTouched = E.button.which == TouchPointerDevice;
        Placed = true;
        break;
    default:
        if (Placed) return;
        SDL_GetMouseState(&X, &Y);
        break;
    }
    MouseX = X - OriginX;
    MouseY = Y - OriginY;
}

} // namespace

void PollEvents(Uint8 EscState, const TEventReaction& React)
{
    MousePressed = false;
    MouseReleased = false;
    KeyDown = false;
    CommandKeys = {};
    TUndoWatch Watch;
    bool PointerPlaced = false; // a motion or button event of this poll has placed the pointer
    for (;;) {
        // Look before taking: an event that would undo what this poll has
        // seen stays at the head of SDL's queue, with everything behind it,
        // for the next frame's poll.
        SDL_PumpEvents();
        if (SDL_PeepEvents(&Event, 1, SDL_PEEKEVENT, SDL_ALLEVENTS) <= 0) break;
        if (Watch.WouldUndo(Event)) break;
        if (SDL_PeepEvents(&Event, 1, SDL_GETEVENT, SDL_ALLEVENTS) <= 0) break;
        Watch.Note(Event);

        TakePointer(Event, PointerPlaced);
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
