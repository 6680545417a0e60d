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

const std::filesystem::path Source = ORVEL_SOURCE_DIR;

// The files of the folders that exist: a reader has no regressions until a fuzzer stops on an input.
std::vector<std::filesystem::path> FilesIn(std::initializer_list<std::filesystem::path> dirs)
{
    std::vector<std::filesystem::path> files;
    for (const std::filesystem::path& dir : dirs)
        if (std::filesystem::is_directory(dir))
            for (const auto& entry : std::filesystem::directory_iterator(dir))
                files.push_back(entry.path());
    std::ranges::sort(files);
    return files;
}

std::string Contents(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

TEST(FuzzInputs, EveryFoundCrashAndEverySeedKeepsTheReadersPromises)
{
    const std::filesystem::path fuzz = Source / "tests" / "fuzz";
    const struct {
        std::vector<std::filesystem::path> Inputs;
        void (*Check)(std::string_view input);
    } readers[] = {
        {FilesIn({fuzz / "regressions" / "script", fuzz / "corpus" / "script", Source / "examples"}), CheckScriptInput},
        {FilesIn({fuzz / "regressions" / "options", fuzz / "corpus" / "options"}), CheckCommandLineInput},
    };
    for (const auto& [inputs, check] : readers) {
        EXPECT_FALSE(inputs.empty()) << "no inputs under " << fuzz;
        for (const std::filesystem::path& input : inputs) {
            SCOPED_TRACE(input.string());
            check(Contents(input));
        }
    }
}
