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

}  // namespace

TEST(Timecode, PacksDigitsMostSignificantFirst)
{
    const std::uint8_t digits[NUM_TC_DIGITS] = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(UITimecodePack(digits), 0x12345678U);
    std::uint8_t back[NUM_TC_DIGITS];
    UITimecodeUnpack(back, 0xFEDCBA98U);
    EXPECT_EQ(back[0], 15);
    EXPECT_EQ(back[7], 8);
    EXPECT_EQ(UITimecodeDigit(0x12345678U, 6), 7U);
    EXPECT_EQ(UITimecodeFromHMSF(23, 59, 58, 29), 0x23595829U);
}

TEST(Timecode, TextFormShowsHexDigitsOfUserBits)
{
    EXPECT_EQ(Text(0x01020304U), "01:02:03:04");
    EXPECT_EQ(Text(0xDEADBEEFU), "DE:AD:BE:EF");
}

TEST(Timecode, SplitSkipsMissingOutputs)
{
    std::uint8_t minutes = 0;
    std::uint8_t frames = 0;
    UITimecodeSplit(0x10203040U, nullptr, &minutes, nullptr, &frames);
    EXPECT_EQ(minutes, 20);
    EXPECT_EQ(frames, 40);
}

TEST(Timecode, IncrementCarriesAndWrapsAtADay)
{
    EXPECT_EQ(UITimecodeIncrement(UITimecodeFromHMSF(0, 0, 0, 28), 30), UITimecodeFromHMSF(0, 0, 0, 29));
    EXPECT_EQ(UITimecodeIncrement(UITimecodeFromHMSF(0, 0, 0, 29), 30), UITimecodeFromHMSF(0, 0, 1, 0));
    EXPECT_EQ(UITimecodeIncrement(UITimecodeFromHMSF(1, 59, 59, 29), 30), UITimecodeFromHMSF(2, 0, 0, 0));
    EXPECT_EQ(UITimecodeIncrement(UITimecodeFromHMSF(23, 59, 59, 24), 25), 0U);
}

TEST(Timecode, EdgesOfTheDayAndOfTheText)
{
    EXPECT_EQ(UITimecodeFromHMSF(1, 2, 3, 4), 0x01020304U);
    EXPECT_EQ(UITimecodeIncrement(UITimecodeFromHMSF(23, 59, 59, 29), 30), 0U);
    EXPECT_EQ(Text(0x1A2B3C4DU), "1A:2B:3C:4D");
    std::uint8_t hours = 0;
    UITimecodeSplit(UITimecodeFromHMSF(17, 45, 30, 12), &hours, nullptr, nullptr, nullptr);
    EXPECT_EQ(hours, 17);
}

TEST(CellHelpers, BytesAreKeptRowMajorAndTruncatedToEightBits)
{
    std::uint8_t table[3 * 12 + 1] = {};
    table[36] = 0xEE;  // just past the table
    UIMatrixCell cell = {.Row = 2, .Col = 11, .Value = 0x1FF, .Menu = nullptr, .Color = 0};
    UICellSetByte(table, 3, 12, &cell);
    EXPECT_EQ(table[35], 0xFF);
    cell = {.Row = 1, .Col = 0, .Value = 7, .Menu = nullptr, .Color = 0};
    UICellSetByte(table, 3, 12, &cell);
    EXPECT_EQ(table[12], 7);
    cell = {.Row = 2, .Col = 11, .Value = 0, .Menu = nullptr, .Color = 0};
    UICellGetByte(table, 3, 12, &cell);
    EXPECT_EQ(cell.Value, 0xFFU);
    EXPECT_EQ(table[36], 0xEE);
    EXPECT_EQ(std::count(std::begin(table), std::end(table), 0), 34);
}

TEST(CellHelpers, ByteCellsOutsideTheTableAreReportedAndLeftAlone)
{
    std::uint8_t table[2 * 8] = {};
    UIMatrixCell row = {.Row = 2, .Col = 0, .Value = 9, .Menu = nullptr, .Color = 0};
    UIMatrixCell col = {.Row = 0, .Col = 8, .Value = 9, .Menu = nullptr, .Color = 0};
    AssertCapture capture;
    UICellSetByte(table, 2, 8, &row);
    UICellGetByte(table, 2, 8, &col);
    UICellSetByte(nullptr, 2, 8, &row);
    UICellGetByte(table, 2, 8, nullptr);
    EXPECT_EQ(capture.Expressions(),
              (std::vector<std::string>{"cell->Row < nrows", "cell->Col < ncols", "table", "cell"}));
    EXPECT_EQ(col.Value, 9U);
    EXPECT_EQ(std::count(std::begin(table), std::end(table), 0), 16);
}

TEST(CellHelpers, BitsFollowAnyNonzeroValueAndLeaveTheOtherBits)
{
    std::uint16_t rows[2] = {0x0000, 0x00F0};
    UIMatrixCell cell = {.Row = 1, .Col = 15, .Value = 5, .Menu = nullptr, .Color = 0};
    UICellSetBit(rows, 2, &cell);
    EXPECT_EQ(rows[1], 0x80F0);
    cell.Value = 0;
    EXPECT_EQ(UICellGetBit(rows, 2, &cell), 1U);
    EXPECT_EQ(cell.Value, 1U);
    cell = {.Row = 1, .Col = 4, .Value = 0, .Menu = nullptr, .Color = 0};
    UICellSetBit(rows, 2, &cell);
    EXPECT_EQ(rows[1], 0x80E0);
    cell.Value = 1;
    EXPECT_EQ(UICellGetBit(rows, 2, &cell), 0U);
    EXPECT_EQ(cell.Value, 0U);
    EXPECT_EQ(rows[0], 0);
}

TEST(CellHelpers, BitCellsOutsideTheRowsAreReported)
{
    std::uint16_t rows[2] = {};
    UIMatrixCell row = {.Row = 2, .Col = 0, .Value = 1, .Menu = nullptr, .Color = 0};
    UIMatrixCell col = {.Row = 0, .Col = 16, .Value = 1, .Menu = nullptr, .Color = 0};
    AssertCapture capture;
    UICellSetBit(rows, 2, &row);
    UICellSetBit(rows, 2, &col);
    EXPECT_EQ(UICellGetBit(rows, 2, &row), 0U);
    UICellGetBit(nullptr, 2, &col);
    EXPECT_EQ(capture.Expressions(), (std::vector<std::string>{"cell->Row < nrows", "cell->Col < 16",
                                                                "cell->Row < nrows", "rows"}));
    EXPECT_EQ(rows[0], 0);
    EXPECT_EQ(rows[1], 0);
}

TEST(SizeText, WholeMegabytesBelowAThousandElseWholeGigabytesAtLeastTwoWide)
{
    const std::pair<float, std::string> cases[] = {
        {1500, " 2 GB"}, {750, "750 MB"}, {999, "999 MB"}, {1000, " 1 GB"}, {5, " 5 MB"}, {12400, "12 GB"},
        {2600, " 3 GB"}};
    for (const auto& [megabytes, shown] : cases) {
        char text[MAX_UI_TEXT];
        UIFormatSize(text, megabytes, " ");
        EXPECT_EQ(std::string(text), shown) << megabytes;
    }
    char text[MAX_UI_TEXT];
    UIFormatSize(text, 64, "");
    EXPECT_EQ(std::string(text), "64MB");
}

namespace {

// The slate page and a page to leave it for.
class Slate : public UITest {
protected:
    void SetUp() override
    {
        UITest::SetUp();
        MsgRegister(UIMainHandler, 0);
        UIGotoPage(&other);
    }

    // Shows the timecode on a freshly drawn slate page.
    void ShowSlate(std::uint32_t timecode)
    {
        UIGotoPage(&slate);
        MsgBroadcastParam(MSG_TIMECODE, timecode);
        UIRedraw();
    }

    // A mark in the corner of each digit cell, where no digit has ink, and one on the band.
    void Mark()
    {
        for (const SlateDigit& place : SlateDigits)
            LcdCanvas.PixelSet(&LcdCanvas, place.X + SLATE_DIGIT_WIDTH - 1, place.Y + SLATE_DIGIT_HEIGHT - 1, Ink);
        LcdCanvas.PixelSet(&LcdCanvas, 110, 10, Ink);
    }

    // The digit cells whose mark a repaint wiped out.
    std::vector<int> Repainted()
    {
        std::vector<int> wiped;
        for (int i = 0; i < static_cast<int>(std::size(SlateDigits)); ++i)
            if (At(SlateDigits[i].X + SLATE_DIGIT_WIDTH - 1, SlateDigits[i].Y + SLATE_DIGIT_HEIGHT - 1) != Ink)
                wiped.push_back(i);
        return wiped;
    }

    static constexpr Colour Ink = 0x001F;
    UIPage slate = {.Handler = UISlateHandler, .Flags = 0, .Parent = nullptr, .ControlIndex = -1, .NControls = 0,
                    .Controls = nullptr};
    UIPage other = ProbePage(0, nullptr, 0);
};

}  // namespace

TEST_F(Slate, DisplayIsTurnedWhileTheSlateIsShown)
{
    EXPECT_EQ(LcdCanvas.Rotated, 0);
    UIGotoPage(&slate);
    EXPECT_EQ(LcdCanvas.Rotated, 1);
    UIGotoPage(&other);
    EXPECT_EQ(LcdCanvas.Rotated, 0);
}

TEST_F(Slate, RunningTimecodeRepaintsOnlyTheDigitsThatChanged)
{
    ShowSlate(UITimecodeFromHMSF(10, 24, 37, 18));
    Mark();
    const int flushes = Flushes();
    MsgBroadcastParam(MSG_TIMECODE, UITimecodeFromHMSF(10, 24, 37, 19));
    EXPECT_EQ(Repainted(), (std::vector<int>{7}));
    EXPECT_EQ(At(110, 10), Ink) << "the band is not painted again";
    EXPECT_EQ(Flushes(), flushes + 1);
    Mark();
    MsgBroadcastParam(MSG_TIMECODE, UITimecodeFromHMSF(10, 24, 37, 20));
    EXPECT_EQ(Repainted(), (std::vector<int>{6, 7}));
    Mark();
    MsgBroadcastParam(MSG_TIMECODE, UITimecodeFromHMSF(10, 24, 37, 20));
    EXPECT_TRUE(Repainted().empty());
    Mark();
    MsgBroadcastParam(MSG_TIMECODE, UITimecodeFromHMSF(11, 0, 0, 0));
    EXPECT_EQ(Repainted(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
}

TEST_F(Slate, RepaintedDigitsLookAsIfTheWholePageWereDrawn)
{
    ShowSlate(UITimecodeFromHMSF(10, 24, 37, 18));
    for (int frame = 19; frame < 30; ++frame)
        MsgBroadcastParam(MSG_TIMECODE, UITimecodeFromHMSF(10, 24, 37, frame));
    MsgBroadcastParam(MSG_TIMECODE, UITimecodeFromHMSF(10, 24, 38, 0));
    const Picture repainted = buffer;
    UIRedraw();
    EXPECT_TRUE(buffer == repainted);
    UIRedraw();
    EXPECT_TRUE(buffer == repainted) << "a full redraw draws every digit, changed or not";
}

TEST_F(Slate, MenuKeyIsTakenAndNothingElse)
{
    Message menu = {.Id = MSG_KEY_DOWN, .Param = KEY_MENU};
    Message tc = {.Id = MSG_KEY_DOWN, .Param = KEY_TC};
    Message up = {.Id = MSG_KEY_UP, .Param = KEY_MENU};
    EXPECT_EQ(UISlateHandler(&slate, &menu), 1U);
    EXPECT_EQ(UISlateHandler(&slate, &tc), 0U);
    EXPECT_EQ(UISlateHandler(&slate, &up), 0U);
}

TEST_F(Slate, DigitPlaceOutsideTheTableIsReported)
{
    UIGotoPage(&slate);
    AssertCapture capture;
    SlateDigitDraw(&LcdCanvas, NUM_TC_DIGITS, 1, false);
    EXPECT_EQ(capture.Expressions(), (std::vector<std::string>{"index < numberof(SlateDigits)"}));
}

TEST_F(Slate, RunningTimecodeScreen)
{
    std::uint32_t timecode = UITimecodeFromHMSF(10, 24, 36, 25);
    ShowSlate(timecode);
    for (int frame = 0; frame < 17; ++frame) {
        timecode = UITimecodeIncrement(timecode, 30);
        MsgBroadcastParam(MSG_TIMECODE, timecode);
    }
    EXPECT_EQ(Text(timecode), "10:24:37:12");
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/slate_running_timecode"));
}
