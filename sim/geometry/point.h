#pragma once
// TPoint: a whole-pixel position, the result of rounding a real point.

struct TPoint {
    int X;
    int Y;
    bool operator==(const TPoint&) const = default;
};
