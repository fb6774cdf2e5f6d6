#pragma once
// Inside the program all text is single-byte Windows-1250. Captions are
// written readably in the source as UTF-8 and pass through Cp1250 once,
// where the widgets that show them are created; a character a key types
// passes through Cp1250Byte when the key is named.

#include <optional>
#include <string>
#include <string_view>

// Windows-1250 bytes of Utf8; a character the code page lacks becomes '?'.
std::string Cp1250(std::string_view Utf8);

// The Windows-1250 byte of one Unicode character, if the code page has it.
std::optional<char> Cp1250Byte(char32_t CodePoint);
