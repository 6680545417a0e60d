#include "orvel/orvelcells.h"

#include <gtest/gtest.h>

#include <functional>
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

struct ByteMatrix {
    const char* Name;
    MsgHandler Hook;
    const std::uint8_t* Bytes;
    std::uint32_t Rows;
    std::uint32_t Cols;
};

template <std::size_t R, std::size_t C>
ByteMatrix Of(const char* name, MsgHandler hook, const std::uint8_t (&table)[R][C])
{
    return {name, hook, &table[0][0], R, C};
}

std::vector<ByteMatrix> ModelMatrices()
{
    return {
        Of("CardMix1to4", CardMix1to4Hook, CardMix1to4),
        Of("CardMix1to4Ret", CardMix1to4RetHook, CardMix1to4Ret),
        Of("CardMix1to4Dig", CardMix1to4DigHook, CardMix1to4Dig),
        Of("CardMix5to8", CardMix5to8Hook, CardMix5to8),
        Of("CardMix5to8Ret", CardMix5to8RetHook, CardMix5to8Ret),
        Of("CardMix5to8Dig", CardMix5to8DigHook, CardMix5to8Dig),
        Of("CardMix9to12", CardMix9to12Hook, CardMix9to12),
        Of("CardMix9to12Ret", CardMix9to12RetHook, CardMix9to12Ret),
        Of("CardMix9to12Dig", CardMix9to12DigHook, CardMix9to12Dig),
        Of("OutMix", OutMixHook, OutMix),
        Of("OutMixDig", OutMixDigHook, OutMixDig),
        Of("OutMixRet", OutMixRetHook, OutMixRet),
        Of("MirMix", MirMixHook, MirMix),
        Of("AutoMix", AutoMixHook, AutoMix),
        Of("AutoMixOut", AutoMixOutHook, AutoMixOut),
        Of("FaderAssign", FaderAssignHook, FaderAssign),
    };
}

std::uint32_t SumOf(const std::vector<ByteMatrix>& matrices)
{
    std::uint32_t sum = 0;
    for (const ByteMatrix& m : matrices)
        sum = std::accumulate(m.Bytes, m.Bytes + m.Rows * m.Cols, sum);
    return sum;
}

void Start()
{
    const char* argv[] = {"orvel-sim"};
    OrvelPowerOn(1, argv, "orvel-sim");
}

class Cells : public testing::Test {
protected:
    void SetUp() override { Start(); }
};

}  // namespace

TEST_F(Cells, EachMatrixWritesItsOwnArrayRowByRow)
{
    const std::vector<ByteMatrix> matrices = ModelMatrices();
    ASSERT_EQ(SumOf(matrices), 0U);
    for (const ByteMatrix& m : matrices) {
        SCOPED_TRACE(m.Name);
        const auto last = static_cast<std::uint8_t>(m.Rows - 1);
        CellSet(m.Hook, last, 1, 3);
        EXPECT_EQ(m.Bytes[last * m.Cols + 1], 3);
        EXPECT_EQ(SumOf(matrices), 3U) << "another array changed";
        EXPECT_EQ(CellGet(m.Hook, last, 1), 3U);
        EXPECT_EQ(CellGet(m.Hook, 0, 1), 0U);
        CellSet(m.Hook, last, 1, 0);
        EXPECT_EQ(SendHook(m.Hook, MSG_VALUE_GET).Result, 0U);
    }
}

TEST_F(Cells, ARestartClearsTheMatrices)
{
    CellSet(OutMixHook, 5, 7, 1);
    CellSet(AutoMixHook, 0, 2, 1);
    CompCard[11] = 1;
    PanPos[3] = 2;
    Start();
    EXPECT_EQ(OutMix[5][7], 0);
    EXPECT_EQ(AutoMix[0][2], 0);
    EXPECT_EQ(CompCard[11], 0U);
    EXPECT_EQ(PanPos[3], 0U);
}

TEST_F(Cells, TheAutoMixMatrixHoldsTheEnablesTheMetersRead)
{
    CellSet(AutoMixHook, 0, 5, 1);
    EXPECT_EQ(AutoMixEnabled(0, 5), 1U);
    EXPECT_EQ(AutoMixEnabled(10, 5), 1U);
    EXPECT_EQ(AutoMixEnabled(0, 4), 0U);
    CellSet(AutoMixHook, 0, 5, 0);
    CellSet(AutoMixHook, 1, 5, 1);  // the returns' row is not the first
    EXPECT_EQ(AutoMixEnabled(4, 5), 0U);
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
        SCOPED_TRACE(c.Expression);
        AssertCapture capture;
        CellSet(c.Hook, c.Row, c.Col, 1);
        EXPECT_EQ(capture.Expressions(), std::vector<std::string>{c.Expression});
    }
    EXPECT_EQ(SumOf(ModelMatrices()), 0U);
    EXPECT_EQ(std::accumulate(std::begin(CardSlate), std::end(CardSlate), 0U), 0U);
    EXPECT_EQ(Orvel.IsoMask, 3U);
}

TEST_F(Cells, HeadphoneMatricesBelongToTheCurrentMemory)
{
    struct HphMatrix {
        MsgHandler Hook;
        std::uint8_t Row;
        std::uint8_t Col;
        std::function<std::uint8_t(const HphMonMem&)> Byte;
    };
    const HphMatrix matrices[] = {
        {HphUpperHook, 2, 9, [](const HphMonMem& m) { return m.Upper[2][9]; }},
        {HphLowerHook, 1, 3, [](const HphMonMem& m) { return m.Lower[1][3]; }},
        {HphKLinRowHook, 0, 5, [](const HphMonMem& m) { return m.KLinRow[0][5]; }},
        {HphUpper12Hook, 1, 11, [](const HphMonMem& m) { return m.Upper12[1][11]; }},
        {HphLower12Hook, 1, 0, [](const HphMonMem& m) { return m.Lower12[1][0]; }},
        {HphExtHook, 0, 0, [](const HphMonMem& m) { return m.Ext; }},
    };
    std::uint32_t value = 1;
    for (const HphMatrix& m : matrices)
        CellSet(m.Hook, m.Row, m.Col, value++);

    Orvel.HphMon.Index = 6;
    for (const HphMatrix& m : matrices) {
        EXPECT_EQ(CellGet(m.Hook, m.Row, m.Col), 0U);
        CellSet(m.Hook, m.Row, m.Col, 2);
    }

    Orvel.HphMon.Index = 0;
    value = 1;
    for (const HphMatrix& m : matrices) {
        EXPECT_EQ(m.Byte(Orvel.HphMon.Mem[0]), value);
        EXPECT_EQ(m.Byte(Orvel.HphMon.Mem[6]), 2);
        EXPECT_EQ(CellGet(m.Hook, m.Row, m.Col), value++);
    }
    EXPECT_EQ(OrvelHphMonName(0), std::string("HP 1"));  // the cells stop short of the name
}

TEST_F(Cells, EnableTablesCountRowsOfEight)
{
    struct Table {
        const char* Name;
        MsgHandler Hook;
        std::function<std::uint32_t(std::uint32_t)> Entry;
    };
    const Table tables[] = {
        {"OrvelRecEnable", RecEnableHook, [](std::uint32_t i) { return OrvelRecEnable[i]; }},
        {"CompCard", CompCardHook, [](std::uint32_t i) { return CompCard[i]; }},
        {"CardTone", CardToneHook, [](std::uint32_t i) { return CardTone[i]; }},
        {"CardSlate", CardSlateHook, [](std::uint32_t i) { return CardSlate[i]; }},
        {"CardCom", CardComHook, [](std::uint32_t i) { return CardCom[i]; }},
    };
    for (const Table& t : tables) {
        SCOPED_TRACE(t.Name);
        CellSet(t.Hook, 1, 2, 1);  // track 11
        EXPECT_EQ(t.Entry(10), 1U);
        EXPECT_EQ(t.Entry(2), t.Hook == RecEnableHook ? 1U : 0U);
        EXPECT_EQ(CellGet(t.Hook, 1, 2), 1U);
    }
    EXPECT_EQ(CellGet(RecEnableHook, 0, 7), 1U);  // tracks 1..8 start enabled
    EXPECT_EQ(CellGet(RecEnableHook, 1, 0), 0U);

    CellSet(CompOutHook, 0, 7, 1);  // "M"
    EXPECT_EQ(CompOut[7], 1U);
    EXPECT_EQ(CellGet(CompOutHook, 0, 7), 1U);

    CellSet(CardToneHook, 0, 0, 0x102);  // the tone table holds bytes
    EXPECT_EQ(CardTone[0], 2);
    CellSet(CompCardHook, 0, 0, 0x102);
    EXPECT_EQ(CompCard[0], 0x102U);
}

TEST_F(Cells, IsolationCellsAreBitsOfTheMask)
{
    EXPECT_EQ(CellGet(IsoMaskHook, 0, 0), 1U);
    EXPECT_EQ(CellGet(IsoMaskHook, 0, 1), 1U);
    EXPECT_EQ(CellGet(IsoMaskHook, 0, 2), 0U);

    CellSet(IsoMaskHook, 1, 3, 5);  // track 12; any nonzero value sets
    EXPECT_EQ(Orvel.IsoMask, 3U | 1U << 11);
    CellSet(IsoMaskHook, 0, 0, 0);
    EXPECT_EQ(Orvel.IsoMask, 2U | 1U << 11);
    EXPECT_EQ(CellGet(IsoMaskHook, 1, 3), 1U);
    EXPECT_EQ(CellGet(IsoMaskHook, 0, 0), 0U);
}

TEST_F(Cells, PanTableIsIndexedByColumnAndEditableOnlyInPanEditMode)
{
    CellSet(PanPosHook, 0, 7, 3);
    EXPECT_EQ(PanPos[7], 3U);
    EXPECT_EQ(CellGet(PanPosHook, 0, 7), 3U);
    EXPECT_EQ(CellGet(PanPosHook, 0, 6), 0U);

    EXPECT_EQ(SendHook(PanPosHook, MSG_IS_FOCUSABLE, 1), (HookAnswer{1, 0}));
    Orvel.Settings.PanEdit = 1;
    EXPECT_EQ(SendHook(PanPosHook, MSG_IS_FOCUSABLE, 0), (HookAnswer{1, 1}));
}

TEST_F(Cells, PanCycleWrapsTheFirstPosition)
{
    PanPos[1] = 2;
    std::vector<std::uint32_t> seen;
    for (int i = 0; i < 5; ++i) {
        PanPosCycle(1);
        seen.push_back(PanPos[0]);
    }
    EXPECT_EQ(seen, (std::vector<std::uint32_t>{1, 2, 3, 0, 1}));
    PanPosCycle(0);
    PanPosCycle(-1);
    EXPECT_EQ(PanPos[0], 3U);
    EXPECT_EQ(PanPos[1], 2U);
}

namespace {

constexpr UIMenuItem PanItems[] = {{" ", 0, 0}, {"L", 1, 0}, {"C", 2, 0}, {"R", 3, 0}};
constexpr UIMenu PanMenu = {.NItems = std::size(PanItems), .Items = PanItems};

class PanMatrix : public MatrixTest {
protected:
    void SetUp() override
    {
        MatrixTest::SetUp();
        Start();
        MsgRegister(UIMainHandler, 0);
        pan = MakeMatrix(4, 105, {10}, nullptr);
        pan.Control.Handler = HookFirst<PanPosHook, UIMatrixHandler>;  // as the home screen builds it
        pan.Control.Flags = UI_CTRL_FLAG_FOCUS | UI_CTRL_FLAG_ASKFOCUS;
        pan.Menu = &PanMenu;
        pan.Next = pan.Prev = &pan;
        const char* titles[] = {"1", "2", "3", "4", "5", "6", "R1", "R2", "R3", "R4"};
        std::copy(std::begin(titles), std::end(titles), pan.ColTitles);
    }

    UIMatrix pan{};
};

}  // namespace

TEST_F(PanMatrix, FocusableInPanEditModeWhereTheMenuCyclesThePositionKeptByTheModel)
{
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
