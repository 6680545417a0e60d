#include "uicore/uilist.h"

#include <gtest/gtest.h>

#include <iterator>

#include "common/format.h"
#include "support/assert_capture.h"
#include "support/golden.h"
#include "stored_setting.h"
#include "ui_fixture.h"
#include "uicore/uicontrols.h"
#include "uicore/uieditors.h"
#include "uicore/uikeys.h"

namespace {

constexpr std::uint32_t KEY_LIST_END = 146, KEY_LIST_PAGE_UP = 147, KEY_LIST_PAGE_DOWN = 148;
constexpr std::int32_t ROW = 16;  // font 0 is 15 pixels high, and a pixel between rows

// The folders of a card as their list shows them, the current folder marked; past the eleventh the names repeat.
constexpr const char* FolderNames[] = {"FOLDER01", "FOLDER02", "INTERVIEW", "FOLDER04", "SCENE12",
                                       "SCENE13", "FOLDER07", "B-ROLL", "FOLDER09", "FOLDER10", "FOLDER11"};
constexpr std::uint32_t CURRENT_FOLDER = 2;

struct FolderList {
    UIList List;
    std::uint32_t Count;
    const char* Title;
    std::int32_t Chosen;  // last MSG_LIST_SELECT, -1 none
};

std::uint32_t FolderListHandler(void* self, Message* msg)
{
    auto* p = static_cast<FolderList*>(self);
    switch (msg->Id) {
    case MSG_LIST_COUNT:
        msg->Param = p->Count;
        return 1;
    case MSG_LIST_TITLE:
        return p->Title ? FormatText(MsgParamPtr<char>(msg), MAX_UI_TEXT, "%s", p->Title) > 0 : 0;
    case MSG_LIST_ROW_TEXT: {
        auto* row = MsgParamPtr<UIListRowText>(msg);
        FormatText(row->Text, MAX_UI_TEXT, "%2u  %s", row->Index + 1, FolderNames[row->Index % std::size(FolderNames)]);
        row->Mark = row->Index == CURRENT_FOLDER ? UI_LIST_ROW_MARKED : UI_LIST_ROW_UNMARKED;
        return 1;
    }
    case MSG_LIST_SELECT:
        p->Chosen = MsgParamInt(msg);
        return 1;
    default:
        return UIListHandler(self, msg);
    }
}

FolderList Folders(std::uint32_t count, std::uint32_t nrows, const char* title = nullptr)
{
    return {.List = {.Control = {.Handler = FolderListHandler, .Flags = UI_CTRL_FLAG_FOCUS, .X = 2, .Y = 0},
                     .NRows = nrows, .Index = 0, .Top = 0},
            .Count = count, .Title = title, .Chosen = -1};
}

// A menu's own handler: the row messages first, then the list's.
std::uint32_t MenuHandler(void* self, Message* msg)
{
    const std::uint32_t result = UIStaticListHandler(self, msg);
    return result ? result : UIListHandler(self, msg);
}

UIStaticListItem Item(const char* text, void* setting = nullptr, std::int32_t valueX = 0, UIPage* page = nullptr)
{
    return {.Handler = UITest::ProbeHandler, .Text = text, .Setting = setting, .Page = page, .ValueX = valueX,
            .Visible = 0};
}

UIStaticList Menu(UIStaticListItem* items, std::uint32_t count, std::uint32_t nrows, std::int32_t y = 24)
{
    return {.List = {.Control = {.Handler = MenuHandler, .Flags = UI_CTRL_FLAG_FOCUS, .X = 0, .Y = y},
                     .NRows = nrows, .Index = 0, .Top = 0},
            .NItems = count, .Items = items};
}

class Lists : public UITest {
protected:
    void SetUp() override
    {
        UITest::SetUp();
        MsgRegister(UIMainHandler, 0);
        UIGotoPage(&caller);
    }

    // Shows the list, focused, on a page of its own after another focusable control.
    void Show(UIList* list, std::int32_t focus = 1)
    {
        controls[1] = &list->Control;
        UIGotoPage(&page);
        UIFocusControl(&page, controls[focus]);
        UIRedraw();
    }

    UIControl other = ProbeControl(UI_CTRL_FLAG_FOCUS);
    UIControl* controls[2] = {&other, nullptr};
    UIPage caller = ProbePage(0, nullptr, 0);
    UIPage page = ProbePage(0, controls, 2);
    UIPage target = ProbePage(0, nullptr, 0);
};

}  // namespace

TEST_F(Lists, TheCursorScrollsOneRowAtATimeStopsAtEitherEndAndPageKeysMoveSixRowsAndTheEndKeyFortyAtMost)
{
    FolderList list = Folders(16, 9);
    list.List.Index = 8;
    Show(&list.List);
    Turn(1);
    EXPECT_EQ(list.List.Top, 1U);
    UIListSetIndex(&list.List, 1);
    EXPECT_TRUE(UIListMove(&list.List, -1));
    EXPECT_EQ(list.List.Top, 0U);
    EXPECT_FALSE(UIListMove(&list.List, -1));
    EXPECT_EQ(MsgSendParam(&list, MSG_ENCODER, -1), 0U);  // the step is left to the page
    list.Count = 5;
    list.List.Index = 4;
    EXPECT_FALSE(UIListMove(&list.List, 1));
    EXPECT_EQ(MsgSendParam(&list, MSG_ENCODER, 1), 0U);
    EXPECT_EQ(MsgSendParam(&list, MSG_ENCODER, 0), 1U);  // zero counts as a step down
    EXPECT_EQ(list.List.Index, 3U);
    Press(KEY_MENU);
    EXPECT_EQ(list.Chosen, 3);
    EXPECT_EQ(MsgSendParam(&list, MSG_KEY_DOWN, std::uint32_t{KEY_MENU} | KEY_MOD_SHIFT), 0U);

    const std::tuple<std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t> moves[] = {
        // count, index, key, index after
        {5, 2, KEY_LIST_PAGE_DOWN, 4}, {20, 10, KEY_LIST_PAGE_UP, 4}, {50, 0, KEY_LIST_END, 40},
        {41, 4, KEY_LIST_END, 40},
    };
    for (const auto& [count, index, key, after] : moves) {
        list.Count = count;
        list.List.Index = index;
        Press(key);
        EXPECT_EQ(list.List.Index, after) << count << " rows from " << index;
    }
    EXPECT_EQ(list.List.Top, 32U);
    list.Count = 0;
    UIRedraw();
    EXPECT_EQ(list.List.Index + list.List.Top, 0U);
    EXPECT_TRUE(buffer == Expected([](Canvas*) {}));
}

TEST_F(Lists, ARowWithAPageOpensItAndASettingRowOpensItsEditorOverTheValueUntilTheFocusMoves)
{
    StoredSetting gain = StoredNumber("+__dB", 12, -20, 30);
    StoredSetting trim = StoredNumber("+__dB", 0, -20, 30);
    UIStaticListItem items[] = {Item("OUTPUTS ", &gain, 0, &target), Item("GAIN ", &gain, 130), Item("TRIM ", &trim)};
    UIStaticList menu = Menu(items, 3, 2, 40);
    Show(&menu.List);
    Turn({1, 1});
    ASSERT_EQ(menu.List.Top, 1U);
    Press(KEY_MENU);
    ASSERT_EQ(UIActiveEditor, &UINumberEditor.Editor);
    EXPECT_EQ(UIActiveEditor->Setting, &trim);
    EXPECT_EQ(std::pair(UIActiveEditor->X, UIActiveEditor->Y),
              std::pair(4 + TextWidth(&LcdCanvas, 0, "TRIM ") + 2, 40 + ROW));
    Release(KEY_MENU);
    UIEditorClose();
    Turn(-1);
    Press(KEY_MENU);
    EXPECT_EQ(std::pair(UIActiveEditor->X, UIActiveEditor->Y), std::pair(134, 40));
    UIFocusControl(&page, &other);  // losing the focus closes it
    EXPECT_EQ(UIActiveEditor, nullptr);
    UIFocusControl(&page, &menu);
    Turn(-1);
    Press(KEY_MENU);
    EXPECT_EQ(UICurrentPage, &target);
    EXPECT_EQ(UIActiveEditor, nullptr);
}

TEST_F(Lists, HiddenItemsAreSkippedByCountingChoosingAndDrawing)
{
    UIStaticListItem items[] = {Item("A"), Item("HIDDEN"), Item("C"), Item("D"), Item("E")};
    UIStaticList menu = Menu(items, 5, 3);
    Name(&items[2], "C");
    Answer(&items[1], MSG_IS_VISIBLE, {.Result = 1, .SetsParam = true, .Param = 0});
    Show(&menu.List);
    EXPECT_EQ(UIListCount(&menu.List), 4U);
    Turn(1);
    Press(KEY_MENU);
    EXPECT_EQ(Log(MSG_ACTIVATE), (std::vector<Received>{{"C", MSG_ACTIVATE}}));
    Turn({1, 1, 1});
    EXPECT_FALSE(UIListMove(&menu.List, 1));
    EXPECT_EQ(menu.List.Top, 1U);

    AssertCapture capture;
    UIListDraw draw = {.Canvas = &LcdCanvas, .Index = 4, .X = 0, .Y = 0, .Selected = 0};
    EXPECT_EQ(MsgSendParam(&menu, MSG_LIST_DRAW_ROW, MsgParamOf(&draw)), 1U);
    EXPECT_EQ(MsgSendParam(&menu, MSG_LIST_SELECT, 4), 1U);
    EXPECT_EQ(capture.Expressions(),
              (std::vector<std::string>{"draw->Index < UIStaticListCount(p)", "index < UIStaticListCount(p)"}));
}

TEST_F(Lists, FolderListWithTitleCursorAndMarkedRow)
{
    FolderList folders = Folders(std::size(FolderNames), 10, "PRIMARY FOLDER");
    folders.List.Index = 5;
    Show(&folders.List);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/list_title_cursor_marked"));
}

TEST_F(Lists, MenuWithValueColumnsAndPageRowsThenScrolledToItsEnd)
{
    // each value as its setting shows it: a number at zero showing that text
    const auto value = [](const char* shown) { return StoredNumber("_", 0, 0, 0, shown); };
    StoredSetting mode = value("FREE RUN"), rate = value("25"), bits = value("00:00:00:00"), output = value("ON"),
                  level = value("-10dB"), hold = value("OFF"), offset = value("0 FR");
    UIStaticListItem items[] = {
        Item("TC MODE ", &mode, 100),   Item("FRAME RATE ", &rate, 100), Item("USER BITS ", &bits, 100),
        Item("JAM TC", nullptr, 0, &target), Item("TC OUT ", &output, 100), Item("OUT LEVEL ", &level, 100),
        Item("TC HOLD ", &hold, 100),   Item("TC OFFSET ", &offset, 100), Item("SYNC SETUP", nullptr, 0, &target),
        Item("ADVANCED", nullptr, 0, &target), Item("UB MODE ", &hold, 100), Item("LTC IN ", &output, 100),
        Item("RESET TC"),
    };
    UIStaticList menu = Menu(items, 13, 9);
    UITitle title = {.Control = {.Handler = UITitleHandler, .Flags = 0, .X = 0, .Y = 0}, .Text = "TIMECODE"};
    controls[0] = &title.Control;
    Show(&menu.List);
    Turn(1);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/list_menu_values"));
    Press(KEY_LIST_END);
    ASSERT_EQ(std::pair(menu.List.Index, menu.List.Top), std::pair(12U, 4U));
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/list_scrolled_to_end"));
}
