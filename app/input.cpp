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

bool MouseInRect(bool ScreenCoords, double X1, double Y1, double X2, double Y2)
{
    const double X = ScreenCoords ? MouseX + OriginX : MouseX;
    const double Y = ScreenCoords ? MouseY + OriginY : MouseY;
    return X1 <= X && X <= X2 && Y1 <= Y && Y <= Y2;
}
