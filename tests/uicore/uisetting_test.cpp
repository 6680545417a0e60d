#include "uicore/uisetting.h"

#include <gtest/gtest.h>

#include <string>

#include "support/assert_capture.h"
#include "uicore/uicontrols.h"
#include "uicore/uieditors.h"

namespace {

// A concrete setting as the pages build them: its own value, the rest left to a default handler.
struct StoredSetting {
    UISetting Setting;
    MsgHandler Default;
    std::int32_t Value;
    int Sets;
};

std::uint32_t StoredHandler(void* self, Message* msg)
{
    auto* s = static_cast<StoredSetting*>(self);
    if (msg->Id == MSG_VALUE_GET) {
        msg->Param = s->Value;
        return 1;
    }
    if (msg->Id == MSG_VALUE_SET) {
        s->Value = MsgParamInt(msg);
        ++s->Sets;
        return 1;
    }
    return s->Default(self, msg);
}

const UIMenuItem ModeItems[] = {
    {.Text = "FREE RUN", .Code = 0, .Color = 0},
    {.Text = "REC RUN", .Code = 0, .Color = 0x05C0},
    {.Text = "JAM", .Code = 0, .Color = 0xB800},
};
const UIMenu ModeMenu = {.NItems = 3, .Items = ModeItems};

StoredSetting Enum(std::int32_t value, const UIMenu* menu = &ModeMenu)
{
    return {.Setting = {.Handler = StoredHandler, .Menu = menu}, .Default = UIEnumSettingHandler, .Value = value};
}

StoredSetting Number(std::int32_t value, std::int32_t min, std::int32_t max, std::int32_t scaling, const char* format,
                     const char* zeroText = nullptr)
{
    return {.Setting = {.Handler = StoredHandler, .Menu = nullptr, .Min = min, .Max = max, .Scaling = scaling,
                        .ZeroText = zeroText, .Format = format, .Template = "___"},
            .Default = UINumberSettingHandler,
            .Value = value};
}

std::string Text(StoredSetting& s)
{
    char buffer[MAX_UI_TEXT] = "untouched";
    EXPECT_EQ(MsgSendParam(&s, MSG_TEXT_GET, MsgParamOf(buffer)), 1U);
    return buffer;
}

std::uint32_t Step(StoredSetting& s, std::int32_t delta)
{
    return MsgSendParam(&s, MSG_VALUE_STEP, delta);
}

}  // namespace

TEST(EnumSetting, StepsWithoutWrapAndCyclesWithWrap)
{
    StoredSetting s = Enum(2);
    EXPECT_EQ(Step(s, 1), 0U);
    EXPECT_EQ(s.Sets, 0);
    EXPECT_EQ(Step(s, -5), 1U);
    EXPECT_EQ(s.Value, 0);
    EXPECT_EQ(MsgSend(&s, MSG_VALUE_NEXT), 1U);
    EXPECT_EQ(s.Value, 1);
    s.Value = 2;
    MsgSend(&s, MSG_VALUE_NEXT);
    EXPECT_EQ(s.Value, 0);
    s.Value = 7;  // outside the menu: steps from the first item
    EXPECT_EQ(Text(s), "<?}");
    EXPECT_EQ(Step(s, 1), 1U);
    EXPECT_EQ(s.Value, 1);
}

TEST(EnumSetting, WithoutMenuShowsTheNumberAndTakesNoStep)
{
    StoredSetting s = Enum(5, nullptr);
    EXPECT_EQ(Text(s), "<5 ?}");
    EXPECT_EQ(Step(s, 1), 0U);
    EXPECT_EQ(MsgSend(&s, MSG_VALUE_NEXT), 0U);
    EXPECT_EQ(MsgQuery(&s, MSG_VALUE_COUNT, 9), 0);
    UITextAttr attr{};
    EXPECT_EQ(MsgSendParam(&s, MSG_TEXT_ATTR_GET, MsgParamOf(&attr)), 0U);
}

TEST(EnumSetting, AnswersTextColourAndCount)
{
    StoredSetting s = Enum(1);
    EXPECT_EQ(Text(s), "REC RUN");
    char own[] = "own";
    UITextAttr attr = {.Text = own, .Align = 1, .Font = 0, .Color = 0x1234};
    EXPECT_EQ(MsgSendParam(&s, MSG_TEXT_ATTR_GET, MsgParamOf(&attr)), 1U);
    EXPECT_STREQ(attr.Text, "REC RUN");
    EXPECT_EQ(attr.Color, 0x05C0);
    EXPECT_EQ(attr.Align, 1);
    s.Value = 9;  // no item: the attribute stays as it was
    attr.Text = own;
    EXPECT_EQ(MsgSendParam(&s, MSG_TEXT_ATTR_GET, MsgParamOf(&attr)), 1U);
    EXPECT_STREQ(attr.Text, "own");
    EXPECT_EQ(MsgQuery(&s, MSG_VALUE_COUNT, 0), 3);
}

TEST(Settings, EachKindNamesItsEditor)
{
    StoredSetting enumerated = Enum(1);
    StoredSetting number = Number(5, 0, 0, 1, "%d");
    StoredSetting timecode = {.Setting = {.Handler = StoredHandler}, .Default = UITimecodeSettingHandler};
    StoredSetting userBits = {.Setting = {.Handler = StoredHandler}, .Default = UIUserBitsSettingHandler};
    EXPECT_EQ(UISettingEditor(&enumerated), &UIEnumEditor);
    EXPECT_EQ(UISettingEditor(&number), &UINumberEditor.Editor);
    EXPECT_EQ(UISettingEditor(&timecode), &UITimecodeEditor.Editor);
    EXPECT_EQ(UISettingEditor(&userBits), &UIUserBitsEditor.Editor);
}

TEST(NumberSetting, ScaledValuesCarryTheSignInFront)
{
    const auto shown = [](std::int32_t value, std::int32_t scaling, const char* format) {
        StoredSetting s = Number(value, 0, 0, scaling, format);
        return Text(s);
    };
    EXPECT_EQ(shown(90, 10, "%d.%01dV"), "9.0V");
    EXPECT_EQ(shown(-15, 10, "%d.%01d"), "-1.5");
    EXPECT_EQ(shown(-5, 10, "%d.%01d"), "-0.5");
    EXPECT_EQ(shown(-1234, 100, "%d.%02d"), "-12.34");
    EXPECT_EQ(shown(-12, 1, "%ddB"), "-12dB");
}

TEST(NumberSetting, StepsStayWithinTheLimitsOrRunFreelyWithoutThem)
{
    StoredSetting ratio = Number(200, 10, 200, 10, "%d.%01d:1");
    EXPECT_EQ(Step(ratio, 10), 0U);
    EXPECT_EQ(ratio.Sets, 0);
    ratio.Value = 15;
    EXPECT_EQ(Text(ratio), "1.5:1");
    EXPECT_EQ(Step(ratio, -10), 1U);
    EXPECT_EQ(ratio.Value, 10);

    StoredSetting free = Number(5, 0, 0, 1, "%d");
    Step(free, -10);
    EXPECT_EQ(free.Value, -5);
    Step(free, 1000);
    EXPECT_EQ(free.Value, 995);
}

TEST(NumberSetting, OffValueSitsBelowTheRange)
{
    StoredSetting fromZero = Number(0, 0, 90, 1, "%d", "OFF");
    EXPECT_EQ(Text(fromZero), "OFF");
    Step(fromZero, 1);
    EXPECT_EQ(fromZero.Value, 1);

    StoredSetting fromTen = Number(0, 10, 90, 1, "%dms", "OFF");
    EXPECT_EQ(Step(fromTen, 1), 1U);
    EXPECT_EQ(fromTen.Value, 10);
    EXPECT_EQ(Step(fromTen, -1), 1U);
    EXPECT_EQ(fromTen.Value, 0);
    EXPECT_EQ(Text(fromTen), "OFF");
    EXPECT_EQ(Step(fromTen, -1), 0U);
    EXPECT_EQ(fromTen.Value, 0);

    const UISetting s = {.Handler = nullptr, .Menu = nullptr, .Min = 10, .Max = 20, .Scaling = 1, .ZeroText = "OFF"};
    EXPECT_EQ(UISettingClamp(&s, 5), 0);
    EXPECT_EQ(UISettingClamp(&s, 25), 20);
    const UISetting noOff = {.Handler = nullptr, .Menu = nullptr, .Min = 10, .Max = 20, .Scaling = 1};
    EXPECT_EQ(UISettingClamp(&noOff, 5), 10);
}

TEST(NumberSetting, ScalingBelowOneAndForgottenValueMessagesAreReported)
{
    StoredSetting broken = Number(7, 0, 0, 0, "%d");
    AssertCapture capture;
    EXPECT_EQ(Text(broken), "7");
    EXPECT_EQ(capture.Expressions(), std::vector<std::string>{"scaling >= 1"});

    UISetting bare = {.Handler = UINumberSettingHandler, .Menu = nullptr, .Min = 0, .Max = 0, .Scaling = 1,
                      .ZeroText = nullptr, .Format = "%d"};
    testing::internal::CaptureStderr();
    EXPECT_EQ(MsgQuery(&bare, MSG_VALUE_GET, 0), 0);
    MsgSendParam(&bare, MSG_VALUE_SET, 42);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "MSG_VALUE_GET not handled\nMSG_VALUE_SET 42 not handled\n");
}

TEST(SettingHelpers, CopyAndMenuLookups)
{
    StoredSetting from = Enum(2);
    StoredSetting to = Enum(0);
    UISettingCopy(&to, &from);
    EXPECT_EQ(to.Value, 2);
    EXPECT_EQ(UIMenuIndex(&ModeMenu, 3), 0U);
    EXPECT_EQ(UIMenuValue(&ModeMenu, 2), 2U);
    EXPECT_EQ(UIMenuItemAt(&ModeMenu, 3), nullptr);
    EXPECT_STREQ(UIMenuText(&ModeMenu, 2), "JAM");
    AssertCapture capture;
    EXPECT_EQ(UIMenuIndex(nullptr, 1), 0U);
    EXPECT_EQ(capture.Expressions(), std::vector<std::string>{"menu"});
}
