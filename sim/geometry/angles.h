#pragma once
// Angles in degrees, 0 to the right and 90 downwards (clockwise on screen),
// and the whole-degree cosine and sine tables.

#include "sim/geometry/point.h"
#include "sim/geometry/rounding.h"

// Entry i is cos and sin of i degrees, i = 0..360; filled by InitAngleTables.
extern Extended CosTable[361];
extern Extended SinTable[361];
void InitAngleTables();

// Wraps A into 0..360 (360 stays 360) and rounds it half to even: a whole
// number of degrees that is a valid table index. Any finite A, however
// large, takes constant time; NaN and infinities give 0. A fast path
// (docs/exactness.md): NormalizeAnglePlain's value for every angle below
// 2^56 in size, where each of its turns is exact.
int NormalizeAngle(double A);

// The reference NormalizeAngle is held to: 360 added or taken away one turn
// at a time, then rounded. Each turn costs a step, and from about 2^62 on
// taking 360 away changes nothing, so this is only for angles of modest
// size. Used only by tests.
int NormalizeAnglePlain(double A);

// Direction from (X1, Y1) to (X2, Y2) in 0..360; two equal points give 0.
double DirectionAngle(Extended X1, Extended Y1, Extended X2, Extended Y2);

// (X, Y) turned about (CX, CY) by Angle whole degrees, clockwise on screen,
// rounded to whole pixels.
TPoint RotatePoint(double X, double Y, double CX, double CY, double Angle);
