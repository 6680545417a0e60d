#include "common/debug.h"

#include <cstdio>
#include <cstring>

namespace {

void WriteToStderr(const AssertReport& report)
{
    std::fprintf(stderr, "Assertion failed: %s, module %s, line %u\n", report.Expression, report.Module,
                 report.Line);
}

AssertSink CurrentSink = WriteToStderr;

// Reduces a compiler path such as "/src/uicore/uimain.cpp" to "uicore/uimain".
void ModuleFromPath(const char* path, char* module, std::size_t size)
{
    const char* start = path;
    const char* lastSlash = std::strrchr(path, '/');
    if (lastSlash) {
        const char* folder = lastSlash;
        while (folder > path && folder[-1] != '/')
            --folder;
        start = folder;
    }
    std::size_t length = std::strlen(start);
    const char* dot = std::strrchr(start, '.');
    if (dot && (!lastSlash || dot > lastSlash))
        length = static_cast<std::size_t>(dot - start);
    if (length >= size)
        length = size - 1;
    std::memcpy(module, start, length);
    module[length] = 0;
}

}  // namespace

AssertSink AssertSetSink(AssertSink sink)
{
    AssertSink previous = CurrentSink;
    CurrentSink = sink ? sink : WriteToStderr;
    return previous;
}

void AssertFailed(const char* expression, const char* file, unsigned line)
{
    char module[64];
    ModuleFromPath(file, module, sizeof module);
    CurrentSink({.Expression = expression, .Module = module, .Line = line});
}
