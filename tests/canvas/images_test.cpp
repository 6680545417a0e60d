// The generated pictures must suit how the drawing code uses them; their look is left to the goldens.
#include "canvas/images.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "lcd_fixture.h"

namespace {

// A format-2 pixel.
Colour ColourAt(const Image& image, int x, int y)
{
    const std::uint8_t* p = image.Data + 2 * (y * image.Width + x);
    return static_cast<Colour>(p[0] << 8 | p[1]);
}

// Perceived lightness 0..248 of the darkest (or lightest) pixel of a format-2 picture within [x0, x1] x [y0, y1].
int Lightness(const Image& image, int x0, int y0, int x1, int y1, bool lightest)
{
    int result = lightest ? 0 : 255;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const Colour c = ColourAt(image, x, y);
            const int lightness = (2 * ColourRed(c) + 5 * ColourGreen(c) + ColourBlue(c)) / 8;
            result = lightest ? std::max(result, lightness) : std::min(result, lightness);
        }
    }
    return result;
}

}  // namespace

// The charge (green, amber or red over the navy body) grows strictly, so no two pictures are alike. Light
// grey text is drawn over every picture from (7, -1): from row 1 down the body behind it must be dark.
TEST(ImagesTest, BatteryChargeGrowsBehindDarkTextAndBandsAreLightBehindBlackText)
{
    int previous = 0;
    for (int k = 0; k < BATTERY_IMAGE_COUNT; ++k) {
        const Image& battery = BatteryImages[k];
        int charged = 0;
        for (int y = 0; y < battery.Height; ++y) {
            for (int x = 0; x < battery.Width; ++x) {
                const Colour c = ColourAt(battery, x, y);
                charged += std::max(ColourRed(c), ColourGreen(c)) > ColourBlue(c) ? 1 : 0;
            }
        }
        EXPECT_GT(charged, previous) << "picture " << k;
        previous = charged;
        EXPECT_LT(Lightness(battery, 7, 1, 63, 13, true), 128) << "picture " << k;
    }
    EXPECT_GT(Lightness(BackgroundImage, 0, 0, 219, 175, false), 176);
    EXPECT_GT(Lightness(TitleBarImage, 0, 0, 219, 19, false), 176);  // the rule under a band excepted
    EXPECT_GT(Lightness(SlateBandImage, 0, 0, 219, 18, false), 176);
}

class ImagesTileTest : public LcdTest {
protected:
    std::vector<Colour> Region(int width, int height)
    {
        std::vector<Colour> pixels;
        for (int y = 40; y < 40 + height; ++y)
            for (int x = 40; x < 40 + width; ++x)
                pixels.push_back(At(x, y));
        return pixels;
    }
};

// Cells are drawn every width - 1 pixels in reading order, so neighbours drawn later cover the cursor
// cell's last column and row; the cursor must survive them, also among the keyboard's opaque keys.
TEST_F(ImagesTileTest, NeighboursDrawnLaterLeaveTheCursorCellWhole)
{
    const Image* cursors[] = {&MatrixCursorImage, &MatrixSmallCursorImage, &MatrixCursorImage};
    const Image* neighbours[] = {&MatrixCellImage, &MatrixSmallCellImage, &TextKeyImage};
    for (int i = 0; i < 3; ++i) {
        const Image& cursor = *cursors[i];
        const int step = cursor.Width - 1;
        canvas.Clear(&canvas);
        canvas.DrawImage(&canvas, 40, 40, &cursor, 0);
        const std::vector<Colour> alone = Region(cursor.Width, cursor.Height);
        canvas.DrawImage(&canvas, 40 + step, 40, neighbours[i], 0);
        canvas.DrawImage(&canvas, 40, 40 + step, neighbours[i], 0);
        canvas.DrawImage(&canvas, 40 + step, 40 + step, neighbours[i], 0);
        EXPECT_EQ(Region(cursor.Width, cursor.Height), alone) << "cursor " << i;
    }
}
