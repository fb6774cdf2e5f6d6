// SDL 1.2's event queue, pointer state and key state, filled by the page's
// script from the browser's pointer and keyboard events (shell.html) between
// frames, emptied by the program's poll.
#include <SDL.h>
#include <emscripten.h>

#include <deque>
#include <string>

#include "input/pointer_device.h"
#include "web/key_symbols.h"

namespace {

// Far more than a frame's worth; beyond it new events are dropped, as
// SDL drops them when its queue is full.
constexpr size_t MaxQueued = 4096;

std::deque<SDL_Event> Queue;
int PointerX = 0, PointerY = 0;
Uint8 Buttons = 0; // SDL_BUTTON(n) of every button held
Uint8 Device = 0;  // the `which` of pointer events: 0, or TouchPointerDevice for a finger
int Modifiers = KMOD_NONE;
bool Unicode = false;

void Push(const SDL_Event& E)
{
    if (Queue.size() < MaxQueued) Queue.push_back(E);
}

void MoveTo(int X, int Y)
{
    if (X == PointerX && Y == PointerY) return;
    SDL_Event E{};
    E.type = SDL_MOUSEMOTION;
    E.motion.which = Device;
    E.motion.state = Buttons;
    E.motion.x = static_cast<Uint16>(X);
    E.motion.y = static_cast<Uint16>(Y);
    E.motion.xrel = static_cast<Sint16>(X - PointerX);
    E.motion.yrel = static_cast<Sint16>(Y - PointerY);
    PointerX = X;
    PointerY = Y;
    Push(E);
}

void PushButton(bool Down, Uint8 Button)
{
    const Uint8 Bit = static_cast<Uint8>(SDL_BUTTON(Button));
    if (Down == ((Buttons & Bit) != 0) && Button <= SDL_BUTTON_RIGHT) return; // no second press of a held button
    if (Button <= SDL_BUTTON_RIGHT) Buttons = Down ? (Buttons | Bit) : (Buttons & ~Bit);
    SDL_Event E{};
    E.type = Down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    E.button.which = Device;
    E.button.button = Button;
    E.button.state = Down ? SDL_PRESSED : SDL_RELEASED;
    E.button.x = static_cast<Uint16>(PointerX);
    E.button.y = static_cast<Uint16>(PointerY);
    Push(E);
}

// The browser numbers its buttons from 0: left, middle, right.
Uint8 SdlButton(int BrowserButton)
{
    switch (BrowserButton) {
    case 1: return SDL_BUTTON_MIDDLE;
    case 2: return SDL_BUTTON_RIGHT;
    default: return SDL_BUTTON_LEFT;
    }
}

bool Matches(const SDL_Event& E, Uint32 Mask) { return (SDL_EVENTMASK(E.type) & Mask) != 0; }

} // namespace

// Called by the page's script.
extern "C" {

// Touch: the pointer is a finger (or, for the program, anything without a
// pointer of its own on the screen), which its events say through `which`.
EMSCRIPTEN_KEEPALIVE void WebPointerMove(int X, int Y, int Touch)
{
    Device = Touch ? TouchPointerDevice : 0;
    MoveTo(X, Y);
}

EMSCRIPTEN_KEEPALIVE void WebPointerButton(int Down, int BrowserButton, int X, int Y, int Touch)
{
    Device = Touch ? TouchPointerDevice : 0;
    MoveTo(X, Y);
    PushButton(Down != 0, SdlButton(BrowserButton));
}

// A turn of the wheel is a press and a release of SDL's wheel buttons.
EMSCRIPTEN_KEEPALIVE void WebWheel(int Up, int X, int Y)
{
    Device = 0;
    MoveTo(X, Y);
    const Uint8 Button = Up ? SDL_BUTTON_WHEELUP : SDL_BUTTON_WHEELDOWN;
    PushButton(true, Button);
    PushButton(false, Button);
}

EMSCRIPTEN_KEEPALIVE void WebKey(int Down, const char* Code, const char* Key)
{
    const SDLKey Symbol = WebSdl::KeySymbol(Code, Key);
    const SDLMod Modifier = WebSdl::KeyModifier(Symbol);
    if (Modifier != KMOD_NONE) Modifiers = Down ? (Modifiers | Modifier) : (Modifiers & ~Modifier);
    if (Down && Symbol == SDLK_CAPSLOCK) Modifiers ^= KMOD_CAPS;
    if (Down && Symbol == SDLK_NUMLOCK) Modifiers ^= KMOD_NUM;
    SDL_Event E{};
    E.type = Down ? SDL_KEYDOWN : SDL_KEYUP;
    E.key.state = Down ? SDL_PRESSED : SDL_RELEASED;
    E.key.keysym.sym = Symbol;
    E.key.keysym.mod = static_cast<SDLMod>(Modifiers);
    E.key.keysym.unicode = Down && Unicode ? WebSdl::TypedCharacter(Symbol, Key, static_cast<SDLMod>(Modifiers)) : 0;
    Push(E);
}

// The page lost the focus: nothing stays held that will not be released.
EMSCRIPTEN_KEEPALIVE void WebReleaseAll()
{
    for (const Uint8 Button : {SDL_BUTTON_LEFT, SDL_BUTTON_MIDDLE, SDL_BUTTON_RIGHT})
        if (Buttons & SDL_BUTTON(Button)) PushButton(false, Button);
    Modifiers &= KMOD_CAPS | KMOD_NUM;
}

} // extern "C"

void SDL_PumpEvents(void) {} // the page's events are queued as they come

int SDL_PeepEvents(SDL_Event* events, int numevents, SDL_eventaction action, Uint32 mask)
{
    if (numevents <= 0) return 0;
    int Count = 0;
    if (action == SDL_ADDEVENT) {
        for (; Count < numevents && Queue.size() < MaxQueued; ++Count) Queue.push_back(events[Count]);
        return Count;
    }
    for (auto It = Queue.begin(); It != Queue.end() && Count < numevents;) {
        if (!Matches(*It, mask)) {
            ++It;
            continue;
        }
        if (events != nullptr) events[Count] = *It;
        ++Count;
        It = action == SDL_GETEVENT ? Queue.erase(It) : It + 1;
    }
    return Count;
}

Uint8 SDL_GetMouseState(int* x, int* y)
{
    if (x != nullptr) *x = PointerX;
    if (y != nullptr) *y = PointerY;
    return Buttons;
}

int SDL_EnableUNICODE(int enable)
{
    const int Was = Unicode ? 1 : 0;
    if (enable >= 0) Unicode = enable != 0;
    return Was;
}
