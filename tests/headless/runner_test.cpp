// The runner drives the shared host logic as a desktop would, on the virtual clock.
#include "headless/runner.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/rand.h"
#include "headless_fixture.h"
#include "host/bmpcapture.h"
#include "host/hostapp.h"
#include "orvel/orvel.h"
#include "uicore/uikeys.h"
#include "uicore/uitimer.h"

namespace {

using KeyEvents = std::vector<std::pair<std::uint32_t, MsgParam>>;
constexpr std::uint32_t Down = MSG_KEY_DOWN;
constexpr std::uint32_t Up = MSG_KEY_UP;

KeyEvents* KeyLog;

std::uint32_t KeyRecorder(void*, Message* msg)
{
    if (msg->Id == MSG_KEY_DOWN || msg->Id == MSG_KEY_UP)
        KeyLog->push_back({msg->Id, msg->Param});
    // taken here, so that the recorder's global keys and shortcuts do not leave the page
    return msg->Id == MSG_KEY_DOWN || msg->Id == MSG_KEY_UP ? 1 : 0;
}

const PanelRegion& Region(std::int32_t key)
{
    const PanelRegion* r = PanelRegions;
    while (r->Key >= 0 && r->Key != key)
        ++r;
    return *r;
}

PanelPoint Centre(std::int32_t key)
{
    const PanelRect& rect = Region(key).Rect;
    return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
}

class HeadlessRunning : public HeadlessTest {
protected:
    // Starts on a page that records the key messages.
    void StartRecordingKeys()
    {
        KeyLog = &keys;
        recorder.Handler = KeyRecorder;
        Start(&recorder);
    }

    // Starts on a page that logs every message it receives.
    void StartProbing()
    {
        Name(&probe, "probe");
        Start(&probe);
    }

    std::size_t Count(std::uint32_t id) { return Log(id).size(); }

    KeyEvents keys;
    UIPage recorder = ProbePage(0, nullptr, 0);
    UIPage probe = ProbePage(0, nullptr, 0);
};

bool SamePicture(const RgbPicture& a, const RgbPicture& b)
{
    return a.Width == b.Width && a.Height == b.Height && a.Pixels == b.Pixels;
}

}  // namespace

TEST_F(HeadlessRunning, ShotIsTheLcdAsTheViewsShowIt)
{
    Start(&SlateTestPage);
    ASSERT_EQ(Run("wait 1000\nshot slate.png 3\nshot one.png\n"), 0);
    ASSERT_EQ(LcdCanvas.Rotated, 1);  // the slate page shows the LCD turned
    RgbPicture zoomed;
    RgbPicture plain;
    ASSERT_TRUE(PngRead((dir / "slate.png").string(), zoomed));
    ASSERT_TRUE(PngRead((dir / "one.png").string(), plain));
    EXPECT_TRUE(SamePicture(zoomed, CanvasPicture(&LcdCanvas, 3)));
    EXPECT_TRUE(SamePicture(plain, CanvasPicture(&LcdCanvas, 1)));
    EXPECT_EQ(out.str(), "");
}

TEST_F(HeadlessRunning, SaveLcdWritesTheUnturnedBmpAndPrintsItsBox)
{
    Start(&SlateTestPage);
    ASSERT_EQ(Run("wait 300\nsave-lcd\nmenu Save LCD\n"), 0);
    const std::string expected(reinterpret_cast<const char*>(LcdBmpBytes().data()), LCD_BMP_SIZE);
    EXPECT_EQ(Read("orvel-0000.bmp"), expected);
    EXPECT_EQ(Read("orvel-0001.bmp"), expected);
    EXPECT_EQ(out.str(), "[Captured] LCD bitmap saved to " + (dir / "orvel-0000.bmp").string() +
                             "\n[Captured] LCD bitmap saved to " + (dir / "orvel-0001.bmp").string() + "\n");
}

TEST_F(HeadlessRunning, SameScriptAndSeedGiveTheSameFiles)
{
    const std::string script = "wait 250\nshot early.png 2\nsave-lcd\nwait 1300\nshot late.png 2\n";
    for (const char* run : {"first", "second"}) {
        options.OutDir = (dir / run).string();
        std::filesystem::create_directories(options.OutDir);
        Start(&SlateTestPage);
        ASSERT_EQ(Run(script), 0);
        Stop();
    }
    for (const char* file : {"early.png", "late.png", "orvel-0000.bmp"}) {
        EXPECT_FALSE(Read(dir / "first" / file).empty()) << file;
        EXPECT_EQ(Read(dir / "first" / file), Read(dir / "second" / file)) << file;
    }
    EXPECT_NE(Read(dir / "first" / "early.png"), Read(dir / "first" / "late.png"));  // the timecode ran on
}

TEST_F(HeadlessRunning, WaitTicksOnEveryMultipleOfTenMilliseconds)
{
    StartProbing();
    ASSERT_EQ(Run("wait 1000"), 0);
    EXPECT_EQ(VirtualClockNow(), 1000U);
    EXPECT_EQ(Count(MSG_TICK), 100U);
    EXPECT_EQ(Count(MSG_TIMER_10MS), 100U);
    EXPECT_EQ(Count(MSG_TIMECODE), 33U);
    EXPECT_EQ(Count(MSG_TIMER_100MS), 10U);
    EXPECT_EQ(Count(MSG_TIMER_1S), 1U);
    Log().clear();
    ASSERT_EQ(Run("wait 5\nwait 4"), 0);  // no tick falls due yet
    EXPECT_EQ(Count(MSG_TICK), 0U);
    ASSERT_EQ(Run("wait 1"), 0);  // the tick at 1010 ms sees 10 ms since the previous one
    EXPECT_EQ(Count(MSG_TIMER_10MS), 1U);
    EXPECT_EQ(VirtualClockNow(), 1010U);
}

TEST_F(HeadlessRunning, TicksBelowTenMillisecondsDriveOnlyTheTick)
{
    options.TickMs = 5;
    StartProbing();
    ASSERT_EQ(Run("wait 5\nwait 100"), 0);
    EXPECT_EQ(Count(MSG_TICK), 21U);
    EXPECT_EQ(Count(MSG_TIMER_10MS), 0U);
}

TEST_F(HeadlessRunning, LongerTicksRoundTheTimersUp)
{
    options.TickMs = 16;
    StartProbing();
    ASSERT_EQ(Run("wait 100"), 0);  // ticks at 16, 32, ... 96
    EXPECT_EQ(Count(MSG_TIMER_10MS), 6U);
    EXPECT_EQ(Count(MSG_TIMER_100MS), 0U);
    ASSERT_EQ(Run("wait 12"), 0);  // the tick at 112 ms completes the first 100 ms
    EXPECT_EQ(Count(MSG_TIMER_100MS), 1U);
    EXPECT_EQ(VirtualClockNow(), 112U);
}

TEST_F(HeadlessRunning, KeysTakeTheWaysOfADesktopKeyboard)
{
    StartRecordingKeys();
    ASSERT_EQ(Run("press ENTER\npress a\npress CTRL+R\npress SHIFT+F5\ntype Hi\npress ALT+1\n"), 0);
    // Ctrl combinations come as key-downs only.
    EXPECT_EQ(keys, (KeyEvents{{Down, KEY_MENU}, {Up, KEY_MENU}, {Down, 'a'}, {Up, 'a'}, {Down, 0x8052},
                               {Down, 0x1010}, {Up, 0x1010}, {Down, 'H'}, {Up, 'H'}, {Down, 'i'}, {Up, 'i'},
                               {Down, 0x4031}}));
}

TEST_F(HeadlessRunning, PanelKeysAreClickedOnThePanel)
{
    StartRecordingKeys();
    ASSERT_EQ(Run("press TC\npress A-MIX\n"), 0);
    EXPECT_EQ(keys, (KeyEvents{{Down, KEY_TC}, {Up, KEY_TC}, {Down, KEY_AMIX}, {Up, KEY_AMIX}}));
    const PanelPoint menu = Centre(KEY_MENU);
    ASSERT_EQ(Run("down MENU"), 0);
    EXPECT_EQ(Region(KEY_MENU).Pressed, 1);
    EXPECT_EQ(Host.Client.At(menu.X, menu.Y), Host.PanelLit.At(menu.X, menu.Y));
    ASSERT_EQ(Run("wait 600\nup MENU"), 0);
    EXPECT_EQ(Region(KEY_MENU).Pressed, 0);
    EXPECT_EQ(Host.Client.At(menu.X, menu.Y), Host.PanelRest.At(menu.X, menu.Y));
}

TEST_F(HeadlessRunning, HeldKeySeesTheTimeGoBy)
{
    StartProbing();
    ASSERT_EQ(Run("down MENU\nwait 600\nup MENU"), 0);
    const std::vector<Received>& log = Log();
    const auto down = std::find_if(log.begin(), log.end(), [](const Received& r) { return r.Id == MSG_KEY_DOWN; });
    const auto up = std::find_if(log.begin(), log.end(), [](const Received& r) { return r.Id == MSG_KEY_UP; });
    ASSERT_TRUE(down < up && up != log.end());
    EXPECT_EQ(std::count_if(down, up, [](const Received& r) { return r.Id == MSG_TIMER_10MS; }), 60);
}

TEST_F(HeadlessRunning, CtrlHoldsPanelKeysUntilCtrlIsReleased)
{
    StartRecordingKeys();
    const PanelPoint star = Centre(KEY_STAR);
    const std::string click = "CTRL+click " + std::to_string(star.X) + " " + std::to_string(star.Y);
    ASSERT_EQ(Run(click + "\npress CTRL+HP\npress MENU"), 0);
    EXPECT_EQ(Region(KEY_STAR).Pressed, 1);
    EXPECT_EQ(Region(KEY_HP).Pressed, 1);
    ASSERT_EQ(Run("up CTRL"), 0);
    EXPECT_EQ(Region(KEY_STAR).Pressed, 0);
    EXPECT_EQ(Region(KEY_HP).Pressed, 0);
    // The held keys come up in the order of the panel's table.
    EXPECT_EQ(keys, (KeyEvents{{Down, KEY_STAR}, {Down, KEY_HP}, {Down, KEY_MENU}, {Up, KEY_MENU}, {Up, KEY_HP},
                               {Up, KEY_STAR}}));
}

TEST_F(HeadlessRunning, MessageBoxesArePrintedAndTakeTheScriptsAnswers)
{
    Start();
    ASSERT_EQ(Run("answer cancel\n"
                  "SHIFT+CTRL+mousedown 10 20\nSHIFT+CTRL+mouseup 30 40\n"
                  "SHIFT+CTRL+mousedown 1 2\nmove 3 4\nSHIFT+CTRL+mouseup 3 4\n"),
              0);
    EXPECT_EQ(out.str(), "[Capture region] Region (10,20 -> 30,40)\n[Capture region] Region (1,2 -> 3,4)\n");
    EXPECT_EQ(Read("regions.txt"), "    { 0, {   1,    2,    3,    4}, 0, 0 },\n");  // the first was cancelled
}

TEST_F(HeadlessRunning, WindowsAreKeptInMemory)
{
    Start();
    ASSERT_EQ(Run("move 100 50"), 0);
    EXPECT_EQ(runner->Ui().MainTitle(), "Orvel Simulator (x:100 y: 50)");
    EXPECT_EQ(runner->Ui().ClientHeight(), CLIENT_HEIGHT);
    ASSERT_EQ(Run("click 700 100"), 0);  // the panel's LCD hides the enlarged view
    EXPECT_EQ(runner->Ui().ClientHeight(), PANEL_ONLY_HEIGHT);
    ASSERT_EQ(Run("click 700 100"), 0);
    EXPECT_EQ(runner->Ui().ClientHeight(), CLIENT_HEIGHT);
    EXPECT_EQ(runner->Ui().CheckedModel(), 12);
    ASSERT_EQ(Run("menu orvel 8"), 0);
    EXPECT_EQ(OrvelGetNTracks(), 8);
    EXPECT_EQ(runner->Ui().CheckedModel(), 8);
}

TEST_F(HeadlessRunning, DeviceArgumentsChooseTheModelAndTheSeedStartsTheRandomNumbers)
{
    options.DeviceArgs = {"10"};
    options.Seed = 4242;
    Start();
    EXPECT_EQ(OrvelGetNTracks(), 10);
    EXPECT_EQ(runner->Ui().CheckedModel(), 10);
    const std::int32_t first = Rand15();
    Rand15Seed(4242);
    EXPECT_EQ(Rand15(), first);
}

TEST_F(HeadlessRunning, DebugLinesAndNotesOnlyWithoutQuiet)
{
    for (const bool quiet : {false, true}) {
        SCOPED_TRACE(quiet ? "quiet" : "not quiet");
        options.Quiet = quiet;
        err.str("");
        testing::internal::CaptureStdout();
        Start();
        ASSERT_EQ(Run("wait 1000\ntype x"), 0);
        EXPECT_EQ(testing::internal::GetCapturedStdout(),
                  quiet ? "" : "MSG_TIMER_1S 1000\nWM_CHAR 00000078 00000078\n");
        EXPECT_EQ(err.str(), quiet ? "" : "orvel-headless: note: no usable panel pictures in " + options.PanelDir +
                                              "; plain ones stand in, the panel is never shown here\n");
        Stop();
    }
}

TEST_F(HeadlessRunning, PanelPicturesAreReadWhenThereAreSome)
{
    options.Quiet = false;
    const std::filesystem::path art = dir / "art";
    std::filesystem::create_directories(art);
    RgbPicture rest{.Width = PANEL_WIDTH, .Height = PANEL_HEIGHT, .Pixels = {}};
    rest.Pixels.assign(static_cast<std::size_t>(PANEL_WIDTH * PANEL_HEIGHT * 3), 0x11);
    RgbPicture lit = rest;
    lit.Pixels.assign(lit.Pixels.size(), 0xEE);
    ASSERT_TRUE(PngWrite((art / "panel_rest.png").string(), rest));
    ASSERT_TRUE(PngWrite((art / "panel_lit.png").string(), lit));
    options.PanelDir = art.string();
    Start();
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(Host.PanelRest.At(3, 3), 0x111111U);
    EXPECT_EQ(Host.PanelLit.At(3, 3), 0xEEEEEEU);
    Stop();
    rest.Width = 931;  // the wrong size stands aside like a missing picture
    rest.Pixels.resize(static_cast<std::size_t>(931 * PANEL_HEIGHT * 3));
    ASSERT_TRUE(PngWrite((art / "panel_rest.png").string(), rest));
    Start();
    EXPECT_NE(err.str().find("no usable panel pictures"), std::string::npos);
    EXPECT_NE(Host.PanelRest.At(3, 3), 0x111111U);
}
