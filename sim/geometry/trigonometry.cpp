#include "sim/geometry/trigonometry.h"

#include <cmath>
#include <cstddef>

#if KALMOT_X87_EXTENDED

Extended ArcTangent(Extended X) { return std::atan(X); }
Extended Cosine(Extended X) { return std::cos(X); }
Extended Sine(Extended X) { return std::sin(X); }

#else

namespace {

// pi / 2 rounded, and what that leaves out.
constexpr double HalfPi = 0x1.921fb54442d18p0;
constexpr double HalfPiRest = 0x1.1a62633145c07p-54;

// atan(K / 16), K = 0..16, rounded.
constexpr double AtanOfSixteenths[17] = {
    0,
    0x1.ff55bb72cfdeap-5,
    0x1.fd5ba9aac2f6ep-4,
    0x1.7b97b4bce5b02p-3,
    0x1.f5b75f92c80ddp-3,
    0x1.362773707ebccp-2,
    0x1.6f61941e4def1p-2,
    0x1.a64eec3cc23fdp-2,
    0x1.dac670561bb4fp-2,
    0x1.0657e94db30d0p-1,
    0x1.1e00babdefeb4p-1,
    0x1.345f01cce37bbp-1,
    0x1.4978fa3269ee1p-1,
    0x1.5d58987169b18p-1,
    0x1.700a7c5784634p-1,
    0x1.819d0b7158a4dp-1,
    0x1.921fb54442d18p-1,
};

// Horner's rule: the polynomial in S with Terms from the highest power down.
template <size_t N>
double Polynomial(const double (&Terms)[N], double S)
{
    double Sum = Terms[0];
    for (size_t I = 1; I < N; ++I) Sum = Sum * S + Terms[I];
    return Sum;
}

// atan(Y) for 0 <= Y <= 1: atan(C) for the nearest sixteenth C, plus
// atan(T) for T = (Y - C) / (1 + Y C), |T| <= 1/32, whose series is done
// once its terms fall below 2^-60 of T.
double UnitArcTangent(double Y)
{
    constexpr double Terms[] = {-1.0 / 11, 1.0 / 9, -1.0 / 7, 1.0 / 5, -1.0 / 3};
    const int K = static_cast<int>(Y * 16 + 0.5);
    const double C = K / 16.0;
    const double T = (Y - C) / (1 + Y * C);
    const double S = T * T;
    return AtanOfSixteenths[K] + (T + T * (S * Polynomial(Terms, S)));
}

// pi / 2 in three parts, the first two of 33 bits, so that up to 2^20
// times each is exact.
constexpr double HalfPi1 = 0x1.921fb544p0;
constexpr double HalfPi2 = 0x1.0b4611a6p-34;
constexpr double HalfPi3 = 0x1.3198a2e037073p-69;
constexpr double TwoOverPi = 0x1.45f306dc9c883p-1;

// sin and cos of Y for |Y| <= pi / 4 (and a little), by their series up to
// the terms that fall below 2^-60. The factorials up to 18! are exact.
double SmallSine(double Y)
{
    constexpr double Terms[] = {1.0 / 355687428096000, -1.0 / 1307674368000, 1.0 / 6227020800, -1.0 / 39916800,
                                1.0 / 362880,          -1.0 / 5040,          1.0 / 120,        -1.0 / 6};
    const double S = Y * Y;
    return Y + Y * S * Polynomial(Terms, S);
}

double SmallCosine(double Y)
{
    constexpr double Terms[] = {-1.0 / 6402373705728000,
                                1.0 / 20922789888000,
                                -1.0 / 87178291200,
                                1.0 / 479001600,
                                -1.0 / 3628800,
                                1.0 / 40320,
                                -1.0 / 720,
                                1.0 / 24,
                                -0.5,
                                1};
    return Polynomial(Terms, Y * Y);
}

// X less the nearest multiple Quarter of pi / 2 (its quadrant Quarter mod 4).
double Reduced(double X, int& Quarter)
{
    const double K = std::floor(X * TwoOverPi + 0.5);
    Quarter = static_cast<int>(K - 4 * std::floor(K / 4));
    return ((X - K * HalfPi1) - K * HalfPi2) - K * HalfPi3;
}

} // namespace

Extended ArcTangent(Extended X)
{
    if (X != X) return X + X;
    const double A = std::fabs(X);
    double Result = HalfPi; // from 2^60 on, atan(A) is pi/2 rounded
    if (A <= 1)
        Result = UnitArcTangent(A);
    else if (A < 0x1p60)
        Result = HalfPi - (UnitArcTangent(1 / A) - HalfPiRest);
    return std::copysign(Result, X);
}

Extended Cosine(Extended X)
{
    if (!(std::fabs(X) <= 0x1p20)) return std::numeric_limits<double>::quiet_NaN();
    int Quarter;
    const double Y = Reduced(X, Quarter);
    switch (Quarter) {
    case 0: return SmallCosine(Y);
    case 1: return -SmallSine(Y);
    case 2: return -SmallCosine(Y);
    default: return SmallSine(Y);
    }
}

Extended Sine(Extended X)
{
    if (X == 0) return X; // keeps the sign of a zero
    if (!(std::fabs(X) <= 0x1p20)) return std::numeric_limits<double>::quiet_NaN();
    int Quarter;
    const double Y = Reduced(X, Quarter);
    switch (Quarter) {
    case 0: return SmallSine(Y);
    case 1: return SmallCosine(Y);
    case 2: return -SmallSine(Y);
    default: return -SmallCosine(Y);
    }
}

#endif
