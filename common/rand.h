#pragma once
// The recorder's C library generator: 15-bit pseudo-random numbers, 0 to 32767, from a seed the
// front end sets, so that a fixed seed gives the same sequence on every host.
#include <cstdint>

constexpr std::int32_t RAND_15_MAX = 32767;

void Rand15Seed(std::uint32_t seed);
std::int32_t Rand15();
