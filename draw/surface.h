#pragma once
// Surfaces, colour keys, the Origin of centred coordinates, and the blit of
// a sprite-sheet cell at a position.

#include <SDL.h>

// Centred coordinates are relative to this display pixel (the centre).
extern int OriginX;
extern int OriginY;
void SetOrigin(int X, int Y);
// The Origin back on the display's top-left corner, as before start-up.
void ResetOrigin();

// An SDL rectangle; each value is cut to the 16 bits of its field.
SDL_Rect MakeRect(int X, int Y, int W, int H);

// Makes (Red, Green, Blue) transparent in blits from Surface (RLE-accelerated).
void SetKeyColor(SDL_Surface* Surface, Uint8 Red, Uint8 Green, Uint8 Blue);

// Base moved by (X, Y), plus the Origin when Centred; the sums wrap in 16
// bits like SDL_Rect's fields. Width and height stay Base's.
SDL_Rect PlacedRect(const SDL_Rect& Base, int X, int Y, bool Centred);

// Blits SourceRect of Source to Base moved by (X, Y), plus the Origin when
// Centred. Sums wrap in 16 bits like SDL_Rect's fields; the caller's
// rectangles are left unchanged.
void BlitAt(SDL_Surface* Source, const SDL_Rect& SourceRect, SDL_Surface* Destination,
            const SDL_Rect& Base, int X, int Y, bool Centred);
