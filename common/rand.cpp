#include "common/rand.h"

namespace {

std::uint32_t State = 1;

}  // namespace

void Rand15Seed(std::uint32_t seed)
{
    State = seed;
}

// The classic linear congruential step, keeping bits 16 to 30 of the state.
std::int32_t Rand15()
{
    State = State * 214013U + 2531011U;
    return static_cast<std::int32_t>((State >> 16) & RAND_15_MAX);
}
