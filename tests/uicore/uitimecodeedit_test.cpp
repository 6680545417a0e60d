#include "uicore/uitimecodeedit.h"

#include <gtest/gtest.h>

#include "stored_setting.h"
#include "support/golden.h"
#include "ui_fixture.h"
#include "uicore/uieditors.h"
#include "uicore/uikeys.h"

namespace {

class TimecodeEdit : public UITest {
protected:
    void SetUp() override
    {
        UITest::SetUp();
        MsgRegister(UIMainHandler, 0);
        Name(&caller, "caller");
        UIGotoPage(&caller);
    }

    UIPage caller = ProbePage(0, nullptr, 0);
    StoredSetting setting = StoredTimecode(0);
};

}  // namespace

TEST_F(TimecodeEdit, EditingOpensTheSubPageWithItsEditorThatASecondEditLeavesAloneAndReturnsThreeTicksAfterIt)
{
    setting.Value = 0x01020304;
    EXPECT_EQ(MsgSend(&setting, MSG_EDIT), 1U);
    EXPECT_EQ(UICurrentPage, &UITimecodeEdit);
    EXPECT_EQ(UITimecodeEdit.Parent, &caller);
    ASSERT_EQ(UIActiveEditor, &UITimecodeEditor.Editor);
    StoredSetting other = StoredTimecode(0);
    MsgSend(&other, MSG_EDIT);
    EXPECT_EQ(UIActiveEditor->Setting, &setting);
    Type("12");
    Tap(KEY_BUS);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/timecode_edit_mid_entry"));
    for (int tick = 0; tick < 5; ++tick)
        MsgBroadcast(MSG_TIMER_100MS_2);
    EXPECT_EQ(UICurrentPage, &UITimecodeEdit);  // the countdown stands still while editing
    UIEditorClose();
    Advance(200);
    EXPECT_EQ(UICurrentPage, &UITimecodeEdit);
    Advance(100);  // the third 100 ms tick
    EXPECT_EQ(UICurrentPage, &caller);
}
