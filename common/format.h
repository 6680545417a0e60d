#pragma once
#include <cstddef>

// Bounded formatting used everywhere a text is built: formats at most size - 1 characters, always
// terminates at size - 1 and returns the formatter's count (the length the whole text would have).
// With size 0 it reports "buff_size" and writes nothing.
int FormatText(char* buffer, std::size_t buff_size, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
