#include "uicore/uicontrols.h"

#include <gtest/gtest.h>

#include <cstring>

#include "samplepages.h"
#include "support/assert_capture.h"
#include "support/golden.h"
#include "ui_fixture.h"
#include "uicore/uieditors.h"
#include "uicore/uikeys.h"
#include "uicore/uiutils.h"

namespace {

// A value source: answers its text, field width and value, and logs what it is asked.
struct Source {
    MsgHandler Handler;
    const char* Text;
    std::int32_t FieldWidth;
    std::int32_t Value;
    std::vector<std::uint32_t> Asked;
};

std::uint32_t SourceHandler(void* self, Message* msg)
{
    auto* s = static_cast<Source*>(self);
    s->Asked.push_back(msg->Id);
    switch (msg->Id) {
    case MSG_TEXT_GET:
        std::strcpy(MsgParamPtr<char>(msg), s->Text);
        return 1;
    case MSG_FIELD_WIDTH:
        msg->Param = s->FieldWidth;
        return 1;
    case MSG_VALUE_GET:
        msg->Param = s->Value;
        return 1;
    case MSG_EDITOR_GET:
        msg->Param = MsgParamOf(&UITimecodeEditor.Editor);
        return 1;
    default:
        return 0;
    }
}

class Controls : public UITest {
protected:
    // Shows the controls on a page of their own; the page's redraw draws them.
    void Show(std::vector<UIControl*> shown, std::int32_t focus = -1)
    {
        UIReset();
        controls = std::move(shown);
        page = {.Handler = UINullHandler, .Flags = 0, .Parent = nullptr, .ControlIndex = focus,
                .NControls = static_cast<std::int32_t>(controls.size()), .Controls = controls.data()};
        MsgRegister(UIMainHandler, 0);
        UIGotoPage(&page);
    }

    std::vector<UIControl*> controls;
    UIPage page{};
    Source source{.Handler = SourceHandler, .Text = "MIC", .FieldWidth = 1, .Value = 0, .Asked = {}};
};

UIText Labelled(const char* label, void* setting)
{
    return {.Control = {.Handler = UITextHandler, .Flags = 0, .X = 10, .Y = 40},
            .Text = label, .Font = 0, .Align = UI_ALIGN_LEFT, .Color = COLOUR_BLACK, .Setting = setting};
}

UIField Field(const char* label, void* setting)
{
    return {.Control = {.Handler = UIFieldHandler, .Flags = UI_CTRL_FLAG_FOCUS, .X = 4, .Y = 60},
            .Text = label, .Font = 0, .Align = UI_ALIGN_LEFT, .Color = 0xB800, .Setting = setting};
}

}  // namespace

TEST_F(Controls, FieldEditsOnMenuReleaseButtonActivatesOnMenuPressAndTimecodeFieldOpensItsEditor)
{
    UIField field = Field("N:", &source);
    Show({&field.Control}, 0);
    source.Asked.clear();
    MsgBroadcastParam(MSG_KEY_DOWN, KEY_MENU);
    EXPECT_EQ(std::count(source.Asked.begin(), source.Asked.end(), MSG_EDIT), 0);
    MsgBroadcastParam(MSG_KEY_UP, KEY_MENU);
    EXPECT_EQ(std::count(source.Asked.begin(), source.Asked.end(), MSG_EDIT), 1);

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
                          .Text = "TC", .Font = 1, .Color = 0x05C0, .Setting = &source};
    EXPECT_EQ(MsgSend(&tc, MSG_EDIT), 0U);
    ASSERT_EQ(UIActiveEditor, &UITimecodeEditor.Editor);
    EXPECT_EQ(UIActiveEditor->Setting, &source);
    EXPECT_EQ(UIActiveEditor->X, 20);
    EXPECT_EQ(UIActiveEditor->Y, 44);
}

TEST_F(Controls, BrokenRecordsAreReported)
{
    UITimecodeField orphan = {.Control = {.Handler = UITimecodeFieldHandler, .Flags = 0, .X = 0, .Y = 0},
                              .Text = nullptr, .Font = 1, .Color = 0, .Setting = nullptr};
    static char tooLong[80];
    std::memset(tooLong, 'W', sizeof(tooLong) - 1);
    source.Text = "";
    UIText overflowing = Labelled(nullptr, &source);
    overflowing.Control.Handler = [](void* self, Message* msg) -> std::uint32_t {
        if (msg->Id != MSG_TEXT_ATTR_GET)
            return UITextHandler(self, msg);
        MsgParamPtr<UITextAttr>(msg)->Text = tooLong;
        return 1;
    };
    AssertCapture capture;
    Show({&orphan.Control, &overflowing.Control});
    EXPECT_EQ(capture.Expressions(),
              (std::vector<std::string>{"p->Setting", "strlen(textattr.Text) < sizeof(buf)"}));
}

// A settings page of every control kind, with the focus on its first field and then on its last button.
TEST_F(UITest, SettingsPageSampleWithTheFocusOnAFieldThenOnAButton)
{
    MsgRegister(UIMainHandler, 0);
    ShowSettingsSample();
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/settings_page_field_focused"));
    while (UIFocusNext(UICurrentPage, true)) {
    }
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/settings_page_button_focused"));
}
