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

class ValueHooks : public testing::Test {
protected:
    void SetUp() override
    {
        const char* argv[] = {"orvel-sim"};
        OrvelPowerOn(1, argv, "orvel-sim");
    }

    static std::string Text(MsgHandler hook)
    {
        char text[MAX_UI_TEXT] = "";
        EXPECT_EQ(SendHook(hook, MSG_TEXT_GET, MsgParamOf(text)).Result, 1U);
        return text;
    }

    static std::string Tag(Colour* colour)
    {
        char text[MAX_UI_TEXT] = "stale";
        *colour = Mp3Tag(text);
        return text;
    }
};

}  // namespace

TEST_F(ValueHooks, SampleRateOptionChoosesTheRateInHertz)
{
    EXPECT_EQ(HookGet(SampleRateHook), 2);
    EXPECT_EQ(Orvel.SampleRate, 48000U);
    const std::uint32_t rates[] = {44100, 47952, 48000, 48048, 88200, 96000, 96096};
    for (std::uint32_t index = 0; index < std::size(rates); ++index) {
        HookSet(SampleRateHook, index);
        EXPECT_EQ(HookGet(SampleRateHook), index);
        EXPECT_EQ(Orvel.SampleRate, rates[index]) << "option " << index;
    }

    AssertCapture capture;
    HookSet(SampleRateHook, 7);
    EXPECT_EQ(capture.Expressions(), std::vector<std::string>{"index < numberof(SampleRateTbl)"});
    EXPECT_EQ(Orvel.SampleRate, 96096U);  // a rate is only ever taken from the table
}

// The mirror drive keeps to the two drives that can mirror; phantom power is never its placeholder.
TEST_F(ValueHooks, MirrorDriveAndDynamic48VKeepToTheOptionsThatExist)
{
    EXPECT_EQ(HookGet(MirrorDriveHook), 2);
    HookSet(MirrorDriveHook, 0);  // "(PRI)"
    EXPECT_EQ(Orvel.MirrorDrive, 1U);
    HookSet(MirrorDriveHook, 3);  // "(SD)"
    EXPECT_EQ(Orvel.MirrorDrive, 2U);
    HookSet(MirrorDriveHook, 1);
    EXPECT_EQ(HookGet(MirrorDriveHook), 1);

    EXPECT_EQ(HookGet(Dynamic48VHook), 1);
    HookSet(Dynamic48VHook, 3);  // "AutoKill"
    EXPECT_EQ(Orvel.Dynamic48V, 3U);
    HookSet(Dynamic48VHook, 0);  // "---"
    EXPECT_EQ(Orvel.Dynamic48V, 1U);
    HookSet(Dynamic48VHook, 2);
    HookSet(Dynamic48VHook, -1);
    EXPECT_EQ(HookGet(Dynamic48VHook), 1);
}

TEST_F(ValueHooks, MeterPeakHoldMovesOneStepTowardsEachRequest)
{
    EXPECT_EQ(HookGet(MeterPeakHoldHook), 4000);
    HookSet(MeterPeakHoldHook, 5000);
    EXPECT_EQ(Orvel.MeterPeakHold, 4200U);
    HookSet(MeterPeakHoldHook, 4200);  // already there
    EXPECT_EQ(Orvel.MeterPeakHold, 4200U);
    HookSet(MeterPeakHoldHook, 4300);  // less than a step away still moves a whole step
    EXPECT_EQ(Orvel.MeterPeakHold, 4400U);

    std::vector<MsgParam> walk;
    for (int i = 0; i < 22; ++i) {
        HookSet(MeterPeakHoldHook, 100);
        walk.push_back(HookGet(MeterPeakHoldHook));
    }
    EXPECT_EQ(walk.front(), 4200);
    EXPECT_EQ(walk[19], 400);  // twenty steps of 200 down from 4400
    EXPECT_EQ(walk.back(), 400);

    Orvel.MeterPeakHold = 7900;
    HookSet(MeterPeakHoldHook, 9000);
    EXPECT_EQ(Orvel.MeterPeakHold, 8000U);
    HookSet(MeterPeakHoldHook, 9000);
    EXPECT_EQ(Orvel.MeterPeakHold, 8000U);
}

TEST_F(ValueHooks, PlainValuesAreStoredInTheirOwnFields)
{
    struct Row {
        MsgHandler Hook;
        std::uint32_t* Field;
        std::uint32_t Initial;
    };
    const Row rows[] = {
        {IsoAttenuationHook, &Orvel.IsoAttenuation, 6}, {PanCopy34Hook, &Orvel.PanCopy34, 0},
        {PanCopy56Hook, &Orvel.PanCopy56, 0},           {Mp3SupportHook, &Orvel.Mp3Support, 0},
        {Mp3MixHook, &Orvel.Mp3Mix, 0},                 {AMixModeHook, &Orvel.AMixMode, 0},
        {YearHook, &Orvel.Year, 2011},                  {MonthHook, &Orvel.Month, 5},
        {DayHook, &Orvel.Day, 9},                       {HoursHook, &Orvel.Hours, 10},
        {MinutesHook, &Orvel.Minutes, 20},              {SecondsHook, &Orvel.Seconds, 0},
    };
    for (std::uint32_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(HookGet(rows[i].Hook), rows[i].Initial) << "row " << i;
        HookSet(rows[i].Hook, 100 + i);
        EXPECT_EQ(HookGet(rows[i].Hook), 100 + i) << "row " << i;
    }
    // each kept its own value: no two hooks share a field
    for (std::uint32_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(*rows[i].Field, 100 + i) << "row " << i;
        EXPECT_EQ(SendHook(rows[i].Hook, MSG_VALUE_STEP, 1).Result, 0U) << "row " << i;
    }
    EXPECT_EQ(Mp3SupportGet(), 103U);
    EXPECT_EQ(AMixModeGet(), 105U);
}

TEST_F(ValueHooks, ChannelRowsFollowTheCurrentInputChannel)
{
    Orvel.Setup.Chan = 3;
    HookSet(ChannelTypeHook, 1);
    HookSet(ChannelDelayHook, 25);
    EXPECT_EQ(Orvel.Setup.Channel[3].Type, 1);
    EXPECT_EQ(Orvel.Delay[3], 25U);

    Orvel.Setup.Chan = 9;
    EXPECT_EQ(HookGet(ChannelTypeHook), 0);
    EXPECT_EQ(HookGet(ChannelDelayHook), 0);
    HookSet(ChannelDelayHook, 7);
    EXPECT_EQ(Orvel.Delay[9], 7U);

    Orvel.Setup.Chan = 3;
    EXPECT_EQ(HookGet(ChannelTypeHook), 1);
    EXPECT_EQ(HookGet(ChannelDelayHook), 25);

    Orvel.Setup.Chan = 10;
    AssertCapture capture;
    HookGet(ChannelTypeHook);
    HookGet(ChannelDelayHook);
    EXPECT_EQ(capture.Expressions(), (std::vector<std::string>{"Orvel.Setup.Chan < numberof(Orvel.Setup.Channel)",
                                                               "Orvel.Setup.Chan < numberof(Orvel.Delay)"}));
}

TEST_F(ValueHooks, WtuFrequencyIsShownAsAtLeastTheLowestChannel)
{
    Orvel.KLin.Chan = 4;
    EXPECT_EQ(HookGet(WtuFrequencyHook), 5400);
    HookSet(WtuFrequencyHook, 6123);
    EXPECT_EQ(Orvel.KLin.Channel[4].Frequency, 6123);
    EXPECT_EQ(HookGet(WtuFrequencyHook), 6123);

    HookSet(WtuFrequencyHook, 5000);
    EXPECT_EQ(Orvel.KLin.Channel[4].Frequency, 5000);  // stored as set, only the answer is raised
    EXPECT_EQ(HookGet(WtuFrequencyHook), 5400);

    Orvel.KLin.Chan = 20;
    EXPECT_EQ(HookGet(WtuFrequencyHook), 5400);
    EXPECT_EQ(Orvel.KLin.Channel[5].Frequency, 5400);
    EXPECT_EQ(SendHook(WtuFrequencyHook, MSG_EDITOR_GET).Param, MsgParamOf(&UINumberEditor.Editor));
}

TEST_F(ValueHooks, TrimRowsAskForTheNumberEditorOnAValidChannel)
{
    Orvel.Setup.Chan = 9;
    Orvel.KLin.Chan = 20;
    for (MsgHandler hook : {SetupTrimHook, CDScalHook, KavlinTrimHook}) {
        const HookAnswer editor = SendHook(hook, MSG_EDITOR_GET);
        EXPECT_EQ(editor.Result, 1U);
        EXPECT_EQ(editor.Param, MsgParamOf(&UINumberEditor.Editor));
        EXPECT_EQ(SendHook(hook, MSG_VALUE_GET).Result, 0U);  // the value is the row's own
    }

    Orvel.Setup.Chan = 10;
    Orvel.KLin.Chan = 21;
    AssertCapture capture;
    for (MsgHandler hook : {SetupTrimHook, CDScalHook, KavlinTrimHook})
        SendHook(hook, MSG_EDITOR_GET);
    EXPECT_EQ(capture.Expressions(), (std::vector<std::string>{"Orvel.Setup.Chan < numberof(Orvel.Setup.Channel)",
                                                               "Orvel.Setup.Chan < numberof(Orvel.Setup.Channel)",
                                                               "Orvel.KLin.Chan < numberof(Orvel.KLin.Channel)"}));
}

TEST_F(ValueHooks, TimecodesRunOneFrameForEachRead)
{
    EXPECT_EQ(HookGet(ReaderTcHook), 0);
    for (int frame = 1; frame < 30; ++frame)
        HookGet(ReaderTcHook);
    EXPECT_EQ(HookGet(ReaderTcHook), UITimecodeFromHMSF(0, 0, 1, 0));
    EXPECT_EQ(HookGet(ReaderTcHook), UITimecodeFromHMSF(0, 0, 1, 1));

    EXPECT_EQ(HookGet(GenTcHook), 0);  // a counter of its own
    EXPECT_EQ(HookGet(GenTcHook), UITimecodeFromHMSF(0, 0, 0, 1));
    EXPECT_EQ(HookGet(ReaderTcHook), UITimecodeFromHMSF(0, 0, 1, 2));

    Orvel.GenTc = UITimecodeFromHMSF(23, 59, 59, 29);
    HookGet(GenTcHook);
    EXPECT_EQ(HookGet(GenTcHook), 0);

    EXPECT_EQ(HookGet(ReaderUbHook), 1719109785);
    EXPECT_EQ(HookGet(ReaderUbHook), 1719109785);
}

TEST_F(ValueHooks, StatusRowsAreFixedAndReadOnly)
{
    EXPECT_EQ(HookGet(CpuUsageHook), 57);
    EXPECT_EQ(SendHook(CpuUsageHook, MSG_VALUE_SET, 3).Result, 0U);
    EXPECT_EQ(HookGet(CpuUsageHook), 57);
    EXPECT_EQ(Text(ReaderTcLabelHook), "READER TC");
    EXPECT_EQ(Text(PrimaryStatusHook), "13GB FREE");
    EXPECT_EQ(Text(MirrorStatusHook), "481MB FREE");
    EXPECT_EQ(SendHook(PrimaryStatusHook, MSG_VALUE_GET).Result, 0U);
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
    EXPECT_EQ(Tag(&colour), "MP3");
    EXPECT_EQ(colour, 23);
    Orvel.Transport = 1;
    Tag(&colour);
    EXPECT_EQ(colour, COLOUR_BLACK);

    Mp3MuteToggle();
    EXPECT_EQ(Tag(&colour), "");
    Mp3MuteToggle();
    EXPECT_EQ(Tag(&colour), "MP3");
}

TEST_F(ValueHooks, StarFlagIsStoredOrToggledAndHidesTheMp3TagUntilTheTagIsToggled)
{
    StarFlagSet(-1);
    EXPECT_EQ(Orvel.StarFlag, 1);
    StarFlagSet(-1);
    EXPECT_EQ(Orvel.StarFlag, 0);
    StarFlagSet(1);
    StarFlagSet(1);
    EXPECT_EQ(Orvel.StarFlag, 1);
    StarFlagSet(0);
    EXPECT_EQ(Orvel.StarFlag, 0);

    HookSet(Mp3SupportHook, 1);
    StarFlagSet(1);
    Colour colour = 1;
    EXPECT_EQ(Tag(&colour), "");
    EXPECT_EQ(colour, COLOUR_BLACK);

    Mp3MuteToggle();  // hidden by the flag: the toggle shows the tag and clears the flag
    EXPECT_EQ(Tag(&colour), "MP3");
    EXPECT_EQ(Orvel.StarFlag, 0);
    EXPECT_EQ(Orvel.Mp3Mute, 0U);

    Mp3MuteToggle();
    StarFlagSet(1);
    Mp3MuteToggle();  // hidden twice over: one toggle shows it
    EXPECT_EQ(Tag(&colour), "MP3");
}
