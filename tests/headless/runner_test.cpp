// The runner drives the shared host logic as a desktop would, on the virtual clock.
#include "headless/runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>

#include "headless_fixture.h"
#include "host/bmpcapture.h"
#include "host/host_fixture.h"
#include "uicore/uikeys.h"
#include "uicore/uitimer.h"

namespace {

using KeyEvents = std::vector<std::pair<std::uint32_t, MsgParam>>;
constexpr std::uint32_t Down = MSG_KEY_DOWN, Up = MSG_KEY_UP;

KeyEvents* KeyLog;

std::uint32_t KeyRecorder(void*, Message* msg)
{
    const bool key = msg->Id == MSG_KEY_DOWN || msg->Id == MSG_KEY_UP;
    if (key)
        KeyLog->push_back({msg->Id, msg->Param});
    return key ? 1 : 0;  // taken here, so that the recorder's global keys and shortcuts do not leave the page
}

using HeadlessRunning = HeadlessTest;
UIPage Probe = ProbePage(0, nullptr, 0);  // logs every message it receives

}  // namespace

// Input as a user gives it, on a page that records the key messages: what the recorder receives, what
// the message boxes print and what the region capture writes.
TEST_F(HeadlessRunning, InputScenarios)
{
    const struct {
        const char* Script;
        KeyEvents Keys;
        std::string Out, Regions;
    } scenarios[] = {
        // Ctrl combinations come as key-downs only.
        {"press ENTER\npress a\npress CTRL+R\npress SHIFT+F5\ntype Hi\npress ALT+1\npress F1\n",
         {{Down, KEY_MENU}, {Up, KEY_MENU}, {Down, 'a'}, {Up, 'a'}, {Down, 0x8052}, {Down, 0x1010}, {Up, 0x1010},
          {Down, 'H'}, {Up, 'H'}, {Down, 'i'}, {Up, 'i'}, {Down, 0x4031}, {Down, KEY_F1}, {Up, KEY_F1}}},
        // Panel keys are clicked on the panel.
        {"press TC\npress A-MIX\n", {{Down, KEY_TC}, {Up, KEY_TC}, {Down, KEY_AMIX}, {Up, KEY_AMIX}}},
        // Ctrl with the arrows steps the meter levels: the release belongs to no press.
        {"press CTRL+UP\n", {{Up, 0x808C}}},
        // Ctrl holds panel keys until it is released; they come up in the order of the panel's table.
        {"CTRL+click 834 102\npress CTRL+HP\npress MENU\nup CTRL\n",
         {{Down, KEY_STAR}, {Down, KEY_HP}, {Down, KEY_MENU}, {Up, KEY_MENU}, {Up, KEY_HP}, {Up, KEY_STAR}}},
        // Each panel key comes up when it is released, in any order, beside the pointer's and the
        // keyboard's; Ctrl lets go only of the keys it kept; releases of keys not held are ignored.
        {"up MENU\ndown MENU\ndown HP\nmousedown 834 102\nup MENU\ndown MENU\nmouseup 0 0\nup HP\nup MENU\nup HP\n",
         {{Down, KEY_MENU}, {Down, KEY_HP}, {Down, KEY_STAR}, {Up, KEY_MENU}, {Down, KEY_MENU}, {Up, KEY_STAR},
          {Up, KEY_HP}, {Up, KEY_MENU}}},
        {"down ENTER\ndown HP\nCTRL+click 834 102\nup CTRL\nup HP\nup ENTER\n",
         {{Down, KEY_MENU}, {Down, KEY_HP}, {Down, KEY_STAR}, {Up, KEY_STAR}, {Up, KEY_HP}, {Up, KEY_MENU}}},
        {"mousedown 834 102\nup STAR\ndown STAR\nmouseup 0 0\nup STAR\n", {{Down, KEY_STAR}, {Up, KEY_STAR}}},
        {"answer cancel\nSHIFT+CTRL+mousedown 10 20\nSHIFT+CTRL+mouseup 30 40\n"
         "SHIFT+CTRL+mousedown 1 2\nmove 3 4\nSHIFT+CTRL+mouseup 3 4\n",
         {}, "[Capture region] Region (10,20 -> 30,40)\n[Capture region] Region (1,2 -> 3,4)\n",
         "    { 0, {   1,    2,    3,    4}, 0, 0 },\n"},
    };
    for (const auto& s : scenarios) {
        SCOPED_TRACE(s.Script);
        KeyEvents keys;
        KeyLog = &keys;
        UIPage recorder = ProbePage(0, nullptr, 0);
        recorder.Handler = KeyRecorder;
        out.str("");
        Start(&recorder);
        ASSERT_EQ(Run(s.Script), 0);
        EXPECT_EQ(keys, s.Keys);
        EXPECT_EQ(out.str(), s.Out);
        EXPECT_EQ(Read("regions.txt"), s.Regions);
        for (const PanelRegion* r = PanelRegions.data(); r->Key >= 0; ++r)
            EXPECT_EQ(r->Pressed, 0) << r->Label;
        Stop();
    }
}

TEST_F(HeadlessRunning, TicksFallOnEveryMultipleOfTheTickAndTimersRoundUp)
{
    const std::uint32_t ids[] = {MSG_TICK, MSG_TIMER_10MS, MSG_TIMECODE, MSG_TIMER_100MS, MSG_TIMER_1S};
    const struct {
        std::uint32_t Tick;
        const char* Script;
        std::vector<std::size_t> Counts;  // of the ids above
        std::uint32_t Now;
    } cases[] = {
        // no tick falls due in the small waits; the one at 1010 ms sees 10 ms since the previous one
        {10, "wait 1000\nwait 5\nwait 4\nwait 1", {101, 101, 33, 10, 1}, 1010},
        {5, "wait 5\nwait 100", {21, 0, 0, 0, 0}, 105},  // below 10 ms only the tick
        {16, "wait 100\nwait 12", {7, 7, 3, 1, 0}, 112},  // the tick at 112 ms completes 100 ms
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Tick << " ms ticks: " << c.Script);
        options.TickMs = c.Tick;
        Start(&Probe);
        ASSERT_EQ(Run(c.Script), 0);
        std::vector<std::size_t> counts;
        for (std::uint32_t id : ids)
            counts.push_back(Log(id).size());
        EXPECT_EQ(counts, c.Counts);
        EXPECT_EQ(VirtualClockNow(), c.Now);
        Stop();
    }
}

TEST_F(HeadlessRunning, HeldKeySeesTheTimeGoByAndShowsLit)
{
    Start(&Probe);
    const auto menu = std::ranges::find_if(PanelRegions, [](const PanelRegion& r) { return r.Key == KEY_MENU; });
    const int x = menu->Rect.Left + 3, y = menu->Rect.Top + 3;
    ASSERT_EQ(Run("down MENU\nwait 300"), 0);
    EXPECT_EQ(Host.Client.At(x, y), Host.PanelLit.At(x, y));
    ASSERT_EQ(Run("wait 300\nup MENU"), 0);
    EXPECT_EQ(Host.Client.At(x, y), Host.PanelRest.At(x, y));
    const std::vector<Received>& log = Log();
    const auto down = std::find_if(log.begin(), log.end(), [](const Received& r) { return r.Id == MSG_KEY_DOWN; });
    const auto up = std::find_if(log.begin(), log.end(), [](const Received& r) { return r.Id == MSG_KEY_UP; });
    ASSERT_TRUE(down < up && up != log.end());
    EXPECT_EQ(std::count_if(down, up, [](const Received& r) { return r.Id == MSG_TIMER_10MS; }), 60);
}

// Two runs of one script give the same files: shots as the views show the LCD, Save LCD the unturned BMP.
TEST_F(HeadlessRunning, SameScriptGivesTheSameFilesShotsAsTheViewsShowTheLcdAndSaveLcdTheUnturnedBmp)
{
    for (const char* run : {"first", "second"}) {
        options.OutDir = (dir / run).string();
        std::filesystem::create_directories(options.OutDir);
        Stop();
        out.str("");
        Start(&SlateTestPage);
        ASSERT_EQ(Run("wait 250\nshot early.png 2\nwait 1000\nshot late.png 3\nshot one.png\nsave-lcd\n"
                      "menu Save LCD\n"),
                  0);
    }
    ASSERT_EQ(LcdCanvas.Rotated, 1);  // the slate page shows the LCD turned
    for (const auto& [file, zoom] : {std::pair{"late.png", 3}, {"one.png", 1}}) {
        RgbPicture shot;
        ASSERT_TRUE(PngRead((dir / "second" / file).string(), shot));
        const RgbPicture shown = CanvasPicture(&LcdCanvas, zoom);
        EXPECT_TRUE(shot.Width == shown.Width && shot.Pixels == shown.Pixels) << file;
    }
    const std::string expected(reinterpret_cast<const char*>(LcdBmpBytes().data()), LCD_BMP_SIZE);
    EXPECT_EQ(Read(dir / "second" / "orvel-0000.bmp"), expected);
    EXPECT_EQ(Read(dir / "second" / "orvel-0001.bmp"), expected);
    EXPECT_EQ(out.str(), "[Captured] LCD bitmap saved to " + (dir / "second" / "orvel-0000.bmp").string() +
                             "\n[Captured] LCD bitmap saved to " + (dir / "second" / "orvel-0001.bmp").string() + "\n");
    for (const char* file : {"early.png", "late.png", "orvel-0000.bmp"})
        EXPECT_EQ(Read(dir / "first" / file), Read(dir / "second" / file)) << file;
    EXPECT_NE(Read(dir / "first" / "early.png"), Read(dir / "first" / "late.png"));  // the timecode ran on
}

// "inspect" writes the inspector's document on one line of the output, or spread over lines into a file.
TEST_F(HeadlessRunning, InspectWritesTheStateAsALineOrAFile)
{
    Start();
    ASSERT_EQ(Run("wait 30\ninspect\ninspect state.json\n"), 0);
    const std::string line = out.str(), file = Read("state.json");
    ASSERT_EQ(std::ranges::count(line, '\n'), 1);
    EXPECT_GT(std::ranges::count(file, '\n'), 10);
    const nlohmann::json state = nlohmann::json::parse(line);
    EXPECT_EQ(state, nlohmann::json::parse(file));
    EXPECT_EQ(state["time"], 30);
    EXPECT_EQ(state["model"]["tracks"], 12);
}

// Without --quiet the debug lines go to the standard output and a note tells the panel pictures are missing.
TEST_F(HeadlessRunning, DebugLinesAndNotesOnlyWithoutQuiet)
{
    for (const bool quiet : {false, true}) {
        SCOPED_TRACE(quiet ? "quiet" : "not quiet");
        options.Quiet = quiet;
        err.str("");
        testing::internal::CaptureStdout();
        Start();
        ASSERT_EQ(Run("wait 1000\ntype x\npress ESC"), 0);
        EXPECT_EQ(testing::internal::GetCapturedStdout(),
                  quiet ? "" : "MSG_TIMER_1S 1000\nWM_CHAR 00000078 00000078\nWM_KEYDOWN: 0000001B 00000009\n");
        EXPECT_EQ(err.str(), quiet ? "" : "orvel-headless: note: no usable panel pictures in " + options.PanelDir +
                                              "; plain ones stand in, the panel is never shown here\n");
        Stop();
    }
}
