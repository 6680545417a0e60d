#include "orvel/orvelcells.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "orvel/hook_probe.h"
#include "orvel/orvel.h"
#include "orvel/orvelhooks.h"
#include "support/assert_capture.h"
#include "support/golden.h"
#include "uicore/matrix_fixture.h"
#include "uicore/uikeys.h"

namespace {

using Cells = PoweredOn;

struct ByteMatrix {
    MsgHandler Hook;
    std::uint8_t* Bytes;
    std::uint32_t Rows;
    std::uint32_t Cols;
};

// Some of the byte matrices, of each size; the sum of all shows whether another one changed.
const ByteMatrix Matrices[] = {
    {CardMix1to4Hook, &CardMix1to4[0][0], 12, 12}, {CardMix9to12DigHook, &CardMix9to12Dig[0][0], 12, 12},
    {OutMixRetHook, &OutMixRet[0][0], 12, 12},     {MirMixHook, &MirMix[0][0], 2, 12},
    {AutoMixOutHook, &AutoMixOut[0][0], 8, 8},     {FaderAssignHook, &FaderAssign[0][0], 8, 8},
};

std::uint32_t SumOfMatrices()
{
    std::uint32_t sum = 0;
    for (const ByteMatrix& m : Matrices)
        sum = std::accumulate(m.Bytes, m.Bytes + m.Rows * m.Cols, sum);
    return sum;
}

}  // namespace

TEST_F(Cells, EachMatrixWritesItsOwnArrayRowByRow)
{
    for (const ByteMatrix& m : Matrices) {
        const auto last = static_cast<std::uint8_t>(m.Rows - 1);
        CellSet(m.Hook, last, 1, 3);
        EXPECT_EQ(m.Bytes[last * m.Cols + 1], 3);
        EXPECT_EQ(SumOfMatrices(), 3U) << "another array changed";
        EXPECT_EQ(CellGet(m.Hook, last, 1), 3U);
        EXPECT_EQ(CellGet(m.Hook, 0, 1), 0U);
        CellSet(m.Hook, last, 1, 0);
    }
}

TEST_F(Cells, ARestartClearsTheTablesAndTheAutoMixRowHoldsTheEnablesTheMetersRead)
{
    CellSet(AutoMixHook, 0, 5, 1);
    EXPECT_EQ(AutoMixEnabled(0, 5), 1U);
    EXPECT_EQ(AutoMixEnabled(10, 5), 1U);
    EXPECT_EQ(AutoMixEnabled(0, 4), 0U);
    CellSet(AutoMixHook, 1, 4, 1);  // the returns' row is not the first
    EXPECT_EQ(AutoMixEnabled(4, 4), 0U);

    CellSet(OutMixHook, 5, 7, 1);
    CompCard[11] = 1;
    PanPos[3] = 2;
    Start();
    EXPECT_EQ(OutMix[5][7], 0);
    EXPECT_EQ(AutoMix[0][5], 0);
    EXPECT_EQ(CompCard[11], 0U);
    EXPECT_EQ(PanPos[3], 0U);
}

TEST_F(Cells, ACellOutsideItsTableIsReportedAndNotStored)
{
    struct Case {
        MsgHandler Hook;
        std::uint8_t Row;
        std::uint8_t Col;
        const char* Expression;
    };
    const Case cases[] = {
        {MirMixHook, 2, 0, "cell->Row < nrows"},  {FaderAssignHook, 0, 8, "cell->Col < ncols"},
        {CompOutHook, 1, 0, "index < bound"},     {CardSlateHook, 0, 8, "cell->Col < ncols"},
        {IsoMaskHook, 2, 0, "index < bound"},     {PanPosHook, 0, 10, "cell->Col < numberof(PanPos)"},
    };
    for (const Case& c : cases) {
        AssertCapture capture;
        CellSet(c.Hook, c.Row, c.Col, 1);
        EXPECT_EQ(capture.Expressions(), std::vector<std::string>{c.Expression});
    }
    EXPECT_EQ(SumOfMatrices(), 0U);
    EXPECT_EQ(std::accumulate(std::begin(CardSlate), std::end(CardSlate), 0U), 0U);
    EXPECT_EQ(Orvel.IsoMask, 3U);
}

TEST_F(Cells, HeadphoneMatricesBelongToTheCurrentMemory)
{
    const MsgHandler hooks[] = {HphUpperHook, HphLowerHook, HphKLinRowHook, HphUpper12Hook, HphLower12Hook};
    for (std::uint32_t i = 0; i < std::size(hooks); ++i)
        CellSet(hooks[i], 0, 3, i + 1);
    CellSet(HphExtHook, 0, 0, 9);
    Orvel.HphMon.Index = 6;
    for (MsgHandler hook : hooks)
        EXPECT_EQ(CellGet(hook, 0, 3), 0U);
    Orvel.HphMon.Index = 0;
    for (std::uint32_t i = 0; i < std::size(hooks); ++i)
        EXPECT_EQ(CellGet(hooks[i], 0, 3), i + 1) << "a hook shares another's cells";
    EXPECT_EQ(Orvel.HphMon.Mem[0].Lower[0][3], 2);
    EXPECT_EQ(Orvel.HphMon.Mem[0].Ext, 9);
}

namespace {

constexpr UIMenuItem PanItems[] = {{" ", 0, 0}, {"L", 1, 0}, {"C", 2, 0}, {"R", 3, 0}};
constexpr UIMenu PanMenu = {.NItems = std::size(PanItems), .Items = PanItems};

using PanMatrix = MatrixTest;

}  // namespace

// Focusable in pan edit mode, where the menu cycles the position kept by the model.
TEST_F(PanMatrix, EditedOnlyInPanEditMode)
{
    Start();
    MsgRegister(UIMainHandler, 0);
    UIMatrix pan = MakeMatrix(4, 105, {10}, nullptr);
    pan.Control.Handler = HookFirst<PanPosHook, UIMatrixHandler>;  // as the home screen builds it
    pan.Control.Flags = UI_CTRL_FLAG_FOCUS | UI_CTRL_FLAG_ASKFOCUS;
    pan.Menu = &PanMenu;
    pan.Next = pan.Prev = &pan;
    const char* titles[] = {"1", "2", "3", "4", "5", "6", "R1", "R2", "R3", "R4"};
    std::copy(std::begin(titles), std::end(titles), pan.ColTitles);

    EXPECT_FALSE(UIControlFocusable(&pan));
    Orvel.Settings.PanEdit = 1;
    EXPECT_TRUE(UIControlFocusable(&pan));
    PanPos[0] = 1;
    PanPos[1] = 2;
    PanPos[2] = 3;
    PanPos[7] = 1;
    Show({Ctl(pan)});
    Tap(KEY_RIGHT);
    Tap(KEY_RIGHT);
    Tap(KEY_MENU);  // "R" wraps to " "
    Tap(KEY_RIGHT);
    Tap(KEY_MENU);
    EXPECT_EQ(PanPos[2], 0U);
    EXPECT_EQ(PanPos[3], 1U);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "orvel/pan_matrix_positions"));
}
