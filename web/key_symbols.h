#pragma once
// The browser's key names (KeyboardEvent.code, KeyboardEvent.key) as SDL
// 1.2's key symbols, modifiers and typed characters.

#include <SDL.h>

#include <string>

namespace WebSdl {

// The symbol of the key whose physical name is Code; a letter follows the
// layout (Key), every other key its place, as SDL names them on a US
// keyboard. SDLK_UNKNOWN for keys SDL has no symbol for.
SDLKey KeySymbol(const std::string& Code, const std::string& Key);

// The modifier a key is (KMOD_NONE for the others).
SDLMod KeyModifier(SDLKey Symbol);

// The character a press types, as SDL's keysym.unicode gives it: the key's
// own character (one UTF-16 unit), the control characters of Return,
// Backspace, Tab, Esc and Delete, a control code with Ctrl; else 0.
Uint16 TypedCharacter(SDLKey Symbol, const std::string& Key, SDLMod Modifiers);

} // namespace WebSdl
