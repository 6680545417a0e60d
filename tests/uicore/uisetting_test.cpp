#include "uicore/uisetting.h"

#include <gtest/gtest.h>

#include <string>

#include "stored_setting.h"
#include "support/assert_capture.h"
#include "uicore/uicontrols.h"
#include "uicore/uieditors.h"

namespace {

const UIMenuItem ModeItems[] = {{"FREE RUN", 0, 0}, {"REC RUN", 0, 0x05C0}, {"JAM", 0, 0xB800}};
const UIMenu ModeMenu = {.NItems = 3, .Items = ModeItems};


std::string Text(StoredSetting& s)
{
    char buffer[MAX_UI_TEXT] = "untouched";
    EXPECT_EQ(MsgSendParam(&s, MSG_TEXT_GET, MsgParamOf(buffer)), 1U);
    return buffer;
}

std::uint32_t Step(StoredSetting& s, std::int32_t delta) { return MsgSendParam(&s, MSG_VALUE_STEP, delta); }

using Values = std::vector<std::int32_t>;

}  // namespace

TEST(EnumSetting, StepsStopAtTheEndsNextWrapsAndTheItemGivesTextAndColour)
{
    StoredSetting s = StoredEnum(&ModeMenu, 2);
    EXPECT_EQ(Step(s, 1), 0U);
    EXPECT_EQ(Step(s, -5), 1U);
    EXPECT_EQ(MsgSend(&s, MSG_VALUE_NEXT), 1U);
    s.Value = 2;
    MsgSend(&s, MSG_VALUE_NEXT);
    EXPECT_EQ(s.Sets, (Values{0, 1, 0}));
    EXPECT_EQ(MsgQuery(&s, MSG_VALUE_COUNT, 0), 3);
    s.Value = 7;  // outside the menu: steps from the first item
    EXPECT_EQ(Text(s), "<?}");
    Step(s, 1);
    EXPECT_EQ(Text(s), "REC RUN");
    char own[] = "own";
    UITextAttr attr = {.Text = own, .Align = 1, .Font = 0, .Color = 0x1234};
    EXPECT_EQ(MsgSendParam(&s, MSG_TEXT_ATTR_GET, MsgParamOf(&attr)), 1U);
    EXPECT_STREQ(attr.Text, "REC RUN");
    EXPECT_EQ(attr.Color, 0x05C0);

    StoredSetting bare = StoredEnum(nullptr, 5);
    EXPECT_EQ(Text(bare), "<5 ?}");
    EXPECT_EQ(Step(bare, 1) + MsgSend(&bare, MSG_VALUE_NEXT), 0U);
    EXPECT_EQ(MsgSendParam(&bare, MSG_TEXT_ATTR_GET, MsgParamOf(&attr)), 0U);
}

TEST(NumberSetting, ScaledValuesCarryTheSignInFront)
{
    const std::tuple<std::int32_t, std::int32_t, const char*, const char*> cases[] = {
        {90, 10, "%d.%01dV", "9.0V"},      {-15, 10, "%d.%01d", "-1.5"}, {-5, 10, "%d.%01d", "-0.5"},
        {-1234, 100, "%d.%02d", "-12.34"}, {-12, 1, "%ddB", "-12dB"},
    };
    for (const auto& [value, scaling, format, shown] : cases) {
        StoredSetting s = StoredNumber("___", value, 0, 0, nullptr, scaling, format);
        EXPECT_EQ(Text(s), shown);
    }
}

TEST(NumberSetting, StepsStayWithinTheLimitsOrRunFreelyAndTheOffValueSitsBelowTheRange)
{
    StoredSetting ratio = StoredNumber("___", 200, 10, 200, nullptr, 10, "%d.%01d:1");
    EXPECT_EQ(Step(ratio, 10), 0U);
    ratio.Value = 15;
    EXPECT_EQ(Step(ratio, -10), 1U);
    StoredSetting free = StoredNumber("___", 5, 0, 0);
    Step(free, -10);
    Step(free, 1000);
    StoredSetting off = StoredNumber("___", 0, 10, 90, "OFF", 1, "%dms");
    EXPECT_EQ(Text(off), "OFF");
    Step(off, 1);
    Step(off, -1);
    EXPECT_EQ(Step(off, -1), 0U);
    EXPECT_EQ(ratio.Sets, Values{10});
    EXPECT_EQ(free.Sets, (Values{-5, 995}));
    EXPECT_EQ(off.Sets, (Values{10, 0}));

    const UISetting s = {.Handler = nullptr, .Menu = nullptr, .Min = 10, .Max = 20, .Scaling = 1, .ZeroText = "OFF"};
    EXPECT_EQ(UISettingClamp(&s, 5), 0);
    EXPECT_EQ(UISettingClamp(&s, 10), 10) << "the lowest real value is not the off value";
    EXPECT_EQ(UISettingClamp(&s, 25), 20);
    const UISetting noOff = {.Handler = nullptr, .Menu = nullptr, .Min = 10, .Max = 20, .Scaling = 1};
    EXPECT_EQ(UISettingClamp(&noOff, 5), 10);
}

TEST(Settings, EachKindNamesItsEditorAndBrokenSettingsAreReported)
{
    StoredSetting enumerated = StoredEnum(&ModeMenu, 1);
    StoredSetting number = StoredNumber("___", 5, 0, 0);
    EXPECT_EQ(UISettingEditor(&enumerated), &UIEnumEditor);
    UISettingCopy(&number, &enumerated);
    EXPECT_EQ(number.Value, 1);
    StoredSetting broken = StoredNumber("___", 7, 0, 0, nullptr, 0);
    AssertCapture capture;
    EXPECT_EQ(Text(broken), "7");
    EXPECT_EQ(UIMenuIndex(nullptr, 1), 0U);
    EXPECT_EQ(capture.Expressions(), (std::vector<std::string>{"scaling >= 1", "menu"}));
}
