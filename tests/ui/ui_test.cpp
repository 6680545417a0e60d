// The global keys: page-key holds and short presses, back, arrows, the transport keys under both key
// modes, and the PC shortcuts.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "home_fixture.h"
#include "orvel/orvelplay.h"
#include "support/assert_capture.h"
#include "support/golden.h"
#include "ui/uipages.h"
#include "uicore/uikeys.h"
#include "uicore/uitextedit.h"

namespace {

using RequestList = std::vector<std::uint32_t>;

constexpr std::uint32_t KEY_HOME = 145;
using Keys = std::initializer_list<std::uint32_t>;

constexpr std::uint32_t Ctrl(std::uint32_t key) { return KEY_MOD_CTRL | key; }
constexpr std::uint32_t Alt(std::uint32_t key) { return KEY_MOD_ALT | key; }

std::vector<std::uint32_t> Requested;

std::uint32_t TransportPageHandler(void* self, Message* msg)
{
    return TransportKeysHandler(static_cast<UIPage*>(self), msg);
}

// A page that takes the transport keys as the home page and the transport pages do.
UIPage TransportPage = {.Handler = TransportPageHandler, .Flags = 0, .Parent = nullptr, .ControlIndex = -1,
                        .NControls = 0, .Controls = nullptr};

// The started recorder, collecting the transport requests the keys make instead of acting on them.
class GlobalKeys : public HomeTest {
protected:
    void SetUp() override
    {
        HomeTest::SetUp();
        Requested.clear();
        TransportSetSink([](std::uint32_t cmd) { Requested.push_back(cmd); });
    }

    void TearDown() override
    {
        TransportSetSink(nullptr);
        HomeTest::TearDown();
    }

    static void Use(std::uint8_t mode)
    {
        Orvel.TransportKeys = mode;
        UIGotoPage(&TransportPage);
        Requested.clear();
    }
};

std::vector<std::int32_t> Steps;  // broadcast while the UI main handler is not listening

std::uint32_t CollectEncoder(MsgParam, Message* msg)
{
    if (msg->Id == MSG_ENCODER)
        Steps.push_back(MsgParamInt(msg));
    return 0;
}

}  // namespace

TEST_F(GlobalKeys, TransportUnshiftedKeysActAloneAndAreOrdinaryWithMenuHeld)
{
    Use(0);
    for (const std::uint32_t key : {KEY_TC, KEY_KLIN, KEY_BUS, KEY_PFL, KEY_AMIX})
        Tap(key);
    EXPECT_EQ(Requested, (RequestList{2, 0, 3, 4, 1}));
    EXPECT_EQ(UICurrentPage, &PlaybackControlPage);

    Use(0);
    Press(KEY_MENU);
    Tap(KEY_TC);
    EXPECT_TRUE(Requested.empty());
    EXPECT_EQ(UICurrentPage, &SlatePage);
}

TEST_F(GlobalKeys, TransportShiftedKeysActWhenHeldForASecondOrAtOnceWithMenuHeld)
{
    Use(1);
    Press(KEY_TC);
    Advance(1000);
    EXPECT_TRUE(Requested.empty()) << "the hold runs a full second";
    Advance(10);
    EXPECT_EQ(Requested, RequestList{2});
    Advance(2000);
    Release(KEY_TC);
    EXPECT_EQ(Requested, RequestList{2}) << "one request per hold";

    for (const auto& [key, held] : {std::pair{KEY_KLIN, 1010}, {KEY_BUS, 1010}, {KEY_SETUP, 1010}, {KEY_TC, 500}})
        Hold(key, held);
    Advance(1000);
    EXPECT_EQ(Requested, (RequestList{2, 0, 5})) << "BUS held gives nothing, TC was released early";
    EXPECT_EQ(UICurrentPage, &SlatePage);

    Use(1);  // with MENU held they act at once and MENU's release is ignored
    Press(KEY_MENU);
    Press(KEY_BUS);
    EXPECT_EQ(Requested, RequestList{3});
    EXPECT_TRUE(KeyReleaseIgnoreTbl[KEY_MENU]);
    Press(KEY_SETUP);
    EXPECT_EQ(Requested, RequestList{3}) << "SETUP is no shifted transport key";
}

// A page key opens its page on a release within the second; held longer only SETUP requests (record).
TEST_F(GlobalKeys, ShortPressesOpenTheirPagesAndOnlySetupHeldRequests)
{
    const struct {
        std::uint32_t Key, Held;
        UIPage* Page;
    } cases[] = {{KEY_BUS, 990, &BusRoutingPage}, {KEY_BUS, 1010, &MainMenuPage}, {KEY_SETUP, 1010, &MainMenuPage},
                 {KEY_SETUP, 20, &ChSetupPage}};
    for (const auto& c : cases) {
        UIGotoPage(&MainMenuPage);
        Hold(c.Key, c.Held);
        EXPECT_EQ(UICurrentPage, c.Page);
    }
    EXPECT_EQ(Requested, RequestList{5});
    Tap('7');  // on the channel page a digit chooses the channel its title shows
    EXPECT_EQ(Orvel.Setup.Chan, 6);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/channel_setup_title"));
}

TEST_F(GlobalKeys, KlinAndAMixOpenPagesByTheFeaturesAndModes)
{
    const struct {
        std::uint32_t Key, Kavlin, Mp3, AMixMode;
        UIPage* Page;
    } cases[] = {{KEY_KLIN, 1, 0, 0, &ChKavlinPage}, {KEY_KLIN, 0, 0, 0, &MetaDataPage},
                 {KEY_AMIX, 1, 0, 0, &MetaDataPage}, {KEY_AMIX, 1, 0, 2, &AutoMixerSetupPage},
                 {KEY_AMIX, 1, 2, 2, &MainMenuPage}};
    for (const auto& c : cases) {
        UIGotoPage(&MainMenuPage);
        Orvel.FeatKavlin = c.Kavlin;
        Orvel.Mp3Support = c.Mp3;
        Orvel.AMixMode = c.AMixMode;
        Tap(c.Key);
        EXPECT_EQ(UICurrentPage, c.Page);
    }
    EXPECT_EQ(Orvel.Mp3Mute, 1U) << "with MP3 support AMIX toggles the marker instead";
}

TEST_F(GlobalKeys, BackClimbsToTheParentAndEndsAtHome)
{
    UIGotoPage(&MirrorPage);
    for (UIPage* parent : {&MyOrvelPage, &MainMenuPage, &UIHomePage}) {
        Tap(KEY_HP);
        EXPECT_EQ(UICurrentPage, parent);
    }
}

// The arrows step the encoder, upward on the home pages.
TEST_F(GlobalKeys, ArrowsStepTheEncoder)
{
    MsgUnregisterAll();
    MsgRegister(CollectEncoder, 0);
    for (UIPage* page : {&UIHomePage, &HomePanPage, &MainMenuPage}) {
        Steps.clear();
        for (const std::uint32_t key : {KEY_UP, KEY_RIGHT, KEY_DOWN, KEY_LEFT}) {
            Message down{.Id = MSG_KEY_DOWN, .Param = key};
            EXPECT_EQ(PageDefaultHandler(page, &down), 1U);
        }
        const std::int32_t up = page == &MainMenuPage ? -1 : 1;
        EXPECT_EQ(Steps, (std::vector<std::int32_t>{up, up, -up, -up}));
    }

    AssertCapture capture;
    EXPECT_EQ(PageDefaultHandler(nullptr, nullptr), 0U);
    EXPECT_EQ(TransportKeysHandler(nullptr, nullptr), 0U);
    EXPECT_EQ(capture.Expressions(), (std::vector<std::string>{"page", "page"}));
}

// Ctrl and Alt make keys of their own: Ctrl+M is no shortcut, Alt+M is "M" again.
TEST_F(GlobalKeys, ShortcutsOpenTheirPagesAndOtherKeysAreSwallowed)
{
    const std::pair<std::uint32_t, UIPage*> cases[] = {
        {'T', &SlatePage}, {KEY_F6, &ChSetupPage}, {'M', &MainMenuPage}, {Alt('M'), &MainMenuPage},
        {Alt('K'), &EditTrackNamesPage}, {KEY_HOME, &UIHomePage}, {Ctrl('P'), &PlaybackControlPage}};
    for (const auto& [key, page] : cases) {
        UIGotoPage(&EngSetupPage);
        Tap(key);
        EXPECT_EQ(UICurrentPage, page) << "key " << key;
    }
    EXPECT_EQ(Requested, RequestList{1}) << "Ctrl+P also requests play";

    UIGotoPage(&MainMenuPage);
    for (const std::uint32_t key : Keys{'Q', Alt('Q'), Ctrl('M'), Ctrl(KEY_F1), KEY_F11, KEY_STAR}) {
        Message down{.Id = MSG_KEY_DOWN, .Param = static_cast<MsgParam>(key)};
        EXPECT_EQ(UIMainHandler(0, &down), 1U) << "key " << key;
    }
    EXPECT_EQ(UICurrentPage, &MainMenuPage);
    EXPECT_EQ(Orvel.Mp3Mute, 0U) << "Ctrl+F1 toggles the marker only with MP3 support";
    EXPECT_EQ(Requested, RequestList{1});
}

TEST_F(GlobalKeys, ShortcutsMakeRequestsAndStepTheHeadphoneMemories)
{
    UIGotoPage(&MainMenuPage);
    for (const std::uint32_t key : Keys{Ctrl('R'), Ctrl('S'), Ctrl('T'), KEY_F5, 'P'})
        Tap(key);
    EXPECT_EQ(Requested, (RequestList{2, 0, 5}));
    Use(0);
    Tap('P');
    Tap(KEY_F4);
    EXPECT_EQ(Requested, (RequestList{4, 3})) << "the PFL and BUS shortcuts reach the transport keys";

    Orvel.HphMon.Mem[4] = {};  // empty: skipped
    Orvel.HphMon.Index = 3;
    Tap('>');
    EXPECT_EQ(Orvel.HphMon.Index, 5);
    Tap('<');
    EXPECT_EQ(Orvel.HphMon.Index, 3);
}

// The texts are kept in the device state, cut to the width the editor offers.
TEST_F(GlobalKeys, MetaDataShortcutsEditSceneTakeAndNoteWithinTheirWidths)
{
    const struct {
        std::uint32_t Key;
        UITextValue* Setting;
        char* Store;
        std::uint32_t Width;
    } cases[] = {{KEY_F7, &SceneSetting, Orvel.Scene, 15}, {Alt('T'), &TakeSetting, Orvel.Take, 7},
                 {KEY_F9, &NoteSetting, Orvel.Note, 31}};
    const std::string longest(40, 'W');
    for (const auto& c : cases) {
        MsgSendParam(c.Setting, MSG_TEXT_SET, MsgParamOf(longest.c_str()));
        EXPECT_EQ(std::string(c.Store), longest.substr(0, c.Width));
        std::snprintf(c.Store, 8, "%s", "BEACH");
        UIGotoPage(&MainMenuPage);
        Tap(c.Key);
        ASSERT_EQ(UITextEditState.Setting, c.Setting) << "key " << c.Key;
        EXPECT_EQ(std::string(UITextEditState.Buffer), "BEACH" + std::string(c.Width - 5, ' '));
    }
}
