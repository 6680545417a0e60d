#include "orvel/orvelcells.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "orvel/hook_probe.h"
#include "orvel/orvel.h"
#include "orvel/orvelhooks.h"
#include "support/assert_capture.h"

namespace {

using Cells = PoweredOn;

struct ByteMatrix {
    MsgHandler Hook;
    std::uint8_t* Bytes;
    std::uint32_t Rows;
    std::uint32_t Cols;
};

// Some of the byte matrices, of each size; the sum of all shows whether another one changed.
const ByteMatrix Matrices[] = {{CardMix9to12DigHook, &CardMix9to12Dig[0][0], 12, 12},
                               {MirMixHook, &MirMix[0][0], 2, 12}, {FaderAssignHook, &FaderAssign[0][0], 8, 8}};

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
        Cell(m.Hook, MSG_CELL_SET, last, 1, 3);
        EXPECT_EQ(m.Bytes[last * m.Cols + 1], 3);
        EXPECT_EQ(SumOfMatrices(), 3U) << "another array changed";
        EXPECT_EQ(Cell(m.Hook, MSG_CELL_GET, last, 1), 3U);
        EXPECT_EQ(Cell(m.Hook, MSG_CELL_GET, 0, 1), 0U);
        Cell(m.Hook, MSG_CELL_SET, last, 1, 0);
    }
}

TEST_F(Cells, ARestartClearsTheTablesAndTheAutoMixRowHoldsTheEnablesTheMetersRead)
{
    Cell(AutoMixHook, MSG_CELL_SET, 0, 5, 1);
    EXPECT_EQ(AutoMixEnabled(0, 5), 1U);
    EXPECT_EQ(AutoMixEnabled(10, 5), 1U);
    EXPECT_EQ(AutoMixEnabled(0, 4), 0U);
    Cell(AutoMixHook, MSG_CELL_SET, 1, 4, 1);  // the returns' row is not the first
    EXPECT_EQ(AutoMixEnabled(4, 4), 0U);

    Cell(OutMixHook, MSG_CELL_SET, 5, 7, 1);
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
    const struct {
        MsgHandler Hook;
        std::uint8_t Row, Col;
        const char* Expression;
    } cases[] = {{MirMixHook, 2, 0, "cell->Row < nrows"}, {CardSlateHook, 0, 8, "cell->Col < ncols"},
                 {IsoMaskHook, 2, 0, "index < bound"}, {PanPosHook, 0, 10, "cell->Col < numberof(PanPos)"}};
    for (const auto& c : cases) {
        AssertCapture capture;
        Cell(c.Hook, MSG_CELL_SET, c.Row, c.Col, 1);
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
        Cell(hooks[i], MSG_CELL_SET, 0, 3, i + 1);
    Orvel.HphMon.Index = 6;
    for (MsgHandler hook : hooks)
        EXPECT_EQ(Cell(hook, MSG_CELL_GET, 0, 3), 0U);
    Orvel.HphMon.Index = 0;
    for (std::uint32_t i = 0; i < std::size(hooks); ++i)
        EXPECT_EQ(Cell(hooks[i], MSG_CELL_GET, 0, 3), i + 1) << "a hook shares another's cells";
    EXPECT_EQ(Orvel.HphMon.Mem[0].Lower[0][3], 2);
}
