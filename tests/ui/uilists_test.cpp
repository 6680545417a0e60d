// The lists whose rows come from the recorder's data, the preset pickers and the slate digits.
#include "ui/uilists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>

#include "home_fixture.h"
#include "orvel/orvellisthooks.h"
#include "support/golden.h"
#include "ui/uipages.h"
#include "uicore/uikeys.h"
#include "uicore/uilist.h"

namespace {

// One list at (0, 24) on a page of its own, entered on demand.
class Lists : public HomeTest {
protected:
    UIList list{};
    UIControl* const controls[1] = {&list.Control};
    UIPage page = {.Handler = UINullHandler, .Flags = 0, .Parent = nullptr, .ControlIndex = -1, .NControls = 1,
                   .Controls = controls};

    // Entered anew, so that the list gains the focus.
    void Show(MsgHandler handler)
    {
        UIGotoPage(UIHome());
        list = {.Control = {.Handler = handler, .Flags = UI_CTRL_FLAG_FOCUS, .X = 0, .Y = 24}, .NRows = 9};
        UIGotoPage(&page);
    }

    std::pair<std::string, int> Row(std::uint32_t index)
    {
        char text[MAX_UI_TEXT] = "";
        UIListRowText row = {.Index = index, .Text = text, .Mark = UI_LIST_ROW_PLAIN};
        MsgSendParam(&list, MSG_LIST_ROW_TEXT, MsgParamOf(&row));
        return {text, row.Mark};
    }
};

std::int64_t MarkedTakes()
{
    return std::count_if(std::begin(TakeTbl), std::end(TakeTbl), [](const TakeEntry& take) { return take.Marked; });
}

std::int64_t InkInCell(std::uint32_t index, Colour colour)
{
    const SlateDigit& d = SlateDigits[index];
    std::int64_t count = 0;
    for (std::int32_t y = d.Y; y < d.Y + SLATE_DIGIT_HEIGHT; ++y)
        for (std::int32_t x = d.X; x < d.X + SLATE_DIGIT_WIDTH; ++x)
            count += LcdCanvas.PixelGet(&LcdCanvas, x, y) == colour;
    return count;
}

}  // namespace

TEST_F(Lists, RowsCountAndShowTheirTablesTheCurrentFolderMarked)
{
    OrvelSetNTracks(8);
    std::strcpy(Orvel.Setup.Tracks[7], "Boom 2");
    DriveFolderSet(DRIVE_MIRROR, 3);
    const struct { MsgHandler Handler; std::uint32_t Count, Index; const char* Text; int Mark; } cases[] = {
        {TrackNameListHandler, 8, 7, " 8: Boom 2", UI_LIST_ROW_PLAIN},
        {TrackPresetPickHandler, 20, 10, "11: Playback", UI_LIST_ROW_PLAIN},
        {TrackPresetEditHandler, 20, 0, " 1: Mix", UI_LIST_ROW_PLAIN},
        {NotePresetPickHandler, 20, 4, " 5: Tone -20.000", UI_LIST_ROW_PLAIN},
        {NotePresetEditHandler, 20, 19, "20: ", UI_LIST_ROW_PLAIN},
        {FolderListHandler, 50, 0, " Z001       221 MB    5", UI_LIST_ROW_MARKED},
        {FolderListHandler, 50, 1, " Z002       17 MB     3", UI_LIST_ROW_UNMARKED},
        {MirrorFolderListHandler, 50, 2, " Z003       203 MB    23", UI_LIST_ROW_MARKED},
    };
    for (const auto& c : cases) {
        Show(c.Handler);
        EXPECT_EQ(UIListCount(&list), c.Count) << c.Text;
        EXPECT_EQ(Row(c.Index), std::make_pair(std::string(c.Text), c.Mark));
    }
}

TEST_F(Lists, PresetsFillInTheTrackUnderTheCursorOrTheNoteAndReturn)
{
    Show(TrackNameListHandler);
    Turn({1, 1, 1});
    Tap(KEY_PFL);
    ASSERT_EQ(UICurrentPage, &TrackPresetsPage);
    Turn({1, 1});
    Tap(KEY_MENU);
    EXPECT_EQ(UICurrentPage, &EditTrackNamesPage);
    EXPECT_STREQ(Orvel.Setup.Tracks[3], "Mix-R");
    EXPECT_STREQ(Orvel.Setup.Tracks[2], "");

    EditTrack = 12;  // no track chosen: the preset has nowhere to go
    UIGotoPage(&TrackPresetsPage);
    Tap(KEY_MENU);
    EXPECT_EQ(UICurrentPage, &TrackPresetsPage);
    EXPECT_STREQ(Orvel.Setup.Tracks[3], "Mix-R");

    UIField note = {.Control = {.Handler = NoteFieldHandler, .Flags = UI_CTRL_FLAG_FOCUS, .X = 0, .Y = 40},
                    .Text = "N:", .Font = 0, .Align = 0, .Color = 0, .Setting = &NoteSetting};
    EXPECT_EQ(MsgSendParam(&note, MSG_KEY_DOWN, KEY_PFL), 1U);
    ASSERT_EQ(UICurrentPage, &NotePresetsPage);
    Turn({1, 1, 1, 1, 1, 1, 1});
    Tap(KEY_MENU);
    EXPECT_EQ(UICurrentPage, &MetaDataPage);
    EXPECT_STREQ(Orvel.Note, "No Good");
}

// The cursor row is marked too, so it shows the check beside its bar.
TEST_F(Lists, TakesToggleOneAtATimeOrAllAtOnce)
{
    Show(TakeListHandler);
    EXPECT_EQ(UIListCount(&list), NUM_TAKES);
    Turn({1, 1, 1});
    Tap({KEY_MENU, KEY_MENU});  // a marked take chosen again is unmarked
    EXPECT_EQ(MarkedTakes(), 0);
    Tap(KEY_MENU);
    TakeTbl[1].Marked = 1;
    UIRedraw();
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "ui/take_list_marked"));

    UIStaticListItem rows[] = {{.Handler = TakeSelectAll, .Text = "SELECT ALL", .Visible = 1},
                               {.Handler = TakeClearAll, .Text = "CLEAR ALL", .Visible = 1}};
    UIStaticList all = {.List = {.Control = {.Handler = UIStaticListHandler}, .NRows = 2}, .NItems = 2, .Items = rows};
    MsgQuery(&all, MSG_LIST_SELECT, 0);
    EXPECT_EQ(MarkedTakes(), NUM_TAKES);
    MsgQuery(&all, MSG_LIST_SELECT, 1);
    EXPECT_EQ(MarkedTakes(), 0);
}

TEST_F(Lists, FolderCursorFollowsTheCardOnlyOnTheFirstFocusAndChoosingSetsThatCardsFolder)
{
    DriveFolderSet(DRIVE_PRIMARY, 6);
    Show(FolderListHandler);
    EXPECT_EQ(list.Index, 5U);
    Turn(1);
    Tap(KEY_MENU);
    EXPECT_EQ(DriveFolderGet(DRIVE_PRIMARY), 7U);

    DriveFolderSet(DRIVE_PRIMARY, 2);
    UIGoBack();
    UIGotoPage(&page);
    EXPECT_EQ(list.Index, 6U);

    Show(MirrorFolderListHandler);
    EXPECT_EQ(list.Index, 0U);
    Turn(1);
    Tap(KEY_MENU);
    EXPECT_EQ(DriveFolderGet(DRIVE_MIRROR), 2U);
    EXPECT_EQ(DriveFolderGet(DRIVE_PRIMARY), 2U);
}

// A digit already shown is not drawn again: the paint over its cell stays.
TEST_F(Lists, SlateDigitIsRedrawnOnlyWhenItChanges)
{
    constexpr Colour PAINT = 0x001F;
    Show(TakeListHandler);
    const SlateDigit& d = SlateDigits[6];
    SlateDigitDraw(&LcdCanvas, 6, 7, false);
    LcdCanvas.FillRect(&LcdCanvas, d.X, d.Y, d.X + SLATE_DIGIT_WIDTH - 1, d.Y + SLATE_DIGIT_HEIGHT - 1, PAINT);
    SlateDigitDraw(&LcdCanvas, 6, 7, true);
    EXPECT_EQ(InkInCell(6, PAINT), SLATE_DIGIT_WIDTH * SLATE_DIGIT_HEIGHT);
    SlateDigitDraw(&LcdCanvas, 6, 8, true);
    EXPECT_EQ(InkInCell(6, PAINT), 0);
    EXPECT_GT(InkInCell(6, COLOUR_BLACK), 0);
}
