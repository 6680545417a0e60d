// The home screens' keys and looks, and the transport displays.
#include "ui/uihome.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "canvas/lcdcanvas.h"
#include "home_fixture.h"
#include "support/golden.h"
#include "ui/uipages.h"
#include "uicore/uikeys.h"

namespace {

constexpr std::uint32_t KEY_NEXT_VARIANT = 147;
constexpr std::uint32_t KEY_PREV_VARIANT = 148;
constexpr std::uint32_t KEY_PAN = 139;
constexpr int FRAMES = 40;  // enough for the simulated levels and peaks to spread

TEST_F(HomeTest, VariantsWrapThroughThePanPage)
{
    ShowVariant(12, 8);
    Orvel.Settings.HomePage = 1;
    Orvel.Settings.HomePageVariant[1] = 8;
    Tap(KEY_NEXT_VARIANT);
    EXPECT_EQ(Orvel.Settings.HomePageVariant[1], 0);
    EXPECT_EQ(UICurrentPage, &HomePanPage);
    EXPECT_EQ(OrvelMeters.NMeters, 3);  // the pan page's own meters
    Tap(KEY_PREV_VARIANT);
    EXPECT_EQ(Orvel.Settings.HomePageVariant[1], 8);
    EXPECT_EQ(UICurrentPage, &UIHomePage);
    Tap(KEY_STAR);
    Tap(KEY_STAR);
    EXPECT_EQ(Orvel.Settings.HomePageVariant[1], 1);
    EXPECT_EQ(Orvel.Settings.HomePageVariant[0], 8);  // the other bank keeps its own
}

// COM or SLT with MENU held chooses the bank, keeping its variant, and then steps it.
TEST_F(HomeTest, MenuWithComOrSltKeepsTheNewBanksVariantAndStepsTheCurrentOne)
{
    const std::uint8_t bank0 = Orvel.Settings.HomePageVariant[0];
    const std::uint8_t bank1 = Orvel.Settings.HomePageVariant[1];
    Press(KEY_MENU);
    Tap(KEY_SLT);
    EXPECT_EQ(Orvel.Settings.HomePage, 1);
    Tap(KEY_SLT);
    EXPECT_EQ(Orvel.Settings.HomePageVariant[1], bank1 + 1);
    Tap(KEY_COM);
    Release(KEY_MENU);
    EXPECT_EQ(Orvel.Settings.HomePage, 0);
    EXPECT_EQ(Orvel.Settings.HomePageVariant[0], bank0);
    EXPECT_EQ(UICurrentPage, &UIHomePage) << "MENU's release no longer opens the main menu";
}

// In arm mode a short press arms only that track and a hold of 0.7 s toggles it; Ctrl with a digit
// enters arm mode, HP leaves it and so does leaving the home page.
TEST_F(HomeTest, ArmModeKeys)
{
    Tap(KEY_PFL);
    ASSERT_EQ(Orvel.ArmMode, 1);
    Orvel.ArmMask = 0b1001;
    Tap(KEY_KLIN);
    EXPECT_EQ(Orvel.ArmMask, 0b0100);
    Press(KEY_KLIN);
    Advance(690);
    EXPECT_EQ(Orvel.ArmMask, 0b0100);
    Advance(20);
    Release(KEY_KLIN);
    EXPECT_EQ(Orvel.ArmMask, 0b0000);

    Tap(KEY_HP);
    EXPECT_EQ(Orvel.ArmMode, 0);

    Orvel.ArmMask = 0b101;
    Press(KEY_MOD_CTRL | '8');
    EXPECT_EQ(Orvel.ArmMask, 0b10000101);
    Release(KEY_MOD_CTRL | '8');
    EXPECT_EQ(Orvel.ArmMask, 0b10000000) << "the release in arm mode arms track 8 alone";
    UIGotoPage(&MainMenuPage);
    EXPECT_EQ(Orvel.ArmMode, 0);
}

TEST_F(HomeTest, HpStepsTheMemoryOnlyAfterTheFirstSecondAndWithMenuOpensTheRouting)
{
    const std::int32_t first = Orvel.HphMon.Index;
    Tap(KEY_HP);
    EXPECT_EQ(Orvel.HphMon.Index, first);
    Advance(1100);
    Tap(KEY_HP);
    const std::int32_t next = Orvel.HphMon.Index;
    EXPECT_NE(next, first);
    Press(KEY_HP);
    Advance(490);
    EXPECT_EQ(Orvel.HphMon.Index, next);
    Advance(20);
    Release(KEY_HP);
    EXPECT_EQ(Orvel.HphMon.Index, first) << "held: one memory back";
    Press(KEY_MENU);
    Press(KEY_HP);
    EXPECT_EQ(UICurrentPage, &HphRoutingPage) << "HP with MENU opens the routing";
}

// A short MENU selects the next selectable meter where the layout has some, else opens the main menu;
// a held MENU opens it where the layout allows.
TEST_F(HomeTest, ShortMenuSelectsAMeterOrOpensTheMainMenuAndHeldOpensItWhereAllowed)
{
    ShowVariant(12, 3);
    Tap(KEY_MENU);
    EXPECT_EQ(UICurrentPage, &MainMenuPage);

    UIGotoPage(&UIHomePage);
    ShowVariant(12, 6);
    Tap(KEY_MENU);
    const std::int32_t first = MeterSelected();
    ASSERT_GE(first, 0);
    Tap(KEY_MENU);
    EXPECT_GT(MeterSelected(), first);
    Tap(KEY_HP);
    EXPECT_FALSE(MeterAnySelected());

    ShowVariant(12, 8);
    Press(KEY_MENU);
    Advance(790);
    EXPECT_EQ(UICurrentPage, &UIHomePage);
    Advance(20);
    EXPECT_EQ(UICurrentPage, &MainMenuPage);
}

TEST_F(HomeTest, BusEntersPanEditOnThePanPageOnlyAndHpLeavesIt)
{
    ShowVariant(12, 3);
    Tap(KEY_BUS);
    EXPECT_EQ(Orvel.Settings.PanEdit, 0);
    PanPos[0] = 1;
    PanPos[1] = 3;
    PanPos[6] = 2;
    ShowVariant(12, 0);
    ASSERT_EQ(UICurrentPage, &HomePanPage);
    Tap(KEY_BUS);
    EXPECT_TRUE(UIControlFocusable(HomePanPage.Controls[0])) << "the pan matrix";
    Frames(FRAMES);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "ui/home_pan_edit"));
    Tap(KEY_HP);
    EXPECT_EQ(Orvel.Settings.PanEdit, 0);
    Tap(KEY_BUS);
    Tap(KEY_BUS);
    EXPECT_EQ(UICurrentPage, &BusRoutingPage);
}

TEST_F(HomeTest, ComAndThePanKeyStepTheFirstPosition)
{
    Tap(KEY_COM);
    EXPECT_EQ(PanPos[0], 1U);
    Tap(KEY_PAN);
    EXPECT_EQ(PanPos[0], 2U);
    Hold(KEY_PAN, 410);
    EXPECT_EQ(PanPos[0], 1U);  // held: one back, and the release adds nothing
    Tap(KEY_MOD_CTRL | '-');
    Tap(KEY_MOD_CTRL | '-');
    EXPECT_EQ(PanPos[0], 3U);  // wraps below " "
    Tap(KEY_MOD_CTRL | '=');
    EXPECT_EQ(PanPos[0], 0U);  // and above "R"
}

// The pan matrix alone in pan edit: the menu cycles the position under the cursor.
TEST_F(HomeTest, PanMatrixShowsThePositionsAndTheCursorInPanEdit)
{
    UIPage alone = {.Handler = UINullHandler, .Flags = 0, .Parent = nullptr, .ControlIndex = -1, .NControls = 1,
                    .Controls = HomePanPage.Controls};
    PanPos[0] = PanPos[7] = 1;
    PanPos[1] = 2;
    PanPos[2] = 3;
    Orvel.Settings.PanEdit = 1;
    UIGotoPage(&alone);
    for (const std::uint32_t key : {KEY_RIGHT, KEY_RIGHT, KEY_MENU, KEY_RIGHT, KEY_MENU})
        Tap(key);
    EXPECT_EQ(PanPos[2], 0U) << "R wraps to nothing";
    EXPECT_EQ(PanPos[3], 1U);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "orvel/pan_matrix_positions"));
}

// Tracks and variant: the twelve-track variants, and four tracks on the track meters.
class HomeScreen : public HomeTest, public testing::WithParamInterface<std::tuple<int, int>> {};

TEST_P(HomeScreen, Variant)
{
    const auto [tracks, variant] = GetParam();
    ShowVariant(static_cast<std::uint8_t>(tracks), static_cast<std::uint8_t>(variant));
    Frames(FRAMES);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas,
                                 "ui/home_" + std::to_string(tracks) + "_tracks_variant_" + std::to_string(variant)));
}

INSTANTIATE_TEST_SUITE_P(Twelve, HomeScreen, testing::Combine(testing::Values(12), testing::Range(1, 9)));
INSTANTIATE_TEST_SUITE_P(Four, HomeScreen, testing::Values(std::tuple{4, 3}));

TEST_F(HomeTest, RecordingWithTheMp3TagOnTwelveTracks)
{
    Orvel.Mp3Support = 1;
    Orvel.Transport = 2;
    ShowVariant(12, 4);
    Frames(FRAMES);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "ui/home_recording_mp3"));
}

TEST_F(HomeTest, ArmModeShowsTheArmedTracksAndBlinks)
{
    ShowVariant(6, 1);
    Tap(KEY_PFL);
    Orvel.ArmMask = 0b10100101;
    Frames(FRAMES);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "ui/home_arm_mode"));
    MsgBroadcast(MSG_BLINK_ON);
    UIRedraw();
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "ui/home_arm_mode_blink"));
}

std::uint32_t Send(MsgHandler handler, std::uint32_t id, MsgParam param)
{
    Message msg{.Id = id, .Param = param};
    return handler(nullptr, &msg);
}

std::uint32_t PlaybackPageHandler(void* self, Message* msg)
{
    return PlaybackDisplayHandler(self, msg);
}

TEST_F(HomeTest, PlaybackDisplayShowsTheSegmentsTracksOnOneMeter)
{
    UIPage playback = {.Handler = PlaybackPageHandler, .Flags = UI_PAGE_FLAG_BACKGROUND, .Parent = nullptr,
                       .ControlIndex = -1, .NControls = 0, .Controls = nullptr};
    Orvel.Transport = 1;
    UIGotoPage(&playback);
    for (int i = 0; i < FRAMES; ++i)
        MeterSimulate(&OrvelMeters);
    UIRedraw();
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "ui/playback_display"));
    Orvel.Play.NTracks = 7;
    Send(AuditionDisplayHandler, MSG_REFRESH, 0);
    EXPECT_STREQ(OrvelMeters.Name[0], "(7 TRACKS)");
}

// Every release is taken; KLIN requests stop on the playback display only.
TEST_F(HomeTest, PlaybackKeysStopAndScrubAndAuditionIgnoresThem)
{
    Orvel.Transport = 1;
    EXPECT_EQ(Send(AuditionDisplayHandler, MSG_KEY_UP, KEY_KLIN), 1U);
    EXPECT_EQ(Orvel.Transport, 1);
    for (const std::uint32_t key : std::initializer_list<std::uint32_t>{']', ']', '[', KEY_SETUP})
        EXPECT_EQ(Send(PlaybackDisplayHandler, MSG_KEY_UP, key), 1U);
    EXPECT_EQ(Orvel.Play.Scrub, 1);
    EXPECT_EQ(Orvel.Transport, 1);
    EXPECT_EQ(Send(PlaybackDisplayHandler, MSG_KEY_UP, KEY_KLIN), 1U);
    EXPECT_EQ(Orvel.Transport, 0);
    EXPECT_EQ(Send(PlaybackDisplayHandler, MSG_KEY_DOWN, KEY_KLIN), 0U);
}

}  // namespace
