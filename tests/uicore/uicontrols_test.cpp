#include "uicore/uicontrols.h"

#include <gtest/gtest.h>

#include <cstring>

#include "samplepages.h"
#include "stored_setting.h"
#include "support/assert_capture.h"
#include "support/golden.h"
#include "ui_fixture.h"
#include "uicore/uieditors.h"
#include "uicore/uikeys.h"
#include "uicore/uitimecodeedit.h"

namespace {

class Controls : public UITest {
protected:
    // Shows the controls on a page of their own; the page's redraw draws them.
    void Show(std::vector<UIControl*> shown, std::int32_t focus = -1)
    {
        controls = std::move(shown);
        page = {.Handler = UINullHandler, .Flags = 0, .Parent = nullptr, .ControlIndex = focus,
                .NControls = static_cast<std::int32_t>(controls.size()), .Controls = controls.data()};
        MsgRegister(UIMainHandler, 0);
        UIGotoPage(&page);
    }

    std::vector<UIControl*> controls;
    UIPage page{};
    StoredSetting timecode = StoredTimecode(0);
};

}  // namespace

TEST_F(Controls, FieldEditsOnMenuReleaseButtonActivatesOnMenuPressAndTimecodeFieldOpensItsEditor)
{
    UIField field = {.Control = {.Handler = UIFieldHandler, .Flags = UI_CTRL_FLAG_FOCUS, .X = 4, .Y = 60},
                     .Text = "N:", .Font = 0, .Align = UI_ALIGN_LEFT, .Color = 0xB800, .Setting = &timecode};
    Show({&field.Control}, 0);
    Press(KEY_MENU);
    EXPECT_EQ(UICurrentPage, &page);
    Release(KEY_MENU);
    EXPECT_EQ(UICurrentPage, &UITimecodeEdit);

    UIButton button = {.Control = {.Handler = ProbeHandler, .Flags = UI_CTRL_FLAG_FOCUS, .X = 0, .Y = 0},
                       .Text = "GO", .Font = 0, .Align = 0, .Width = 64, .Setting = nullptr};
    Name(&button, "button");
    Log().clear();
    Message down{.Id = MSG_KEY_DOWN, .Param = KEY_MENU};
    Message up{.Id = MSG_KEY_UP, .Param = KEY_MENU};
    UIButtonHandler(&button, &down);
    UIButtonHandler(&button, &up);
    EXPECT_EQ(Log(), (std::vector<Received>{{"button", MSG_ACTIVATE}}));

    UITimecodeField tc = {.Control = {.Handler = UITimecodeFieldHandler, .Flags = 0, .X = 20, .Y = 44},
                          .Text = "TC", .Font = 1, .Color = 0x05C0, .Setting = &timecode};
    EXPECT_EQ(MsgSend(&tc, MSG_EDIT), 0U);
    ASSERT_EQ(UIActiveEditor, &UITimecodeEditor.Editor);
    EXPECT_EQ(UIActiveEditor->Setting, &timecode);
    EXPECT_EQ(std::pair(UIActiveEditor->X, UIActiveEditor->Y), std::pair(20, 44));
}

TEST_F(Controls, BrokenRecordsAreReported)
{
    UITimecodeField orphan = {.Control = {.Handler = UITimecodeFieldHandler, .Flags = 0, .X = 0, .Y = 0},
                              .Text = nullptr, .Font = 1, .Color = 0, .Setting = nullptr};
    static char tooLong[80];
    std::memset(tooLong, 'W', sizeof(tooLong) - 1);
    const MsgHandler tooLongText = [](void* self, Message* msg) -> std::uint32_t {
        if (msg->Id != MSG_TEXT_ATTR_GET)
            return UITextHandler(self, msg);
        MsgParamPtr<UITextAttr>(msg)->Text = tooLong;
        return 1;
    };
    UIText overflowing = {.Control = {.Handler = tooLongText, .Flags = 0, .X = 10, .Y = 40}, .Text = nullptr};
    AssertCapture capture;
    Show({&orphan.Control, &overflowing.Control});
    EXPECT_EQ(capture.Expressions(),
              (std::vector<std::string>{"p->Setting", "strlen(textattr.Text) < sizeof(buf)"}));
}

TEST_F(UITest, SettingsPageSampleWithTheFocusOnAFieldThenOnAButton)
{
    MsgRegister(UIMainHandler, 0);
    ShowSettingsSample();
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/settings_page_field_focused"));
    while (UIFocusNext(UICurrentPage, true)) {
    }
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/settings_page_button_focused"));
}
