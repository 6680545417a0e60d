// The program under a file size limit of 512 bytes: a failed write is printed with its file and reason
// and ends the run with status 1, leaving nothing half-written and the earlier regions intact.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <tuple>

#include "headless_fixture.h"

TEST_F(HeadlessTest, UnderAFileSizeLimitAFailedWriteIsNamedAndLeavesNothingHalfWritten)
{
    const std::filesystem::path out = dir / "out";
    const std::string regions(600, '#');  // already past the limit
    const std::tuple<const char*, const char*, std::string> cases[] = {
        {"save-lcd", "orvel-0000.bmp", "[Error] Failed to write BMP file: File too large\n"},
        {"shot home.png", "home.png", ""},
        {"press MENU\nwait 100\ninspect state.json", "state.json", ""},
        {"SHIFT+CTRL+mousedown 10 20\nSHIFT+CTRL+mouseup 30 40", "regions.txt",
         "[Capture region] Region (10,20 -> 30,40)\n[Error] Failed to write " + (out / "regions.txt").string() +
             ": File too large\n"},
    };
    for (const auto& [script, file, printed] : cases) {
        std::filesystem::remove_all(out);
        std::filesystem::create_directories(out);
        std::ofstream(out / "regions.txt") << regions;
        std::ofstream(dir / "input.orvel") << "wait 100\n" << script << "\nshot after.png\n";
        const std::string command = "sh -c 'ulimit -f 1; exec " ORVEL_BINARY_DIR "/headless/orvel-headless --quiet "
                                    "--out " + out.string() + "' < " + (dir / "input.orvel").string() + " > " +
                                    (dir / "stdout").string() + " 2> " + (dir / "stderr").string();
        const int status = std::system(command.c_str());
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1) << script;
        EXPECT_EQ(Read("stdout"), printed);
        EXPECT_EQ(Read("stderr"), "orvel-headless: cannot write " + (out / file).string() + ": File too large\n");
        EXPECT_EQ(Read(out / "regions.txt"), regions);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out), {}), 1) << script << ": only regions.txt";
    }
}
