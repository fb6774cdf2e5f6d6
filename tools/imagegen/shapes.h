#pragma once
// Anti-aliased shapes for the widget art. Each pixel's coverage is measured
// by sampling a grid inside it; pixel (X, Y) spans X..X+1 and Y..Y+1, so its
// centre is (X + 0.5, Y + 0.5).

#include <array>
#include <functional>
#include <vector>

#include "canvas.h"

struct TPointF {
    double X;
    double Y;
};

// Fraction (0..1) of the pixel (X, Y) for which Inside holds.
double Coverage(int X, int Y, const std::function<bool(double, double)>& Inside);

// Lays Colour over the canvas wherever Inside holds, edges blended.
void FillShape(TCanvas& Canvas, const std::function<bool(double, double)>& Inside, TColour Colour);

void FillDisc(TCanvas& Canvas, TPointF Centre, double Radius, TColour Colour);
void FillTriangle(TCanvas& Canvas, const std::array<TPointF, 3>& Corners, TColour Colour);
// A stroke of the given thickness with round ends along a polyline.
void StrokePolyline(TCanvas& Canvas, const std::vector<TPointF>& Points, double Thickness, TColour Colour);

// Rounds the corner whose outermost pixel is (CornerX, CornerY); StepX and
// StepY (+1 or -1) point into the shape. Pixels outside the arc become the
// key colour, pixels on it become Outline, the rest is left alone.
void RoundCorner(TCanvas& Canvas, int CornerX, int CornerY, int StepX, int StepY, int Radius, TColour Outline);
