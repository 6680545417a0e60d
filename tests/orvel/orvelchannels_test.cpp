// The digit keys of the two channel pages: the channel chosen, the editor closed and opened again
// around the change, the channel's meter and the redraw.
#include "orvel/orvelchannels.h"

#include <gtest/gtest.h>

#include <vector>

#include "orvel/hook_probe.h"
#include "orvel/orvel.h"
#include "orvel/orvelhooks.h"
#include "uicore/ui_fixture.h"
#include "uicore/uieditors.h"
#include "uicore/uikeys.h"
#include "uicore/uimeter.h"
#include "uicore/uisetting.h"

namespace {

template <MsgHandler Hook>
std::uint32_t LoggedPage(void* self, Message* msg)
{
    UITest::ProbeHandler(self, msg);
    return Hook(self, msg);
}

class ChannelPage : public UITest {
protected:
    void SetUp() override
    {
        UITest::SetUp();
        const char* argv[] = {"orvel-sim"};
        OrvelPowerOn(1, argv, "orvel-sim");
        Name(&page, "page");
        Name(&editor, "editor");
        MsgRegister(UIMainHandler, 0);
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

    // Taps each key and collects the channel number (index + 1) after it.
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

// A second press of the key of channel 7 or 8 moves on to 9 or 10.
TEST_F(ChannelPage, SetupDigitsChooseTheChannelAndItsMeterAndReopenTheEditor)
{
    Show(LoggedPage<ChSetupPageHook>);
    const std::uint8_t& chan = Orvel.Setup.Chan;
    EXPECT_EQ(Channels({KEY_COM, KEY_COM}, chan), (std::vector<int>{7, 9}));
    EXPECT_EQ(EditorMessages(), (std::vector<std::uint32_t>{MSG_EDITOR_CLOSE, MSG_EDITOR_OPEN, MSG_EDITOR_CLOSE,
                                                            MSG_EDITOR_OPEN}));
    EXPECT_EQ(Log(MSG_PAGE_REDIRECT).size(), 2U) << "the page is shown again";
    EXPECT_EQ(OrvelMeters.NMeters, 1);
    EXPECT_STREQ(OrvelMeters.Name[0], "INPUT 9");
    ASSERT_EQ(UIActiveEditor, &editor);
    EXPECT_EQ(editor.Setting, &setting);

    EXPECT_EQ(Channels({KEY_SLT, KEY_SLT, KEY_SLT, '0', '0'}, chan), (std::vector<int>{8, 10, 8, 10, 9}));
    EXPECT_EQ(Channels({'9', '9', '7', '7', '8', '8'}, chan), (std::vector<int>{9, 9, 7, 9, 8, 10}));
    EXPECT_EQ(Channels({KEY_TC, KEY_TC, '6', '6'}, chan), (std::vector<int>{1, 1, 6, 6}));

    Log().clear();
    const int flushes = Flushes();
    for (const std::uint32_t key : std::initializer_list<std::uint32_t>{KEY_MENU, KEY_UP, KEY_HP, 'A'}) {
        Message down{.Id = MSG_KEY_DOWN, .Param = key};
        EXPECT_EQ(ChSetupPageHook(&page, &down), 0U) << key;
    }
    EXPECT_EQ(chan, 5);
    EXPECT_TRUE(EditorMessages().empty());
    EXPECT_EQ(Flushes(), flushes);
}

namespace {

constexpr UIMenuItem TypeItems[] = {{"MIC", 0, 0}, {"LINE", 1, 0}};
constexpr UIMenu TypeMenu = {.NItems = std::size(TypeItems), .Items = TypeItems};

// The "TYPE " row as the recorder builds it: the current channel's input type.
UISetting ChannelType = {.Handler = HookFirst<ChannelTypeHook, UIEnumSettingHandler>, .Menu = &TypeMenu};

}  // namespace

TEST_F(ChannelPage, SetupReopenedEditorShowsAndStepsTheNewChannelsValue)
{
    Orvel.Setup.Channel[6].Type = 1;
    Show(ChSetupPageHook);
    UIEditorOpen(&UIEnumEditor, &ChannelType, 95, 40);
    UIRedraw();
    const Picture mic = buffer;
    Tap(KEY_COM);
    EXPECT_FALSE(buffer == mic) << "channel 7 is a line input";
    Tap(KEY_DOWN);
    EXPECT_EQ(Orvel.Setup.Channel[6].Type, 0);
    Tap(KEY_TC);
    EXPECT_TRUE(buffer == mic);
}

TEST_F(ChannelPage, KavlinDigitsChooseTheLinkChannelWithoutAMeter)
{
    Show(LoggedPage<ChKavlinPageHook>);
    const std::uint8_t& chan = Orvel.KLin.Chan;
    EXPECT_EQ(Channels({KEY_COM, KEY_COM, '0', KEY_TC, KEY_PFL}, chan), (std::vector<int>{7, 7, 10, 1, 5}));
    EXPECT_EQ(EditorMessages().size(), 10U);
    EXPECT_EQ(UIActiveEditor, &editor);
    EXPECT_EQ(OrvelMeters.NMeters, 0);

    for (const std::uint32_t key : std::initializer_list<std::uint32_t>{KEY_MENU, KEY_RIGHT, 'x'}) {
        Message down{.Id = MSG_KEY_DOWN, .Param = key};
        EXPECT_EQ(ChKavlinPageHook(&page, &down), 0U) << key;
    }
    Message up{.Id = MSG_KEY_UP, .Param = '3'};
    EXPECT_EQ(ChKavlinPageHook(&page, &up), 0U);
    EXPECT_EQ(chan, 4);
}
