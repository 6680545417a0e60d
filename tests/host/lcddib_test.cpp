#include "host/lcddib.h"

#include <gtest/gtest.h>

#include "host/bmpcapture.h"
#include "host_fixture.h"
#include "support/assert_capture.h"

namespace {

class LcdViews : public HostTest {
protected:
    void Paint(int x, int y, Colour colour) { LcdCanvas.PixelSet(&LcdCanvas, x, y, colour); }
};

}  // namespace

TEST_F(LcdViews, PictureTakesTheDisplayedColoursBlueByteFirst)
{
    LcdCanvas.Clear(&LcdCanvas);
    Paint(3, 4, ColourFromComponents(0x10, 0x80, 0xF8));
    LcdToDib();
    EXPECT_EQ(DibPixel(3, 4), 0xF88010U);
    EXPECT_EQ(LcdPicture.Bits[4 * DIB_STRIDE + 9], 0x10);  // blue first
    EXPECT_EQ(DIB_STRIDE, 660);
}

TEST_F(LcdViews, TurnedCanvasShowsTurnedInEveryView)
{
    LcdCanvas.Clear(&LcdCanvas);
    Paint(0, 0, COLOUR_BLACK);
    LcdCanvas.Rotated = 1;
    LcdRefresh();
    EXPECT_EQ(DibPixel(219, 175), 0U);
    EXPECT_EQ(Host.LcdWindow.At(219 * 4, 175 * 4), 0U);
    EXPECT_EQ(Host.Client.At(450 + 219 * 2 + 1, 210 + 175 * 2 + 1), 0U);
    LcdCanvas.Rotated = 0;
}

TEST_F(LcdViews, FourTimesViewHasAGreyGridRightAndBelowEachPixel)
{
    LcdCanvas.Clear(&LcdCanvas);
    Paint(1, 1, COLOUR_BLACK);
    LcdRefresh();
    for (int y = 4; y < 7; ++y)
        for (int x = 4; x < 7; ++x)
            EXPECT_EQ(Host.LcdWindow.At(x, y), 0U);
    EXPECT_EQ(Host.LcdWindow.At(7, 5), 0x646464U);
    EXPECT_EQ(Host.LcdWindow.At(5, 7), 0x646464U);
    EXPECT_EQ(Host.LcdWindow.At(8, 8), 0xF8F8F8U);
}

TEST_F(LcdViews, PanelViewAveragesDownToItsArea)
{
    LcdCanvas.FillRect(&LcdCanvas, 0, 0, 219, 175, COLOUR_BLACK);
    LcdRefresh();
    EXPECT_EQ(Host.Client.At(648, 45), 0U);
    EXPECT_EQ(Host.Client.At(648 + 133, 45 + 106), 0U);
    EXPECT_NE(Host.Client.At(648 + 134, 45), 0U);  // 134 x 107 and no more
    LcdCanvas.Clear(&LcdCanvas);
    for (int x = 0; x < 220; x += 2)
        CanvasDrawLine(&LcdCanvas, x, 0, x, 175, COLOUR_BLACK);
    LcdRefresh();
    const std::uint32_t grey = Host.Client.At(700, 100);
    EXPECT_GT(grey & 0xFF, 0x20U);  // stripes finer than a view pixel blend to grey
    EXPECT_LT(grey & 0xFF, 0xE0U);
}

TEST_F(LcdViews, ZeroZoomIsReported)
{
    AssertCapture capture;
    DrawScaled(Host.Client, 0, 0, 0.0, false);
    EXPECT_EQ(capture.Expressions(), std::vector<std::string>{"zoom"});
}

TEST_F(LcdViews, BmpIsOneBitBottomUpWithWhitePadding)
{
    LcdCanvas.Clear(&LcdCanvas);
    Paint(0, 175, COLOUR_BLACK);
    Paint(9, 0, 0x0001);  // not exactly black: white in the file
    LcdCanvas.Rotated = 1;  // never turned in the file
    const std::vector<std::uint8_t> bytes = LcdBmpBytes();
    LcdCanvas.Rotated = 0;
    ASSERT_EQ(bytes.size(), LCD_BMP_SIZE);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[2] | (bytes[3] << 8), 4990);
    EXPECT_EQ(bytes[10], 62);
    EXPECT_EQ(bytes[18], 220);
    EXPECT_EQ(bytes[22], 176);
    EXPECT_EQ(bytes[28], 1);
    EXPECT_EQ(bytes[34] | (bytes[35] << 8), 4928);
    EXPECT_EQ(bytes[38] | (bytes[39] << 8), 3780);
    EXPECT_EQ(bytes[58], 255);
    EXPECT_EQ(bytes[62], 0x7F);  // the bottom row first: (0, 175) black
    for (std::size_t i = 63; i < bytes.size(); ++i)
        ASSERT_EQ(bytes[i], 0xFF) << i;
}
