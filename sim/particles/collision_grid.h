#pragma once
// TCollisionGrid: the particles not yet stepped, filed by the 2 x 2 pixel
// cell their position lies in, so that a particle finds every one within a
// pixel of it without looking at the rest.
//
// Two positions closer than 1 in x (as SameVector measures it) lie in the
// same whole-pixel column or in neighbouring ones, and likewise in y; so
// the cells around those nine pixels hold every particle that can be within
// a pixel of a point. Cells near the particles' crowd are kept in a flat
// array, the rest in a hash table.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "sim/particle.h"

struct TCollisionGrid {
    // One chain per cell, in ascending particle index: its first index,
    // and for each particle the next one in its cell (-1 ends a chain).
    std::vector<int32_t> Next;
    std::vector<int64_t> CellX, CellY; // each particle's cell; CellX is NoCell for a position with no pixel
    int32_t Stepped = 0;               // particles below this index have left the grid
    // The flat part: cells X0 .. X0 + Width - 1, Y0 .. Y0 + Height - 1.
    int64_t X0 = 0, Y0 = 0, Width = 0, Height = 0;
    std::vector<int32_t> Flat;
    std::vector<uint64_t> FlatFilled; // a bit per flat cell: its chain may hold a particle still filed
    // The hashed part, open addressing: a cell's key and its chain's first index.
    std::vector<uint64_t> Keys;
    std::vector<int32_t> Heads;
    uint64_t Mask = 0;
};

// Files every particle with a finite position, by the position it has now.
void BuildCollisionGrid(TCollisionGrid& G, const std::vector<TParticle>& Particles);

// Takes particle Index out; it must be the lowest index still filed.
// Particles leave in index order, so this only moves a mark: the chains
// drop the particles below it as they are next read.
void RemoveFromCollisionGrid(TCollisionGrid& G, size_t Index);

// The filed particles in the cells around the nine pixels about (X, Y),
// in ascending index, into Found (emptied first). Nothing for a point with
// no pixel. A fast path (docs/exactness.md): Found holds every particle
// that FindNearParticlesPlain finds for the same particles, in the same
// order, and may hold more (which SameVector then turns away).
void FindNearParticles(TCollisionGrid& G, double X, double Y, std::vector<int32_t>& Found);

// The reference FindNearParticles is held to: every particle from First on
// that lies within a pixel of At as SameVector measures it, the partners
// the plain step collides with, in ascending index. Used only by tests.
void FindNearParticlesPlain(const std::vector<TParticle>& Particles, size_t First, const TVector& At,
                            std::vector<int32_t>& Found);
