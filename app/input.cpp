#include "app/input.h"

#include "app/screen_state.h"
#include "app/video.h"
#include "draw/surface.h"

SDL_Event Event;
int MouseX = 0;
int MouseY = 0;
bool MouseHeld = false;
bool MousePressed = false;
bool MouseReleased = false;
TVector PressVector;
TVector DragVector;
std::string KeyName;
bool KeyDown = false;

namespace {

constexpr const char* DigitNames[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
constexpr const char* ShiftedDigitNames[] = {")", "!", "@", "#", "$", "%", "^", "&", "*", "("};
constexpr const char* LowerLetters[] = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m",
                                        "n", "o", "p", "q", "r", "s", "t", "u", "v", "w", "x", "y", "z"};
constexpr const char* UpperLetters[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
                                        "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};

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
        case SDL_KEYUP:
        case SDL_KEYDOWN: return NamedKeyPressed;
        default: return false;
        }
    }

    void Note(const SDL_Event& E)
    {
        if (E.type == SDL_MOUSEBUTTONDOWN && IsClickButton(E.button.button)) ButtonPressed = true;
        if (E.type == SDL_KEYDOWN && KeyNameFor(E.key.keysym.sym, E.key.keysym.mod) != nullptr)
            NamedKeyPressed = true;
    }

private:
    bool ButtonPressed = false;   // left, middle or right went down in this poll
    bool NamedKeyPressed = false; // a key with a name went down in this poll

    // The wheel's "buttons" come down and up together by nature; holding
    // their release back would turn scrolling over a button into a click.
    static bool IsClickButton(Uint8 Button)
    {
        return Button == SDL_BUTTON_LEFT || Button == SDL_BUTTON_MIDDLE || Button == SDL_BUTTON_RIGHT;
    }
};

} // namespace

const char* KeyNameFor(SDLKey Symbol, SDLMod Modifiers)
{
    const bool Shift = (Modifiers & KMOD_LSHIFT) != 0; // the left Shift key only
    if (Symbol >= SDLK_0 && Symbol <= SDLK_9)
        return (Shift ? ShiftedDigitNames : DigitNames)[Symbol - SDLK_0];
    if (Symbol >= SDLK_a && Symbol <= SDLK_z) return (Shift ? UpperLetters : LowerLetters)[Symbol - SDLK_a];
    if (Symbol >= SDLK_KP0 && Symbol <= SDLK_KP9) return DigitNames[Symbol - SDLK_KP0];
    switch (Symbol) {
    case SDLK_BACKSPACE: return "Bksp";
    case SDLK_SPACE: return "Space";
    case SDLK_DELETE: return "Del";
    case SDLK_RIGHT: return "Right";
    case SDLK_LEFT: return "Left";
    default: return nullptr;
    }
}

void PollEvents(Uint8 EscState, const TEventReaction& React)
{
    MousePressed = false;
    MouseReleased = false;
    KeyDown = false;
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

bool MouseInRect(bool ScreenCoords, double X1, double Y1, double X2, double Y2)
{
    const double X = ScreenCoords ? MouseX + OriginX : MouseX;
    const double Y = ScreenCoords ? MouseY + OriginY : MouseY;
    return X1 <= X && X <= X2 && Y1 <= Y && Y <= Y2;
}
