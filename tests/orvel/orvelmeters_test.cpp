// The meter layouts of the home-screen variants and the virtual fader; the look of each layout is left
// to the home-screen goldens.
#include "orvel/orvelmeters.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "canvas/images.h"
#include "common/format.h"
#include "common/rand.h"
#include "orvel/hook_probe.h"
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
        Start();
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

    // The meters in use, top to bottom, joined by commas.
    static std::string Names()
    {
        std::string names;
        for (std::uint32_t i = 0; i < OrvelMeters.NMeters; ++i)
            names.append(i ? "," : "").append(OrvelMeters.Name[i]);
        return names;
    }

    static std::vector<int> Column(const std::uint8_t (&field)[MAX_METERS])
    {
        return {std::begin(field), std::begin(field) + OrvelMeters.NMeters};
    }
};

// The channel layouts show at least six meters and at most the tracks the model has; tracks 1 to 8 are
// record-enabled after start-up and the outputs-and-tracks layout hatches the others.
TEST_F(Layouts, TrackLayoutsFollowTheTrackCountAndHatchTracksNotRecording)
{
    const struct {
        std::uint8_t Tracks;
        const char *Channels, *OutputsAndTracks;  // the last meter of each layout
    } cases[] = {{4, "Ch 6", "Ch 6"}, {8, "Ch 8", "Ch 8"}, {12, "Ch 12", "Ch 10"}};
    for (const auto& c : cases) {
        OrvelSetNTracks(c.Tracks);
        MeterLayout(3);
        EXPECT_EQ(OrvelMeters.Name[OrvelMeters.NMeters - 1], std::string(c.Channels));
        EXPECT_EQ(Column(OrvelMeters.Srce), std::vector<int>(OrvelMeters.NMeters, METER_SRCE_CH));
        MeterLayout(4);
        EXPECT_EQ(OrvelMeters.Name[OrvelMeters.NMeters - 1], std::string(c.OutputsAndTracks));
    }
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
    EXPECT_EQ(Column(OrvelMeters.Kind), (std::vector<int>{0, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0}));
}

// Rebuilding keeps the levels; the default layout ends the virtual fader, and
// switching to a fixed channel shows the page again.
TEST_F(Layouts, VirtualFaderLayoutShowsTheCyclingFaderSelectable)
{
    static UIPage page = ProbePage(0, nullptr, 0);  // static: the tear-down still leaves this page
    MsgRegister(UIMainHandler, 0);
    UIGotoPage(&page);
    MeterLayout(0);
    EXPECT_EQ(Names(), "OUT 1,OUT 2,INPUT 256") << "no virtual fader yet: the channel reads as 255";
    VFaderKey();
    MeterLayout(0);
    EXPECT_EQ(Names(), "OUT 1,OUT 2,INPUT 7");
    EXPECT_EQ(OrvelMeters.MFlags[2], METER_FLAG_SELECTABLE | METER_FLAG_SELECTED);
    EXPECT_EQ(OrvelMeters.Kind[2], METER_KNOB_VIRTUAL);
    OrvelMeters.MeterLevel[2] = 99;

    Log().clear();
    const int flushes = Flushes();
    for (int i = 0; i < 2; ++i)
        MeterLayout(2);
    EXPECT_EQ(VFaderDisplayMode(), VFADER_FIXED);
    EXPECT_EQ(Log(MSG_PAGE_REDIRECT).size(), 1U) << "the second time it is already fixed";
    EXPECT_EQ(Flushes(), flushes + 1);
    VFaderSetChan(3);
    for (const std::int32_t variant : {9, -2}) {
        MeterLayout(variant);
        EXPECT_EQ(Names(), "OUT 1,OUT 2,INPUT 4") << "a fixed channel; unknown variants are this layout";
    }
    EXPECT_EQ(OrvelMeters.MeterLevel[2], 99);

    VFaderSetMode(VFADER_CYCLING);
    MeterLayoutDefault();
    EXPECT_EQ(VFaderDisplayMode(), VFADER_NONE);
}

TEST_F(Layouts, TwelveTrackMeters)
{
    FormatText(Orvel.Setup.Tracks[0], sizeof(Orvel.Setup.Tracks[0]), "Boom");
    FormatText(Orvel.Setup.Tracks[1], sizeof(Orvel.Setup.Tracks[1]), "Lav");
    MeterLayout(3);
    Show(33, 24);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/meters_twelve_tracks"));
}

TEST_F(Layouts, ThreeMetersWithTheCyclingVirtualFader)
{
    AutoMix[0][6] = 1;
    VFaderKey();
    MeterLayout(0);
    MeterFaderStep(25);  // the encoder moves the selected virtual fader's knob
    Show(66, 24);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/meters_virtual_fader"));
}

}  // namespace
