#pragma once
// A busy particle world for the scene tests: hundreds of particles thrown
// at random among dozens of walls, stepped a while so that every cache lags
// as it does in a real run, and a scene of it with every control set.

#include <cstddef>

#include "sim/particles/scene.h"

// Particles particles and Walls walls from a fixed seed, stepped Steps times.
TPhysics BusyWorld(size_t Particles, size_t Walls, int Steps);

// BusyWorld(300, 40, 20) with the controls off their defaults.
TScene BusyScene();

// Whether A and B hold the same bits in every vector of every particle and
// wall and in every setting; the first difference is reported through
// GoogleTest.
bool SameBits(const TPhysics& A, const TPhysics& B);
