#include "uicore/uimain.h"

#include <gtest/gtest.h>

#include "canvas/images.h"
#include "support/assert_capture.h"
#include "ui_fixture.h"
#include "uicore/uieditors.h"
#include "uicore/uikeys.h"

namespace {

// Two pages of probe controls: "a" with a focusable first control, "b" with a label and two focusable ones.
class PageSwitch : public UITest {
protected:
    void SetUp() override
    {
        UITest::SetUp();
        for (const auto& [target, name] : {std::pair<void*, const char*>{&pageA, "A"}, {&pageB, "B"}, {&a0, "a0"},
                                           {&b0, "b0"}, {&b1, "b1"}, {&b2, "b2"}, {&editor, "editor"}})
            Name(target, name);
        MsgRegister(UIMainHandler, 0);
        UIGotoPage(&pageA);
        Log().clear();
    }

    UIControl a0 = ProbeControl(UI_CTRL_FLAG_FOCUS);
    UIControl* aControls[1] = {&a0};
    UIPage pageA = ProbePage(0, aControls, 1);
    UIControl b0 = ProbeControl(0);
    UIControl b1 = ProbeControl(UI_CTRL_FLAG_FOCUS);
    UIControl b2 = ProbeControl(UI_CTRL_FLAG_FOCUS);
    UIControl* bControls[3] = {&b0, &b1, &b2};
    UIPage pageB = ProbePage(0, bControls, 3);
    UIEditor editor = {.Handler = ProbeHandler, .Setting = nullptr, .X = 0, .Y = 0};
};

}  // namespace

TEST_F(PageSwitch, LeavesRefreshesEntersFocusesAndRedrawsInOrder)
{
    EXPECT_EQ(UIGotoPage(&pageB), 1U);
    const std::vector<Received> expected = {
        {"B", MSG_IS_VISIBLE}, {"B", MSG_PAGE_REDIRECT}, {"a0", MSG_FOCUS_LOST},  {"A", MSG_PAGE_LEAVE},
        {"B", MSG_REFRESH},    {"b0", MSG_REFRESH},      {"b1", MSG_REFRESH},     {"b2", MSG_REFRESH},
        // no focus was kept: the first focusable control takes it, which redraws, then the entry redraws
        {"B", MSG_PAGE_ENTER}, {"b1", MSG_FOCUS_GAINED}, {"B", MSG_REDRAW},       {"b0", MSG_DRAW},
        {"b1", MSG_DRAW},      {"b2", MSG_DRAW},         {"B", MSG_REDRAW},       {"b0", MSG_DRAW},
        {"b1", MSG_DRAW},      {"b2", MSG_DRAW},
    };
    EXPECT_EQ(Log(), expected);
    EXPECT_EQ(UICurrentPage, &pageB);
    EXPECT_EQ(pageB.ControlIndex, 1);
    EXPECT_EQ(Flushes(), 4);
}

TEST_F(PageSwitch, KeptFocusIsRegainedButMovesOnWithOneMoreRedrawWhenItsControlIsHidden)
{
    pageB.ControlIndex = 2;
    b2.Flags |= UI_CTRL_FLAG_ASKVISIBLE;
    Answer(&b2, MSG_IS_VISIBLE, {.Result = 1, .SetsParam = true, .Param = 0});
    UIGotoPage(&pageB);
    EXPECT_EQ(pageB.ControlIndex, 1);
    EXPECT_EQ(Log(MSG_FOCUS_GAINED), (std::vector<Received>{{"b2", MSG_FOCUS_GAINED}, {"b1", MSG_FOCUS_GAINED}}));
    EXPECT_EQ(Log(MSG_FOCUS_LOST), (std::vector<Received>{{"a0", MSG_FOCUS_LOST}}));
    EXPECT_EQ(Log(MSG_DRAW).size(), 2U * 2);  // b2 hidden; the focus move redraws once more
}

TEST_F(PageSwitch, TheCurrentPageIsNotEnteredAgainAnInvisibleOneIsRefusedAndRedirectsChain)
{
    EXPECT_EQ(UIGotoPage(&pageA), 1U);
    EXPECT_EQ(Log(), (std::vector<Received>{{"A", MSG_IS_VISIBLE}, {"A", MSG_PAGE_REDIRECT}}));
    Answer(&pageB, MSG_IS_VISIBLE, {.Result = 1, .SetsParam = true, .Param = 0});
    EXPECT_EQ(UIGotoPage(&pageB), 0U);
    EXPECT_EQ(UICurrentPage, &pageA);
    EXPECT_TRUE(Log(MSG_PAGE_LEAVE).empty());
    UIPage pageC = ProbePage(0, nullptr, 0), pageD = ProbePage(0, nullptr, 0);
    Name(&pageD, "D");
    Answer(&pageC, MSG_PAGE_REDIRECT, {.Result = 1, .SetsParam = true, .Param = MsgParamOf(&pageD)});
    Answer(&pageD, MSG_PAGE_REDIRECT, {.Result = 1, .SetsParam = true, .Param = MsgParamOf(&pageD)});
    EXPECT_EQ(UIGotoPage(&pageC), 1U);
    EXPECT_EQ(UICurrentPage, &pageD);
    EXPECT_EQ(Log(MSG_PAGE_ENTER), (std::vector<Received>{{"D", MSG_PAGE_ENTER}}));
}

TEST_F(PageSwitch, SubPageRemembersWhereItWasOpenedFromAndASwitchEndsHoldEditorAndHeldKeys)
{
    UIPage sub = ProbePage(UI_PAGE_FLAG_SUBPAGE, nullptr, 0);
    UIPage subSub = ProbePage(UI_PAGE_FLAG_SUBPAGE, nullptr, 0);
    UIGotoPage(&sub);
    UIGotoPage(&subSub);
    EXPECT_EQ(subSub.Parent, &sub);
    UIGoBack();
    EXPECT_EQ(sub.Parent, &pageA);  // going back to it does not make subSub its parent
    UIGoBack();
    EXPECT_EQ(UICurrentPage, &pageA);
    UIEditorOpen(&editor, nullptr, 0, 0);
    Log().clear();
    MsgBroadcastParam(MSG_KEY_DOWN, KEY_MENU);
    KeyHoldStart(KEY_MENU, 500);
    UIGotoPage(&pageB);
    EXPECT_FALSE(UIEditorIsOpen());
    EXPECT_EQ(Log(MSG_EDITOR_CLOSE), (std::vector<Received>{{"editor", MSG_EDITOR_CLOSE}}));
    EXPECT_FALSE(KeyHoldRunning(KEY_MENU));
    Log().clear();
    MsgBroadcastParam(MSG_KEY_UP, KEY_MENU);
    EXPECT_TRUE(Log(MSG_KEY_UP).empty());
}

TEST_F(PageSwitch, FocusStepsStopAtTheEndsAndFocusableIsAskedWhenTheControlSaysSo)
{
    AssertCapture capture;
    EXPECT_EQ(UIFocusControl(&pageA, &b1), 1U);
    EXPECT_EQ(capture.Expressions(), (std::vector<std::string>{"UIPageHasControl(page, c)", "false"}));
    UIGotoPage(&pageB);
    const int flushes = Flushes();
    EXPECT_EQ(UIFocusNext(&pageB, true), 1U);
    EXPECT_EQ(UIFocusNext(&pageB, true), 0U);
    EXPECT_EQ(pageB.ControlIndex, 2);
    EXPECT_EQ(UIFocusNext(&pageB, false), 1U);
    EXPECT_EQ(UIFocusNext(&pageB, false), 0U);  // b0 cannot take the focus
    EXPECT_EQ(pageB.ControlIndex, 1);
    EXPECT_EQ(Flushes(), flushes + 2);
    b2.Flags = UI_CTRL_FLAG_ASKFOCUS;
    Answer(&b2, MSG_IS_FOCUSABLE, {.Result = 1, .SetsParam = true, .Param = 0});
    EXPECT_EQ(UIFocusControl(&pageB, &b2), 0U);
    b0.Flags = UI_CTRL_FLAG_ASKFOCUS;  // unanswered: the default says focusable
    EXPECT_EQ(UIFocusControl(&pageB, &b0), 1U);
    EXPECT_TRUE(UIIsFocused(&b0));
}

TEST_F(PageSwitch, MessagesRouteEditorControlPageInOrderAndTimersGoToThePageAlone)
{
    UIEditorOpen(&editor, nullptr, 0, 0);
    Log().clear();
    MsgBroadcastParam(MSG_ENCODER, 1);
    Answer(&a0, MSG_ENCODER, {.Result = 1});
    MsgBroadcastParam(MSG_ENCODER, 1);
    Answer(&editor, MSG_ENCODER, {.Result = 1});
    MsgBroadcastParam(MSG_ENCODER, 1);
    EXPECT_EQ(Log(), (std::vector<Received>{{"editor", MSG_ENCODER}, {"a0", MSG_ENCODER}, {"A", MSG_ENCODER},
                                            {"editor", MSG_ENCODER}, {"a0", MSG_ENCODER}, {"editor", MSG_ENCODER}}));
    UIEditorClose();
    Log().clear();
    pageA.ControlIndex = 1;
    AssertCapture capture;
    MsgBroadcast(MSG_TIMER_10MS);
    EXPECT_EQ(capture.Expressions(), std::vector<std::string>{"page->ControlIndex < page->NControls"});
    EXPECT_EQ(Log(), (std::vector<Received>{{"A", MSG_TIMER_10MS}}));
}

TEST_F(UITest, StartShowsHomeWhereGoingBackEndsAndHandsWhatNobodyTookToTheLastResort)
{
    static std::vector<std::uint32_t> lastResort;
    lastResort.clear();
    UIPage home = ProbePage(UI_PAGE_FLAG_BACKGROUND, nullptr, 0);
    UIStart(&home, [](UIPage* page, Message* msg) -> std::uint32_t {
        EXPECT_EQ(page, UICurrentPage);
        lastResort.push_back(msg->Id);
        return 1;
    });
    EXPECT_EQ(UICurrentPage, &home);
    UIRedraw();
    EXPECT_TRUE(buffer == Expected([](Canvas* c) { c->DrawImage(c, 0, 0, &BackgroundImage, 0); }));
    Turn(1);
    Answer(&home, MSG_ENCODER, {});
    Turn(1);
    EXPECT_EQ(lastResort, std::vector<std::uint32_t>{MSG_ENCODER}) << "only what the page left";
    UIPage orphan = ProbePage(0, nullptr, 0);
    UIGotoPage(&orphan);
    UIGoBack();
    EXPECT_EQ(UICurrentPage, &home) << "going back without a parent shows home";
}
