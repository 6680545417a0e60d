#include "uicore/uitimecodeedit.h"

#include <gtest/gtest.h>

#include "stored_setting.h"
#include "support/golden.h"
#include "ui_fixture.h"
#include "uicore/uieditors.h"
#include "uicore/uikeys.h"

namespace {

using Values = std::vector<std::int32_t>;
// The window of a panel digit key lasts half a second; the fixture's clock moves in 10 ms ticks.
constexpr std::uint32_t PAST_THE_WINDOW = 510;

class TimecodeEdit : public UITest {
protected:
    void SetUp() override
    {
        UITest::SetUp();
        MsgRegister(UIMainHandler, 0);
        Name(&caller, "caller");
        UIGotoPage(&caller);
    }

    // PC keys, one character each.
    static void Type(const char* keys)
    {
        for (const char* k = keys; *k != '\0'; ++k)
            Tap(static_cast<std::uint32_t>(*k));
    }

    // The 100 ms ticks until the page returns to its caller (at most ten).
    int TicksUntilBack()
    {
        for (int ticks = 1; ticks <= 10; ++ticks) {
            Advance(100);
            if (UICurrentPage == &caller)
                return ticks;
        }
        return -1;
    }

    UIPage caller = ProbePage(0, nullptr, 0);
    StoredSetting setting = StoredTimecode(0x01000000);
};

}  // namespace

TEST_F(TimecodeEdit, EditingOpensTheSubPageWithItsEditorThatASecondEditLeavesAloneAndReturnsThreeTicksAfterIt)
{
    EXPECT_EQ(MsgSend(&setting, MSG_EDIT), 1U);
    EXPECT_EQ(UICurrentPage, &UITimecodeEdit);
    EXPECT_EQ(UITimecodeEdit.Parent, &caller);
    ASSERT_EQ(UIActiveEditor, &UITimecodeEditor.Editor);
    EXPECT_EQ(UIActiveEditor->X, 20);
    EXPECT_EQ(UIActiveEditor->Y, 44);
    StoredSetting other = StoredTimecode(0);
    MsgSend(&other, MSG_EDIT);
    EXPECT_EQ(UIActiveEditor->Setting, &setting);
    for (int tick = 0; tick < 5; ++tick)
        MsgBroadcast(MSG_TIMER_100MS_2);
    EXPECT_EQ(UICurrentPage, &UITimecodeEdit);  // the countdown stands still while editing
    UIEditorClose();
    EXPECT_EQ(TicksUntilBack(), 3);
}

TEST_F(TimecodeEdit, TypedDigitsCommitAtTheEighthAndTheFieldThenShowsTheCommittedValue)
{
    setting.Value = 0x01020304;
    MsgSend(&setting, MSG_EDIT);
    Type("1234");
    Tap(KEY_COM);
    Tap(KEY_COM);
    Advance(PAST_THE_WINDOW);
    Type("56");
    EXPECT_TRUE(setting.Sets.empty());
    Type("7");
    EXPECT_EQ(setting.Sets, Values{0x12349567});
    EXPECT_EQ(UICurrentPage, &UITimecodeEdit);
    const Picture field = Expected([](Canvas* c) { DrawText(c, 20, 44, 0, 1, COLOUR_BLACK, "12:34:95:67"); });
    for (int y = 44; y < 44 + FontHeight(&LcdCanvas, 1); ++y)
        for (int x = 0; x < LCD_WIDTH; ++x)
            ASSERT_EQ(At(x, y), field[x + (LCD_HEIGHT - 1 - y) * LCD_WIDTH]) << x << ", " << y;
    EXPECT_EQ(TicksUntilBack(), 3);
}

TEST_F(TimecodeEdit, HpAndMenuCommitTheDigitsShownUserBitsAreHexAndTheCallerGetsNoKey)
{
    setting.Value = 0x01020304;
    MsgSend(&setting, MSG_EDIT);
    Type("2");
    Tap(KEY_HP);
    EXPECT_EQ(TicksUntilBack(), 3);
    MsgSend(&setting, MSG_EDIT);
    Turn(-1);
    Type("9");
    Press(KEY_MENU);
    Release(KEY_MENU);
    EXPECT_EQ(setting.Sets, (Values{0x21020304, 0x21020309}));
    EXPECT_EQ(TicksUntilBack(), 3);
    StoredSetting userBits = StoredTimecode(0, UIUserBitsSettingHandler);
    MsgSend(&userBits, MSG_EDIT);
    ASSERT_EQ(UIActiveEditor, &UIUserBitsEditor.Editor);
    Type("5eB");
    Tap(KEY_HP);
    EXPECT_EQ(userBits.Sets, Values{0x5EB00000});
    EXPECT_TRUE(Log(MSG_KEY_DOWN).empty());
}

TEST_F(TimecodeEdit, PageWithTheEditorOpenMidEntry)
{
    setting.Value = 0x01020304;
    MsgSend(&setting, MSG_EDIT);
    Type("12");
    Tap(KEY_BUS);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/timecode_edit_mid_entry"));
}
