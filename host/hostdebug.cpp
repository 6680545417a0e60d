#include "host/hostdebug.h"

#include <cstdarg>
#include <cstdio>

namespace {

bool Quiet;

}  // namespace

void HostDebug(const char* format, ...)
{
    if (Quiet)
        return;
    va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
    std::fflush(stdout);
}

void HostDebugQuiet(bool quiet)
{
    Quiet = quiet;
}
