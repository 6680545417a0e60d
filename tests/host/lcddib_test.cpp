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
    // file size, where the bits start, width, height, bits per pixel, image size, resolution, white
    for (const auto& [at, value] : {std::pair{2, 4990}, {10, 62}, {18, 220}, {22, 176}, {28, 1}, {34, 4928},
                                   {38, 3780}, {58, 0xFFFF}})
        EXPECT_EQ(bytes[at] | (bytes[at + 1] << 8), value) << at;
    EXPECT_EQ(bytes[62], 0x7F);  // the bottom row first: (0, 175) black
    for (std::size_t i = 63; i < bytes.size(); ++i)
        ASSERT_EQ(bytes[i], 0xFF) << i;
}
