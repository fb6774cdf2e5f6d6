#include "canvas.h"

#include <algorithm>
#include <cmath>

TColour Mix(TColour From, TColour To, double T)
{
    const auto Channel = [T](uint8_t A, uint8_t B) {
        return static_cast<uint8_t>(std::lround(A + (B - A) * std::clamp(T, 0.0, 1.0)));
    };
    return {Channel(From.R, To.R), Channel(From.G, To.G), Channel(From.B, To.B)};
}

TCanvas::TCanvas(int Width, int Height)
    : W(Width), H(Height), Pixels(static_cast<size_t>(Width) * static_cast<size_t>(Height), KeyColour)
{
}

TColour TCanvas::At(int X, int Y) const
{
    if (X < 0 || Y < 0 || X >= W || Y >= H) return KeyColour;
    return Pixels[static_cast<size_t>(Y) * static_cast<size_t>(W) + static_cast<size_t>(X)];
}

void TCanvas::Set(int X, int Y, TColour Colour)
{
    if (X < 0 || Y < 0 || X >= W || Y >= H) return;
    Pixels[static_cast<size_t>(Y) * static_cast<size_t>(W) + static_cast<size_t>(X)] = Colour;
}

void TCanvas::Blend(int X, int Y, TColour Colour, double Coverage)
{
    if (Coverage <= 0.0) return;
    const TColour Below = At(X, Y);
    if (Below == KeyColour) {
        if (Coverage >= 0.5) Set(X, Y, Colour);
        return;
    }
    Set(X, Y, Mix(Below, Colour, Coverage));
}

void TCanvas::FillRect(int X, int Y, int Width, int Height, TColour Colour)
{
    for (int Row = Y; Row < Y + Height; ++Row)
        for (int Column = X; Column < X + Width; ++Column) Set(Column, Row, Colour);
}

void TCanvas::Paste(const TCanvas& Piece, int X, int Y)
{
    for (int Row = 0; Row < Piece.Height(); ++Row)
        for (int Column = 0; Column < Piece.Width(); ++Column) Set(X + Column, Y + Row, Piece.At(Column, Row));
}
