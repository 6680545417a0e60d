#include "canvas/lcdcanvas.h"

#include <gtest/gtest.h>

#include "lcd_fixture.h"
#include "support/assert_capture.h"

using LcdCanvasTest = LcdTest;

TEST_F(LcdCanvasTest, RowsAreStoredBottomFirstAndOutsideIsIgnoredAndReadsWhite)
{
    canvas.PixelSet(&canvas, 0, 0, 0x1111);
    canvas.PixelSet(&canvas, 219, 175, 0x2222);
    canvas.PixelSet(&canvas, 3, 1, 0x3333);
    EXPECT_EQ(buffer[38500], 0x1111);
    EXPECT_EQ(buffer[219], 0x2222);
    EXPECT_EQ(buffer[3 + 174 * 220], 0x3333);
    EXPECT_EQ(At(3, 1), 0x3333);
    for (auto [x, y] : {std::pair{-1, 5}, {220, 5}, {5, -1}, {5, 176}, {-2147483647 - 1, 0}}) {
        canvas.PixelSet(&canvas, x, y, COLOUR_BLACK);
        EXPECT_EQ(At(x, y), COLOUR_WHITE) << x << "," << y;
    }
    EXPECT_EQ(CountPainted(), 3);
}

TEST_F(LcdCanvasTest, WrongSizeAndNullBufferAreReportedAndKept)
{
    AssertCapture capture;
    Canvas other{};
    LcdCanvasInit(&other, nullptr, 200, 100);
    EXPECT_EQ(capture.Expressions(), (std::vector<std::string>{"buf", "width == LCD_WIDTH", "height == LCD_HEIGHT",
                                                               "c->Buffer"}));
    EXPECT_EQ(capture.Reports()[0].Module, "canvas/lcdcanvas");
    EXPECT_EQ(other.Width, 200);
    EXPECT_EQ(other.Height, 100);
}
