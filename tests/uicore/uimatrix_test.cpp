#include "uicore/uimatrix.h"

#include <gtest/gtest.h>

#include "matrix_fixture.h"
#include "support/assert_capture.h"
#include "support/golden.h"
#include "uicore/uicontrols.h"
#include "uicore/uikeys.h"

namespace {

std::uint32_t RefusesFocus(void* self, Message* msg)
{
    if (msg->Id != MSG_IS_FOCUSABLE)
        return UIMatrixHandler(self, msg);
    msg->Param = 0;
    return 1;
}

const UIMenuItem OnOffItems[] = {{" ", 0, 0}, {"X", 1, 0}};
const UIMenu OnOffMenu = {.NItems = std::size(OnOffItems), .Items = OnOffItems};

// Column 0 offers only blank and X; the other columns the matrix's own menu.
std::uint32_t TwoValuesInColumn0(void* self, Message* msg)
{
    if (msg->Id != MSG_CELL_MENU)
        return UIMatrixHandler(self, msg);
    auto* cell = MsgParamPtr<UIMatrixCell>(msg);
    if (cell->Col == 0)
        cell->Menu = &OnOffMenu;
    return 1;
}

void Place(UIMatrix& m, std::uint8_t row, std::uint8_t col)
{
    m.RowIndex = row;
    m.ColIndex = col;
}

void Fill(CellStore& cells, std::uint32_t row, std::initializer_list<std::uint8_t> values)
{
    std::copy(values.begin(), values.end(), &cells.At(row, 0));
}

class MatrixMoves : public MatrixTest {
protected:
    // Taps the key and expects the focus and the cursor on the cell of m.
    void Go(std::uint32_t key, const UIMatrix& m, Cursor cursor)
    {
        Tap(key);
        EXPECT_EQ(UIFocusedControl(&page), &m.Control);
        EXPECT_EQ(CursorOf(m), cursor);
    }
};

}  // namespace

TEST_F(MatrixMoves, MovesPastEitherEndGoRoundTheRingToTheMatricesThatTakeTheFocus)
{
    UIMatrix a = MakeMatrix(0, 0, {8, 8, 8, 8, 8, 8}, &store);
    UIMatrix b = MakeMatrix(0, 150, {8}, &store);  // refuses the focus
    UIMatrix c = MakeMatrix(0, 100, {4, 2}, &store);
    Ring({&a, &b, &c});
    b.Control = {.Handler = RefusesFocus, .Flags = UI_CTRL_FLAG_ASKFOCUS, .X = 0, .Y = 150};
    Show({Ctl(a), Ctl(b), Ctl(c)}, 0);
    Place(a, 5, 7);
    Place(c, 1, 1);
    Go(KEY_RIGHT, c, {0, 0});
    EXPECT_EQ(CursorOf(a), (Cursor{5, 7}));
    EXPECT_EQ(Log(MSG_REDRAW).size(), 1U);
    EXPECT_TRUE(Log(MSG_KEY_DOWN).empty()) << "a move is not passed on to the page";
    Place(a, 0, 0);
    Go(KEY_LEFT, a, {5, 7});
    Place(a, 0, 0);
    Go(KEY_LEFT, c, {1, 1});
    // rows keep the column as far as the new row reaches
    UIFocusControl(&page, &a);
    Place(a, 5, 6);
    Go(KEY_DOWN, c, {0, 3});
    Go(KEY_UP, a, {5, 3});
    Place(c, 1, 0);
    Place(a, 0, 7);
    Go(KEY_UP, c, {1, 1});
}

TEST_F(MatrixMoves, ShorterRowsLimitTheColumnAndColumnMovesFollowReadingOrder)
{
    UIMatrix m = MakeMatrix(0, 0, {8, 4}, &store);
    Show({Ctl(m)});
    m.ColIndex = 6;
    Go(KEY_DOWN, m, {1, 3});
    Go(KEY_UP, m, {0, 3});
    m.ColIndex = 7;
    Go(KEY_RIGHT, m, {1, 0});
    Go(KEY_LEFT, m, {0, 7});
    Go(KEY_LEFT, m, {0, 6});
}

TEST_F(MatrixTest, EncoderMovesAlongTheRowOrWithMenuHeldBetweenRowsAndTheReleaseThenCyclesNothing)
{
    UIMatrix m = MakeMatrix(0, 0, {4, 4, 4}, &store);
    Ring({&m});
    Show({Ctl(m)});
    Place(m, 1, 1);
    Turn(1);
    EXPECT_EQ(CursorOf(m), (Cursor{1, 2}));
    Turn({0, -1});
    EXPECT_EQ(CursorOf(m), (Cursor{1, 0}));
    Press(KEY_MENU);
    Turn(1);
    EXPECT_EQ(CursorOf(m), (Cursor{2, 0}));
    Turn({0, -1});
    EXPECT_EQ(CursorOf(m), (Cursor{0, 0}));
    Release(KEY_MENU);
    EXPECT_TRUE(Log(MSG_CELL_SET).empty());
    EXPECT_EQ(store.At(0, 0), 0);
}

TEST_F(MatrixTest, MenuReleaseCyclesTheCursorCellThroughItsMenuFromWhatItShowsButNotOntoAnotherMatrix)
{
    UIMatrix m = MakeMatrix(0, 0, {4, 4}, &store);
    UIMatrix other = MakeMatrix(0, 50, {4}, &store);
    m.Control.Handler = TwoValuesInColumn0;
    Show({Ctl(m), Ctl(other)});
    auto cycle = [&](int taps) {
        std::vector<int> seen;
        for (int i = 0; i < taps; ++i) {
            Tap(KEY_MENU);
            seen.push_back(store.At(m.RowIndex, m.ColIndex));
        }
        return seen;
    };
    Place(m, 1, 2);
    EXPECT_EQ(cycle(6), (std::vector<int>{1, 2, 3, 4, 0, 1}));
    EXPECT_EQ(Log(MSG_REDRAW).size(), 6U);
    m.ColIndex = 0;
    EXPECT_EQ(cycle(3), (std::vector<int>{1, 0, 1})) << "the cell's own menu has two items";
    EXPECT_EQ(store.At(1, 1), 0);
    m.ColIndex = 3;
    store.At(1, 3) = 9;  // past the menu, so the cell shows its last item; the next is the first
    KeyHoldStart(KEY_MENU, 1000);
    EXPECT_EQ(cycle(1), std::vector<int>{0});
    EXPECT_FALSE(KeyHoldRunning(KEY_MENU));

    Press(KEY_MENU);
    UIFocusControl(&page, &other);
    Release(KEY_MENU);
    EXPECT_EQ(store.At(0, 0), 0);
}

TEST_F(MatrixTest, BrokenCursorsLayoutsMenusAndTargetsAreReported)
{
    static const UIMenuItem items[] = {{nullptr, 0, 0}};
    static const UIMenu textless = {.NItems = 1, .Items = items};
    UIMatrix m = MakeMatrix(0, 0, {8, 4}, &store);
    UIMatrix other = MakeMatrix(0, 50, {4}, &store);
    Ring({&m});
    Show({Ctl(m)});
    Place(m, 1, 5);
    AssertCapture capture;
    Tap(KEY_RIGHT);
    EXPECT_EQ(CursorOf(m), (Cursor{1, 5})) << "not moved";
    Place(m, 0, 0);
    m.NRows = MAX_MATRIX_ROWS + 1;
    MsgSendParam(&m, MSG_NAVIGATE, UI_NAV_RIGHT);
    m.NRows = 2;
    m.NCols = 0;
    MsgSendParam(&m, MSG_NAVIGATE, UI_NAV_RIGHT);
    m.NCols = 8;
    MsgSendParam(&m, MSG_NAVIGATE, 4);
    UIMatrixNav nav = {.Direction = UI_NAV_RIGHT, .Origin = &m, .X = 0, .Y = 0,
                       .Target = {.Ctrl = &other.Control, .X = 0, .Y = 0, .Row = 0, .Col = 2}};
    MsgSendParam(&m, MSG_NAV_TARGET, MsgParamOf(&nav));
    UIMatrixSetCells(&m, 1);
    m.Menu = nullptr;
    UIRedraw();
    m.Menu = &textless;
    UIRedraw();
    UIMatrixSetCells(&m, 0);
    EXPECT_EQ(capture.Expressions(),
              (std::vector<std::string>{"p->ColIndex < p->ColsPerRow[p->RowIndex]", "p->NRows <= MAX_MATRIX_ROWS",
                                        "p->NCols", "direction <= UI_NAV_DOWN", "&p->Control == m->Target.Ctrl",
                                        "menu", "text", "ncells > 0"}));
}

TEST_F(MatrixTest, RoutingMatricesWithTitlesLegendsAndTheCursor)
{
    CellStore lower{.Handler = CellStoreHandler, .Table = {}};
    UITitle title = {.Control = {.Handler = UITitleHandler, .Flags = 0, .X = 0, .Y = 0}, .Text = "OUTPUT ROUTING"};
    UIMatrix upper = MakeMatrix(5, 24, {6, 6}, &store);
    UIMatrix below = MakeMatrix(5, 96, {6, 6}, &lower);
    const char* const columns[] = {"1", "2", "3", "4", "5", "6"};
    std::copy(std::begin(columns), std::end(columns), upper.ColTitles);
    for (UIMatrix* m : {&upper, &below}) {
        m->RowTitles[0] = "IN";
        m->RowTitles[1] = "TRK";
        UIMatrixSetColColor(m, 4, 0xB800);
        UIMatrixSetColColor(m, 5, 0xB800);
    }
    upper.Legend = "L";
    below.Legend = "R";
    Ring({&upper, &below});
    Fill(store, 0, {1, 0, 2, 0, 3, 0});
    Fill(store, 1, {0, 1, 0, 4, 0, 1});
    Fill(lower, 0, {0, 1});
    Fill(lower, 1, {3, 0, 0, 0, 0, 2});
    Place(upper, 1, 3);
    Show({&title.Control, Ctl(upper), Ctl(below)});
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/matrix_routing_large_cells"));
}

TEST_F(MatrixTest, TenColumnMatricesWithSmallCells)
{
    static const UIMenuItem panItems[] = {{" ", 0, 0}, {"L", 1, 0}, {"C", 2, 0}, {"R", 3, 0}};
    static const UIMenu panMenu = {.NItems = std::size(panItems), .Items = panItems};
    CellStore lower{.Handler = CellStoreHandler, .Table = {}};
    UITitle title = {.Control = {.Handler = UITitleHandler, .Flags = 0, .X = 0, .Y = 0}, .Text = "PAN"};
    UIMatrix pan = MakeMatrix(4, 30, {10}, &store);
    UIMatrix tracks = MakeMatrix(4, 90, {10}, &lower);
    pan.Menu = &panMenu;
    const char* const panTitles[] = {"1", "2", "3", "4", "5", "6", "R1", "R2", "R3", "R4"};
    const char* const trackTitles[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    std::copy(std::begin(panTitles), std::end(panTitles), pan.ColTitles);
    std::copy(std::begin(trackTitles), std::end(trackTitles), tracks.ColTitles);
    UIMatrixSetCells(&tracks, 12);  // a second row of two
    tracks.RowTitles[1] = "";
    Fill(store, 0, {1, 3, 2, 2, 1, 3, 1, 3, 0, 0});
    Fill(lower, 0, {1, 1, 0, 0, 1, 0, 0, 0, 0, 1});
    Fill(lower, 1, {0, 2});
    Place(pan, 0, 3);
    Show({&title.Control, Ctl(pan), Ctl(tracks)});
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/matrix_small_cells"));
}
