#include "input/key_names.h"

#include <array>
#include <string_view>

#include "draw/codepage.h"
#include "draw/text.h"

namespace {

constexpr const char* DigitNames[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
constexpr const char* ShiftedDigitNames[] = {")", "!", "@", "#", "$", "%", "^", "&", "*", "("};
constexpr const char* LowerLetters[] = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m",
                                        "n", "o", "p", "q", "r", "s", "t", "u", "v", "w", "x", "y", "z"};
constexpr const char* UpperLetters[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
                                        "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};

// The letters of Windows-1250 beyond ASCII lie in Latin-1's letters and
// Latin Extended-A; the rest of its upper half is punctuation and signs.
bool IsLetterBeyondAscii(char32_t CodePoint)
{
    return CodePoint >= 0xC0 && CodePoint <= 0x17F && CodePoint != 0xD7 && CodePoint != 0xF7;
}

// One-character names for the bytes 0x80..0xFF.
constexpr auto UpperHalfNames = [] {
    std::array<std::array<char, 2>, 128> Names{};
    for (size_t I = 0; I < Names.size(); ++I) Names[I] = {static_cast<char>(0x80 + I), '\0'};
    return Names;
}();

const char* TypedLetterName(char32_t CodePoint)
{
    if (!IsLetterBeyondAscii(CodePoint)) return nullptr;
    const std::optional<char> Byte = Cp1250Byte(CodePoint);
    if (!Byte || FontCharset.find(*Byte) == std::string_view::npos) return nullptr;
    return UpperHalfNames[static_cast<unsigned char>(*Byte) - 0x80].data();
}

// The names of the keys that type no character of their own.
bool MovesOrDeletes(std::string_view Name)
{
    return Name == "Bksp" || Name == "Del" || Name == "Left" || Name == "Right";
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

bool IsCommandChord(SDLMod Modifiers)
{
    if (Modifiers & KMOD_LALT) return true;
    return (Modifiers & KMOD_CTRL) && !(Modifiers & KMOD_RALT);
}

const char* KeyNameFor(const SDL_keysym& Key)
{
    if (IsCommandChord(Key.mod)) {
        // Only the keys that move or delete keep their names: a chord types nothing.
        const char* Name = KeyNameFor(Key.sym, Key.mod);
        return Name != nullptr && MovesOrDeletes(Name) ? Name : nullptr;
    }
    if (const char* Letter = TypedLetterName(Key.unicode)) return Letter;
    return KeyNameFor(Key.sym, Key.mod);
}
