#pragma once
// Rounding rules shared by the whole program: halves go to the even
// neighbour, and no real value is ever converted to an integer type unless
// it is known to fit.

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>

// Intermediate results are worked out in x87 extended precision and stored
// as double.
using Extended = long double;

// Where long double is the x87 80-bit format, rounding is done by adding a
// power of two large enough to leave no fraction bits: the addition rounds
// to nearest with ties to even, which is what nearbyintl does, without its
// save and restore of the floating-point environment (ten times the cost).
// Both rely on the default rounding mode, which the program never changes.
#if LDBL_MANT_DIG == 64 && (defined(__x86_64__) || defined(__i386__))
#define KALMOT_X87_ROUNDING 1
#else
#define KALMOT_X87_ROUNDING 0
#endif

// The reference RoundHalfEven is held to: the library's rounding, in the
// default rounding mode.
inline Extended RoundHalfEvenPlain(Extended X) { return std::nearbyint(X); }

// Nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4, -0.5 -> -0);
// infinities and NaN come back as they are. A fast path: the same bits as
// RoundHalfEvenPlain (docs/exactness.md).
inline Extended RoundHalfEven(Extended X)
{
#if KALMOT_X87_ROUNDING
    // From 2^63 on every long double is whole; below it, 2^63 + |X| keeps
    // the units and drops the fraction. The sign goes back on afterwards so
    // that -0.4 gives -0 like nearbyintl.
    constexpr Extended Whole = 0x1p63L;
    const Extended Magnitude = std::fabs(X);
    if (!(Magnitude < Whole)) return X + 0; // a NaN comes back quiet, as from nearbyintl
    return std::copysign((Magnitude + Whole) - Whole, X);
#else
    return std::nearbyint(X);
#endif
}

// Clamps a real value into the range of int; NaN gives 0.
inline int ClampToInt(Extended X)
{
    if (!(X == X)) return 0;
    if (X <= static_cast<Extended>(INT_MIN)) return INT_MIN;
    if (X >= static_cast<Extended>(INT_MAX)) return INT_MAX;
    return static_cast<int>(X);
}

// The reference Round is held to: the library's rounding, then the clamp.
inline int RoundPlain(Extended X) { return ClampToInt(RoundHalfEvenPlain(X)); }

// Round half to even into an int, saturating at int's limits (NaN gives 0).
// A fast path: the same int as RoundPlain (docs/exactness.md).
inline int Round(Extended X)
{
#if KALMOT_X87_ROUNDING
    // 3 * 2^62 + X lies well inside [2^63, 2^64) for |X| < 2^61, where the 64-bit
    // significand of the sum is the sum itself as a whole number: the
    // rounded X is read off it without converting through the control word.
    if (X > -0x1p61L && X < 0x1p61L) {
        const Extended Shifted = X + 0x1.8p63L;
        uint64_t Significand;
        std::memcpy(&Significand, &Shifted, sizeof Significand);
        const auto Rounded = static_cast<int64_t>(Significand - 0xC000000000000000u);
        if (Rounded <= INT_MIN) return INT_MIN;
        if (Rounded >= INT_MAX) return INT_MAX;
        return static_cast<int>(Rounded);
    }
#endif
    return ClampToInt(RoundHalfEven(X));
}

// Largest whole number not above X, saturating like Round.
inline int Floor(Extended X) { return ClampToInt(std::floor(X)); }

// Smallest whole number not below X, saturating like Round.
inline int Ceil(Extended X) { return ClampToInt(std::ceil(X)); }
