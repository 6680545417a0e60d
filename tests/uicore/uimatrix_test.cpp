// Moving the cursor through matrices and rings of matrices, cycling cells, and the matrix operations.
#include "uicore/uimatrix.h"

#include <gtest/gtest.h>

#include "matrix_fixture.h"
#include "support/assert_capture.h"
#include "uicore/uikeys.h"

namespace {

// A matrix whose page asks it whether it may take the focus, and it says no.
std::uint32_t RefusesFocus(void* self, Message* msg)
{
    if (msg->Id == MSG_IS_FOCUSABLE) {
        msg->Param = 0;
        return 1;
    }
    return UIMatrixHandler(self, msg);
}

const UIMenuItem OnOffItems[] = {{" ", 0, 0}, {"X", 1, 0}};
const UIMenu OnOffMenu = {.NItems = std::size(OnOffItems), .Items = OnOffItems};

// Column 0 offers only blank and X; the other columns the matrix's own menu.
std::uint32_t TwoValuesInColumn0(void* self, Message* msg)
{
    if (msg->Id == MSG_CELL_MENU) {
        auto* cell = MsgParamPtr<UIMatrixCell>(msg);
        if (cell->Col == 0)
            cell->Menu = &OnOffMenu;
        return 1;
    }
    return UIMatrixHandler(self, msg);
}

// Matrices side by side: each message goes to the spatial navigation first.
std::uint32_t SpatialMatrixHandler(void* self, Message* msg)
{
    if (UIMatrixNavigateHandler(self, msg))
        return 1;
    return UIMatrixHandler(self, msg);
}

void Place(UIMatrix& m, std::uint8_t row, std::uint8_t col)
{
    m.RowIndex = row;
    m.ColIndex = col;
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

// Three matrices in a ring; the middle one refuses the focus.
class MatrixRing : public MatrixMoves {
protected:
    void SetUp() override
    {
        MatrixMoves::SetUp();
        Ring({&a, &b, &c});
        b.Control.Flags = UI_CTRL_FLAG_ASKFOCUS;
        b.Control.Handler = RefusesFocus;
        Show({Ctl(a), Ctl(b), Ctl(c)}, 0);
    }

    UIMatrix a = MakeMatrix(0, 0, {8, 8, 8, 8, 8, 8}, &store);
    UIMatrix b = MakeMatrix(0, 150, {8}, &store);
    UIMatrix c = MakeMatrix(0, 100, {4, 2}, &store);
};

}  // namespace

TEST_F(MatrixRing, ColumnMovesPastEitherEndGoRoundTheRingToTheMatricesThatTakeTheFocus)
{
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
}

TEST_F(MatrixRing, RowMovesAcrossMatricesKeepTheColumnAsFarAsTheNewRowReaches)
{
    Place(a, 5, 6);
    Go(KEY_DOWN, c, {0, 3});
    Go(KEY_UP, a, {5, 3});
    Place(c, 1, 0);
    Place(a, 0, 7);
    // up enters the last row, limited to its last cell
    Go(KEY_UP, c, {1, 1});
}

TEST_F(MatrixRing, NextAndPrevSkipMatricesThatCannotTakeTheFocusAndEndWhereTheLinksDo)
{
    EXPECT_EQ(UIMatrixNext(&a), &c);
    EXPECT_EQ(UIMatrixPrev(&c), &a);
    EXPECT_EQ(UIMatrixNext(&c), &a);
    EXPECT_EQ(UIMatrixNext(&b), &c);
    c.Control.Flags = 0;
    EXPECT_EQ(UIMatrixNext(&a), &a) << "round the ring back to itself";
    a.Control.Flags = 0;
    EXPECT_EQ(UIMatrixNext(&a), nullptr) << "none can take the focus";

    a.Control.Flags = c.Control.Flags = UI_CTRL_FLAG_FOCUS;
    c.Next = nullptr;
    EXPECT_EQ(UIMatrixNext(&c), nullptr);
    EXPECT_EQ(UIMatrixNext(&a), &c);
    b.Next = nullptr;
    c.Control.Flags = 0;
    EXPECT_EQ(UIMatrixNext(&a), nullptr);
    // a leads into a loop of b and c that never returns to a
    b.Next = &c;
    c.Next = &b;
    EXPECT_EQ(UIMatrixNext(&a), nullptr);
}

TEST_F(MatrixMoves, LoneMatrixLinkedToItselfWraps)
{
    UIMatrix m = MakeMatrix(0, 0, {8, 8, 8, 8, 8, 8}, &store);
    Ring({&m});
    Show({Ctl(m)});
    Place(m, 5, 7);
    Go(KEY_RIGHT, m, {0, 0});
    Go(KEY_LEFT, m, {5, 7});
    m.ColIndex = 3;
    Go(KEY_DOWN, m, {0, 3});
    Go(KEY_UP, m, {5, 3});
    EXPECT_TRUE(Log(MSG_KEY_DOWN).empty());
}

TEST_F(MatrixTest, AtTheEndOfUnlinkedMatrixColumnMovesPassOnAndRowMovesStay)
{
    UIMatrix m = MakeMatrix(0, 0, {4, 4}, &store);
    Show({Ctl(m)});
    Place(m, 1, 3);
    Tap(KEY_RIGHT);
    Turn(1);
    EXPECT_EQ(Log(MSG_KEY_DOWN), (std::vector<Received>{{"page", MSG_KEY_DOWN}}));
    EXPECT_EQ(Log(MSG_ENCODER), (std::vector<Received>{{"page", MSG_ENCODER}}));
    EXPECT_TRUE(Log(MSG_REDRAW).empty());
    Log().clear();
    Tap(KEY_DOWN);
    EXPECT_EQ(CursorOf(m), (Cursor{1, 3}));
    EXPECT_TRUE(Log(MSG_KEY_DOWN).empty()) << "a row move counts as a move";
    EXPECT_EQ(Log(MSG_REDRAW).size(), 1U);
    Place(m, 0, 0);
    Tap(KEY_LEFT);
    Tap(KEY_UP);
    EXPECT_EQ(Log(MSG_KEY_DOWN), (std::vector<Received>{{"page", MSG_KEY_DOWN}}));
    EXPECT_EQ(CursorOf(m), (Cursor{0, 0}));
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

TEST_F(MatrixTest, EncoderMovesAlongTheRowOrWithMenuHeldBetweenRows)
{
    UIMatrix m = MakeMatrix(0, 0, {4, 4, 4}, &store);
    Ring({&m});
    Show({Ctl(m)});
    Place(m, 1, 1);
    Turn(1);
    EXPECT_EQ(CursorOf(m), (Cursor{1, 2}));
    Turn(0);
    Turn(-1);
    EXPECT_EQ(CursorOf(m), (Cursor{1, 0}));
    Press(KEY_MENU);
    Turn(1);
    EXPECT_EQ(CursorOf(m), (Cursor{2, 0}));
    Turn(0);
    Turn(-1);
    EXPECT_EQ(CursorOf(m), (Cursor{0, 0}));
    Release(KEY_MENU);
    EXPECT_EQ(store.At(0, 0), 0) << "the release after turning does not cycle the cell";
    EXPECT_EQ(store.At(1, 0), 0);
    EXPECT_TRUE(Log(MSG_CELL_SET).empty());
}

TEST_F(MatrixTest, MenuReleaseCyclesTheCursorCellThroughItsMenuFromWhatItShowsAndStopsTheHold)
{
    UIMatrix m = MakeMatrix(0, 0, {4, 4}, &store);
    m.Control.Handler = TwoValuesInColumn0;
    Show({Ctl(m)});
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
    EXPECT_EQ(store.At(0, 0), 0);
    EXPECT_EQ(store.At(1, 1), 0);
    m.ColIndex = 3;
    store.At(1, 3) = 9;  // past the menu, so the cell shows its last item; the next is the first
    KeyHoldStart(KEY_MENU, 1000);
    EXPECT_EQ(cycle(1), std::vector<int>{0});
    EXPECT_FALSE(KeyHoldRunning(KEY_MENU));
}

TEST_F(MatrixTest, MenuPressedOnOneMatrixIsNotReleasedOntoAnother)
{
    UIMatrix m = MakeMatrix(0, 0, {4}, &store);
    UIMatrix other = MakeMatrix(0, 50, {4}, &store);
    Show({Ctl(m), Ctl(other)});
    Press(KEY_MENU);
    UIFocusControl(&page, &other);
    Release(KEY_MENU);
    EXPECT_EQ(store.At(0, 0), 0);
    EXPECT_TRUE(Log(MSG_REDRAW).empty());
}

TEST_F(MatrixTest, SetCellsDealsRowsOfNColsUpToTenRowsKeepingTheCursorOnACellThatRemains)
{
    UIMatrix m = MakeMatrix(0, 0, {8}, &store);
    UIMatrixSetCells(&m, 12);
    EXPECT_EQ(m.NRows, 2);
    EXPECT_EQ(std::vector<int>(m.ColsPerRow, m.ColsPerRow + 3), (std::vector<int>{8, 4, 0}));
    Place(m, 1, 3);
    UIMatrixSetCells(&m, 6);
    EXPECT_EQ(CursorOf(m), (Cursor{0, 3}));
    UIMatrixSetCells(&m, 2);
    EXPECT_EQ(CursorOf(m), (Cursor{0, 1}));
    UIMatrixSetCells(&m, 3);
    EXPECT_EQ(m.NRows, 1);
    EXPECT_EQ(m.ColsPerRow[0], 3);
    UIMatrixSetCells(&m, 100);
    EXPECT_EQ(m.NRows, MAX_MATRIX_ROWS);
    EXPECT_EQ(std::vector<int>(m.ColsPerRow, m.ColsPerRow + 10), std::vector<int>(10, 8));
    AssertCapture capture;
    UIMatrixSetCells(&m, 0);
    EXPECT_EQ(capture.Expressions(), (std::vector<std::string>{"ncells > 0"}));
}

TEST_F(MatrixTest, SetCursorFocusesTheMatrixAndRefusesCellsThatDoNotExist)
{
    UIMatrix first = MakeMatrix(0, 0, {4}, &store);
    UIMatrix m = MakeMatrix(0, 50, {8, 4, 2}, &store);
    Show({Ctl(first), Ctl(m)}, 0);
    EXPECT_FALSE(UIMatrixSetCursor(&m, 3, 0));
    EXPECT_FALSE(UIMatrixSetCursor(&m, 1, 4));
    EXPECT_EQ(UIFocusedControl(&page), Ctl(first));
    EXPECT_TRUE(Log(MSG_REDRAW).empty());
    EXPECT_TRUE(UIMatrixSetCursor(&m, 1, 3));
    EXPECT_EQ(CursorOf(m), (Cursor{1, 3}));
    EXPECT_EQ(UIFocusedControl(&page), Ctl(m));
    EXPECT_EQ(Log(MSG_REDRAW).size(), 1U);
    // -1 stands for the last; other negatives are reported
    EXPECT_TRUE(UIMatrixSetCursor(&m, -1, -1));
    EXPECT_EQ(CursorOf(m), (Cursor{2, 1}));
    EXPECT_TRUE(UIMatrixSetCursor(&m, 0, -1));
    EXPECT_EQ(CursorOf(m), (Cursor{0, 7}));
    AssertCapture capture;
    UIMatrixSetCursor(&m, -2, 0);
    UIMatrixSetCursor(&m, 0, -3);
    EXPECT_EQ(capture.Expressions(), (std::vector<std::string>{"row == -1", "col == -1"}));
}

TEST_F(MatrixTest, ColumnColourIsSetOnlyForColumnsThatExist)
{
    UIMatrix m = MakeMatrix(0, 0, {4}, &store);
    UIMatrixSetColColor(&m, 9, 0x001F);
    UIMatrixSetColColor(&m, 10, 0xF800);
    EXPECT_EQ(m.ColColors[9], 0x001F);
    EXPECT_EQ(m.ColColors[0], 0);
}

TEST_F(MatrixTest, CellPositionsStepByTheWholeCell)
{
    std::int32_t x = 0;
    std::int32_t y = 0;
    UIMatrix large = MakeMatrix(5, 29, {8, 8}, &store);
    UIMatrixCellPos(&large, 1, 3, &x, &y);
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(5 + 3 * 24, 29 + 24));
    UIMatrix small = MakeMatrix(4, 105, {10}, &store);
    UIMatrixCellPos(&small, 0, 9, &x, &y);
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(4 + 9 * 22, 105));
}

TEST_F(MatrixTest, CursorOutsideItsRowAndLayoutOutsideTheLimitsAreReported)
{
    UIMatrix m = MakeMatrix(0, 0, {8, 4}, &store);
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
    EXPECT_EQ(capture.Expressions(),
              (std::vector<std::string>{"p->ColIndex < p->ColsPerRow[p->RowIndex]", "p->NRows <= MAX_MATRIX_ROWS",
                                        "p->NCols", "direction <= UI_NAV_DOWN"}));
}

namespace {

// Two matrices of 4 x 2 large cells side by side, and a third under the left one, shifted right by
// half a cell so that none of its cells shares a pixel column with the others.
class SpatialNavigation : public MatrixMoves {
protected:
    void SetUp() override
    {
        MatrixMoves::SetUp();
        for (UIMatrix* m : {&left, &right, &shifted})
            m->Control.Handler = SpatialMatrixHandler;
        Ring({&left, &right, &shifted});
        Show({Ctl(left), Ctl(right), Ctl(shifted)}, 0);
    }

    void Put(UIMatrix& m, std::uint8_t row, std::uint8_t col)
    {
        UIFocusControl(&page, &m);
        Place(m, row, col);
        Log().clear();
    }

    UIMatrix left = MakeMatrix(5, 30, {4, 4}, &store);
    UIMatrix right = MakeMatrix(5 + 4 * 24, 30, {4, 4}, &store);
    UIMatrix shifted = MakeMatrix(5 + 12, 100, {4}, &store);
};

}  // namespace

TEST_F(SpatialNavigation, RightAndLeftFollowReadingOrderOverFocusableMatricesAndUpAndDownStayInThePixelColumn)
{
    Put(left, 0, 3);
    Go(KEY_RIGHT, right, {0, 0});
    Put(right, 0, 3);
    Go(KEY_RIGHT, left, {1, 0});
    Go(KEY_LEFT, right, {0, 3});
    Put(right, 1, 3);
    Go(KEY_RIGHT, shifted, {0, 0});
    // past the last cell the search starts again from the far edge
    Put(shifted, 0, 3);
    Go(KEY_RIGHT, left, {0, 0});
    Go(KEY_LEFT, shifted, {0, 3});
    // the shifted matrix lies below but not in this column: the search wraps to the top
    Put(left, 0, 1);
    Go(KEY_DOWN, left, {1, 1});
    Go(KEY_DOWN, left, {0, 1});
    Go(KEY_UP, left, {1, 1});
    shifted.Control.X = 5 + 24;
    Go(KEY_DOWN, shifted, {0, 0});
    Go(KEY_UP, left, {1, 1});
    // matrices that cannot take the focus are not searched
    right.Control.Flags = 0;
    Put(left, 0, 3);
    Go(KEY_RIGHT, left, {1, 0});
}

TEST_F(SpatialNavigation, TargetMessageToAnotherMatrixIsReported)
{
    UIMatrixNav nav = {.Direction = UI_NAV_RIGHT, .Origin = &left, .X = 0, .Y = 0,
                       .Target = {.Ctrl = &right.Control, .X = 0, .Y = 0, .Row = 1, .Col = 2}};
    AssertCapture capture;
    MsgSendParam(&left, MSG_NAV_TARGET, MsgParamOf(&nav));
    EXPECT_EQ(capture.Expressions(), (std::vector<std::string>{"&p->Control == m->Target.Ctrl"}));
}

TEST_F(MatrixTest, SpatialNavigationTakesEveryNavigationAndRedrawsOnlyWhenTheCursorMoved)
{
    UIMatrix lone = MakeMatrix(0, 0, {1}, &store);
    lone.Control.Handler = SpatialMatrixHandler;
    Show({Ctl(lone)});
    EXPECT_EQ(MsgSendParam(&lone, MSG_NAVIGATE, UI_NAV_RIGHT), 1U);
    EXPECT_EQ(MsgSendParam(&lone, MSG_NAVIGATE, UI_NAV_DOWN), 1U);
    EXPECT_TRUE(Log(MSG_REDRAW).empty()) << "no cell to go to, nothing to redraw";
    EXPECT_EQ(MsgSendParam(&lone, MSG_NAVIGATE, UI_NAV_UP), 1U);
    EXPECT_EQ(Log(MSG_REDRAW).size(), 1U) << "from the far edge the search finds the cell itself";
}
