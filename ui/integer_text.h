#pragma once
// Integers as the edits hold them: the reader that decides whether a text
// is a number, and the plain decimal writer.

#include <optional>
#include <string>
#include <string_view>

// Reads Text as a signed 32-bit integer: leading spaces, an optional "+" or
// "-", then decimal digits, or hexadecimal digits after "$", "x", "X", "0x"
// or "0X". Anything else (an empty or all-space text, trailing characters,
// a value outside -2147483648 .. 2147483647) is no integer.
std::optional<int> ReadInteger(std::string_view Text);

// Plain decimal, "-" before negatives.
std::string WriteInteger(int Value);
