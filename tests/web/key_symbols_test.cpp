// The browser's key names as SDL 1.2's key symbols and typed characters.
#include <gtest/gtest.h>

#include "web/key_symbols.h"

namespace {

using WebSdl::KeyModifier;
using WebSdl::KeySymbol;
using WebSdl::TypedCharacter;

TEST(WebKeySymbols, LettersFollowTheLayoutOtherKeysTheirPlace)
{
    EXPECT_EQ(KeySymbol("KeyA", "a"), SDLK_a);
    EXPECT_EQ(KeySymbol("KeyA", "A"), SDLK_a);
    EXPECT_EQ(KeySymbol("KeyQ", "a"), SDLK_a); // a French layout's A
    EXPECT_EQ(KeySymbol("KeyA", "ą"), SDLK_a); // AltGr on the Polish layout
    EXPECT_EQ(KeySymbol("Digit1", "!"), SDLK_1);
    EXPECT_EQ(KeySymbol("Numpad7", "7"), SDLK_KP7);
    EXPECT_EQ(KeySymbol("Numpad7", "Home"), SDLK_KP7);
    EXPECT_EQ(KeySymbol("F1", "F1"), SDLK_F1);
    EXPECT_EQ(KeySymbol("F12", "F12"), SDLK_F12);
    EXPECT_EQ(KeySymbol("F16", "F16"), SDLK_UNKNOWN);
    EXPECT_EQ(KeySymbol("Enter", "Enter"), SDLK_RETURN);
    EXPECT_EQ(KeySymbol("ArrowRight", "ArrowRight"), SDLK_RIGHT);
    EXPECT_EQ(KeySymbol("Backspace", "Backspace"), SDLK_BACKSPACE);
    EXPECT_EQ(KeySymbol("Delete", "Delete"), SDLK_DELETE);
    EXPECT_EQ(KeySymbol("AltRight", "AltGraph"), SDLK_RALT);
    EXPECT_EQ(KeySymbol("Launch", "Unidentified"), SDLK_UNKNOWN);
    EXPECT_EQ(KeyModifier(SDLK_LSHIFT), KMOD_LSHIFT);
    EXPECT_EQ(KeyModifier(SDLK_RALT), KMOD_RALT);
    EXPECT_EQ(KeyModifier(SDLK_a), KMOD_NONE);
}

TEST(WebKeySymbols, TypedCharactersAreSdlsUnicode)
{
    EXPECT_EQ(TypedCharacter(SDLK_a, "a", KMOD_NONE), 'a');
    EXPECT_EQ(TypedCharacter(SDLK_a, "A", KMOD_LSHIFT), 'A');
    EXPECT_EQ(TypedCharacter(SDLK_a, "ą", KMOD_RALT), 0x0105);
    EXPECT_EQ(TypedCharacter(SDLK_z, "Ż", static_cast<SDLMod>(KMOD_RALT | KMOD_LSHIFT)), 0x017B);
    EXPECT_EQ(TypedCharacter(SDLK_1, "!", KMOD_LSHIFT), '!');
    EXPECT_EQ(TypedCharacter(SDLK_c, "c", KMOD_LCTRL), 3);
    EXPECT_EQ(TypedCharacter(SDLK_RETURN, "Enter", KMOD_NONE), '\r');
    EXPECT_EQ(TypedCharacter(SDLK_BACKSPACE, "Backspace", KMOD_NONE), '\b');
    EXPECT_EQ(TypedCharacter(SDLK_LEFT, "ArrowLeft", KMOD_NONE), 0);
    EXPECT_EQ(TypedCharacter(SDLK_LSHIFT, "Shift", KMOD_LSHIFT), 0);
}

} // namespace
