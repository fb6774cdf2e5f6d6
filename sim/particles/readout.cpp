#include "sim/particles/readout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

std::string FormatReadout(double Value)
{
    if (!std::isfinite(Value)) return Value != Value ? "nan" : (Value > 0 ? "inf" : "-inf");
    constexpr int Significant = 15;
    // Digits after the point that leave 15 significant ones.
    const int Magnitude = Value == 0 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(Value))));
    const int Decimals = std::clamp(Significant - 1 - Magnitude, 0, 340);
    std::vector<char> Text(Decimals + 330);
    std::snprintf(Text.data(), Text.size(), "%.*f", Decimals, Value);
    std::string Result = Text.data();
    if (Result.find('.') != std::string::npos) {
        Result.erase(Result.find_last_not_of('0') + 1);
        if (Result.back() == '.') Result.pop_back();
    }
    if (Result == "-0") Result = "0";
    return Result;
}
