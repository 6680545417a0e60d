// The inputs the fuzz targets ever stopped on (regressions/) and those they start from (corpus/) go
// through the targets' checks: a broken promise is an assertion report and fails the test, and the
// asan build catches what an input does to memory.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "fuzz/parse_checks.h"

namespace {

const std::filesystem::path FuzzDir = std::filesystem::path(ORVEL_SOURCE_DIR) / "tests" / "fuzz";

std::vector<std::filesystem::path> InputsOf(const char* reader)
{
    std::vector<std::filesystem::path> inputs;
    for (const char* kind : {"regressions", "corpus"}) {
        const std::filesystem::path dir = FuzzDir / kind / reader;
        if (std::filesystem::is_directory(dir))  // no regressions until a fuzzer finds one
            for (const auto& entry : std::filesystem::directory_iterator(dir))
                inputs.push_back(entry.path());
    }
    std::ranges::sort(inputs);
    return inputs;
}

std::string Contents(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

TEST(FuzzInputs, EveryFoundCrashAndEverySeedKeepsTheReadersPromises)
{
    const struct {
        const char* Reader;
        void (*Check)(std::string_view input);
    } readers[] = {{"script", CheckScriptInput}, {"options", CheckCommandLineInput}};
    for (const auto& [reader, check] : readers) {
        const std::vector<std::filesystem::path> inputs = InputsOf(reader);
        EXPECT_FALSE(inputs.empty()) << "no inputs for the " << reader << " reader under " << FuzzDir;
        for (const std::filesystem::path& input : inputs) {
            SCOPED_TRACE(input.string());
            check(Contents(input));
        }
    }
}
