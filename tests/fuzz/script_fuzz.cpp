// libFuzzer target: any bytes as a script of the headless front end.
#include <cstddef>
#include <cstdint>

#include "parse_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CheckScriptInput({reinterpret_cast<const char*>(data), size});
    return 0;
}
