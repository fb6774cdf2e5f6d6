#pragma once
// Rounding rules shared by the whole program: halves go to the even
// neighbour, and no real value is ever converted to an integer type unless
// it is known to fit.

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

// Intermediate results are worked out in Extended and stored as double.
// The build chooses its arithmetic (KALMOT_PRECISION): x87 extended, with a
// 64-bit significand, or double itself where there is no such type (the
// browser). Every fast path gives its reference's bits in either.
#if !defined(KALMOT_X87_EXTENDED)
#error "KALMOT_X87_EXTENDED must be 1 or 0 (the build sets it from KALMOT_PRECISION)"
#elif KALMOT_X87_EXTENDED
using Extended = long double;
static_assert(LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384, "Extended needs the x87 80-bit long double");
#else
using Extended = double;
// Each double operation rounded to double, not carried in wider registers,
// as SSE2 and WebAssembly do it.
static_assert(FLT_EVAL_METHOD == 0, "double arithmetic must round each operation to double");
#endif

// The bits of Extended's significand (64 or 53), and the unit roundoff: a
// rounded operation is off its exact result by at most this fraction of it
// (2^-64 or 2^-53, held as a double for the bounds worked out in double).
constexpr int ExtendedDigits = std::numeric_limits<Extended>::digits;
constexpr double ExtendedUnit = static_cast<double>(std::numeric_limits<Extended>::epsilon() / 2);

// The reference RoundHalfEven is held to: the library's rounding, in the
// default rounding mode.
inline Extended RoundHalfEvenPlain(Extended X) { return std::nearbyint(X); }

// Rounding is done by adding a power of two large enough to leave no
// fraction bits: the addition rounds to nearest with ties to even, which is
// what nearbyint does, without its save and restore of the floating-point
// environment (ten times the cost). Both rely on the default rounding mode,
// which the program never changes.

// Nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4, -0.5 -> -0);
// infinities and NaN come back as they are. A fast path: the same bits as
// RoundHalfEvenPlain (docs/exactness.md).
inline Extended RoundHalfEven(Extended X)
{
    // From 2^(digits - 1) on every value is whole; below it, that power plus
    // |X| keeps the units and drops the fraction. The sign goes back on
    // afterwards so that -0.4 gives -0 like nearbyint.
    constexpr Extended Whole = Extended(uint64_t{1} << (ExtendedDigits - 1));
    const Extended Magnitude = std::fabs(X);
    if (!(Magnitude < Whole)) return X + 0; // a NaN comes back quiet, as from nearbyint
    return std::copysign((Magnitude + Whole) - Whole, X);
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
#if KALMOT_X87_EXTENDED
    // 3 * 2^62 + X lies well inside [2^63, 2^64) for |X| < 2^61, where the 64-bit
    // significand of the sum is the sum itself as a whole number: the
    // rounded X is read off it without converting through the control word.
    static_assert(ExtendedDigits == 64, "the significand is read as a 64-bit whole number");
    if (X > -0x1p61L && X < 0x1p61L) {
        const Extended Shifted = X + 0x1.8p63L;
        uint64_t Significand;
        std::memcpy(&Significand, &Shifted, sizeof Significand);
        const auto Rounded = static_cast<int64_t>(Significand - 0xC000000000000000u);
        if (Rounded <= INT_MIN) return INT_MIN;
        if (Rounded >= INT_MAX) return INT_MAX;
        return static_cast<int>(Rounded);
    }
#else
    // 3 * 2^51 + X lies in [2^52, 2^53) for |X| < 2^50, where doubles are
    // whole numbers: the sum is X rounded, and taking 3 * 2^51 off again is
    // exact. The conversion of a whole double needs no change of mode.
    if (X > -0x1p50 && X < 0x1p50) {
        const auto Rounded = static_cast<int64_t>((X + 0x1.8p52) - 0x1.8p52);
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
