#include "input/key_names.h"

namespace {

constexpr const char* DigitNames[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
constexpr const char* ShiftedDigitNames[] = {")", "!", "@", "#", "$", "%", "^", "&", "*", "("};
constexpr const char* LowerLetters[] = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m",
                                        "n", "o", "p", "q", "r", "s", "t", "u", "v", "w", "x", "y", "z"};
constexpr const char* UpperLetters[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
                                        "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};

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
