#pragma once
// Model hooks: functions through which the simulated recorder answers the settings, lists and
// matrices of the pages before their own handlers do. A hook returns nonzero when it took the message.
#include <cstdint>

#include "message/message.h"

// Auto-mix enables: the first row holds one byte per input of a group.
extern std::uint8_t AutoMix[8][8];

// Whether input n takes part in the auto-mix; the group (0 analog, 4 returns, 10 digital) does
// not change the answer.
std::uint32_t AutoMixEnabled(std::uint32_t group, std::uint32_t n);
