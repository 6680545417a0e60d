#pragma once
// The desktop's real millisecond clock: monotonic, counting from the system's steady epoch and wrapping
// as an unsigned 32-bit count. The clock behind TimeNow is the simulated one (desktop/timecontrol.h);
// this one only gives a run its seed when none is asked for.
#include <cstdint>

std::uint32_t DesktopClockNow();
