#include "host/panel.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/hostdebug.h"
#include "host_fixture.h"
#include "uicore/uikeys.h"

namespace {

constexpr KeyMods NoMods = {false, false, false};
constexpr KeyMods ShiftCtrl = {true, true, false};
constexpr std::uint32_t Down = MSG_KEY_DOWN;
constexpr std::uint32_t Up = MSG_KEY_UP;

using KeyEvents = std::vector<std::pair<std::uint32_t, MsgParam>>;

class Panel : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        ShowProbe();
        dir = std::filesystem::temp_directory_path() / ("orvel-panel-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        Host.OutputDir = dir.string();
    }
    void TearDown() override
    {
        std::filesystem::remove_all(dir);
        Host.OutputDir.clear();
        HostTest::TearDown();
    }

    static PanelRegion& Region(std::int32_t key)
    {
        for (PanelRegion& r : PanelRegions)
            if (r.Key == key)
                return r;
        throw std::logic_error("no region");
    }

    std::string Regions()
    {
        std::ifstream in(dir / "regions.txt");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::filesystem::path dir;
};

// A page that records the key messages with their parameters.
KeyEvents* KeyLog;

std::uint32_t KeyRecorder(void*, Message* msg)
{
    if (msg->Id == MSG_KEY_DOWN || msg->Id == MSG_KEY_UP)
        KeyLog->push_back({msg->Id, msg->Param});
    return 0;
}

class PanelKeys : public Panel {
protected:
    void SetUp() override
    {
        Panel::SetUp();
        KeyLog = &keys;
        recorder.Handler = KeyRecorder;
        UIGotoPage(&recorder);
        KeyInputReset();  // no release is swallowed for a page switch before the test's keys
    }
    UIPage recorder = ProbePage(0, nullptr, 0);
    KeyEvents keys;  // the key messages the user interface received: {id, parameter}
};

}  // namespace

TEST_F(PanelKeys, EnterHoldsMenuLitUntilReleased)
{
    HostKeyDown(VK_RETURN, NoMods, false);
    EXPECT_EQ(Region(KEY_MENU).Pressed, 1);
    EXPECT_EQ(Region(KEY_MENU).Shown, 1);
    EXPECT_EQ(Host.Client.At(820, 140), Host.PanelLit.At(820, 140));
    HostKeyDown(VK_RETURN, NoMods, true);  // auto-repeat is ignored
    HostKeyUp(VK_RETURN, NoMods);
    EXPECT_EQ(Region(KEY_MENU).Shown, 0);
    EXPECT_EQ(Host.Client.At(820, 140), Host.PanelRest.At(820, 140));
    EXPECT_EQ(keys, (KeyEvents{{Down, KEY_MENU}, {Up, KEY_MENU}}));
}

TEST_F(PanelKeys, DebugLinesOfKeysAndCharacters)
{
    HostDebugQuiet(false);
    testing::internal::CaptureStdout();
    HostKeyDown(VK_ESCAPE, NoMods, false);
    HostChar('x');
    HostKeyDown('Q', NoMods, false);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "WM_KEYDOWN: 0000001B 00000009\nWM_CHAR 00000078 00000078\nWM_KEYDOWN: 00000051 FFFFFFFF\n");
}

TEST_F(Panel, RegionsAreHalfOpenAndFirstMatchWins)
{
    EXPECT_EQ(PanelHit(131, 52)->Key, KEY_TC);
    EXPECT_EQ(PanelHit(176, 80)->Key, KEY_TC);
    EXPECT_EQ(PanelHit(177, 80), nullptr);
    EXPECT_EQ(PanelHit(176, 81), nullptr);
    ASSERT_NE(PanelHit(820, 115), nullptr);
    EXPECT_EQ(PanelHit(820, 115)->Key, KEY_STAR);
    EXPECT_EQ(PanelHit(820, 116), nullptr);  // between STAR and MENU
    ASSERT_NE(PanelHit(820, 118), nullptr);
    EXPECT_EQ(PanelHit(820, 118)->Key, KEY_MENU);
}

TEST_F(Panel, CancelledRegionStaysShadedUntilThePlainClickIsReleased)
{
    ui.Answers.push_back(false);
    HostMouseDown(100, 100, ShiftCtrl);
    HostMouseUp(104, 102, ShiftCtrl);
    EXPECT_EQ(ui.Boxes.at(0).Kind, HostBox::OkCancel);
    const RgbPicture shaded = PanelShadedClient(0x3399FF);
    EXPECT_EQ(shaded.At(100, 100), 0x3399FFU);
    EXPECT_EQ(shaded.At(101, 100), Host.Client.At(101, 100));
    EXPECT_EQ(shaded.At(104, 100), Host.Client.At(104, 100));  // without B's own column
    HostMouseDown(5, 5, NoMods);
    EXPECT_EQ(PanelShadedClient(0x3399FF).At(100, 100), 0x3399FFU);
    HostMouseUp(5, 5, NoMods);
    EXPECT_EQ(PanelShadedClient(0x3399FF).At(100, 100), Host.Client.At(100, 100));
}

TEST_F(Panel, RegionFileThatCannotBeOpenedIsReported)
{
    Host.OutputDir = (dir / "missing" / "folder").string();
    HostMouseDown(1, 1, ShiftCtrl);
    HostMouseUp(2, 2, ShiftCtrl);
    ASSERT_EQ(ui.Boxes.size(), 2U);
    EXPECT_EQ(ui.Boxes[1].Text, "Failed to open file");
    EXPECT_EQ(ui.Boxes[1].Title, "Error");
}

