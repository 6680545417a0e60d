// The model's value hooks, and the digit keys of the two channel pages: the channel chosen, the editor
// closed and opened again around the change, the channel's meter and the redraw.
#include "orvel/orvelhooks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "orvel/hook_probe.h"
#include "orvel/orvel.h"
#include "orvel/orvelchannels.h"
#include "support/assert_capture.h"
#include "uicore/ui_fixture.h"
#include "uicore/uicontrols.h"
#include "uicore/uieditors.h"
#include "uicore/uikeys.h"
#include "uicore/uimeter.h"
#include "uicore/uiutils.h"

namespace {

using ValueHooks = PoweredOn;

std::string Tag(Colour* colour)
{
    char text[MAX_UI_TEXT] = "stale";
    *colour = Mp3Tag(text);
    return text;
}

template <MsgHandler Hook> std::uint32_t LoggedPage(void* self, Message* msg)
{
    UITest::ProbeHandler(self, msg);
    return Hook(self, msg);
}

class ChannelPage : public PoweredOnUI {
protected:
    void SetUp() override
    {
        PoweredOnUI::SetUp();
        Name(&page, "page");
        Name(&editor, "editor");
    }

    void Show(MsgHandler handler)
    {
        page.Handler = handler;
        UIGotoPage(&page);
        UIEditorOpen(&editor, &setting, 95, 40);
        Log().clear();
    }

    // The editor's openings and closings, in order.
    static std::vector<std::uint32_t> EditorMessages()
    {
        std::vector<std::uint32_t> ids;
        for (const Received& received : Log())
            if (received.Who == "editor" && (received.Id == MSG_EDITOR_OPEN || received.Id == MSG_EDITOR_CLOSE))
                ids.push_back(received.Id);
        return ids;
    }

    // The channel number (index + 1) after each key.
    static std::vector<int> Channels(std::initializer_list<std::uint32_t> keys, const std::uint8_t& chan)
    {
        std::vector<int> shown;
        for (const std::uint32_t key : keys) {
            Tap(key);
            shown.push_back(chan + 1);
        }
        return shown;
    }

    MsgTarget setting = {.Handler = UINullHandler};
    UIEditor editor = {.Handler = ProbeHandler, .Setting = nullptr, .X = 0, .Y = 0};
    UIPage page = ProbePage(0, nullptr, 0);
};

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

// A second press of the key of channel 7 or 8 moves on to 9 or 10.
TEST_F(ChannelPage, SetupDigitsChooseTheChannelAndItsMeterAndReopenTheEditor)
{
    Show(LoggedPage<ChSetupPageHook>);
    const std::uint8_t& chan = Orvel.Setup.Chan;
    EXPECT_EQ(Channels({KEY_COM, KEY_COM}, chan), (std::vector<int>{7, 9}));
    EXPECT_EQ(EditorMessages(),
              (std::vector<std::uint32_t>{MSG_EDITOR_CLOSE, MSG_EDITOR_OPEN, MSG_EDITOR_CLOSE, MSG_EDITOR_OPEN}));
    EXPECT_EQ(Log(MSG_PAGE_REDIRECT).size(), 2U) << "the page is shown again";
    EXPECT_STREQ(OrvelMeters.Name[0], "INPUT 9");
    EXPECT_EQ(UIActiveEditor, &editor);

    EXPECT_EQ(Channels({KEY_SLT, KEY_SLT, KEY_SLT, '0', '0'}, chan), (std::vector<int>{8, 10, 8, 10, 9}));
    EXPECT_EQ(Channels({'9', '9', '7', '7', '8', '8'}, chan), (std::vector<int>{9, 9, 7, 9, 8, 10}));
    EXPECT_EQ(Channels({KEY_TC, KEY_TC, '6', '6'}, chan), (std::vector<int>{1, 1, 6, 6}));

    Log().clear();
    for (const std::uint32_t key : std::initializer_list<std::uint32_t>{KEY_MENU, KEY_UP, KEY_HP, 'A'})
        EXPECT_EQ(SendHook(ChSetupPageHook, MSG_KEY_DOWN, key, &page), 0U) << key;
    EXPECT_EQ(chan, 5);
    EXPECT_TRUE(EditorMessages().empty());
}

TEST_F(ChannelPage, KavlinDigitsChooseTheLinkChannelWithoutAMeter)
{
    Show(LoggedPage<ChKavlinPageHook>);
    const std::uint8_t& chan = Orvel.KLin.Chan;
    EXPECT_EQ(Channels({KEY_COM, KEY_COM, '0', KEY_TC, KEY_PFL}, chan), (std::vector<int>{7, 7, 10, 1, 5}));
    EXPECT_EQ(EditorMessages().size(), 10U);
    EXPECT_EQ(OrvelMeters.NMeters, 0);

    for (const std::uint32_t key : std::initializer_list<std::uint32_t>{KEY_MENU, KEY_RIGHT, 'x'})
        EXPECT_EQ(SendHook(ChKavlinPageHook, MSG_KEY_DOWN, key, &page), 0U) << key;
    EXPECT_EQ(SendHook(ChKavlinPageHook, MSG_KEY_UP, '3', &page), 0U);
    EXPECT_EQ(chan, 4);
}
