#include <gtest/gtest.h>

#include <string>

#include "canvas/lcdcanvas.h"
#include "home_fixture.h"
#include "support/golden.h"
#include "ui/uihome.h"
#include "uicore/uikeys.h"

namespace {

constexpr int FRAMES = 40;  // enough for the simulated levels and peaks to spread

class HomeScreen : public HomeTest, public testing::WithParamInterface<int> {};

TEST_P(HomeScreen, TwelveTracks)
{
    ShowVariant(12, static_cast<std::uint8_t>(GetParam()));
    Frames(FRAMES);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "ui/home_12_tracks_variant_" + std::to_string(GetParam())));
}

INSTANTIATE_TEST_SUITE_P(Variants, HomeScreen, testing::Range(1, 9));

using HomeScreens = HomeTest;

TEST_F(HomeScreens, FourTracksOnTheTrackMeters)
{
    ShowVariant(4, 3);
    Frames(FRAMES);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "ui/home_4_tracks_variant_3"));
}

TEST_F(HomeScreens, RecordingWithTheMp3TagOnTwelveTracks)
{
    Orvel.Mp3Support = 1;
    Orvel.Transport = 2;
    ShowVariant(12, 4);
    Frames(FRAMES);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "ui/home_recording_mp3"));
}

TEST_F(HomeScreens, PanPageInPanEdit)
{
    ShowVariant(12, 0);
    PanPos[0] = 1;
    PanPos[1] = 3;
    PanPos[6] = 2;
    Tap(KEY_BUS);
    Frames(FRAMES);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "ui/home_pan_edit"));
}

TEST_F(HomeScreens, ArmModeShowsTheArmedTracksAndBlinks)
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

std::uint32_t PlaybackPageHandler(void* self, Message* msg)
{
    return PlaybackDisplayHandler(self, msg);
}

TEST_F(HomeScreens, PlaybackDisplay)
{
    UIPage playback = {.Handler = PlaybackPageHandler, .Flags = UI_PAGE_FLAG_BACKGROUND, .Parent = nullptr,
                       .ControlIndex = -1, .NControls = 0, .Controls = nullptr};
    Orvel.Transport = 1;
    UIGotoPage(&playback);
    for (int i = 0; i < FRAMES; ++i)
        MeterSimulate(&OrvelMeters);
    UIRedraw();
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "ui/playback_display"));
}

}  // namespace
