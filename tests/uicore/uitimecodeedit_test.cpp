#include "uicore/uitimecodeedit.h"

#include <gtest/gtest.h>

#include "ui_fixture.h"
#include "uicore/uieditors.h"
#include "uicore/uisetting.h"

namespace {

struct TimecodeValue {
    UISetting Setting;
    std::int32_t Value;
};

std::uint32_t TimecodeValueHandler(void* self, Message* msg)
{
    auto* s = static_cast<TimecodeValue*>(self);
    if (msg->Id == MSG_VALUE_GET) {
        msg->Param = s->Value;
        return 1;
    }
    return UITimecodeSettingHandler(self, msg);
}

class TimecodeEdit : public UITest {
protected:
    void SetUp() override
    {
        UITest::SetUp();
        MsgRegister(UIMainHandler, 0);
        UIGotoPage(&caller);
    }

    UIPage caller = ProbePage(0, nullptr, 0);
    TimecodeValue setting = {.Setting = {.Handler = TimecodeValueHandler}, .Value = 0x01000000};
};

}  // namespace

TEST_F(TimecodeEdit, EditingASettingOpensTheSubPageWithItsEditor)
{
    EXPECT_EQ(MsgSend(&setting, MSG_EDIT), 1U);
    EXPECT_EQ(UICurrentPage, &UITimecodeEdit);
    EXPECT_EQ(UITimecodeEdit.Parent, &caller);
    EXPECT_EQ(UITimecodeEditControl.Setting, &setting);
    ASSERT_EQ(UIActiveEditor, &UITimecodeEditor.Editor);
    EXPECT_EQ(UIActiveEditor->X, 20);
    EXPECT_EQ(UIActiveEditor->Y, 44);
}

TEST_F(TimecodeEdit, SecondEditWhileTheEditorIsOpenChangesNothing)
{
    MsgSend(&setting, MSG_EDIT);
    TimecodeValue other = {.Setting = {.Handler = TimecodeValueHandler}, .Value = 0};
    MsgSend(&other, MSG_EDIT);
    EXPECT_EQ(UITimecodeEditControl.Setting, &setting);
    EXPECT_EQ(UIActiveEditor->Setting, &setting);
}

TEST_F(TimecodeEdit, ReturnsOnTheThirdTickAfterTheEditorCloses)
{
    MsgSend(&setting, MSG_EDIT);
    for (int tick = 0; tick < 5; ++tick)
        MsgBroadcast(MSG_TIMER_100MS_2);
    EXPECT_EQ(UICurrentPage, &UITimecodeEdit);  // the countdown stands still while editing
    UIEditorClose();
    MsgBroadcast(MSG_TIMER_100MS_2);
    MsgBroadcast(MSG_TIMER_100MS_2);
    EXPECT_EQ(UICurrentPage, &UITimecodeEdit);
    MsgBroadcast(MSG_TIMER_100MS_2);
    EXPECT_EQ(UICurrentPage, &caller);
}
