#include "uicore/uitextedit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/format.h"
#include "support/assert_capture.h"
#include "support/golden.h"
#include "ui_fixture.h"
#include "uicore/uicontrols.h"
#include "uicore/uikeys.h"

namespace {

// A name setting as the pages have them: its text, its field width, and what was saved into it.
struct NameSetting {
    MsgHandler Handler = NameSettingHandler;
    std::string Text;
    std::uint32_t Width;
    std::vector<std::string> Saved = {};

    static std::uint32_t NameSettingHandler(void* self, Message* msg)
    {
        auto* s = static_cast<NameSetting*>(self);
        if (msg->Id == MSG_TEXT_GET)
            FormatText(MsgParamPtr<char>(msg), MAX_UI_TEXT, "%s", s->Text.c_str());
        else if (msg->Id == MSG_TEXT_SET)
            s->Saved.emplace_back(MsgParamPtr<const char>(msg));
        else if (msg->Id == MSG_FIELD_WIDTH)
            msg->Param = s->Width;
        else
            return UITextSettingHandler(self, msg);
        return 1;
    }
};

using Saves = std::vector<std::string>;
constexpr std::uint32_t KEY_TEXT_SAVE = 144;
// Grid cells of the function keys, the same in both sets.
constexpr std::int32_t FUNCTION_ROW = 4, PLUS_ONE_COL = 5, LEFT_COL = 6, RIGHT_COL = 7, OK_COL = 8;

class TextEdit : public UITest {
protected:
    void SetUp() override
    {
        UITest::SetUp();
        MsgRegister(UIMainHandler, 0);
        UIGotoPage(&caller);
        UITextEditState.Lower = 0;
        GridTo(0, 0);
    }

    void Open(NameSetting& setting)
    {
        ASSERT_EQ(MsgSend(&setting, MSG_EDIT), 1U);
        ASSERT_EQ(UICurrentPage, &UITextEdit);
    }

    static std::string Text() { return UITextEditState.Buffer; }
    static void GridTo(std::int32_t row, std::int32_t col)
    {
        UITextEditState.GridRow = row;
        UITextEditState.GridCol = col;
    }
    // Down for longer than the hold period: a long press.
    static void Hold(std::uint32_t key)
    {
        Press(key);
        Advance(510);
    }

    UIPage caller = ProbePage(0, nullptr, 0);
};

}  // namespace

TEST_F(TextEdit, OpensWithTheTextPaddedOrCutToTheFieldAndSavesItTrimmedOnlyOnALongHpPress)
{
    NameSetting interview = {.Text = "INTERVIEW", .Width = 6};
    Open(interview);
    EXPECT_EQ(Text(), "INTERV");
    Tap(KEY_HP);
    NameSetting take = {.Text = "TAKE", .Width = 8};
    Open(take);
    EXPECT_EQ(UITextEdit.Parent, &caller);
    EXPECT_EQ(Text(), "TAKE    ");
    Type("X");
    Tap(KEY_HP);
    EXPECT_EQ(UICurrentPage, &caller);
    EXPECT_EQ(UITextEditState.Active, 0);
    Open(take);
    Press(KEY_HP);
    Advance(500);
    EXPECT_EQ(UICurrentPage, &UITextEdit);
    Advance(10);
    EXPECT_EQ(UICurrentPage, &caller);
    Release(KEY_HP);
    EXPECT_EQ(take.Saved, Saves{"TAKE"});
}

TEST_F(TextEdit, TheTextCursorStaysInsideTheFieldAndBackspaceClosesUpBeforeIt)
{
    NameSetting take = {.Text = "ABCDE", .Width = 5};
    Open(take);
    Tap({KEY_LEFT, KEY_BACKSPACE});
    EXPECT_EQ(UITextEditState.Cursor, 0);
    EXPECT_EQ(Text(), "ABCDE");
    for (int i = 0; i < 6; ++i)
        Tap(KEY_RIGHT);
    EXPECT_EQ(UITextEditState.Cursor, 4);
    GridTo(FUNCTION_ROW, LEFT_COL);
    Tap(KEY_MENU);
    EXPECT_EQ(UITextEditState.Cursor, 3);
    GridTo(FUNCTION_ROW, RIGHT_COL);
    Tap({KEY_MENU, KEY_MENU});
    EXPECT_EQ(UITextEditState.Cursor, 4);
    Tap({KEY_LEFT, KEY_BACKSPACE});
    EXPECT_EQ(Text(), "ABDE ");
    EXPECT_EQ(UITextEditState.Cursor, 2);
}

TEST_F(TextEdit, PlusOneCountsTheNameUpAndTheOkKeyAndTheSaveKeySave)
{
    NameSetting scene = {.Text = "SCENE99", .Width = 7};
    Open(scene);
    GridTo(FUNCTION_ROW, PLUS_ONE_COL);
    Tap(KEY_MENU);
    EXPECT_EQ(Text(), "CENE100");
    GridTo(FUNCTION_ROW, OK_COL);
    Tap(KEY_MENU);
    EXPECT_EQ(scene.Saved, Saves{"CENE100"});
    EXPECT_EQ(UICurrentPage, &caller);
    Open(scene);
    Type("X");
    Tap(KEY_TEXT_SAVE);
    EXPECT_EQ(scene.Saved, (Saves{"CENE100", "XCENE99"}));
}

TEST_F(TextEdit, APlainBufferIsEditedThroughTheAdapterAndBrokenFieldsAndBuffersAreReported)
{
    char folder[12] = "FOLDER01";
    std::copy_n("##", 3, folder + 9);
    UITextEditBuffer(folder, 9);
    EXPECT_EQ(Text(), "FOLDER01");
    Type("SC");
    Hold(KEY_HP);
    EXPECT_STREQ(folder, "SCLDER01");
    EXPECT_EQ(MsgSendParam(&NameEdit, MSG_TEXT_SET, MsgParamOf("ABCDEFGHIJK")), 1U);
    EXPECT_STREQ(folder, "ABCDEFGH");
    EXPECT_STREQ(folder + 9, "##");

    NameSetting empty = {.Text = "", .Width = 0};
    NameSetting wide = {.Text = "WIDE", .Width = 70};
    AssertCapture capture;
    Open(empty);
    Type("A");
    EXPECT_EQ(Text(), "");
    Tap(KEY_HP);
    Open(wide);
    EXPECT_EQ(UITextEditState.NChars, 64U);
    Tap(KEY_HP);
    NameEditPtr = nullptr;
    char text[MAX_UI_TEXT] = "untouched";
    MsgSendParam(&NameEdit, MSG_TEXT_GET, MsgParamOf(text));
    EXPECT_STREQ(text, "untouched");
    EXPECT_EQ(capture.Expressions(),
              (std::vector<std::string>{"p->NChars", "p->NChars < sizeof(p->Buffer)", "NameEditPtr"}));
}

TEST_F(TextEdit, UpperSetWithTheCursorOnAKeyAndLowerSetWithTheCursorOnOk)
{
    NameSetting take = {.Text = "SCENE12", .Width = 10};
    Open(take);
    Tap({KEY_RIGHT, KEY_RIGHT});
    GridTo(1, 3);
    UIRedraw();
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/textedit_upper"));
    Tap(KEY_HP);
    NameSetting interview = {.Text = "Interview", .Width = 12};
    Open(interview);
    GridTo(FUNCTION_ROW, OK_COL);
    Hold(KEY_MENU);
    Release(KEY_MENU);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/textedit_lower"));
}
