// The pages the global keys open: titles, places in the menu tree, the channel titles and the scene,
// take and note settings of "META DATA".
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "orvel/orvel.h"
#include "support/golden.h"
#include "ui/keys_fixture.h"
#include "ui/uihome.h"
#include "ui/uipages.h"
#include "uicore/uicontrols.h"

namespace {

using Titles = std::vector<std::string>;

class Pages : public KeysTest {};

// The title a page draws: its first control is the title bar at the top left.
std::string TitleOf(UIPage* page)
{
    if (page == &UIHomePage)
        return "home";
    if (page->NControls < 1 || page->Controls[0]->Handler == nullptr)
        return "?";
    auto* title = reinterpret_cast<UITitle*>(page->Controls[0]);
    char text[MAX_UI_TEXT] = "";
    if (MsgSendParam(title, MSG_TEXT_GET, MsgParamOf(text)))
        return text;
    return title->Text;
}

// The titles from the page up to "MAIN MENU" or the home page, whose own place is a page of the tree.
Titles ChainOf(UIPage* page)
{
    Titles chain;
    for (UIPage* p = page; p != nullptr; p = p == &UIHomePage ? nullptr : p->Parent)
        chain.push_back(TitleOf(p));
    return chain;
}

std::string TextOf(MsgTarget* setting)
{
    char text[MAX_UI_TEXT] = "";
    MsgSendParam(setting, MSG_TEXT_GET, MsgParamOf(text));
    return text;
}

}  // namespace

TEST_F(Pages, EachPageClimbsTheMenuTreeToMainMenuOrHome)
{
    EXPECT_EQ(ChainOf(&MainMenuPage), (Titles{"MAIN MENU"}));
    for (UIPage* page :
         {&MetaDataPage, &PlaybackControlPage, &RecordEnablesPage, &AutoMixerSetupPage, &MyOrvelPage, &EngSetupPage})
        EXPECT_EQ(ChainOf(page), (Titles{TitleOf(page), "MAIN MENU"}));
    EXPECT_EQ(ChainOf(&MirrorPage), (Titles{"MIRROR", "MY ORVEL", "MAIN MENU"}));
    EXPECT_EQ(ChainOf(&EditTrackNamesPage), (Titles{"EDIT TRACK NAMES", "ENG SETUP", "MAIN MENU"}));
    EXPECT_EQ(ChainOf(&BusRoutingPage), (Titles{"BUS ROUTING", "home"}));
    EXPECT_EQ(SlatePage.Parent, &UIHomePage);
    for (UIPage* page : {&ChSetupPage, &ChKavlinPage, &HphRoutingPage})
        EXPECT_EQ(page->Parent, nullptr) << TitleOf(page);
}

TEST_F(Pages, TitlesAreTheTitleBarAtTheTopLeft)
{
    const Titles expected = {"MAIN MENU", "META DATA", "PLAYBACK CONTROL", "RECORD ENABLES",   "AUTO-MIXER SETUP",
                             "MY ORVEL",  "MIRROR",    "ENG SETUP",        "EDIT TRACK NAMES", "BUS ROUTING"};
    Titles titles;
    for (UIPage* page : {&MainMenuPage, &MetaDataPage, &PlaybackControlPage, &RecordEnablesPage, &AutoMixerSetupPage,
                         &MyOrvelPage, &MirrorPage, &EngSetupPage, &EditTrackNamesPage, &BusRoutingPage}) {
        ASSERT_EQ(page->NControls, 1);
        const UIControl* title = page->Controls[0];
        EXPECT_EQ(title->Handler, UITitleHandler);
        EXPECT_EQ(title->X, 0);
        EXPECT_EQ(title->Y, 0);
        EXPECT_EQ(page->Flags, 0U);
        EXPECT_EQ(page->ControlIndex, -1);
        titles.push_back(reinterpret_cast<const UITitle*>(title)->Text);
    }
    EXPECT_EQ(titles, expected);
}

TEST_F(Pages, ChannelTitlesCarryTheChannelTheDigitKeysChoose)
{
    Orvel.Setup.Chan = 2;
    Orvel.KLin.Chan = 9;
    EXPECT_EQ(TitleOf(&ChSetupPage), "CH3 SETUP");
    EXPECT_EQ(TitleOf(&ChKavlinPage), "CH10 KAVLIN");
    Orvel.Setup.Chan = 9;
    Orvel.KLin.Chan = 0;
    EXPECT_EQ(TitleOf(&ChSetupPage), "CH10 SETUP");
    EXPECT_EQ(TitleOf(&ChKavlinPage), "CH1 KAVLIN");

    UIGotoPage(&ChSetupPage);
    Tap('4');
    EXPECT_EQ(Orvel.Setup.Chan, 3);
    EXPECT_EQ(TitleOf(&ChSetupPage), "CH4 SETUP");
    UIGotoPage(&ChKavlinPage);
    Tap('2');
    EXPECT_EQ(Orvel.KLin.Chan, 1);

    Orvel.Setup.Chan = 6;
    UIGotoPage(&ChSetupPage);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/channel_setup_title"));
}

TEST_F(Pages, MetaDataTextsAreKeptInTheDeviceStateWithinTheirWidths)
{
    struct Case {
        MsgTarget* Setting;
        char* Store;
        std::uint32_t Width;
    };
    const Case cases[] = {
        {&SceneSetting, Orvel.Scene, 15}, {&TakeSetting, Orvel.Take, 7}, {&NoteSetting, Orvel.Note, 31}};
    const std::string longest(40, 'W');
    for (const Case& c : cases) {
        EXPECT_EQ(MsgQuery(c.Setting, MSG_FIELD_WIDTH, 0), static_cast<MsgParam>(c.Width));
        EXPECT_EQ(MsgSendParam(c.Setting, MSG_TEXT_SET, MsgParamOf("AB 1")), 1U);
        EXPECT_EQ(std::string(c.Store), "AB 1");
        MsgSendParam(c.Setting, MSG_TEXT_SET, MsgParamOf(longest.c_str()));
        EXPECT_EQ(std::string(c.Store), longest.substr(0, c.Width));
        EXPECT_EQ(TextOf(c.Setting), longest.substr(0, c.Width));
    }
    std::snprintf(Orvel.Take, sizeof(Orvel.Take), "%s", "7B");
    EXPECT_EQ(TextOf(&TakeSetting), "7B");
    EXPECT_EQ(MsgSend(&NoteSetting, MSG_VALUE_GET), 0U) << "a text setting has no value";
}
