#pragma once
// The number format of the particle screen's drag readouts.

#include <string>

// Value rounded to 15 significant digits in fixed notation, trailing zeros
// after the point dropped, and the point itself for whole numbers:
// 141.42135623731, 45, 306.869897645844.
std::string FormatReadout(double Value);
