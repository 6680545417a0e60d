// The meter layouts of the home-screen variants and the virtual fader; the look of each layout is left
// to the home-screen goldens.
#include "orvel/orvelmeters.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

#include "canvas/images.h"
#include "common/format.h"
#include "common/rand.h"
#include "orvel/orvel.h"
#include "orvel/orvelhooks.h"
#include "support/golden.h"
#include "uicore/ui_fixture.h"
#include "uicore/uimeter.h"

namespace {

// The powered-on recorder; powering on empties the auto-mix table too.
class Layouts : public UITest {
protected:
    void SetUp() override
    {
        UITest::SetUp();
        const char* argv[] = {"orvel-sim"};
        OrvelPowerOn(1, argv, "orvel-sim");
    }

    // Draws the shared meters at (10, y) on the home screen's background after some simulation steps.
    void Show(std::int32_t y, int steps)
    {
        Rand15Seed(2011);
        for (int step = 0; step < steps; ++step)
            MeterSimulate(&OrvelMeters);
        LcdCanvas.DrawImage(&LcdCanvas, 0, 0, &BackgroundImage, 0);
        MeterDraw(&LcdCanvas, &OrvelMeters, 10, y);
    }

    // The names of the meters in use, top to bottom, joined by commas.
    static std::string Names()
    {
        std::string names;
        for (std::uint32_t i = 0; i < OrvelMeters.NMeters && i < MAX_METERS; ++i)
        {
            if (i)
                names += ',';
            names += OrvelMeters.Name[i];
        }
        return names;
    }

    static std::vector<int> Column(const std::uint8_t (&field)[MAX_METERS])
    {
        return {std::begin(field), std::begin(field) + std::min<std::uint32_t>(OrvelMeters.NMeters, MAX_METERS)};
    }
};

// The channel layouts show at least six meters and at most the tracks the model has.
TEST_F(Layouts, TrackLayoutsFollowTheTrackCount)
{
    struct Case {
        std::uint8_t Tracks;
        const char* Channels;  // the last meter of each layout
        const char* OutputsAndTracks;
    };
    for (const Case& c : {Case{4, "Ch 6", "Ch 6"}, Case{8, "Ch 8", "Ch 8"}, Case{12, "Ch 12", "Ch 10"}}) {
        OrvelSetNTracks(c.Tracks);
        MeterLayout(3);
        EXPECT_EQ(OrvelMeters.Name[OrvelMeters.NMeters - 1], std::string(c.Channels));
        EXPECT_EQ(Column(OrvelMeters.Srce), std::vector<int>(OrvelMeters.NMeters, METER_SRCE_CH));
        MeterLayout(4);
        EXPECT_EQ(OrvelMeters.Name[OrvelMeters.NMeters - 1], std::string(c.OutputsAndTracks));
    }
}

TEST_F(Layouts, OutputsAndTracksLayoutHatchesTracksNotRecording)
{
    OrvelSetNTracks(12);
    MeterLayout(4);
    // tracks 1 to 8 are record-enabled after start-up
    EXPECT_EQ(Column(OrvelMeters.MFlags), (std::vector<int>{0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1}));
    OrvelRecEnable[2] = 0;
    OrvelRecEnable[9] = 1;
    MeterLayout(4);
    EXPECT_EQ(Column(OrvelMeters.MFlags), (std::vector<int>{0, 4, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0}));
}

// The enables are one row: entries 0 to 3 enable the returns, 0 to 7 the digital inputs.
TEST_F(Layouts, AutoMixLayoutAddsEnabledReturnsThenDigitalInputsUpToEleven)
{
    MeterLayout(5);
    EXPECT_EQ(Names(), "OUT 1,INPUT 1,INPUT 2,INPUT 3,INPUT 4,INPUT 5,INPUT 6");
    AutoMix[0][1] = 1;
    AutoMix[0][3] = 1;
    MeterLayout(5);
    EXPECT_EQ(Names(), "OUT 1,INPUT 1,INPUT 2,INPUT 3,INPUT 4,INPUT 5,INPUT 6,INPUT 8,INPUT 10,INDIG 2,INDIG 4");
    AutoMix[0][6] = 1;
    MeterLayout(5);
    EXPECT_EQ(OrvelMeters.NMeters, 11);
    EXPECT_EQ(Column(OrvelMeters.Kind), (std::vector<int>{0, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0}));
}

TEST_F(Layouts, VirtualFaderLayoutShowsTheCyclingFaderSelectable)
{
    MeterLayout(0);
    EXPECT_EQ(Names(), "OUT 1,OUT 2,INPUT 256") << "no virtual fader yet: the channel reads as 255";
    VFaderKey();
    MeterLayout(0);
    EXPECT_EQ(Names(), "OUT 1,OUT 2,INPUT 7");
    EXPECT_EQ(OrvelMeters.MFlags[2], METER_FLAG_SELECTABLE | METER_FLAG_SELECTED);
    EXPECT_EQ(OrvelMeters.Kind[2], METER_KNOB_VIRTUAL);
    EXPECT_EQ(MeterSelected(), 2);

    VFaderSetMode(VFADER_FIXED);
    VFaderSetChan(3);
    MeterLayout(0);
    EXPECT_EQ(OrvelMeters.MFlags[2], 0);
    for (const std::int32_t variant : {9, -2}) {
        MeterLayout(1);
        MeterLayout(variant);
        EXPECT_EQ(Names(), "OUT 1,OUT 2,INPUT 4") << "a fixed channel; unknown variants are this layout";
    }
}

TEST_F(Layouts, RebuildingClearsTheKnobsButKeepsTheLevelsAndTheDefaultEndsTheVirtualFader)
{
    OrvelSetNTracks(12);
    MeterLayout(3);
    OrvelMeters.MeterLevel[10] = 99;
    MeterLayout(7);
    EXPECT_EQ(Column(OrvelMeters.Kind), std::vector<int>(8, 0));
    EXPECT_EQ(OrvelMeters.MeterLevel[10], 99);

    MeterLayout(3);
    VFaderSetMode(VFADER_CYCLING);
    MeterLayoutDefault();
    EXPECT_EQ(OrvelMeters.NMeters, 12);
    EXPECT_EQ(VFaderDisplayMode(), VFADER_NONE);
}

TEST_F(Layouts, SwitchingToTheFixedChannelShowsThePageAgain)
{
    static UIPage page = ProbePage(0, nullptr, 0);  // static: the tear-down still leaves this page
    Name(&page, "page");
    MsgRegister(UIMainHandler, 0);
    UIGotoPage(&page);
    Log().clear();
    VFaderSetMode(VFADER_CYCLING);
    const int flushes = Flushes();
    MeterLayout(2);
    EXPECT_EQ(VFaderDisplayMode(), VFADER_FIXED);
    EXPECT_EQ(Log(MSG_PAGE_REDIRECT).size(), 1U);
    EXPECT_EQ(Flushes(), flushes + 1);
    MeterLayout(2);
    EXPECT_EQ(Log(MSG_PAGE_REDIRECT).size(), 1U) << "already fixed: nothing to show";
    EXPECT_EQ(Flushes(), flushes + 1);
}

TEST_F(Layouts, TwelveTrackMeters)
{
    FormatText(Orvel.Setup.Tracks[0], sizeof(Orvel.Setup.Tracks[0]), "Boom");
    FormatText(Orvel.Setup.Tracks[1], sizeof(Orvel.Setup.Tracks[1]), "Lav");
    MeterLayout(3);
    Show(33, 24);
    EXPECT_EQ(OrvelMeters.NMeters, 12);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/meters_twelve_tracks"));
}

TEST_F(Layouts, ThreeMetersWithTheCyclingVirtualFader)
{
    AutoMix[0][6] = 1;
    VFaderKey();
    MeterLayout(0);
    MeterFaderStep(25);  // the encoder moves the selected virtual fader's knob
    Show(66, 24);
    EXPECT_EQ(OrvelMeters.NMeters, 3);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/meters_virtual_fader"));
}

}  // namespace
