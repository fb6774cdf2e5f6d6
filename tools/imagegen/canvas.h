#pragma once
// An RGB picture held in memory while a sheet is being drawn. Every pixel
// starts as the key colour, so whatever is not painted stays transparent.

#include <cstdint>
#include <vector>

struct TColour {
    uint8_t R = 0;
    uint8_t G = 0;
    uint8_t B = 0;
    bool operator==(const TColour&) const = default;
};

// Pixels of exactly this colour are transparent in the program's blits.
inline constexpr TColour KeyColour{255, 0, 255};

// From From (T = 0) to To (T = 1), rounded per channel.
TColour Mix(TColour From, TColour To, double T);

class TCanvas {
public:
    TCanvas(int Width, int Height);

    int Width() const { return W; }
    int Height() const { return H; }

    // Pixels outside the canvas read as the key colour and ignore writes,
    // so shapes may be drawn partly off the edge.
    TColour At(int X, int Y) const;
    void Set(int X, int Y, TColour Colour);
    // Lays Colour over the pixel with opacity Coverage (0..1). Over a
    // transparent pixel there is nothing to mix with, so the edge stays hard:
    // the pixel takes Colour from half coverage on and stays key below it.
    void Blend(int X, int Y, TColour Colour, double Coverage);

    void FillRect(int X, int Y, int Width, int Height, TColour Colour);
    // Copies every pixel of Piece, key colour included, with its top-left at (X, Y).
    void Paste(const TCanvas& Piece, int X, int Y);

private:
    int W;
    int H;
    std::vector<TColour> Pixels;
};
