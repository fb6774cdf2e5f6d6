#pragma once
// The trigonometry of Extended. In x87 extended it is the library's. Where
// Extended is double, libraries differ in the last bit (the C library of
// the browser build in about one arctangent in twenty), so the program has
// its own, made of plain double operations alone: every machine and the
// browser then give the same bits. Each is within about an ulp of the true
// value.

#include "sim/geometry/rounding.h"

// The arctangent of X, in -pi/2 .. pi/2 radians.
Extended ArcTangent(Extended X);

// The cosine and sine of X radians, for |X| up to 2^20 (the angle tables
// ask for 0 .. 2 pi); beyond it NaN where Extended is double.
Extended Cosine(Extended X);
Extended Sine(Extended X);
