// The home screens and the transport displays as drawn, and the keys of the transport displays.
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

TEST_F(HomeTest, RecordingWithTheMp3TagOnTwelveTracks)
{
    Orvel.Mp3Support = 1;
    Orvel.Transport = 2;
    ShowVariant(12, 4);
    Frames(FRAMES);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "ui/home_recording_mp3"));
}

TEST_F(HomeTest, PanPageInPanEdit)
{
    ShowVariant(12, 0);
    PanPos[0] = 1;
    PanPos[1] = 3;
    PanPos[6] = 2;
    Tap(KEY_BUS);
    Frames(FRAMES);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "ui/home_pan_edit"));
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
    EXPECT_EQ(OrvelMeters.NMeters, 1);
    EXPECT_EQ(std::string(OrvelMeters.Name[0]), "(7 TRACKS)");
}

// Every release is taken; KLIN requests stop on the playback display only.
TEST_F(HomeTest, PlaybackKeysStopAndScrubAndAuditionIgnoresThem)
{
    Orvel.Transport = 1;
    EXPECT_EQ(Send(AuditionDisplayHandler, MSG_KEY_UP, KEY_KLIN), 1U);
    EXPECT_EQ(Orvel.Transport, 1);
    for (const std::uint32_t key : {std::uint32_t{']'}, std::uint32_t{']'}, std::uint32_t{'['}, std::uint32_t{KEY_SETUP}})
        EXPECT_EQ(Send(PlaybackDisplayHandler, MSG_KEY_UP, key), 1U);
    EXPECT_EQ(Orvel.Play.Scrub, 1);
    EXPECT_EQ(Orvel.Transport, 1);
    EXPECT_EQ(Send(PlaybackDisplayHandler, MSG_KEY_UP, KEY_KLIN), 1U);
    EXPECT_EQ(Orvel.Transport, 0);
    EXPECT_EQ(Send(PlaybackDisplayHandler, MSG_KEY_DOWN, KEY_KLIN), 0U);
}

}  // namespace
