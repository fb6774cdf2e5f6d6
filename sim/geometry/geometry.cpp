#include "sim/geometry/geometry.h"

#include <algorithm>
#include <cmath>

double Distance(Extended X1, Extended Y1, Extended X2, Extended Y2)
{
    const Extended Dx = X1 - X2;
    const Extended Dy = Y1 - Y2;
    return static_cast<double>(std::sqrt(Dx * Dx + Dy * Dy));
}

int Sign(double X)
{
    if (X > 0) return 1;
    if (X < 0) return -1;
    return 0;
}

double Orientation(double X1, double Y1, double X2, double Y2, double X3, double Y3)
{
    const Extended Sum = Extended(X1) * Extended(Y2) + Extended(X2) * Extended(Y3) + Extended(X3) * Extended(Y1) -
                         Extended(X3) * Extended(Y2) - Extended(X1) * Extended(Y3) - Extended(X2) * Extended(Y1);
    return static_cast<double>(Sum);
}

bool PointOnSegment(double X1, double Y1, double X2, double Y2, double PX, double PY)
{
    // The box first: it is cheaper than the cross product and decides most points.
    return std::min(Y1, Y2) <= PY && PY <= std::max(Y1, Y2) && std::min(X1, X2) <= PX && PX <= std::max(X1, X2) &&
           Orientation(X1, Y1, X2, Y2, PX, PY) == 0;
}
