#include "uicore/uilist.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>

#include "canvas/images.h"
#include "common/format.h"
#include "support/assert_capture.h"
#include "support/golden.h"
#include "ui_fixture.h"
#include "uicore/uicontrols.h"
#include "uicore/uieditors.h"
#include "uicore/uikeys.h"

namespace {

constexpr std::uint32_t KEY_LIST_END = 146;
constexpr std::uint32_t KEY_LIST_PAGE_UP = 147;
constexpr std::uint32_t KEY_LIST_PAGE_DOWN = 148;
constexpr std::int32_t ROW = 16;  // font 0 is 15 pixels high

// A list whose own handler answers the rows as a data-driven page does: "ROW n" texts, an optional
// title, one marked row (the others get OtherMark) and the chosen rows.
struct RowsList {
    UIList List;
    std::uint32_t Count;
    const char* Title;
    std::int32_t Marked;  // -1: no row carries a mark
    UIListMark OtherMark;
    std::int32_t Chosen;  // last MSG_LIST_SELECT, -1 none
};

std::uint32_t RowsHandler(void* self, Message* msg)
{
    auto* p = static_cast<RowsList*>(self);
    switch (msg->Id) {
    case MSG_LIST_COUNT:
        msg->Param = p->Count;
        return 1;
    case MSG_LIST_TITLE:
        return p->Title ? FormatText(MsgParamPtr<char>(msg), MAX_UI_TEXT, "%s", p->Title) > 0 : 0;
    case MSG_LIST_ROW_TEXT: {
        auto* row = MsgParamPtr<UIListRowText>(msg);
        FormatText(row->Text, MAX_UI_TEXT, "ROW %u", row->Index);
        if (p->Marked >= 0)
            row->Mark = row->Index == static_cast<std::uint32_t>(p->Marked) ? UI_LIST_ROW_MARKED : p->OtherMark;
        return 1;
    }
    case MSG_LIST_SELECT:
        p->Chosen = MsgParamInt(msg);
        return 1;
    default:
        return UIListHandler(self, msg);
    }
}

RowsList Rows(std::uint32_t count, std::uint32_t nrows, std::int32_t x = 2, std::int32_t y = 0)
{
    return {.List = {.Control = {.Handler = RowsHandler, .Flags = UI_CTRL_FLAG_FOCUS, .X = x, .Y = y},
                     .NRows = nrows, .Index = 0, .Top = 0},
            .Count = count, .Title = nullptr, .Marked = -1, .OtherMark = UI_LIST_ROW_PLAIN, .Chosen = -1};
}

// A setting as a list row shows it: a value text, an editor (or none), editable unless told.
struct RowSetting {
    MsgHandler Handler;
    const char* Text;
    UIEditor* Editor;
    MsgParam Editable;
    int Edits;
};

std::uint32_t RowSettingHandler(void* self, Message* msg)
{
    auto* s = static_cast<RowSetting*>(self);
    switch (msg->Id) {
    case MSG_TEXT_GET:
        FormatText(MsgParamPtr<char>(msg), MAX_UI_TEXT, "%s", s->Text);
        return 1;
    case MSG_EDITOR_GET:
        msg->Param = MsgParamOf(s->Editor);
        return 1;
    case MSG_IS_EDITABLE:
        msg->Param = s->Editable;
        return 1;
    case MSG_EDIT:
        ++s->Edits;
        return 1;
    default:
        return 0;
    }
}

RowSetting Value(const char* text, UIEditor* editor = nullptr)
{
    return {.Handler = RowSettingHandler, .Text = text, .Editor = editor, .Editable = 1, .Edits = 0};
}

// A menu's own handler: the row messages first, then the list's.
std::uint32_t MenuHandler(void* self, Message* msg)
{
    if (const std::uint32_t result = UIStaticListHandler(self, msg))
        return result;
    return UIListHandler(self, msg);
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

void DrawBar(Canvas* c, std::int32_t x1, std::int32_t y, std::int32_t x2, Colour colour)
{
    c->FillRect(c, x1, y, x2, y + FontHeight(c, 0) - 1, colour);
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
    UIEditor editor = {.Handler = ProbeHandler, .Setting = nullptr, .X = 0, .Y = 0};
};

}  // namespace

TEST_F(Lists, MovingPastTheLastShownRowScrollsByOneRow)
{
    RowsList list = Rows(16, 9);
    list.List.Index = 8;
    Show(&list.List);
    Turn(1);
    EXPECT_EQ(list.List.Index, 9U);
    EXPECT_EQ(list.List.Top, 1U);
    EXPECT_TRUE(buffer == Expected([](Canvas* c) {
        for (std::int32_t r = 1; r <= 8; ++r)
            DrawTextLeft(c, 2, (r - 1) * ROW, ("ROW " + std::to_string(r)).c_str());
        DrawBar(c, 0, 8 * ROW, 220, COLOUR_FOCUS);
        DrawText(c, 2, 8 * ROW, UI_ALIGN_LEFT, 0, COLOUR_WHITE, "ROW 9");
    }));

    UIListSetIndex(&list.List, 1);
    EXPECT_TRUE(UIListMove(&list.List, -1));
    EXPECT_EQ(list.List.Index, 0U);
    EXPECT_EQ(list.List.Top, 0U);
}

TEST_F(Lists, TheCursorStopsAtEitherEndLeavingTheStepToThePageAndMenuChoosesItsRow)
{
    RowsList list = Rows(5, 9);
    list.List.Index = 4;
    Show(&list.List);
    EXPECT_FALSE(UIListMove(&list.List, 1));
    EXPECT_EQ(MsgSendParam(&list, MSG_ENCODER, 1), 0U);
    EXPECT_EQ(list.List.Index, 4U);
    EXPECT_EQ(MsgSendParam(&list, MSG_ENCODER, 0), 1U);  // zero counts as a step down
    EXPECT_EQ(list.List.Index, 3U);
    Press(KEY_MENU);
    EXPECT_EQ(list.Chosen, 3);
    EXPECT_EQ(MsgSendParam(&list, MSG_KEY_DOWN, KEY_RIGHT), 0U);  // other keys are not the list's
    EXPECT_EQ(MsgSendParam(&list, MSG_KEY_DOWN, std::uint32_t{KEY_MENU} | KEY_MOD_SHIFT), 0U);

    list.List.Index = 0;
    EXPECT_FALSE(UIListMove(&list.List, -1));
    EXPECT_EQ(MsgSendParam(&list, MSG_ENCODER, -1), 0U);
    EXPECT_EQ(list.List.Index, 0U);
    EXPECT_TRUE(UIListMove(&list.List, 0));
}

TEST_F(Lists, PageKeysMoveSixRowsAndTheEndKeyFortyAtMost)
{
    RowsList list = Rows(5, 9);
    list.List.Index = 2;
    Show(&list.List);
    Press(KEY_LIST_PAGE_DOWN);
    EXPECT_EQ(list.List.Index, 4U);

    list.Count = 20;
    list.List.Index = 10;
    Press(KEY_LIST_PAGE_UP);
    EXPECT_EQ(list.List.Index, 4U);

    list.Count = 41;
    Press(KEY_LIST_END);
    EXPECT_EQ(list.List.Index, 40U);
    EXPECT_EQ(list.List.Top, 32U);

    list.Count = 50;
    list.List.Index = 0;
    Press(KEY_LIST_END);
    EXPECT_EQ(list.List.Index, 40U);
}

TEST_F(Lists, AnEmptyListKeepsItsCursorAtTheTopAndDrawsNoRows)
{
    RowsList list = Rows(0, 9);
    list.List.Index = 3;
    list.List.Top = 2;
    Show(&list.List);
    EXPECT_EQ(list.List.Index, 0U);
    EXPECT_EQ(list.List.Top, 0U);
    EXPECT_TRUE(buffer == Expected([](Canvas*) {}));
}

TEST_F(Lists, ATitleTakesTheFirstLineAndTheCursorBarRunsToTheRightEdgeOnlyWithTheFocus)
{
    RowsList list = Rows(3, 9, 10, 20);
    list.Title = "TAKES";
    list.List.Index = 1;
    Show(&list.List, 0);
    EXPECT_TRUE(buffer == Expected([](Canvas* c) {
        DrawBar(c, 10, 20, 219, COLOUR_LIST_TITLE);
        DrawTextLeft(c, 10, 20, "TAKES");
        for (std::int32_t r = 0; r < 3; ++r)
            DrawTextLeft(c, 10, 20 + (r + 1) * ROW, ("ROW " + std::to_string(r)).c_str());
    }));

    UIFocusControl(&page, &list);
    UIRedraw();
    EXPECT_TRUE(buffer == Expected([](Canvas* c) {
        DrawBar(c, 10, 20, 219, COLOUR_LIST_TITLE);
        DrawTextLeft(c, 10, 20, "TAKES");
        DrawTextLeft(c, 10, 20 + ROW, "ROW 0");
        DrawBar(c, 8, 20 + 2 * ROW, 220, COLOUR_FOCUS);
        DrawText(c, 10, 20 + 2 * ROW, UI_ALIGN_LEFT, 0, COLOUR_WHITE, "ROW 1");
        DrawTextLeft(c, 10, 20 + 3 * ROW, "ROW 2");
    }));
}

TEST_F(Lists, TheCursorOnAMarkedRowShowsItsBarAndKeepsTheCheckBesideIt)
{
    RowsList list = Rows(3, 9);
    list.Marked = 2;
    list.OtherMark = UI_LIST_ROW_UNMARKED;
    Show(&list.List);
    Turn(1);
    Turn(1);
    EXPECT_TRUE(buffer == Expected([](Canvas* c) {
        DrawTextLeft(c, 2, 0, "ROW 0");
        DrawTextLeft(c, 2, ROW, "ROW 1");
        DrawBar(c, 0, 2 * ROW, 203, COLOUR_FOCUS);
        DrawText(c, 2, 2 * ROW, UI_ALIGN_LEFT, 0, COLOUR_WHITE, "ROW 2");
        c->DrawImage(c, 206, 2 * ROW + 3, &ListMarkerImage, 0);
    }));
}

TEST_F(Lists, ValuesFollowTheTextOrStartAtTheirColumn)
{
    RowSetting mode = Value("FREE RUN");
    RowSetting rate = Value("25");
    UIStaticListItem items[] = {Item("TC MODE ", &mode), Item("FPS ", &rate, 130)};
    UIStaticList menu = Menu(items, 2, 9);
    Show(&menu.List, 0);
    EXPECT_TRUE(buffer == Expected([](Canvas* c) {
        DrawTextLeft(c, 4, 24, "TC MODE ");
        DrawTextLeft(c, 4 + TextWidth(c, 0, "TC MODE ") + 2, 24, "FREE RUN");
        DrawTextLeft(c, 4, 24 + ROW, "FPS ");
        DrawTextLeft(c, 134, 24 + ROW, "25");
    }));
}

TEST_F(Lists, ARowWithAPageShowsAnArrowAndOpensThePageEvenWithASetting)
{
    RowSetting outputs = Value("ON", &editor);
    UIStaticListItem items[] = {Item("OUTPUTS ", &outputs, 0, &target)};
    UIStaticList menu = Menu(items, 1, 9);
    Show(&menu.List, 0);
    EXPECT_TRUE(buffer == Expected([](Canvas* c) {
        DrawTextLeft(c, 4, 24, "OUTPUTS ");
        DrawTextLeft(c, 4 + TextWidth(c, 0, "OUTPUTS ") + 2, 24, "ON");
        DrawText(c, 218, 24, UI_ALIGN_RIGHT, 0, COLOUR_BLACK, ">");
    }));

    UIFocusControl(&page, &menu);
    Press(KEY_MENU);
    EXPECT_EQ(UICurrentPage, &target);
    EXPECT_EQ(UIActiveEditor, nullptr);
    EXPECT_EQ(outputs.Edits, 0);
}

TEST_F(Lists, ChoosingASettingRowOpensItsEditorOverTheValueUntilTheListLosesTheFocus)
{
    RowSetting gain = Value("12dB", &editor);
    RowSetting trim = Value("0dB", &editor);
    UIStaticListItem items[] = {Item("A"), Item("GAIN ", &gain, 130), Item("TRIM ", &trim)};
    UIStaticList menu = Menu(items, 3, 2, 40);
    Name(&editor, "editor");
    Show(&menu.List);
    Turn(1);
    Turn(1);
    ASSERT_EQ(menu.List.Top, 1U);
    Press(KEY_MENU);
    ASSERT_EQ(UIActiveEditor, &editor);
    EXPECT_EQ(editor.Setting, &trim);
    EXPECT_EQ(editor.X, 4 + TextWidth(&LcdCanvas, 0, "TRIM ") + 2);
    EXPECT_EQ(editor.Y, 40 + ROW);
    EXPECT_EQ(Log(MSG_EDITOR_OPEN), (std::vector<Received>{{"editor", MSG_EDITOR_OPEN}}));

    Release(KEY_MENU);
    UIEditorClose();
    Turn(-1);
    Press(KEY_MENU);
    EXPECT_EQ(editor.Setting, &gain);
    EXPECT_EQ(editor.X, 134);
    EXPECT_EQ(editor.Y, 40);

    const std::size_t closes = Log(MSG_EDITOR_CLOSE).size();
    UIFocusControl(&page, &other);  // losing the focus closes it
    EXPECT_EQ(UIActiveEditor, nullptr);
    EXPECT_EQ(Log(MSG_EDITOR_CLOSE).size(), closes + 1);
}

TEST_F(Lists, ASettingWithoutAnEditorEditsItselfAndARowThatCannotBeEditedActivatesItsItem)
{
    RowSetting name = Value("TAKE01");
    RowSetting locked = Value("48kHz", &editor);
    locked.Editable = 0;
    UIStaticListItem items[] = {Item("NAME ", &name), Item("RATE ", &locked), Item("FORMAT CARD")};
    UIStaticList menu = Menu(items, 3, 9);
    Name(&items[1], "rate");
    Name(&items[2], "format");
    Show(&menu.List);
    for (int row = 0; row < 3; ++row) {
        Tap(KEY_MENU);
        Turn(1);
    }
    EXPECT_EQ(name.Edits, 1);
    EXPECT_EQ(UIActiveEditor, nullptr);
    EXPECT_EQ(locked.Edits, 0);
    EXPECT_EQ(Log(MSG_ACTIVATE), (std::vector<Received>{{"rate", MSG_ACTIVATE}, {"format", MSG_ACTIVATE}}));
}

TEST_F(Lists, HiddenItemsAreSkippedByCountingDrawingAndChoosing)
{
    UIStaticListItem items[] = {Item("FIRST"), Item("HIDDEN"), Item("THIRD")};
    UIStaticList menu = Menu(items, 3, 9);
    Name(&items[1], "hidden");
    Name(&items[2], "third");
    Answer(&items[1], MSG_IS_VISIBLE, {.Result = 1, .SetsParam = true, .Param = 0});
    Show(&menu.List);
    EXPECT_EQ(UIListCount(&menu.List), 2U);
    Turn(1);
    EXPECT_FALSE(UIListMove(&menu.List, 1));
    EXPECT_TRUE(buffer == Expected([](Canvas* c) {
        DrawTextLeft(c, 4, 24, "FIRST");
        DrawBar(c, 2, 24 + ROW, 219, COLOUR_FOCUS);
        DrawText(c, 4, 24 + ROW, UI_ALIGN_LEFT, 0, COLOUR_WHITE, "THIRD");
    }));
    Press(KEY_MENU);
    EXPECT_EQ(Log(MSG_ACTIVATE), (std::vector<Received>{{"third", MSG_ACTIVATE}}));
}

TEST_F(Lists, WhenRowsDisappearTheNextDrawPutsTheCursorOnTheLastRow)
{
    UIStaticListItem items[] = {Item("A"), Item("B"), Item("C"), Item("D"), Item("E")};
    UIStaticList menu = Menu(items, 5, 3);
    Show(&menu.List);
    for (int i = 0; i < 4; ++i)
        Turn(1);
    ASSERT_EQ(menu.List.Top, 2U);
    Answer(&items[3], MSG_IS_VISIBLE, {.Result = 1, .SetsParam = true, .Param = 0});
    Answer(&items[4], MSG_IS_VISIBLE, {.Result = 1, .SetsParam = true, .Param = 0});
    UIRefreshPage(&page);
    UIRedraw();
    EXPECT_EQ(menu.List.Index, 2U);
    EXPECT_EQ(menu.List.Top, 2U);
}

TEST_F(Lists, RowsBeyondTheVisibleItemsAreReported)
{
    UIStaticListItem items[] = {Item("ONLY")};
    UIStaticList menu = Menu(items, 1, 9);
    Show(&menu.List);
    AssertCapture capture;
    UIListDraw draw = {.Canvas = &LcdCanvas, .Index = 1, .X = 0, .Y = 0, .Selected = 0};
    EXPECT_EQ(MsgSendParam(&menu, MSG_LIST_DRAW_ROW, MsgParamOf(&draw)), 1U);
    EXPECT_EQ(MsgSendParam(&menu, MSG_LIST_SELECT, 1), 1U);
    EXPECT_EQ(UIStaticListItemAt(&menu, 1), nullptr);
    EXPECT_EQ(capture.Expressions(),
              (std::vector<std::string>{"draw->Index < UIStaticListCount(p)", "index < UIStaticListCount(p)", "item"}));
    EXPECT_TRUE(Log(MSG_ACTIVATE).empty());
}

namespace {

// The folders of a card as their list shows them: the current folder marked.
constexpr const char* FolderNames[] = {"FOLDER01", "FOLDER02", "INTERVIEW", "FOLDER04", "SCENE12",
                                       "SCENE13", "FOLDER07", "B-ROLL", "FOLDER09", "FOLDER10", "FOLDER11"};
constexpr std::uint32_t CURRENT_FOLDER = 2;

std::uint32_t FolderListHandler(void* self, Message* msg)
{
    switch (msg->Id) {
    case MSG_LIST_COUNT:
        msg->Param = std::size(FolderNames);
        return 1;
    case MSG_LIST_TITLE:
        FormatText(MsgParamPtr<char>(msg), MAX_UI_TEXT, "PRIMARY FOLDER");
        return 1;
    case MSG_LIST_ROW_TEXT: {
        auto* row = MsgParamPtr<UIListRowText>(msg);
        FormatText(row->Text, MAX_UI_TEXT, "%2u  %s", row->Index + 1, FolderNames[row->Index]);
        row->Mark = row->Index == CURRENT_FOLDER ? UI_LIST_ROW_MARKED : UI_LIST_ROW_UNMARKED;
        return 1;
    }
    default:
        return UIListHandler(self, msg);
    }
}

class ListLook : public Lists {
protected:
    // A menu page: its title bar, then the list below it.
    void ShowMenu(UIList* list)
    {
        controls[0] = &title.Control;
        controls[1] = &list->Control;
        UIGotoPage(&page);
    }

    UITitle title = {.Control = {.Handler = UITitleHandler, .Flags = 0, .X = 0, .Y = 0}, .Text = "TIMECODE"};
    RowSetting mode = Value("FREE RUN");
    RowSetting rate = Value("25");
    RowSetting bits = Value("00:00:00:00");
    RowSetting output = Value("ON");
    RowSetting level = Value("-10dB");
    RowSetting hold = Value("OFF");
    RowSetting offset = Value("0 FR");
    UIStaticListItem items[13] = {
        Item("TC MODE ", &mode, 100),   Item("FRAME RATE ", &rate, 100), Item("USER BITS ", &bits, 100),
        Item("JAM TC", nullptr, 0, &target), Item("TC OUT ", &output, 100), Item("OUT LEVEL ", &level, 100),
        Item("TC HOLD ", &hold, 100),   Item("TC OFFSET ", &offset, 100), Item("SYNC SETUP", nullptr, 0, &target),
        Item("ADVANCED", nullptr, 0, &target), Item("UB MODE ", &hold, 100), Item("LTC IN ", &output, 100),
        Item("RESET TC"),
    };
    UIStaticList menu = Menu(items, 13, 9);
};

}  // namespace

TEST_F(ListLook, FolderListWithTitleCursorAndMarkedRow)
{
    UIList folders = {.Control = {.Handler = FolderListHandler, .Flags = UI_CTRL_FLAG_FOCUS, .X = 2, .Y = 0},
                      .NRows = 10, .Index = 5, .Top = 0};
    Show(&folders);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/list_title_cursor_marked"));
}

TEST_F(ListLook, MenuWithValueColumnsAndPageRowsThenScrolledToItsEnd)
{
    ShowMenu(&menu.List);
    Turn(1);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/list_menu_values"));
    Press(KEY_LIST_END);
    ASSERT_EQ(menu.List.Index, 12U);
    ASSERT_EQ(menu.List.Top, 4U);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/list_scrolled_to_end"));
}
