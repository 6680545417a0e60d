// The meter layouts of the home-screen variants and the virtual fader.
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
#include "orvel/meter_fixture.h"
#include "uicore/uimeter.h"

namespace {

void Start()
{
    const char* argv[] = {"orvel-sim"};
    OrvelPowerOn(1, argv, "orvel-sim");
}

// The meter fixture with the device model's answers instead of the fake device's.
class Layouts : public MeterTest {
protected:
    void SetUp() override
    {
        MeterTest::SetUp();
        Start();
    }

    // Draws the shared meters at (10, y) on the home screen's background after some simulation steps.
    void Show(std::int32_t y, int steps)
    {
        Rand15Seed(2011);
        for (int step = 0; step < steps; ++step)
            MeterSimulate(&OrvelMeters);
        LcdCanvas.DrawImage(&LcdCanvas, 0, 0, &BackgroundImage, 0);
        MeterDraw(&LcdCanvas, &OrvelMeters, X, y);
    }

    // The names of the meters in use, top to bottom.
    static std::vector<std::string> Names()
    {
        std::vector<std::string> names;
        for (std::uint32_t i = 0; i < OrvelMeters.NMeters && i < MAX_METERS; ++i)
            names.emplace_back(OrvelMeters.Name[i]);
        return names;
    }

    static std::vector<int> Column(const std::uint8_t (&field)[MAX_METERS])
    {
        return std::vector<int>(std::begin(field), std::begin(field) + std::min<std::uint32_t>(OrvelMeters.NMeters,
                                                                                               MAX_METERS));
    }

    static std::vector<std::string> Range(const char* format, int first, int last)
    {
        std::vector<std::string> names;
        for (int n = first; n <= last; ++n) {
            char name[MAX_METER_NAME];
            FormatText(name, sizeof(name), format, n);
            names.emplace_back(name);
        }
        return names;
    }

    static std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts)
    {
        std::vector<std::string> all;
        for (const auto& part : parts)
            all.insert(all.end(), part.begin(), part.end());
        return all;
    }
};

constexpr std::uint8_t Models[] = {4, 6, 8, 10, 12};

}  // namespace

// The fixed layouts stay as they are; the track layouts show every track, within their bounds.
TEST_F(Layouts, FixedLayoutsIgnoreTheTrackCountAndTrackLayoutsFollowIt)
{
    const int outputsAndTracks[] = {8, 8, 10, 12, 12};
    for (std::size_t m = 0; m < std::size(Models); ++m) {
        const int tracks = Models[m];
        SCOPED_TRACE(tracks);
        OrvelSetNTracks(Models[m]);
        MeterLayout(1);
        EXPECT_EQ(Names(), Range("OUT %d", 1, 6));
        MeterLayout(2);
        EXPECT_EQ(Names(), Range("INPUT %d", 1, 6));
        MeterLayout(7);
        EXPECT_EQ(Names(), Join({Range("OUT %d", 1, 4), Range("INPUT %d", 1, 4)}));
        EXPECT_EQ(Column(OrvelMeters.MFlags), (std::vector<int>{0, 0, 0, 4, 0, 0, 0, 0}));
        MeterLayout(8);
        EXPECT_EQ(Names(), Join({Range("OUT %d", 1, 6), {"INPUT 1"}}));
        EXPECT_EQ(Column(OrvelMeters.MFlags), (std::vector<int>{0, 0, 0, 0, 0, 4, 0}));
        EXPECT_EQ(Column(OrvelMeters.Kind), (std::vector<int>{0, 0, 0, 0, 0, 0, 1}));

        MeterLayout(3);
        const int shown = std::max(tracks, 6);
        EXPECT_EQ(Names(), Range("Ch %d", 1, shown));
        EXPECT_EQ(Column(OrvelMeters.Kind), std::vector<int>(shown, METER_KNOB_CHANNEL));
        EXPECT_EQ(Column(OrvelMeters.Srce), std::vector<int>(shown, METER_SRCE_CH));

        MeterLayout(4);
        EXPECT_EQ(OrvelMeters.NMeters, outputsAndTracks[m]);
        EXPECT_EQ(Names(), Join({{"OUT 1", "OUT 2"}, Range("Ch %d", 1, outputsAndTracks[m] - 2)}));
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

TEST_F(Layouts, AutoMixLayoutAddsEnabledReturnsThenDigitalInputsUpToEleven)
{
    MeterLayout(5);
    EXPECT_EQ(Names(), Join({{"OUT 1"}, Range("INPUT %d", 1, 6)}));
    EXPECT_EQ(Column(OrvelMeters.Kind), (std::vector<int>{0, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(OrvelMeters.MFlags[0], METER_FLAG_GAP_AFTER);

    // the enables are one row: entries 0 to 3 enable the returns, 0 to 7 the digital inputs
    AutoMix[0][1] = 1;
    AutoMix[0][3] = 1;
    MeterLayout(5);
    EXPECT_EQ(Names(), Join({{"OUT 1"}, Range("INPUT %d", 1, 6), {"INPUT 8", "INPUT 10", "INDIG 2", "INDIG 4"}}));

    AutoMix[0][6] = 1;
    AutoMix[0][7] = 1;
    MeterLayout(5);
    EXPECT_EQ(OrvelMeters.NMeters, 11);
    EXPECT_EQ(Names().back(), "INDIG 4");
    EXPECT_EQ(Column(OrvelMeters.Kind), (std::vector<int>{0, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0}));
}

TEST_F(Layouts, VirtualFaderLayoutShowsTheCyclingFaderSelectable)
{
    MeterLayout(0);
    EXPECT_EQ(OrvelMeters.NMeters, 3);
    EXPECT_EQ(OrvelMeters.Flags & METER_RECORD_FLAG_VFADER, METER_RECORD_FLAG_VFADER);
    // no virtual fader yet: the channel reads as 255
    EXPECT_EQ(Names(), (std::vector<std::string>{"OUT 1", "OUT 2", "INPUT 256"}));
    EXPECT_EQ(Column(OrvelMeters.Kind), (std::vector<int>{0, 0, 1}));
    EXPECT_EQ(VFaderDisplayMode(), VFADER_NONE);

    VFaderKey();
    MeterLayout(0);
    EXPECT_EQ(Names().back(), "INPUT 7");
    EXPECT_EQ(OrvelMeters.MFlags[2], METER_FLAG_SELECTABLE | METER_FLAG_SELECTED);
    EXPECT_EQ(OrvelMeters.Kind[2], METER_KNOB_VIRTUAL);
    EXPECT_EQ(MeterSelected(), 2);

    VFaderSetMode(VFADER_FIXED);
    VFaderSetChan(3);
    MeterLayout(0);
    EXPECT_EQ(Names().back(), "INPUT 4");
    EXPECT_EQ(OrvelMeters.MFlags[2], 0);
    EXPECT_EQ(OrvelMeters.Kind[2], METER_KNOB_CHANNEL);
}

TEST_F(Layouts, OutputsAndVirtualFadersLayoutEndsWithTheFixedChannel)
{
    VFaderSetChan(2);
    OrvelMeters.Flags = 0;
    MeterLayout(6);
    EXPECT_EQ(VFaderDisplayMode(), VFADER_FIXED);
    EXPECT_EQ(Names(), Join({{"OUT 1", "OUT 2"}, Range("INPUT %d", 7, 10), {"INPUT 3"}}));
    EXPECT_EQ(Column(OrvelMeters.MFlags), (std::vector<int>{0, 4, 8, 8, 8, 8, 2}));
    EXPECT_EQ(Column(OrvelMeters.Kind), (std::vector<int>{0, 0, 2, 2, 2, 2, 1}));
    EXPECT_EQ(OrvelMeters.Flags, METER_RECORD_FLAG_VFADER);
}

TEST_F(Layouts, UnknownVariantsAreTheVirtualFaderLayout)
{
    for (const std::int32_t variant : {9, 100, -2}) {
        MeterLayout(1);
        MeterLayout(variant);
        EXPECT_EQ(OrvelMeters.NMeters, 3) << variant;
        EXPECT_EQ(Names().front(), "OUT 1") << variant;
    }
}

TEST_F(Layouts, RebuildingClearsTheKnobsButKeepsTheLevelsAndTheDefaultEndsTheVirtualFader)
{
    OrvelSetNTracks(12);
    MeterLayout(3);
    OrvelMeters.MeterLevel[10] = 99;
    OrvelMeters.Peak[0] = 120;
    MeterLayout(7);
    for (std::uint32_t i = 0; i < MAX_METERS; ++i)
        EXPECT_EQ(OrvelMeters.Kind[i], 0) << i;
    EXPECT_EQ(OrvelMeters.MeterLevel[10], 99);
    EXPECT_EQ(OrvelMeters.Peak[0], 120);

    MeterLayout(3);
    VFaderSetMode(VFADER_CYCLING);
    MeterLayoutDefault();
    EXPECT_EQ(OrvelMeters.NMeters, 12);
    EXPECT_EQ(VFaderDisplayMode(), VFADER_NONE);
    EXPECT_EQ(VFaderChannel(), -1);
    EXPECT_EQ(Column(OrvelMeters.Kind), std::vector<int>(12, 0));
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

    // already fixed: nothing to show
    MeterLayout(2);
    SimLevelStep(1);
    EXPECT_EQ(Log(MSG_PAGE_REDIRECT).size(), 1U);
    EXPECT_EQ(Flushes(), flushes + 1);

    // the virtual-fader layout leaves the display as it is
    VFaderSetMode(VFADER_CYCLING);
    MeterLayout(0);
    EXPECT_EQ(VFaderDisplayMode(), VFADER_CYCLING);
}

namespace {

class VirtualFader : public testing::Test {
protected:
    void SetUp() override { Start(); }

    // The channels the key shows, one per press, as channel numbers (index + 1); 0 while none is shown.
    static std::vector<int> Presses(int count)
    {
        std::vector<int> shown;
        for (int i = 0; i < count; ++i) {
            VFaderKey();
            shown.push_back(VFaderChannel() + 1);
        }
        return shown;
    }

    static std::vector<int> Modes(int count)
    {
        std::vector<int> modes;
        for (int i = 0; i < count; ++i) {
            VFaderKey();
            modes.push_back(VFaderDisplayMode());
        }
        return modes;
    }
};

}  // namespace

TEST_F(VirtualFader, AdvanceWrapsAfterTheCycledChannels)
{
    VFaderSetMode(VFADER_CYCLING);
    std::vector<int> shown;
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(VFaderAdvance(), 1U);
        shown.push_back(VFaderChannel());
    }
    EXPECT_EQ(shown, (std::vector<int>{7, 8, 9, 6, 7}));
    Orvel.VFaderCycle = 1;
    VFaderAdvance();
    EXPECT_EQ(VFaderChannel(), 6);
    VFaderAdvance();
    EXPECT_EQ(VFaderChannel(), 6);
}

TEST_F(VirtualFader, KeyInFaderModeStartsCyclingThenSteps)
{
    EXPECT_EQ(Presses(6), (std::vector<int>{7, 8, 9, 10, 7, 8}));
    EXPECT_EQ(VFaderDisplayMode(), VFADER_CYCLING);
    Orvel.VFaderCycle = 2;
    EXPECT_EQ(Presses(3), (std::vector<int>{7, 8, 7}));
    // a fixed channel switches back to cycling at the channel it was on
    VFaderSetMode(VFADER_FIXED);
    EXPECT_EQ(Presses(2), (std::vector<int>{7, 8}));
}

TEST_F(VirtualFader, KeyInFaderAndTrimModeAlternatesBetweenNextChannelAndHoldingIt)
{
    Orvel.VFaderMode = 1;
    EXPECT_EQ(Presses(6), (std::vector<int>{8, 8, 9, 9, 10, 10}));
    VFaderSetMode(VFADER_NONE);
    EXPECT_EQ(Modes(4), (std::vector<int>{VFADER_CYCLING, VFADER_FIXED, VFADER_CYCLING, VFADER_FIXED}));
    // channel 8 held; with three cycled channels the next is 9, then back to 7
    Orvel.VFaderCycle = 3;
    EXPECT_EQ(Presses(4), (std::vector<int>{9, 9, 7, 7}));
}

TEST_F(VirtualFader, NoCycleMeansTheKeyDoesNothing)
{
    Orvel.VFaderCycle = 0;
    EXPECT_EQ(Modes(2), (std::vector<int>{VFADER_NONE, VFADER_NONE}));
    Orvel.VFaderMode = 1;
    VFaderSetMode(VFADER_CYCLING);
    EXPECT_EQ(Presses(2), (std::vector<int>{7, 7}));
}

TEST_F(VirtualFader, SettingsAreServedByTheModel)
{
    struct Row {
        MsgHandler Hook;
        const std::uint32_t* Field;
        std::uint32_t Value;
    };
    for (const Row& r : {Row{VFaderCycleHook, &Orvel.VFaderCycle, 2}, Row{VFaderModeHook, &Orvel.VFaderMode, 1}}) {
        HookSet(r.Hook, r.Value);
        EXPECT_EQ(*r.Field, r.Value);
        EXPECT_EQ(HookGet(r.Hook), MsgParam(r.Value));
        EXPECT_EQ(SendHook(r.Hook, MSG_VALUE_STEP, 1).Result, 0U);
        EXPECT_EQ(*r.Field, r.Value);
    }
}

TEST_F(VirtualFader, StartsWithoutAFaderAgainAndForgetsTheMeters)
{
    VFaderSetMode(VFADER_CYCLING);
    VFaderAdvance();
    VFaderSetChan(4);
    MeterLayout(3);
    VFaderSetSel(2);
    OrvelMeters.MeterLevel[0] = 200;
    Start();
    EXPECT_EQ(VFaderDisplayMode(), VFADER_NONE);
    EXPECT_EQ(VFaderChannel(), -1);
    VFaderSetMode(VFADER_CYCLING);
    EXPECT_EQ(VFaderChannel(), 6);
    VFaderSetMode(VFADER_FIXED);
    EXPECT_EQ(VFaderChannel(), 0);
    EXPECT_EQ(OrvelMeters.NMeters, 0);
    EXPECT_EQ(OrvelMeters.MeterLevel[0], 0);
    EXPECT_EQ(OrvelMeters.Flags, 0);
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
