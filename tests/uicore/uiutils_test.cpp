#include "uicore/uiutils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/assert_capture.h"
#include "support/golden.h"
#include "ui_fixture.h"
#include "uicore/uicontrols.h"
#include "uicore/uikeys.h"
#include "uicore/uimatrix.h"

namespace {

std::string Text(std::uint32_t value)
{
    char text[MAX_TC_STRING];
    UITimecodeToText(text, value);
    return text;
}

UIMatrixCell Cell(std::uint8_t row, std::uint8_t col, std::uint32_t value)
{
    return {.Row = row, .Col = col, .Value = value, .Menu = nullptr, .Color = 0};
}

}  // namespace

TEST(Timecode, PacksSplitsShowsHexDigitsAndIncrementsCarryingAndWrappingAtADay)
{
    const std::uint8_t digits[NUM_TC_DIGITS] = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(UITimecodePack(digits), 0x12345678U);
    std::uint8_t back[NUM_TC_DIGITS];
    UITimecodeUnpack(back, 0xFEDCBA98U);
    EXPECT_EQ(std::vector<int>(back, back + 8), (std::vector<int>{15, 14, 13, 12, 11, 10, 9, 8}));
    EXPECT_EQ(UITimecodeDigit(0x12345678U, 6), 7U);
    std::uint8_t hours = 0;
    std::uint8_t minutes = 0;
    std::uint8_t frames = 0;
    UITimecodeSplit(UITimecodeFromHMSF(17, 45, 30, 12), &hours, &minutes, nullptr, &frames);
    EXPECT_EQ(std::vector<int>({hours, minutes, frames}), (std::vector<int>{17, 45, 12}));
    EXPECT_EQ(Text(0xDEADBEEFU), "DE:AD:BE:EF");  // user bits use all sixteen digit values

    const std::pair<std::uint32_t, std::uint32_t> increments[] = {
        {UITimecodeFromHMSF(0, 0, 0, 28), UITimecodeFromHMSF(0, 0, 0, 29)},
        {UITimecodeFromHMSF(0, 0, 0, 29), UITimecodeFromHMSF(0, 0, 1, 0)},
        {UITimecodeFromHMSF(1, 59, 59, 29), UITimecodeFromHMSF(2, 0, 0, 0)},
        {UITimecodeFromHMSF(23, 59, 59, 29), 0},
    };
    for (const auto& [from, to] : increments)
        EXPECT_EQ(Text(UITimecodeIncrement(from, 30)), Text(to));
    EXPECT_EQ(UITimecodeIncrement(UITimecodeFromHMSF(23, 59, 59, 24), 25), 0U);
}

TEST(CellHelpers, BytesAreKeptRowMajorBitsFollowAnyNonzeroValueAndCellsOutsideAreReported)
{
    std::uint8_t table[2 * 8 + 1] = {};
    UIMatrixCell cell = Cell(1, 7, 0x1FF);
    UICellSetByte(table, 2, 8, &cell);
    cell = Cell(1, 7, 0);
    UICellGetByte(table, 2, 8, &cell);
    EXPECT_EQ(cell.Value, 0xFFU);
    EXPECT_EQ(table[15], 0xFF);
    std::uint16_t rows[2] = {0x0000, 0x00F0};
    cell = Cell(1, 15, 5);
    UICellSetBit(rows, 2, &cell);
    cell = Cell(1, 4, 0);
    UICellSetBit(rows, 2, &cell);
    EXPECT_EQ(rows[1], 0x80E0);
    cell = Cell(1, 15, 0);
    EXPECT_EQ(UICellGetBit(rows, 2, &cell), 1U);
    EXPECT_EQ(cell.Value, 1U);

    UIMatrixCell row = Cell(2, 0, 9);
    UIMatrixCell byteCol = Cell(0, 8, 9);
    UIMatrixCell bitCol = Cell(0, 16, 1);
    AssertCapture capture;
    UICellSetByte(table, 2, 8, &row);
    UICellGetByte(table, 2, 8, &byteCol);
    UICellSetBit(rows, 2, &bitCol);
    EXPECT_EQ(UICellGetBit(rows, 2, &row), 0U);
    EXPECT_EQ(capture.Expressions(),
              (std::vector<std::string>{"cell->Row < nrows", "cell->Col < ncols", "cell->Col < 16", "cell->Row < nrows"}));
    EXPECT_EQ(byteCol.Value, 9U);
    EXPECT_EQ(std::count(std::begin(table), std::end(table), 0), 16);
    EXPECT_EQ(rows[0], 0);
}

TEST(SizeText, WholeMegabytesBelowAThousandElseWholeGigabytesAtLeastTwoWide)
{
    const std::tuple<float, const char*, std::string> cases[] = {
        {1500, " ", " 2 GB"}, {999, " ", "999 MB"}, {1000, " ", " 1 GB"}, {5, " ", " 5 MB"},
        {12400, " ", "12 GB"}, {2600, " ", " 3 GB"}, {64, "", "64MB"}};
    for (const auto& [megabytes, separator, shown] : cases) {
        char text[MAX_UI_TEXT];
        UIFormatSize(text, megabytes, separator);
        EXPECT_EQ(std::string(text), shown) << megabytes;
    }
}

// The run crosses a second, so the repaint changes several digits before it is compared with a full redraw;
// the display is turned only while the slate is shown, and the slate takes the MENU key alone.
TEST_F(UITest, SlateRunningTimecodeLooksAsIfTheWholePageWereDrawn)
{
    MsgRegister(UIMainHandler, 0);
    UIPage slate = {.Handler = UISlateHandler, .Flags = 0, .Parent = nullptr, .ControlIndex = -1, .NControls = 0,
                    .Controls = nullptr};
    UIGotoPage(&slate);
    std::uint32_t timecode = UITimecodeFromHMSF(10, 24, 36, 25);
    MsgBroadcastParam(MSG_TIMECODE, timecode);
    UIRedraw();
    for (int frame = 0; frame < 17; ++frame)
        MsgBroadcastParam(MSG_TIMECODE, timecode = UITimecodeIncrement(timecode, 30));
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/slate_running_timecode"));
    const Picture repainted = buffer;
    UIRedraw();
    EXPECT_TRUE(buffer == repainted);
    EXPECT_EQ(MsgSendParam(&slate, MSG_KEY_DOWN, KEY_MENU) + MsgSendParam(&slate, MSG_KEY_DOWN, KEY_TC), 1U);
    UIPage other = ProbePage(0, nullptr, 0);
    UIGotoPage(&other);
    EXPECT_EQ(LcdCanvas.Rotated, 0);
}
