// The fuzz targets stop on the first assertion report, so that libFuzzer keeps the input as a crash:
// the recorder's own sink would report and carry on.
#include <cstdio>
#include <cstdlib>

#include "common/debug.h"

namespace {

void AbortOnReport(const AssertReport& report)
{
    std::fprintf(stderr, "assertion report: \"%s\" in %s, line %u\n", report.Expression, report.Module, report.Line);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    AssertSetSink(AbortOnReport);
    return 0;
}
