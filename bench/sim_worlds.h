#pragma once
// Worlds the simulation benchmarks step: reproducible from a seed, built the
// way the screens build them (refreshed positions, velocities and walls).

#include <cstddef>
#include <cstdint>

#include "sim/particles/physics.h"
#include "sim/tornado/whirl.h"

// Particles spread over the display with small random velocities, and
// walls of 40 to 200 pixels at random places and angles.
TPhysics ScatteredWorld(size_t Particles, size_t Walls, uint64_t Seed);

// A floor across the bottom of the display with Particles lying still on
// it (no gravity), and Walls - 1 further short walls up in the air.
TPhysics FloorWorld(size_t Particles, size_t Walls, uint64_t Seed);

// A full funnel of N rings, each at a random angle on its shrunk orbit
// about a centre near the Origin, as a funnel stands after many steps.
TWhirl FullWhirl(int32_t N, uint64_t Seed);
