#include "ui/integer_text.h"

#include <cstdint>

namespace {

int DigitValue(char C, int Base)
{
    int Value = -1;
    if (C >= '0' && C <= '9')
        Value = C - '0';
    else if (C >= 'a' && C <= 'f')
        Value = C - 'a' + 10;
    else if (C >= 'A' && C <= 'F')
        Value = C - 'A' + 10;
    return Value < Base ? Value : -1;
}

} // namespace

std::optional<int> ReadInteger(std::string_view Text)
{
    size_t Pos = 0;
    while (Pos < Text.size() && Text[Pos] == ' ') ++Pos;

    bool Negative = false;
    if (Pos < Text.size() && (Text[Pos] == '+' || Text[Pos] == '-')) Negative = Text[Pos++] == '-';

    int Base = 10;
    const std::string_view Rest = Text.substr(Pos);
    if (Rest.starts_with("0x") || Rest.starts_with("0X")) {
        Base = 16;
        Pos += 2;
    } else if (Rest.starts_with("$") || Rest.starts_with("x") || Rest.starts_with("X")) {
        Base = 16;
        Pos += 1;
    }
    if (Pos >= Text.size()) return std::nullopt;

    // The magnitude may reach 2^31 for the most negative value; anything
    // beyond stops the reading, so it never wraps.
    constexpr int64_t Limit = int64_t{1} << 31;
    int64_t Magnitude = 0;
    for (; Pos < Text.size(); ++Pos) {
        const int Digit = DigitValue(Text[Pos], Base);
        if (Digit < 0) return std::nullopt;
        Magnitude = Magnitude * Base + Digit;
        if (Magnitude > Limit) return std::nullopt;
    }
    const int64_t Value = Negative ? -Magnitude : Magnitude;
    if (Value > INT32_MAX) return std::nullopt;
    return static_cast<int>(Value);
}

std::string WriteInteger(int Value) { return std::to_string(Value); }
