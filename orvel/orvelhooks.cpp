#include "orvel/orvelhooks.h"

#include "common/debug.h"
#include "common/numberof.h"

std::uint8_t AutoMix[8][8];

std::uint32_t AutoMixEnabled(std::uint32_t, std::uint32_t n)
{
    if (!ASSERT(n < numberof(AutoMix[0])))
        return 0;
    return AutoMix[0][n];
}
