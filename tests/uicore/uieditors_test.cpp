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

constexpr std::int32_t EDIT_X = 60;
// The window of a panel digit key lasts half a second; the fixture's clock moves in 10 ms ticks.
constexpr std::uint32_t HALF_A_SECOND = 500;
constexpr std::uint32_t PAST_THE_WINDOW = HALF_A_SECOND + 10;
constexpr std::int32_t EDIT_Y = 40;
constexpr Colour DIGIT_CURSOR_BACK = 0x2002;

using Values = std::vector<std::int32_t>;

const UIMenuItem ModeItems[] = {
    {.Text = "FREE RUN", .Code = 0, .Color = 0},
    {.Text = "REC RUN", .Code = 0, .Color = 0},
    {.Text = "JAM", .Code = 0, .Color = 0},
};
const UIMenu ModeMenu = {.NItems = 3, .Items = ModeItems};

// Menus of 20 and 19 values, to either side of the number from which a held MENU widens the step.
const UIMenuItem ManyItems[20] = {};
const UIMenu TwentyMenu = {.NItems = 20, .Items = ManyItems};
const UIMenu NineteenMenu = {.NItems = 19, .Items = ManyItems};

// Says so when a step changed nothing, as a setting may to spare its sender the redraw.
std::uint32_t ReportsNoChange(void* self, Message* msg)
{
    const std::uint32_t changed = UIEnumSettingHandler(self, msg);
    if (msg->Id == MSG_VALUE_STEP && !changed)
        msg->Param = 0;
    return changed;
}

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
    static void Open(StoredSetting& s) { ASSERT_TRUE(UIEditorOpenFor(&s, EDIT_X, EDIT_Y)); }

    // PC keys, one character each.
    static void Type(const char* keys)
    {
        for (const char* k = keys; *k != '\0'; ++k)
            Tap(static_cast<std::uint32_t>(*k));
    }

    static std::string Shown() { return UINumberEditor.Buffer; }
    static std::string Typed(const char* keys) { Type(keys); return Shown(); }
    static std::string Tapped(std::uint32_t key) { Tap(key); return Shown(); }
    static int Cursor() { return UINumberEditor.Cursor; }
    static int CursorAfterTurn(std::int32_t step) { Turn(step); return Cursor(); }
    static std::vector<std::uint8_t> Digits(const UIDigitEditor& e)
    {
        return {std::begin(e.Digits), std::end(e.Digits)};
    }
    static std::size_t KeysAtPage() { return Log(MSG_KEY_DOWN).size(); }

    UIPage page = ProbePage(0, nullptr, 0);
};

}  // namespace

TEST_F(Editors, NumberEditorShowsTheValueInItsTemplate)
{
    struct Case {
        const char* Template;
        std::int32_t Value;
        const char* ZeroText;
        const char* Shown;
    };
    const Case cases[] = {
        {"_._V", 90, nullptr, "9.0V"},   {"_._V", 5, nullptr, "0.5V"},       {"+__dB", -12, nullptr, "-12dB"},
        {"+__dB", 7, nullptr, "+ 7dB"},  {"__._:1", 125, nullptr, "12.5:1"}, {"___", 1234, nullptr, "234"},
        {"____GB", 0, "OFF", "OFF"},     {"____GB", 0, nullptr, "   0GB"},
    };
    for (const Case& c : cases) {
        StoredSetting s = StoredNumber(c.Template, c.Value, -99, 9999, c.ZeroText);
        Open(s);
        EXPECT_EQ(Shown(), c.Shown) << c.Template << " with " << c.Value;
    }
}

TEST_F(Editors, NumberEditorStepsAndShowsTheValueUntilADigitIsTyped)
{
    StoredSetting s = StoredNumber("___", 42, 0, 999);
    Open(s);
    Turn(1);
    Turn(-1);
    Turn(-1);
    for (const std::uint32_t key : {+KEY_UP, +KEY_LEFT, +KEY_RIGHT, +KEY_DOWN, KEY_STEP_UP_10, KEY_STEP_DOWN_10})
        Tap(key);
    EXPECT_EQ(s.Sets, (Values{43, 42, 41, 42, 41, 42, 41, 51, 41}));
    EXPECT_EQ(Shown(), " 41");
    s.Value = 7;  // changed elsewhere: the next draw shows it
    UIRedraw();
    EXPECT_EQ(Shown(), "  7");
    EXPECT_TRUE(UIEditorIsOpen());
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
    EXPECT_EQ(Tapped(KEY_COM), " 77");
    Advance(PAST_THE_WINDOW);
    EXPECT_EQ(Tapped(KEY_SLT), "778");
    EXPECT_EQ(Tapped(KEY_SLT), "770");
    Advance(PAST_THE_WINDOW);
    EXPECT_TRUE(s.Sets.empty());
    Tap(KEY_MENU);
    EXPECT_EQ(s.Sets, Values{770});
    EXPECT_FALSE(UIEditorIsOpen());
    EXPECT_EQ(KeysAtPage(), 0U);
}

TEST_F(Editors, PcDigitsEnterAtOnceAndWaitForHpOrMenu)
{
    StoredSetting s = StoredNumber("____GB", 8, 1, 2000);
    Open(s);
    EXPECT_EQ(Typed("123"), " 123GB");
    Advance(2000);
    EXPECT_TRUE(UIEditorIsOpen());
    EXPECT_TRUE(s.Sets.empty());
    Tap(KEY_HP);
    EXPECT_EQ(s.Sets, Values{123});
    EXPECT_FALSE(UIEditorIsOpen());

    Open(s);
    EXPECT_EQ(Typed("77"), "  77GB");  // a PC key has no second digit
    Tap(KEY_MENU);
    EXPECT_EQ(s.Sets, (Values{123, 77}));
    EXPECT_EQ(KeysAtPage(), 0U);
}

TEST_F(Editors, TurningAfterADigitSwitchesToOverwritingThatCommitsPastTheLastPosition)
{
    StoredSetting s = StoredNumber("___", 42, 0, 999);
    Open(s);
    Type("7");
    Turn(-1);
    Tap(KEY_TC);
    Turn(1);  // ends the window: no move on, and no commit from the last position
    Advance(1000);
    EXPECT_EQ(Cursor(), 2);
    EXPECT_TRUE(UIEditorIsOpen());
    Turn(-1);
    Tap(KEY_COM);
    Advance(HALF_A_SECOND);
    EXPECT_EQ(Cursor(), 1);
    Advance(10);
    EXPECT_EQ(Cursor(), 2);
    EXPECT_EQ(Tapped(KEY_COM), " 77");  // the first press at the new position, although the same digit stands there
    EXPECT_TRUE(s.Sets.empty());
    Advance(PAST_THE_WINDOW);
    EXPECT_EQ(s.Sets, Values{77});
    EXPECT_FALSE(UIEditorIsOpen());

    Open(s);
    Type("1");
    Turn(-1);
    EXPECT_EQ(Typed("2"), " 21");  // a PC key moves on at once
    EXPECT_TRUE(UIEditorIsOpen());
    Type("3");
    EXPECT_EQ(s.Sets, (Values{77, 23}));
    EXPECT_FALSE(UIEditorIsOpen());
}

TEST_F(Editors, CursorRestsOnTheSignGoingLeftAndStaysAtEitherEnd)
{
    StoredSetting s = StoredNumber("+__dB", 0, -20, 30);
    Open(s);
    Type("5");
    EXPECT_EQ(CursorAfterTurn(1), 2);
    EXPECT_EQ(CursorAfterTurn(-1), 1);
    EXPECT_EQ(CursorAfterTurn(-1), 0);
    EXPECT_EQ(CursorAfterTurn(-1), 0);
    EXPECT_EQ(Typed("9"), "+ 5dB");  // the sign takes no digit; the cursor moves on
    EXPECT_EQ(Cursor(), 1);
}

TEST_F(Editors, MenuTogglesTheSignOfASignedEntryAndOtherwiseCommitsOnRelease)
{
    StoredSetting unsignedEntry = StoredNumber("___", 0, 0, 99);
    Open(unsignedEntry);
    Type("5");
    Press(KEY_MENU);
    EXPECT_EQ(Shown(), "  5");
    EXPECT_TRUE(UIEditorIsOpen());
    EXPECT_TRUE(unsignedEntry.Sets.empty());
    Release(KEY_MENU);
    EXPECT_EQ(unsignedEntry.Sets, Values{5});

    StoredSetting s = StoredNumber("+__dBu", 0, -20, 30);
    Open(s);
    Type("25");
    Tap(KEY_HP);
    EXPECT_EQ(s.Sets, Values{25});

    Open(s);
    Type("25");
    Press(KEY_MENU);
    EXPECT_EQ(Shown(), "-25dBu");
    Release(KEY_MENU);
    EXPECT_TRUE(UIEditorIsOpen());  // the press that toggled closes nothing
    Tap(KEY_MENU);
    EXPECT_EQ(Tapped(KEY_MENU), "-25dBu");  // toggled twice more
    Tap(KEY_HP);
    EXPECT_EQ(s.Sets, (Values{25, -20}));  // the typed -25 is limited to the minimum
}

TEST_F(Editors, ClosingWithoutATypedDigitLeavesTheValue)
{
    StoredSetting s = StoredNumber("___", 42, 0, 999);
    Press(KEY_MENU);  // the press that opens the editor; its release must not close it
    Open(s);
    Release(KEY_MENU);
    EXPECT_TRUE(UIEditorIsOpen());
    Tap(KEY_MENU);
    EXPECT_FALSE(UIEditorIsOpen());
    Open(s);
    Tap(KEY_HP);
    EXPECT_FALSE(UIEditorIsOpen());
    Open(s);
    Type("7");
    StoredSetting other = StoredNumber("___", 1, 0, 999);
    Open(other);  // another editor replaces it without a commit
    EXPECT_TRUE(s.Sets.empty());
    EXPECT_EQ(s.Value, 42);
}

TEST_F(Editors, HeldMenuStepsByTenOnlyFromTwentyValuesAndItsReleaseIsThenSwallowed)
{
    struct Case {
        const char* What;
        StoredSetting Setting;
        std::int32_t Turn;
        Values Sets;
        bool StaysOpen;
    };
    Case cases[] = {
        {"number 0..20", StoredNumber("___", 15, 0, 20), -1, {5}, true},
        {"number 0..19", StoredNumber("___", 15, 0, 19), -1, {14}, false},
        {"enum of 20", StoredEnum(&TwentyMenu, 3), 1, {13}, true},
        {"enum of 19", StoredEnum(&NineteenMenu, 3), 1, {4}, false},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.What);
        Open(c.Setting);
        Press(KEY_MENU);
        Turn(c.Turn);
        Release(KEY_MENU);
        EXPECT_EQ(c.Setting.Sets, c.Sets);
        EXPECT_EQ(UIEditorIsOpen(), c.StaysOpen);
    }
}

TEST_F(Editors, KeysThatAreNoDigitsOfTheEditorAreLeftToThePage)
{
    StoredSetting number = StoredNumber("___", 42, 0, 999);
    ASSERT_TRUE(UIEditorOpen(&UINumberStepEditor.Editor, &number, EDIT_X, EDIT_Y));
    Tap(KEY_TC);
    Type("5");
    EXPECT_EQ(KeysAtPage(), 2U);
    Turn(1);
    EXPECT_EQ(UINumberStepEditor.Buffer, std::string(" 43"));
    EXPECT_EQ(number.Sets, Values{43});

    StoredSetting mode = StoredEnum(&ModeMenu, 0);
    Open(mode);
    Tap(KEY_TC);
    Type("3");
    EXPECT_EQ(KeysAtPage(), 4U);
    EXPECT_TRUE(UIEditorIsOpen());

    StoredSetting timecode = StoredTimecode(0);  // decimal: a letter is no digit
    Open(timecode);
    Type("a");
    EXPECT_EQ(KeysAtPage(), 5U);
    EXPECT_EQ(UITimecodeEditor.Cursor, 0);
}

TEST_F(Editors, UnusableTemplatesAreReportedAndLeaveOnlyStepping)
{
    const std::string tooLong(MAX_UI_TEXT, '_');
    const std::pair<const char*, const char*> cases[] = {
        {nullptr, "p->Template"},
        {"dB", "std::strchr(p->Template, '_')"},
        {tooLong.c_str(), "strlen(p->Template) < sizeof(p->Buffer)"},
    };
    for (const auto& [entryTemplate, report] : cases) {
        StoredSetting s = StoredNumber(entryTemplate, 42, 0, 999);
        {
            AssertCapture capture;
            Open(s);
            EXPECT_EQ(capture.Expressions(), std::vector<std::string>{report});
        }
        const std::size_t before = KeysAtPage();
        Type("5");
        EXPECT_EQ(KeysAtPage(), before + 1) << report;
        Turn(1);
        EXPECT_EQ(s.Sets, Values{43}) << report;
        Tap(KEY_HP);
    }
}

TEST_F(Editors, EnumEditorChangesTheValueWithEachStepAndClosesOnMenuReleaseOrHp)
{
    StoredSetting s = StoredEnum(&ModeMenu, 0);
    Press(KEY_MENU);
    Open(s);
    Release(KEY_MENU);  // the release of the press that opened it
    EXPECT_TRUE(UIEditorIsOpen());
    Turn(1);
    EXPECT_EQ(s.Value, 1);
    for (const std::uint32_t key :
         {+KEY_UP, +KEY_RIGHT, +KEY_LEFT, +KEY_DOWN, +KEY_DOWN, KEY_STEP_UP_10, KEY_STEP_DOWN_10})
        Tap(key);
    Press(KEY_MENU);
    EXPECT_TRUE(UIEditorIsOpen());
    Release(KEY_MENU);
    EXPECT_FALSE(UIEditorIsOpen());
    EXPECT_EQ(s.Sets, (Values{1, 2, 1, 0, 2, 0}));
    EXPECT_EQ(KeysAtPage(), 1U);  // only the press before the editor opened

    Open(s);
    Tap(KEY_UP);
    Tap(KEY_HP);  // closing keeps what the steps set
    EXPECT_FALSE(UIEditorIsOpen());
    EXPECT_EQ(s.Value, 1);
}

TEST_F(Editors, EnumEditorRedrawsAfterATurnOnlyWhenTheValueChanged)
{
    StoredSetting s = StoredEnum(&ModeMenu, 2);
    s.Default = ReportsNoChange;
    Open(s);
    const int before = Flushes();
    Turn(1);
    EXPECT_EQ(Flushes(), before);
    Turn(-1);
    EXPECT_EQ(Flushes(), before + 1);
    EXPECT_TRUE(buffer == Expected([](Canvas* c) {
        CanvasDrawEditBar(c, EDIT_X, EDIT_Y, TextWidth(c, 0, "REC RUN"));
        DrawText(c, EDIT_X, EDIT_Y, 0, 0, COLOUR_BLACK, "REC RUN");
    }));
}

TEST_F(Editors, DigitEditorStepsTheValueButCommitsTheShownDigitsAtTheLastOnHpOrOnMenu)
{
    StoredSetting s = StoredTimecode(0x01020304);
    Open(s);
    EXPECT_EQ(Digits(UITimecodeEditor), (std::vector<std::uint8_t>{0, 1, 0, 2, 0, 3, 0, 4}));
    EXPECT_EQ(UITimecodeEditor.Cursor, 0);
    Tap(KEY_UP);
    Tap(KEY_STEP_DOWN_10);
    EXPECT_EQ(s.Sets, (Values{0x01020305, 0x010202FB}));
    EXPECT_EQ(Digits(UITimecodeEditor), (std::vector<std::uint8_t>{0, 1, 0, 2, 0, 3, 0, 4}));
    Tap(KEY_HP);
    EXPECT_EQ(s.Value, 0x01020304);
    EXPECT_FALSE(UIEditorIsOpen());

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

TEST_F(Editors, DigitEditorPanelKeysWaitHalfASecondAndOfferTheirSecondDigit)
{
    StoredSetting s = StoredTimecode(0);
    Open(s);
    Tap(KEY_TC);
    Advance(HALF_A_SECOND);
    EXPECT_EQ(UITimecodeEditor.Cursor, 0);
    Advance(10);
    EXPECT_EQ(UITimecodeEditor.Cursor, 1);
    Tap(KEY_COM);
    Tap(KEY_COM);
    Advance(PAST_THE_WINDOW);
    Tap(KEY_SLT);
    Tap(KEY_SLT);
    Tap(KEY_SLT);
    Advance(PAST_THE_WINDOW);
    Tap(KEY_SETUP);
    Tap(KEY_SETUP);  // a key without a second digit stays itself
    EXPECT_EQ(Digits(UITimecodeEditor), (std::vector<std::uint8_t>{1, 9, 8, 6, 0, 0, 0, 0}));
    EXPECT_TRUE(s.Sets.empty());
}

TEST_F(Editors, UserBitsTakeHexDigitsFromPanelAndPcKeys)
{
    StoredSetting s = StoredTimecode(0, UIUserBitsSettingHandler);
    Open(s);
    Tap(KEY_TC);
    EXPECT_EQ(UIUserBitsEditor.Digits[0], 1);
    Tap(KEY_TC);
    EXPECT_EQ(UIUserBitsEditor.Digits[0], 0xA);
    Advance(PAST_THE_WINDOW);
    Type("bF0c");
    Tap(KEY_SETUP);
    Tap(KEY_SETUP);
    Advance(PAST_THE_WINDOW);
    Tap(KEY_COM);
    Tap(KEY_COM);
    Advance(PAST_THE_WINDOW);
    EXPECT_TRUE(s.Sets.empty());
    Type("1");
    EXPECT_EQ(s.Sets, Values{static_cast<std::int32_t>(0xABF0CF91U)});
}

TEST_F(Editors, DigitEditorCursorWrapsAroundTheEightDigits)
{
    StoredSetting s = StoredTimecode(0, UIUserBitsSettingHandler);
    Open(s);
    Turn(-1);
    EXPECT_EQ(UIUserBitsEditor.Cursor, 7);
    Turn(-1);
    Turn(3);
    EXPECT_EQ(UIUserBitsEditor.Cursor, 1);
    Tap(KEY_TC);
    Turn(8);  // the same digit again, but the second-press window is over
    Tap(KEY_TC);
    EXPECT_EQ(UIUserBitsEditor.Digits[1], 1);
    EXPECT_EQ(UIUserBitsEditor.Cursor, 1);
    Advance(1000);
    EXPECT_EQ(UIUserBitsEditor.Cursor, 2);
}

TEST_F(Editors, DigitEditorRedrawsItsCursorBlockWhereTheTurnTookIt)
{
    StoredSetting s = StoredTimecode(0x01020304);
    Open(s);
    UIRedraw();
    EXPECT_EQ(At(EDIT_X, EDIT_Y - 2), DIGIT_CURSOR_BACK);
    // two digits and a colon further on: the third digit
    const std::int32_t third = EDIT_X + 2 * TextWidth(&LcdCanvas, 1, "0") + TextWidth(&LcdCanvas, 1, ":");
    Turn(2);
    EXPECT_EQ(At(EDIT_X, EDIT_Y - 2), COLOUR_BLACK);
    EXPECT_EQ(At(third, EDIT_Y - 2), DIGIT_CURSOR_BACK);
    EXPECT_EQ(At(third - 1, EDIT_Y - 2), COLOUR_BLACK);
}

namespace {

// A settings page as the recorder shows them: a title, and rows of a label and a value in a value column.
class EditorScreens : public Editors {
protected:
    static constexpr std::int32_t VALUE_X = 104;

    void SetUp() override
    {
        Editors::SetUp();
        UIGotoPage(&settingsPage);
    }

    // Opens the value's editor over it.
    static void OpenOver(UIText& value)
    {
        ASSERT_TRUE(UIEditorOpenFor(value.Setting, value.Control.X, value.Control.Y));
        UIRedraw();
    }

    static UIText Text(std::int32_t x, std::int32_t y, const char* label, StoredSetting* setting)
    {
        return {.Control = {.Handler = UITextHandler, .Flags = 0, .X = x, .Y = y},
                .Text = label, .Font = 0, .Align = UI_ALIGN_LEFT, .Color = COLOUR_BLACK, .Setting = setting};
    }

    StoredSetting gain = [] {
        StoredSetting s = StoredNumber("+__dB", -12, -20, 30);
        s.Setting.Format = "%ddB";
        return s;
    }();
    StoredSetting mode = StoredEnum(&ModeMenu, 1);
    StoredSetting ratio = [] {
        StoredSetting s = StoredNumber("__._:1", 125, 10, 200);
        s.Setting.Scaling = 10;
        s.Setting.Format = "%d.%01d:1";
        return s;
    }();
    UITitle title = {.Control = {.Handler = UITitleHandler, .Flags = 0, .X = 0, .Y = 0}, .Text = "INPUT 1"};
    UIText gainLabel = Text(4, 32, "GAIN", nullptr);
    UIText gainValue = Text(VALUE_X, 32, nullptr, &gain);
    UIText modeLabel = Text(4, 58, "TC MODE", nullptr);
    UIText modeValue = Text(VALUE_X, 58, nullptr, &mode);
    UIText ratioLabel = Text(4, 84, "RATIO", nullptr);
    UIText ratioValue = Text(VALUE_X, 84, nullptr, &ratio);
    UIControl* const controls[7] = {&title.Control,      &gainLabel.Control,  &gainValue.Control, &modeLabel.Control,
                                    &modeValue.Control,  &ratioLabel.Control, &ratioValue.Control};
    UIPage settingsPage = {.Handler = UINullHandler, .Flags = 0, .Parent = nullptr, .ControlIndex = -1,
                           .NControls = static_cast<std::int32_t>(std::size(controls)), .Controls = controls};
};

}  // namespace

TEST_F(EditorScreens, NumberEditorOverTheValueThenWhileDigitsAreTyped)
{
    OpenOver(gainValue);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/number_editor_showing_value"));
    Type("6");
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/number_editor_typing"));
}

TEST_F(EditorScreens, EnumEditorOverTheValue)
{
    OpenOver(modeValue);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/enum_editor_open"));
}
