#include "web/key_symbols.h"

#include <cstdlib>
#include <unordered_map>

namespace WebSdl {

namespace {

const std::unordered_map<std::string, SDLKey>& Places()
{
    static const std::unordered_map<std::string, SDLKey> Table = {
        {"Backspace", SDLK_BACKSPACE}, {"Tab", SDLK_TAB}, {"Enter", SDLK_RETURN}, {"Escape", SDLK_ESCAPE},
        {"Space", SDLK_SPACE}, {"Delete", SDLK_DELETE}, {"Insert", SDLK_INSERT}, {"Home", SDLK_HOME},
        {"End", SDLK_END}, {"PageUp", SDLK_PAGEUP}, {"PageDown", SDLK_PAGEDOWN}, {"ArrowUp", SDLK_UP},
        {"ArrowDown", SDLK_DOWN}, {"ArrowRight", SDLK_RIGHT}, {"ArrowLeft", SDLK_LEFT},
        {"Minus", SDLK_MINUS}, {"Equal", SDLK_EQUALS}, {"BracketLeft", SDLK_LEFTBRACKET},
        {"BracketRight", SDLK_RIGHTBRACKET}, {"Backslash", SDLK_BACKSLASH}, {"Semicolon", SDLK_SEMICOLON},
        {"Quote", SDLK_QUOTE}, {"Backquote", SDLK_BACKQUOTE}, {"Comma", SDLK_COMMA}, {"Period", SDLK_PERIOD},
        {"Slash", SDLK_SLASH}, {"IntlBackslash", SDLK_LESS},
        {"NumpadDecimal", SDLK_KP_PERIOD}, {"NumpadDivide", SDLK_KP_DIVIDE},
        {"NumpadMultiply", SDLK_KP_MULTIPLY}, {"NumpadSubtract", SDLK_KP_MINUS}, {"NumpadAdd", SDLK_KP_PLUS},
        {"NumpadEnter", SDLK_KP_ENTER}, {"NumpadEqual", SDLK_KP_EQUALS},
        {"ShiftLeft", SDLK_LSHIFT}, {"ShiftRight", SDLK_RSHIFT}, {"ControlLeft", SDLK_LCTRL},
        {"ControlRight", SDLK_RCTRL}, {"AltLeft", SDLK_LALT}, {"AltRight", SDLK_RALT},
        {"MetaLeft", SDLK_LSUPER}, {"MetaRight", SDLK_RSUPER}, {"OSLeft", SDLK_LSUPER}, {"OSRight", SDLK_RSUPER},
        {"CapsLock", SDLK_CAPSLOCK}, {"NumLock", SDLK_NUMLOCK}, {"ScrollLock", SDLK_SCROLLOCK},
        {"PrintScreen", SDLK_PRINT}, {"Pause", SDLK_PAUSE}, {"ContextMenu", SDLK_MENU},
    };
    return Table;
}

bool StartsWith(const std::string& Text, const char* Prefix) { return Text.rfind(Prefix, 0) == 0; }

// The one UTF-16 unit Key is in UTF-8, or 0 when it is a name or longer.
Uint16 SingleUnit(const std::string& Key)
{
    const auto B = [&](size_t I) { return static_cast<unsigned>(static_cast<unsigned char>(Key[I])); };
    if (Key.size() == 1 && B(0) < 0x80) return static_cast<Uint16>(B(0));
    if (Key.size() == 2 && (B(0) & 0xE0) == 0xC0) return static_cast<Uint16>(((B(0) & 0x1F) << 6) | (B(1) & 0x3F));
    if (Key.size() == 3 && (B(0) & 0xF0) == 0xE0)
        return static_cast<Uint16>(((B(0) & 0x0F) << 12) | ((B(1) & 0x3F) << 6) | (B(2) & 0x3F));
    return 0;
}

} // namespace

SDLKey KeySymbol(const std::string& Code, const std::string& Key)
{
    if (Key.size() == 1 && ((Key[0] >= 'a' && Key[0] <= 'z') || (Key[0] >= 'A' && Key[0] <= 'Z')))
        return static_cast<SDLKey>(Key[0] | 0x20);
    if (Code.size() == 4 && StartsWith(Code, "Key") && Code[3] >= 'A' && Code[3] <= 'Z')
        return static_cast<SDLKey>(Code[3] | 0x20);
    if (Code.size() == 6 && StartsWith(Code, "Digit") && Code[5] >= '0' && Code[5] <= '9')
        return static_cast<SDLKey>(Code[5]);
    if (Code.size() == 7 && StartsWith(Code, "Numpad") && Code[6] >= '0' && Code[6] <= '9')
        return static_cast<SDLKey>(SDLK_KP0 + (Code[6] - '0'));
    if (StartsWith(Code, "F") && Code.size() >= 2 && Code.size() <= 3) {
        const int N = std::atoi(Code.c_str() + 1);
        if (N >= 1 && N <= 15) return static_cast<SDLKey>(SDLK_F1 + N - 1);
    }
    const auto Found = Places().find(Code);
    return Found != Places().end() ? Found->second : SDLK_UNKNOWN;
}

SDLMod KeyModifier(SDLKey Symbol)
{
    switch (Symbol) {
    case SDLK_LSHIFT: return KMOD_LSHIFT;
    case SDLK_RSHIFT: return KMOD_RSHIFT;
    case SDLK_LCTRL: return KMOD_LCTRL;
    case SDLK_RCTRL: return KMOD_RCTRL;
    case SDLK_LALT: return KMOD_LALT;
    case SDLK_RALT: return KMOD_RALT;
    case SDLK_LSUPER: return KMOD_LMETA;
    case SDLK_RSUPER: return KMOD_RMETA;
    default: return KMOD_NONE;
    }
}

Uint16 TypedCharacter(SDLKey Symbol, const std::string& Key, SDLMod Modifiers)
{
    switch (Symbol) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return '\r';
    case SDLK_BACKSPACE: return '\b';
    case SDLK_TAB: return '\t';
    case SDLK_ESCAPE: return 27;
    case SDLK_DELETE: return 127;
    default: break;
    }
    const Uint16 Unit = SingleUnit(Key);
    if ((Modifiers & KMOD_CTRL) && !(Modifiers & KMOD_RALT) && Symbol >= SDLK_a && Symbol <= SDLK_z)
        return static_cast<Uint16>(Symbol - SDLK_a + 1);
    return Unit;
}

} // namespace WebSdl
