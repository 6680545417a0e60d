#pragma once
// The desktop's millisecond clock: monotonic, counting from the system's steady epoch and wrapping as
// an unsigned 32-bit count, like the recorder's own.
#include <cstdint>

std::uint32_t DesktopClockNow();
// Makes it the clock behind TimeNow and seeds the meters' random generator from it.
void DesktopClockInstall();
