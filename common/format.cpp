#include "common/format.h"

#include <cstdarg>
#include <cstdio>

#include "common/debug.h"

int FormatText(char* buffer, std::size_t buff_size, const char* format, ...)
{
    if (!ASSERT(buff_size))
        return 0;
    va_list args;
    va_start(args, format);
    const int count = std::vsnprintf(buffer, buff_size, format, args);
    va_end(args);
    buffer[buff_size - 1] = 0;
    return count;
}
