// The LCD's picture and its views. The views are redrawn only where the LCD changed, with fast paths
// for the host's zooms: every one of them must give the picture a whole redraw gives.
#include <gtest/gtest.h>

#include <tuple>

#include "common/rand.h"
#include "host/bmpcapture.h"
#include "host/lcddib.h"
#include "host_fixture.h"
#include "support/assert_capture.h"

namespace {

class LcdViews : public HostTest {
protected:
    static void Paint(int x, int y, Colour colour) { LcdCanvas.PixelSet(&LcdCanvas, x, y, colour); }

    static void Scribble(int x1, int y1, int x2, int y2)
    {
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                Paint(x, y, static_cast<Colour>(Rand15() * 2 + (Rand15() & 1)));
    }

    static void Flip(int x, int y, Colour bits)
    {
        Paint(x, y, static_cast<Colour>(LcdCanvas.PixelGet(&LcdCanvas, x, y) ^ bits));
    }

    // Redraws the changes, and checks the views are as a whole redraw from the picture makes them.
    static void RefreshAndExpectViewsWhole()
    {
        LcdRefresh();
        RgbPicture client = Host.Client;
        RgbPicture window = Host.LcdWindow;
        DrawScaled(client, 450, 210, 2.0, false);
        DrawScaled(client, 648, 45, 134.0 / 220.0, false);
        DrawScaled(window, 0, 0, 4.0, true);
        EXPECT_TRUE(client.Pixels == Host.Client.Pixels);
        EXPECT_TRUE(window.Pixels == Host.LcdWindow.Pixels);
    }

    // Checks the changes found, then that converting them left the picture as a whole conversion does.
    static void ExpectChangesThenPictureWhole(const DibRect& expected)
    {
        const DibRect actual = LcdToDibChanges();
        EXPECT_EQ(std::tuple(actual.Left, actual.Top, actual.Right, actual.Bottom),
                  std::tuple(expected.Left, expected.Top, expected.Right, expected.Bottom));
        const LcdDib converted = LcdPicture;
        LcdToDib();
        EXPECT_TRUE(converted.Bits == LcdPicture.Bits);
    }
};

}  // namespace

TEST_F(LcdViews, BmpIsOneBitBottomUpWithWhitePadding)
{
    LcdCanvas.Clear(&LcdCanvas);
    Paint(0, 175, COLOUR_BLACK);
    Paint(9, 0, 0x0001);  // not exactly black: white in the file
    LcdCanvas.Rotated = 1;  // never turned in the file
    const std::vector<std::uint8_t> bytes = LcdBmpBytes();
    ASSERT_EQ(bytes.size(), LCD_BMP_SIZE);
    // file size, where the bits start, width, height, bits per pixel, image size, resolution, white
    for (const auto& [at, value] : {std::pair{2, 4990}, {10, 62}, {18, 220}, {22, 176}, {28, 1}, {34, 4928},
                                   {38, 3780}, {58, 0xFFFF}})
        EXPECT_EQ(bytes[at] | (bytes[at + 1] << 8), value) << at;
    EXPECT_EQ(bytes[62], 0x7F);  // the bottom row first: (0, 175) black
    for (std::size_t i = 63; i < bytes.size(); ++i)
        ASSERT_EQ(bytes[i], 0xFF) << i;
}

TEST_F(LcdViews, ChangesAreFoundWhereTheyAreAndRedrawingThemGivesAWholeRedraw)
{
    Rand15Seed(7);
    Scribble(0, 0, 219, 175);
    LcdToDibForget();
    ExpectChangesThenPictureWhole(DIB_WHOLE);  // nothing to compare with: everything is converted
    EXPECT_TRUE(DibRectEmpty(LcdToDibChanges()));
    Flip(30, 40, 1);
    Flip(217, 9, 0x8000);
    ExpectChangesThenPictureWhole({30, 9, 218, 41});
    Flip(5, 6, 1);
    LcdCanvas.Rotated = 1;
    ExpectChangesThenPictureWhole(DIB_WHOLE);  // turning changes every place
    Flip(0, 175, 1);
    ExpectChangesThenPictureWhole({219, 0, 220, 1});  // shown turned
    LcdCanvas.Rotated = 0;
    LcdToDibForget();
    RefreshAndExpectViewsWhole();
    Scribble(100, 50, 140, 110);
    Scribble(0, 0, 0, 0);
    RefreshAndExpectViewsWhole();
    Scribble(219, 175, 219, 175);
    RefreshAndExpectViewsWhole();
    LcdCanvas.Rotated = 1;
    RefreshAndExpectViewsWhole();
    Scribble(3, 160, 40, 175);  // the bottom left, shown at the top right
    RefreshAndExpectViewsWhole();
}

// Each view drawn into a 300 x 250 target, partly outside it, over the picture whose pixel (x, y) is
// x * y in red, x in green and y in blue. From zoom 1 each picture pixel is repeated, with a grey grid
// line closing each one when asked; below zoom 1 each view pixel is the mean of the pixels under it.
TEST_F(LcdViews, EveryZoomShowsThePictureByItsRule)
{
    constexpr std::uint32_t Untouched = 0x123456, Grid = 0x646464;
    for (int y = 0; y < bmpHeight_; ++y)
        for (int x = 0; x < bmpWidth_; ++x) {
            std::uint8_t* bgr = &LcdPicture.Bits[DibOffset(x, y)];
            bgr[0] = static_cast<std::uint8_t>(y);
            bgr[1] = static_cast<std::uint8_t>(x);
            bgr[2] = static_cast<std::uint8_t>(x * y);
        }
    const struct {
        int X, Y;
        double Zoom;
        bool Grid;
        std::vector<std::tuple<int, int, std::uint32_t>> Pixels;
    } views[] = {
        {20, 10, 1.0, false, {{19, 10, Untouched}, {20, 10, 0}, {239, 185, 0xB5DBAF}, {240, 186, Untouched}}},
        {-3, -5, 1.0, true, {{0, 0, Grid}, {216, 170, Grid}, {217, 170, Untouched}}},
        {-7, 3, 2.0, false, {{0, 2, Untouched}, {0, 3, 0x000300}, {1, 4, 0x000400}}},  // cut inside a pixel
        {4, 8, 4.0, true, {{6, 10, 0}, {7, 8, Grid}, {4, 11, Grid}, {8, 12, 0x010101}}},
        {-5, -2, 4.0, true, {{0, 0, 0x000100}, {2, 0, Grid}}},
        {1, 2, 3.0, true, {{3, 2, Grid}, {4, 5, 0x010101}}},
        // the grid's pitch is the whole part of the zoom, and it has one line per picture column and row
        {-2, 7, 1.5, true, {{0, 7, Grid}, {222, 7, 0x009500}, {222, 183, 0x199575}}},
        {5, 5, 134.0 / 220.0, false, {{6, 6, 0x020101}, {138, 111, 0x83DAAE}, {139, 112, Untouched}}},
        {3, 4, 0.3, false, {{3, 4, 0x010101}, {4, 4, 0x040401}, {50, 40, 0x719D79}, {68, 56, Untouched}}},
        {0, 0, 0.2, false, {{0, 0, 0x040202}, {20, 17, 0x816657}, {43, 34, 0x84D9AC}, {44, 0, Untouched}}},
    };
    for (const auto& v : views) {
        RgbPicture target = PlainPicture(300, 250, Untouched);
        DrawScaled(target, v.X, v.Y, v.Zoom, v.Grid);
        for (const auto& [x, y, rgb] : v.Pixels)
            EXPECT_EQ(target.At(x, y), rgb) << "zoom " << v.Zoom << " at " << x << ", " << y;
    }
    AssertCapture capture;
    DrawScaled(Host.Client, 0, 0, 0.0, false);
    EXPECT_EQ(capture.Expressions(), std::vector<std::string>{"zoom"});
}
