// The whole front end: reading and checking the script, the output folder, the exit statuses, and the
// program itself.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>

#include "headless_fixture.h"

namespace {

class HeadlessProgram : public HeadlessTest {
protected:
    // Runs the built program through the shell: its exit status; its output streams go to files.
    int Program(const std::string& arguments, const std::string& input)
    {
        std::ofstream(dir / "input.orvel", std::ios::binary) << input;
        const std::string command = std::string(ORVEL_BINARY_DIR) + "/headless/orvel-headless " + arguments + " < " +
                                    (dir / "input.orvel").string() + " > " + (dir / "stdout").string() + " 2> " +
                                    (dir / "stderr").string();
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
};

}  // namespace

TEST_F(HeadlessProgram, ScriptErrorsStopTheRunBeforeAnyCommand)
{
    const std::pair<std::string, std::string> bad[] = {
        {"jump 3", "unknown command 'jump'"},   {"press TURBO", "unknown key 'TURBO'"},
        {"wait 1s", "bad number '1s'"},         {"shot b.png 12", "zoom 12 is not 1 to 8"},
        {"menu Orvel 5", "unknown menu item 'Orvel 5'"},
    };
    options.OutDir = (dir / "out").string();
    for (const auto& [line, message] : bad) {
        err.str("");
        EXPECT_EQ(RunFile("wait 10\nshot early.png\n# fine so far\nsave-lcd\n" + line + "\nshot late.png\n"), 2);
        EXPECT_EQ(err.str(), options.ScriptPath + ":5: " + message + "\n");
        EXPECT_FALSE(std::filesystem::exists(options.OutDir)) << "nothing may run, not even the folder be made";
    }
    EXPECT_EQ(out.str(), "");
}

TEST_F(HeadlessProgram, ScriptFromStandardInputAndAnUnreadableOne)
{
    options.ScriptPath = "-";
    std::istringstream good("wait 30\nshot in.png 2\n");
    EXPECT_EQ(HeadlessRun(options, good, out, err), 0);
    EXPECT_TRUE(Exists("in.png"));
    std::istringstream bad("wait 30\nwiat 40\n");
    EXPECT_EQ(HeadlessRun(options, bad, out, err), 2);
    EXPECT_EQ(err.str(), "<stdin>:2: unknown command 'wiat'\n");
    err.str("");
    options.ScriptPath = (dir / "missing.orvel").string();
    EXPECT_EQ(HeadlessRun(options, good, out, err), 2);
    EXPECT_EQ(err.str(), options.ScriptPath + ":0: cannot read the script: No such file or directory\n");
}

TEST_F(HeadlessProgram, OutputFolderIsMadeWhenMissing)
{
    options.OutDir = (dir / "shots" / "today").string();
    EXPECT_EQ(RunFile("shot home.png\n"), 0);
    EXPECT_TRUE(std::filesystem::exists(dir / "shots" / "today" / "home.png"));
    std::ofstream(dir / "plain") << "a file, not a folder";
    options.OutDir = (dir / "plain" / "sub").string();
    EXPECT_EQ(RunFile("shot home.png\n"), 1);
    EXPECT_EQ(err.str().rfind("orvel-headless: cannot create " + options.OutDir + ": ", 0), 0U) << err.str();
}

TEST_F(HeadlessProgram, ShotThatCannotBeWrittenStopsTheRun)
{
    EXPECT_EQ(RunFile("shot no/such/first.png\nshot second.png\n"), 1);
    EXPECT_EQ(err.str(), "orvel-headless: cannot write " + (dir / "no/such/first.png").string() +
                             ": No such file or directory\n");
    EXPECT_FALSE(Exists("second.png"));
}

TEST_F(HeadlessProgram, CapturesThatCannotBeWrittenStopTheRun)
{
    Start();
    std::filesystem::remove_all(dir);
    EXPECT_EQ(Run("save-lcd\nshot after.png"), 1);
    EXPECT_EQ(err.str(), "orvel-headless: cannot write " + (dir / "orvel-0000.bmp").string() +
                             ": No such file or directory\n");
    EXPECT_EQ(out.str(), "[Error] Failed to write BMP file: No such file or directory\n");
    err.str("");
    EXPECT_EQ(Run("SHIFT+CTRL+mousedown 1 2\nSHIFT+CTRL+mouseup 5 6"), 1);
    EXPECT_EQ(err.str(), "orvel-headless: cannot write " + (dir / "regions.txt").string() +
                             ": No such file or directory\n");
    EXPECT_FALSE(Exists("after.png"));
}

TEST_F(HeadlessProgram, ProgramRunsAScriptFromItsStandardInputAndItsExitStatusesTellWhatWentWrong)
{
    EXPECT_EQ(Program("--quiet --out " + dir.string() + " -- lite", "wait 100\nshot lite.png 2\nsave-lcd\n"), 0);
    RgbPicture shot;
    ASSERT_TRUE(PngRead((dir / "lite.png").string(), shot));
    EXPECT_EQ(std::pair(shot.Width, shot.Height), std::pair(440, 352));
    EXPECT_EQ(Read("stdout"), "[Captured] LCD bitmap saved to " + (dir / "orvel-0000.bmp").string() + "\n");
    EXPECT_EQ(Read("stderr"), "");
    EXPECT_EQ(Program("--quiet", "wait 10\nfly\n"), 2);
    EXPECT_EQ(Read("stderr"), "<stdin>:2: unknown command 'fly'\n");
    EXPECT_EQ(Program("--tick 0", ""), 2);
    EXPECT_EQ(Read("stderr").rfind("orvel-headless: --tick takes", 0), 0U);
    EXPECT_NE(Read("stderr").find("usage: orvel-headless"), std::string::npos);
    EXPECT_EQ(Program("--quiet --out " + dir.string(), "shot missing/x.png\n"), 1);
    EXPECT_EQ(Program("--help", ""), 0);
    EXPECT_EQ(Read("stdout").rfind("usage: orvel-headless", 0), 0U);
}
