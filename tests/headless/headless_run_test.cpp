// The whole front end: the output folder, the exit statuses, and the program itself (its bad input is
// badinput_test's table).
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <tuple>

#include "headless_fixture.h"

namespace fs = std::filesystem;

TEST_F(HeadlessTest, OutputFolderIsMadeWhenMissingAndWhatCannotBeWrittenStopsTheRun)
{
    options.OutDir = (dir / "shots" / "today").string();
    EXPECT_EQ(RunFile("shot home.png\n"), 0);
    EXPECT_TRUE(fs::exists(dir / "shots" / "today" / "home.png"));
    std::ofstream(dir / "plain") << "a file, not a folder";
    options.OutDir = (dir / "plain" / "sub").string();
    EXPECT_EQ(RunFile("shot home.png\n"), 1);
    EXPECT_EQ(err.str().rfind("orvel-headless: cannot create " + options.OutDir + ": ", 0), 0U) << err.str();

    const std::tuple<const char*, const char*, const char*> failing[] = {
        {"shot no/such/first.png", "no/such/first.png", ""}, {"inspect no/such/state.json", "no/such/state.json", ""},
        {"save-lcd", "orvel-0000.bmp", "[Error] Failed to write BMP file: No such file or directory\n"},
        {"SHIFT+CTRL+mousedown 1 2\nSHIFT+CTRL+mouseup 5 6", "regions.txt",
         "[Capture region] Region (1,2 -> 5,6)\n[Error] Failed to open file\n"},
    };
    options.OutDir = (dir / "gone").string();
    for (const auto& [script, file, message] : failing) {
        Start();
        fs::remove_all(options.OutDir);
        err.str("");
        out.str("");
        EXPECT_EQ(Run(std::string(script) + "\nshot after.png"), 1);
        EXPECT_EQ(err.str(), "orvel-headless: cannot write " + (dir / "gone" / file).string() +
                                 ": No such file or directory\n");
        EXPECT_EQ(out.str(), message);
        EXPECT_FALSE(fs::exists(dir / "gone" / "after.png"));
        Stop();
    }
}

TEST_F(HeadlessTest, ProgramRunsAScriptFromItsStandardInputAndItsExitStatusesTellWhatWentWrong)
{
    // Runs the built program through the shell: its exit status; its output streams go to files.
    const auto program = [this](const std::string& arguments, const std::string& input) {
        std::ofstream(dir / "input.orvel", std::ios::binary) << input;
        const std::string command = std::string(ORVEL_BINARY_DIR) + "/headless/orvel-headless " + arguments + " < " +
                                    (dir / "input.orvel").string() + " > " + (dir / "stdout").string() + " 2> " +
                                    (dir / "stderr").string();
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    EXPECT_EQ(program("--quiet --out " + dir.string() + " -- lite", "wait 100\nshot lite.png 2\nsave-lcd\n"), 0);
    RgbPicture shot;
    ASSERT_TRUE(PngRead((dir / "lite.png").string(), shot));
    EXPECT_EQ(std::pair(shot.Width, shot.Height), std::pair(440, 352));
    EXPECT_EQ(Read("stdout"), "[Captured] LCD bitmap saved to " + (dir / "orvel-0000.bmp").string() + "\n");
    EXPECT_EQ(Read("stderr"), "");
    EXPECT_EQ(program("--quiet --out " + dir.string(), "shot missing/x.png\n"), 1);
    EXPECT_EQ(program("--help", ""), 0);
    EXPECT_EQ(Read("stdout").rfind("usage: orvel-headless", 0), 0U);
}
