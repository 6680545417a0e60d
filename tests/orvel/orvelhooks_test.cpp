#include "orvel/orvelhooks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "orvel/hook_probe.h"
#include "orvel/orvel.h"
#include "support/assert_capture.h"
#include "uicore/uicontrols.h"
#include "uicore/uieditors.h"
#include "uicore/uiutils.h"

namespace {

using ValueHooks = PoweredOn;

std::string Tag(Colour* colour)
{
    char text[MAX_UI_TEXT] = "stale";
    *colour = Mp3Tag(text);
    return text;
}

}  // namespace

TEST_F(ValueHooks, SampleRateOptionChoosesTheRateOnlyFromItsTable)
{
    EXPECT_EQ(HookGet(SampleRateHook), 2);
    EXPECT_EQ(Orvel.SampleRate, 48000U);
    HookSet(SampleRateHook, 6);

    AssertCapture capture;
    HookSet(SampleRateHook, 7);
    EXPECT_EQ(capture.Expressions(), std::vector<std::string>{"index < numberof(SampleRateTbl)"});
    EXPECT_EQ(Orvel.SampleRate, 96096U);
}

TEST_F(ValueHooks, MeterPeakHoldMovesOneStepTowardsEachRequest)
{
    EXPECT_EQ(HookGet(MeterPeakHoldHook), 4000);
    HookSet(MeterPeakHoldHook, 4300);  // less than a step away still moves a whole step
    EXPECT_EQ(Orvel.MeterPeakHold, 4200U);
    for (int i = 0; i < 20; ++i)
        HookSet(MeterPeakHoldHook, 100);
    EXPECT_EQ(HookGet(MeterPeakHoldHook), 400);
    Orvel.MeterPeakHold = 7900;
    HookSet(MeterPeakHoldHook, 9000);
    EXPECT_EQ(Orvel.MeterPeakHold, 8000U);
}

TEST_F(ValueHooks, ChannelRowsFollowTheCurrentChannel)
{
    Orvel.Setup.Chan = 3;
    HookSet(ChannelTypeHook, 1);
    HookSet(ChannelDelayHook, 25);
    Orvel.Setup.Chan = 9;
    EXPECT_EQ(HookGet(ChannelTypeHook) + HookGet(ChannelDelayHook), 0);
    Orvel.Setup.Chan = 3;
    EXPECT_EQ(HookGet(ChannelTypeHook), 1);
    EXPECT_EQ(HookGet(ChannelDelayHook), 25);

    Orvel.Setup.Chan = 10;
    Orvel.KLin.Chan = 21;
    AssertCapture capture;
    HookGet(ChannelDelayHook);
    SendHook(KavlinTrimHook, MSG_EDITOR_GET);
    EXPECT_EQ(capture.Expressions(),
              (std::vector<std::string>{"Orvel.Setup.Chan < numberof(Orvel.Delay)",
                                        "Orvel.KLin.Chan < numberof(Orvel.KLin.Channel)"}));
}

TEST_F(ValueHooks, TimecodesRunOneFrameForEachRead)
{
    for (int frame = 0; frame < 30; ++frame)
        HookGet(ReaderTcHook);
    EXPECT_EQ(HookGet(ReaderTcHook), UITimecodeFromHMSF(0, 0, 1, 0));
    EXPECT_EQ(HookGet(GenTcHook), 0);  // a counter of its own
    EXPECT_EQ(HookGet(GenTcHook), UITimecodeFromHMSF(0, 0, 0, 1));

    Orvel.GenTc = UITimecodeFromHMSF(23, 59, 59, 29);
    HookGet(GenTcHook);
    EXPECT_EQ(HookGet(GenTcHook), 0);
    EXPECT_EQ(SendHook(CpuUsageHook, MSG_VALUE_SET, 3), 0U) << "read only";
}

TEST_F(ValueHooks, Mp3TagShowsWithSupportUnlessHidden)
{
    Colour colour = 1;
    EXPECT_EQ(Tag(&colour), "");
    EXPECT_EQ(colour, COLOUR_BLACK);
    HookSet(Mp3SupportHook, 2);
    EXPECT_EQ(Tag(&colour), "MP3");
    EXPECT_EQ(colour, COLOUR_BLACK);
    Orvel.Transport = 2;
    Tag(&colour);
    EXPECT_EQ(colour, COLOUR_MP3_RECORDING);

    Mp3MuteToggle();
    EXPECT_EQ(Tag(&colour), "");
    Mp3MuteToggle();
    StarFlagSet(1);
    EXPECT_EQ(Tag(&colour), "") << "the STAR flag alone hides it";
    Mp3MuteToggle();  // the toggle shows the tag and clears the flag
    EXPECT_EQ(Tag(&colour), "MP3");
    EXPECT_EQ(Orvel.StarFlag, 0);

    StarFlagSet(-1);
    StarFlagSet(-1);
    EXPECT_EQ(Orvel.StarFlag, 0) << "a negative value toggles";
}
