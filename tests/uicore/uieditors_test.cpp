#include "uicore/uieditors.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "stored_setting.h"
#include "support/assert_capture.h"
#include "support/golden.h"
#include "ui_fixture.h"
#include "uicore/uieditorsteps.h"
#include "uicore/uikeys.h"

namespace {

// The window of a panel digit key lasts half a second; the fixture's clock moves in 10 ms ticks.
constexpr std::uint32_t HALF_A_SECOND = 500, PAST_THE_WINDOW = HALF_A_SECOND + 10;

using Values = std::vector<std::int32_t>;
using Digits = std::vector<std::uint8_t>;

// Menus of 20 and 19 values, to either side of the number from which a held MENU widens the step.
const UIMenuItem ManyItems[20] = {};
const UIMenu TwentyMenu = {.NItems = 20, .Items = ManyItems};
const UIMenu NineteenMenu = {.NItems = 19, .Items = ManyItems};
const UIMenuItem ModeItems[] = {{"FREE RUN", 0, 0}, {"REC RUN", 0, 0}, {"JAM", 0, 0}};
const UIMenu ModeMenu = {.NItems = 3, .Items = ModeItems};

class Editors : public UITest {
protected:
    void SetUp() override
    {
        UITest::SetUp();
        Name(&page, "page");
        // the page takes the keys the editor leaves, so that the recorder's global keys stay out of these tests
        Answer(&page, MSG_KEY_DOWN, {});
        Answer(&page, MSG_KEY_UP, {});
        MsgRegister(UIMainHandler, 0);
        UIGotoPage(&page);
    }

    // Opens the editor the setting names, where a row's value column would be.
    static void Open(StoredSetting& s) { ASSERT_TRUE(UIEditorOpenFor(&s, 60, 40)); }

    static std::string Shown() { return UINumberEditor.Buffer; }
    static std::string Typed(const char* keys) { Type(keys); return Shown(); }
    static std::string Tapped(std::uint32_t key) { Tap(key); return Shown(); }
    static Digits DigitsOf(const UIDigitEditor& e) { return {std::begin(e.Digits), std::end(e.Digits)}; }
    static std::size_t KeysAtPage() { return Log(MSG_KEY_DOWN).size(); }

    UIPage page = ProbePage(0, nullptr, 0);
};

}  // namespace

TEST_F(Editors, NumberEditorShowsTheValueInItsTemplateAndFollowsItsStepsUntilADigitIsTyped)
{
    const std::tuple<const char*, std::int32_t, const char*, const char*> cases[] = {
        {"_._V", 5, nullptr, "0.5V"},     {"+__dB", -12, nullptr, "-12dB"}, {"+__dB", 7, nullptr, "+ 7dB"},
        {"__._:1", 125, nullptr, "12.5:1"}, {"___", 1234, nullptr, "234"},  {"____GB", 0, "OFF", "OFF"},
    };
    for (const auto& [entryTemplate, value, zeroText, shown] : cases) {
        StoredSetting s = StoredNumber(entryTemplate, value, -99, 9999, zeroText);
        Open(s);
        EXPECT_EQ(Shown(), shown) << entryTemplate << " with " << value;
    }
    StoredSetting s = StoredNumber("___", 42, 0, 999);
    Open(s);
    Turn({1, -1});
    for (const std::uint32_t key : {+KEY_UP, +KEY_DOWN, KEY_STEP_UP_10, KEY_STEP_DOWN_10})
        Tap(key);
    EXPECT_EQ(s.Sets, (Values{43, 42, 43, 42, 52, 42}));
    s.Value = 7;  // changed elsewhere: the next draw shows it
    UIRedraw();
    EXPECT_EQ(Shown(), "  7");
}

TEST_F(Editors, PanelDigitsEnterAtTheRightGiveTheirOtherDigitWithinHalfASecondAndMoveLeftAfter)
{
    StoredSetting s = StoredNumber("___", 42, 0, 999);
    Open(s);
    Tap(KEY_COM);
    Advance(HALF_A_SECOND);  // exactly: still the same window
    EXPECT_EQ(Tapped(KEY_COM), "  9");
    EXPECT_EQ(Tapped(KEY_COM), "  7");
    Advance(PAST_THE_WINDOW);
    EXPECT_EQ(Tapped(KEY_SLT), " 78");
    EXPECT_EQ(Tapped(KEY_SLT), " 70");
    Advance(PAST_THE_WINDOW);
    EXPECT_TRUE(s.Sets.empty());
    Tap(KEY_MENU);
    EXPECT_EQ(s.Sets, Values{70});
    EXPECT_FALSE(UIEditorIsOpen());
    Open(s);
    EXPECT_EQ(Typed("77"), " 77");  // a PC key has no second digit and enters at once
    Advance(2000);
    Tap(KEY_HP);
    EXPECT_EQ(s.Sets, (Values{70, 77}));
    EXPECT_EQ(KeysAtPage(), 0U);
}

TEST_F(Editors, TheCursorRestsOnTheSignWhichMenuTogglesAndAnotherEditorReplacesOneWithoutACommit)
{
    StoredSetting s = StoredNumber("+__dBu", 0, -20, 30);
    Open(s);
    Type("5");
    Turn({-1, -1, -1});
    EXPECT_EQ(UINumberEditor.Cursor, 0);
    EXPECT_EQ(Typed("92"), "+25dBu");  // the sign takes no digit; the cursor moves on
    Press(KEY_MENU);
    EXPECT_EQ(Shown(), "-25dBu");
    Release(KEY_MENU);
    EXPECT_TRUE(UIEditorIsOpen());  // the press that toggled closes nothing
    Tap(KEY_MENU);
    EXPECT_EQ(Tapped(KEY_MENU), "-25dBu");
    Tap(KEY_HP);
    EXPECT_EQ(s.Sets, Values{-20});  // limited to the minimum
    Open(s);
    Type("5");
    StoredSetting plain = StoredNumber("___", 0, 0, 99);
    Open(plain);  // another editor replaces it without a commit
    EXPECT_EQ(s.Sets, Values{-20});
}

TEST_F(Editors, HeldMenuStepsByTenOnlyFromTwentyValuesAndItsReleaseIsThenSwallowed)
{
    struct Case {
        StoredSetting Setting;
        std::int32_t Turn;
        Values Sets;
        bool StaysOpen;
    };
    Case cases[] = {
        {StoredNumber("___", 15, 0, 20), -1, {5}, true},
        {StoredNumber("___", 15, 0, 19), -1, {14}, false},
        {StoredEnum(&TwentyMenu, 3), 1, {13}, true},
        {StoredEnum(&NineteenMenu, 3), 1, {4}, false},
    };
    for (Case& c : cases) {
        Open(c.Setting);
        Press(KEY_MENU);
        Turn(c.Turn);
        Release(KEY_MENU);
        EXPECT_EQ(c.Setting.Sets, c.Sets);
        EXPECT_EQ(UIEditorIsOpen(), c.StaysOpen);
    }
}

TEST_F(Editors, UnusableTemplatesAreReportedAndLeaveTheDigitsToThePage)
{
    const std::string tooLong(MAX_UI_TEXT, '_');
    const std::pair<const char*, const char*> cases[] = {
        {nullptr, "p->Template"}, {"dB", "std::strchr(p->Template, '_')"},
        {tooLong.c_str(), "strlen(p->Template) < sizeof(p->Buffer)"}};
    for (const auto& [entryTemplate, report] : cases) {
        StoredSetting s = StoredNumber(entryTemplate, 42, 0, 999);
        {
            AssertCapture capture;
            Open(s);
            EXPECT_EQ(capture.Expressions(), std::vector<std::string>{report});
        }
        const std::size_t before = KeysAtPage();
        Type("5");
        Turn(1);
        EXPECT_EQ(KeysAtPage(), before + 1) << report;
        EXPECT_EQ(s.Sets, Values{43}) << report;
    }
}

TEST_F(Editors, DigitEditorStepsTheValueButCommitsTheShownDigitsAtTheLastOnHpOrOnMenu)
{
    StoredSetting s = StoredTimecode(0x01020304);
    Open(s);
    Tap({KEY_UP, KEY_STEP_DOWN_10});
    EXPECT_EQ(s.Sets, (Values{0x01020305, 0x010202FB}));
    EXPECT_EQ(DigitsOf(UITimecodeEditor), (Digits{0, 1, 0, 2, 0, 3, 0, 4}));
    Tap(KEY_HP);
    EXPECT_EQ(s.Value, 0x01020304);
    Open(s);
    Type("1234567");
    EXPECT_EQ(s.Sets.size(), 3U);
    Type("8");
    EXPECT_EQ(s.Value, 0x12345678);
    EXPECT_FALSE(UIEditorIsOpen());
    Open(s);
    Type("5");
    Press(KEY_MENU);
    EXPECT_EQ(s.Value, 0x52345678);
    EXPECT_FALSE(UIEditorIsOpen());
}

TEST_F(Editors, DigitEditorPanelKeysWaitHalfASecondAndOfferTheirSecondDigitAndTheCursorWraps)
{
    StoredSetting s = StoredTimecode(0);
    Open(s);
    Tap(KEY_TC);
    Advance(HALF_A_SECOND);
    EXPECT_EQ(UITimecodeEditor.Cursor, 0);
    Advance(10);
    Tap({KEY_COM, KEY_COM});
    Advance(PAST_THE_WINDOW);
    Tap({KEY_SLT, KEY_SLT, KEY_SLT});
    Advance(PAST_THE_WINDOW);
    Tap(KEY_SETUP);
    Tap(KEY_SETUP);  // a key without a second digit stays itself
    EXPECT_EQ(DigitsOf(UITimecodeEditor), (Digits{1, 9, 8, 6, 0, 0, 0, 0}));
    StoredSetting bits = StoredTimecode(0, UIUserBitsSettingHandler);
    Open(bits);
    Turn(-1);
    EXPECT_EQ(UIUserBitsEditor.Cursor, 7);
    Turn(2);
    Type("1bF0c");
    Tap({KEY_SETUP, KEY_SETUP});
    Advance(PAST_THE_WINDOW);
    EXPECT_TRUE(bits.Sets.empty());
    Type("1");
    EXPECT_EQ(bits.Sets, Values{static_cast<std::int32_t>(0x01BF0CF1U)});
}

// A settings page as the recorder shows them: a title, then rows of a label and a value in the value column.
TEST_F(Editors, NumberAndEnumEditorsOpenOverTheValuesOfASettingsPage)
{
    StoredSetting gain = StoredNumber("+__dB", -12, -20, 30, nullptr, 1, "%ddB");
    StoredSetting mode = StoredEnum(&ModeMenu, 1);
    StoredSetting ratio = StoredNumber("__._:1", 125, 10, 200, nullptr, 10, "%d.%01d:1");
    const std::pair<const char*, StoredSetting*> rows[] = {{"GAIN", &gain}, {"TC MODE", &mode}, {"RATIO", &ratio}};
    UITitle title = {.Control = {.Handler = UITitleHandler, .Flags = 0, .X = 0, .Y = 0}, .Text = "INPUT 1"};
    UIText texts[6];  // each row's label, then its value
    UIControl* controls[7] = {&title.Control};
    for (int i = 0; i < 6; ++i) {
        const bool isValue = i % 2 == 1;
        texts[i] = {.Control = {.Handler = UITextHandler, .Flags = 0, .X = isValue ? 104 : 4, .Y = 32 + 26 * (i / 2)},
                    .Text = isValue ? nullptr : rows[i / 2].first, .Font = 0, .Align = UI_ALIGN_LEFT,
                    .Color = COLOUR_BLACK, .Setting = isValue ? rows[i / 2].second : nullptr};
        controls[i + 1] = &texts[i].Control;
    }
    UIPage settings = ProbePage(0, controls, 7);
    UIGotoPage(&settings);
    const auto openOver = [](const UIText& value) {
        ASSERT_TRUE(UIEditorOpenFor(value.Setting, value.Control.X, value.Control.Y));
        UIRedraw();
    };
    openOver(texts[1]);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/number_editor_showing_value"));
    Type("6");
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/number_editor_typing"));
    openOver(texts[3]);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/enum_editor_open"));
}
