#pragma once
// Plane geometry on pixel coordinates (x right, y down).

#include "sim/geometry/rounding.h"

// Euclidean distance between (X1, Y1) and (X2, Y2).
double Distance(Extended X1, Extended Y1, Extended X2, Extended Y2);

// -1, 0 or +1 by the sign of X (NaN gives 0).
int Sign(double X);

// The cross product (P2 - P1) x (P3 - P1): positive when P3 lies on the
// right-hand side of the ray P1 -> P2 as seen on screen.
double Orientation(double X1, double Y1, double X2, double Y2, double X3, double Y3);

// P lies on the segment (X1, Y1)-(X2, Y2): exactly on its line (no
// tolerance) and within its bounding box, end points included.
bool PointOnSegment(double X1, double Y1, double X2, double Y2, double PX, double PY);
