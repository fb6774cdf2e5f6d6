#include "sim/particles/collision_grid.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace {

constexpr int64_t NoCell = INT64_MIN;
// Pixels beyond this distance from the Origin share the edge pixel of
// their side. Clamping keeps neighbouring pixels neighbours or the same.
constexpr double Edge = 0x1p30;
// The flat part covers at most this many cells out, and at most a few dozen cells per particle.
constexpr int64_t FlatReach = 2048;

int64_t PixelOf(double X)
{
    if (X >= -Edge && X < Edge) {
        const auto T = static_cast<int64_t>(X);
        return T - (static_cast<double>(T) > X ? 1 : 0);
    }
    return X < 0 ? static_cast<int64_t>(-Edge) : static_cast<int64_t>(Edge);
}

// Cells are squares of 2 x 2 pixels (the shift rounds down for negative
// pixels too), so the three pixel columns around a point lie in at most
// two cell columns: four cells to look at instead of nine pixels, in a
// quarter of the memory.
int64_t CellOf(int64_t Pixel) { return Pixel >> 1; }

uint64_t KeyOf(int64_t Cx, int64_t Cy)
{
    // Both lie within 2^30 + 1 of 0, so each fits 32 bits once offset.
    return (static_cast<uint64_t>(Cy + (int64_t{1} << 31)) << 32) | static_cast<uint64_t>(Cx + (int64_t{1} << 31));
}

size_t HashSlot(const TCollisionGrid& G, uint64_t Key)
{
    return static_cast<size_t>((Key * 0x9E3779B97F4A7C15u) >> 20) & G.Mask;
}

bool InFlat(const TCollisionGrid& G, int64_t Cx, int64_t Cy)
{
    return Cx >= G.X0 && Cx < G.X0 + G.Width && Cy >= G.Y0 && Cy < G.Y0 + G.Height;
}

// The chain head of a cell; with Create, an empty chain is made for a
// cell not yet in the table, otherwise such a cell gives null.
int32_t* Head(TCollisionGrid& G, int64_t Cx, int64_t Cy, bool Create)
{
    if (InFlat(G, Cx, Cy)) return &G.Flat[static_cast<size_t>((Cy - G.Y0) * G.Width + (Cx - G.X0))];
    if (G.Keys.empty()) return nullptr;
    const uint64_t Key = KeyOf(Cx, Cy);
    for (size_t Slot = HashSlot(G, Key);; Slot = (Slot + 1) & G.Mask) {
        if (G.Heads[Slot] == -2) {
            if (!Create) return nullptr;
            G.Keys[Slot] = Key;
            G.Heads[Slot] = -1;
            return &G.Heads[Slot];
        }
        if (G.Keys[Slot] == Key) return &G.Heads[Slot];
    }
}

// The chain of a cell without the particles that have left the grid,
// which are cut off its front on the way; -1 for an empty cell.
int32_t FirstFiled(TCollisionGrid& G, int64_t Cx, int64_t Cy)
{
    int32_t* H;
    if (InFlat(G, Cx, Cy)) {
        // The bits fit the cache where the chains do not; most cells are empty.
        const auto Cell = static_cast<size_t>((Cy - G.Y0) * G.Width + (Cx - G.X0));
        if (!(G.FlatFilled[Cell / 64] >> (Cell % 64) & 1)) return -1;
        H = &G.Flat[Cell];
        if (*H >= G.Stepped) return *H;
        while (*H >= 0 && *H < G.Stepped) *H = G.Next[static_cast<size_t>(*H)];
        if (*H < 0) G.FlatFilled[Cell / 64] &= ~(uint64_t{1} << (Cell % 64));
        return *H;
    }
    H = Head(G, Cx, Cy, false);
    if (H == nullptr) return -1;
    while (*H >= 0 && *H < G.Stepped) *H = G.Next[static_cast<size_t>(*H)];
    return *H;
}

} // namespace

void BuildCollisionGrid(TCollisionGrid& G, const std::vector<TParticle>& Particles)
{
    const size_t N = Particles.size();
    G.Next.assign(N, -1);
    G.CellX.resize(N);
    G.CellY.resize(N);
    G.Stepped = 0;
    int64_t MinX = INT64_MAX, MaxX = INT64_MIN, MinY = INT64_MAX, MaxY = INT64_MIN;
    for (size_t I = 0; I < N; ++I) {
        const TVector& Pos = Particles[I].Pos;
        if (!std::isfinite(Pos.X) || !std::isfinite(Pos.Y)) {
            G.CellX[I] = NoCell;
            continue;
        }
        G.CellX[I] = CellOf(PixelOf(Pos.X));
        G.CellY[I] = CellOf(PixelOf(Pos.Y));
        MinX = std::min(MinX, G.CellX[I]);
        MaxX = std::max(MaxX, G.CellX[I]);
        MinY = std::min(MinY, G.CellY[I]);
        MaxY = std::max(MaxY, G.CellY[I]);
    }
    // The flat part: the crowd's box, clipped near the Origin, unless that
    // makes far more cells than particles.
    G.X0 = std::max(MinX, -FlatReach);
    G.Y0 = std::max(MinY, -FlatReach);
    G.Width = G.Height = 0;
    if (MinX <= MaxX) { // some particle has a pixel
        G.Width = std::max<int64_t>(0, std::min(MaxX, FlatReach) - G.X0 + 1);
        G.Height = std::max<int64_t>(0, std::min(MaxY, FlatReach) - G.Y0 + 1);
    }
    if (G.Width * G.Height > 64 * static_cast<int64_t>(N) + 65536) G.Width = G.Height = 0;
    G.Flat.assign(static_cast<size_t>(G.Width * G.Height), -1);
    G.FlatFilled.assign((G.Flat.size() + 63) / 64, 0);
    size_t Outside = 0;
    for (size_t I = 0; I < N; ++I)
        if (G.CellX[I] != NoCell && !InFlat(G, G.CellX[I], G.CellY[I])) ++Outside;
    size_t Capacity = 0;
    if (Outside > 0) {
        Capacity = 16;
        while (Capacity < 2 * Outside) Capacity *= 2;
    }
    G.Keys.assign(Capacity, 0);
    G.Heads.assign(Capacity, -2); // -2 marks a free slot
    G.Mask = Capacity > 0 ? Capacity - 1 : 0;
    // Filed from the last particle down, so every chain runs in ascending index.
    for (size_t I = N; I-- > 0;) {
        if (G.CellX[I] == NoCell) continue;
        int32_t* H = Head(G, G.CellX[I], G.CellY[I], true);
        G.Next[I] = *H;
        if (InFlat(G, G.CellX[I], G.CellY[I])) {
            const auto Cell = static_cast<size_t>((G.CellY[I] - G.Y0) * G.Width + (G.CellX[I] - G.X0));
            G.FlatFilled[Cell / 64] |= uint64_t{1} << (Cell % 64);
        }
        *H = static_cast<int32_t>(I);
    }
}

void RemoveFromCollisionGrid(TCollisionGrid& G, size_t Index)
{
    // Moving the mark past a particle still filed would drop it unseen.
    assert(Index == static_cast<size_t>(G.Stepped) && Index < G.Next.size());
    G.Stepped = static_cast<int32_t>(Index + 1);
}

void FindNearParticles(TCollisionGrid& G, double X, double Y, std::vector<int32_t>& Found)
{
    Found.clear();
    if (!std::isfinite(X) || !std::isfinite(Y)) return;
    const int64_t Px = PixelOf(X), Py = PixelOf(Y);
    for (int64_t Cy = CellOf(Py - 1); Cy <= CellOf(Py + 1); ++Cy)
        for (int64_t Cx = CellOf(Px - 1); Cx <= CellOf(Px + 1); ++Cx) {
            for (int32_t M = FirstFiled(G, Cx, Cy); M >= 0; M = G.Next[static_cast<size_t>(M)]) Found.push_back(M);
        }
    if (Found.size() > 1) std::sort(Found.begin(), Found.end());
}

void FindNearParticlesPlain(const std::vector<TParticle>& Particles, size_t First, const TVector& At,
                            std::vector<int32_t>& Found)
{
    Found.clear();
    for (size_t M = First; M < Particles.size(); ++M)
        if (SameVector(At, Particles[M].Pos)) Found.push_back(static_cast<int32_t>(M));
}
