// libFuzzer target: any bytes as a command line of both front ends, a NUL or a line end after each word.
#include <cstddef>
#include <cstdint>

#include "parse_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CheckCommandLineInput({reinterpret_cast<const char*>(data), size});
    return 0;
}
