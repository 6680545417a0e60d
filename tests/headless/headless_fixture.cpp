#include "headless_fixture.h"

#include <algorithm>
#include <fstream>
#include <unistd.h>

#include "host/hostdebug.h"
#include "ui/uislate.h"
#include "uicore/uikeys.h"

UIPage SlateTestPage = {.Handler = UISlateHandler, .Flags = 0, .Parent = nullptr, .ControlIndex = -1, .NControls = 0,
                        .Controls = nullptr};

void HeadlessTest::SetUp()
{
    UITest::SetUp();
    const std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
    dir = std::filesystem::temp_directory_path() / ("orvel-headless-" + std::to_string(::getpid()) + "-" + test);
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    options.OutDir = dir.string();
    options.Quiet = true;
    options.PanelDir = (dir / "no-panel").string();  // the plain pictures, whatever the source tree holds
}

void HeadlessTest::TearDown()
{
    runner.reset();
    HostDebugQuiet(false);
    std::filesystem::remove_all(dir);
    UITest::TearDown();
}

void HeadlessTest::Start(UIPage* page)
{
    runner = std::make_unique<HeadlessRunner>(options, out, err);
    ASSERT_TRUE(runner->Start());
    if (page) {
        UIGotoPage(page);
        std::ranges::fill(KeyReleaseIgnoreTbl, 0);
        Log().clear();
    }
}

int HeadlessTest::Run(const std::string& text)
{
    const ScriptParse parse = ParseScript(text);
    EXPECT_EQ(parse.Error, "") << "line " << parse.ErrorLine;
    return runner->Run(parse.Commands);
}

int HeadlessTest::RunFile(const std::string& text)
{
    options.ScriptPath = (dir / "test.orvel").string();
    std::ofstream(options.ScriptPath, std::ios::binary) << text;
    return HeadlessRun(options, out, err);
}

std::string HeadlessTest::Read(const std::filesystem::path& file) const
{
    std::ifstream in(file.is_absolute() ? file : dir / file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
