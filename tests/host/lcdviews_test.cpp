// The views are redrawn only where the LCD changed, with fast paths for the host's zooms: every one of
// them must give the picture the plain rule gives.
#include <gtest/gtest.h>

#include "common/rand.h"
#include "host/lcddib.h"
#include "host_fixture.h"

namespace {

constexpr std::uint32_t Grey = 0x646464;
constexpr std::uint32_t Untouched = 0x123456;

class LcdPartViews : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        Rand15Seed(7);
    }
    void TearDown() override
    {
        LcdCanvas.Rotated = 0;
        HostTest::TearDown();
    }

    static Colour RandomColour() { return static_cast<Colour>(Rand15() * 2 + (Rand15() & 1)); }

    static void Scribble(int x1, int y1, int x2, int y2)
    {
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                LcdCanvas.PixelSet(&LcdCanvas, x, y, RandomColour());
    }

    static void RandomPicture()
    {
        for (int y = 0; y < bmpHeight_; ++y)
            for (int x = 0; x < bmpWidth_; ++x)
                DibSetPixel(x, y, static_cast<std::uint32_t>(Rand15()) << 9 ^ static_cast<std::uint32_t>(Rand15()));
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
        EXPECT_EQ(actual.Left, expected.Left);
        EXPECT_EQ(actual.Top, expected.Top);
        EXPECT_EQ(actual.Right, expected.Right);
        EXPECT_EQ(actual.Bottom, expected.Bottom);
        const LcdDib converted = LcdPicture;
        LcdToDib();
        EXPECT_TRUE(converted.Bits == LcdPicture.Bits);
    }
};

void Flip(int x, int y, Colour bits)
{
    LcdCanvas.PixelSet(&LcdCanvas, x, y, static_cast<Colour>(LcdCanvas.PixelGet(&LcdCanvas, x, y) ^ bits));
}

// What a view pixel at (vx, vy) from the view's origin shows at a zoom of 1 or more. The grid has the
// whole part of the zoom as its pitch and one line for each picture column and row.
std::uint32_t Replicated(int vx, int vy, double zoom, bool grid)
{
    const int z = static_cast<int>(zoom);
    const bool inGrid = vx < bmpWidth_ * z && vy < bmpHeight_ * z;
    if (grid && inGrid && (vx % z == z - 1 || vy % z == z - 1))
        return Grey;
    return DibPixel(static_cast<int>(vx / zoom), static_cast<int>(vy / zoom));
}

// The mean of the picture pixels under a view pixel below zoom 1, channel by channel, rounded down.
std::uint32_t Averaged(int vx, int vy, double zoom)
{
    const int x0 = static_cast<int>(vx / zoom);
    const int y0 = static_cast<int>(vy / zoom);
    const int x1 = std::min(bmpWidth_, std::max(x0 + 1, static_cast<int>((vx + 1) / zoom)));
    const int y1 = std::min(bmpHeight_, std::max(y0 + 1, static_cast<int>((vy + 1) / zoom)));
    std::uint32_t mean = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        std::uint32_t sum = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                sum += (DibPixel(x, y) >> shift) & 0xFF;
        mean |= sum / static_cast<std::uint32_t>((x1 - x0) * (y1 - y0)) << shift;
    }
    return mean;
}

// Draws the view at (x, y) into a 300 x 250 target, partly outside it, and checks every target pixel.
void ExpectScaledView(int x, int y, double zoom, bool grid)
{
    RgbPicture target = PlainPicture(300, 250, Untouched);
    DrawScaled(target, x, y, zoom, grid);
    const int width = static_cast<int>(bmpWidth_ * zoom);
    const int height = static_cast<int>(bmpHeight_ * zoom);
    for (int ty = 0; ty < target.Height; ++ty) {
        for (int tx = 0; tx < target.Width; ++tx) {
            const int vx = tx - x;
            const int vy = ty - y;
            std::uint32_t expected = Untouched;
            if (vx >= 0 && vy >= 0 && vx < width && vy < height)
                expected = zoom < 1.0 ? Averaged(vx, vy, zoom) : Replicated(vx, vy, zoom, grid);
            ASSERT_EQ(target.At(tx, ty), expected) << "zoom " << zoom << " at " << tx << ", " << ty;
        }
    }
}

}  // namespace

TEST_F(LcdPartViews, ChangesAreFoundWhereTheyAreAndNowhereElse)
{
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
    LcdToDibForget();
    ExpectChangesThenPictureWhole(DIB_WHOLE);
}

TEST_F(LcdPartViews, RedrawingOnlyTheChangesLeavesTheViewsAsAWholeRedraw)
{
    Scribble(0, 0, 219, 175);
    RefreshAndExpectViewsWhole();
    Scribble(100, 50, 140, 110);
    RefreshAndExpectViewsWhole();
    Scribble(0, 0, 0, 0);
    Scribble(219, 175, 219, 175);
    RefreshAndExpectViewsWhole();
    LcdCanvas.Rotated = 1;
    RefreshAndExpectViewsWhole();
    Scribble(3, 160, 40, 175);  // the bottom left, shown at the top right
    RefreshAndExpectViewsWhole();
}

TEST_F(LcdPartViews, EveryZoomShowsThePictureByItsRule)
{
    RandomPicture();
    ExpectScaledView(20, 10, 1.0, false);
    ExpectScaledView(-3, -5, 1.0, true);
    ExpectScaledView(10, 6, 2.0, false);
    ExpectScaledView(-7, 3, 2.0, false);  // cut inside a picture pixel
    ExpectScaledView(4, 8, 4.0, true);
    ExpectScaledView(-5, -2, 4.0, true);
    ExpectScaledView(1, 2, 3.0, true);
    ExpectScaledView(-2, 7, 1.5, true);
    ExpectScaledView(5, 5, 134.0 / 220.0, false);
    ExpectScaledView(3, 4, 0.3, false);  // up to 16 picture pixels under a view pixel
    ExpectScaledView(0, 0, 0.2, false);  // 25 and more
}
