#pragma once
// Rounding rules shared by the whole program: halves go to the even
// neighbour, and no real value is ever converted to an integer type unless
// it is known to fit.

#include <climits>
#include <cmath>

// Intermediate results are worked out in x87 extended precision and stored
// as double.
using Extended = long double;

// Nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4, -0.5 -> -0).
// Relies on the default floating-point rounding mode, which the program
// never changes.
inline Extended RoundHalfEven(Extended X) { return std::nearbyint(X); }

// Clamps a real value into the range of int; NaN gives 0.
inline int ClampToInt(Extended X)
{
    if (!(X == X)) return 0;
    if (X <= static_cast<Extended>(INT_MIN)) return INT_MIN;
    if (X >= static_cast<Extended>(INT_MAX)) return INT_MAX;
    return static_cast<int>(X);
}

// Round half to even into an int, saturating at int's limits (NaN gives 0).
inline int Round(Extended X) { return ClampToInt(RoundHalfEven(X)); }

// Largest whole number not above X, saturating like Round.
inline int Floor(Extended X) { return ClampToInt(std::floor(X)); }

// Smallest whole number not below X, saturating like Round.
inline int Ceil(Extended X) { return ClampToInt(std::ceil(X)); }
