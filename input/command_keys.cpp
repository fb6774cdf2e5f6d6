#include "input/command_keys.h"

TCommandKeys CommandKeys;

namespace {

// The flag a command key sets, or null for any other key.
bool* FlagFor(SDLKey Symbol, SDLMod Modifiers)
{
    if ((Modifiers & KMOD_CTRL) != 0 && (Modifiers & KMOD_ALT) == 0) {
        if (Symbol == SDLK_s) return &CommandKeys.SaveScene;
        if (Symbol == SDLK_o) return &CommandKeys.OpenScene;
    }
    switch (Symbol) {
    case SDLK_F1: return &CommandKeys.Help;
    case SDLK_F3: return &CommandKeys.Statistics;
    case SDLK_F5:
    case SDLK_PAUSE:
    case SDLK_F8: return &CommandKeys.Pause;
    case SDLK_F6: return &CommandKeys.Step;
    case SDLK_PLUS:
    case SDLK_EQUALS:
    case SDLK_KP_PLUS: return &CommandKeys.Faster;
    case SDLK_MINUS:
    case SDLK_KP_MINUS: return &CommandKeys.Slower;
    case SDLK_F11: return &CommandKeys.FullScreen;
    case SDLK_F12:
    case SDLK_PRINT:
    case SDLK_F9: return &CommandKeys.Screenshot;
    default: return nullptr;
    }
}

} // namespace

bool NoteCommandKey(SDLKey Symbol, SDLMod Modifiers)
{
    bool* const Flag = FlagFor(Symbol, Modifiers);
    if (Flag != nullptr) *Flag = true;
    return Flag != nullptr;
}

bool IsCommandKey(SDLKey Symbol, SDLMod Modifiers) { return FlagFor(Symbol, Modifiers) != nullptr; }
