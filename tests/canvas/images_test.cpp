#include "canvas/images.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "lcd_fixture.h"

namespace {

struct Expected {
    const char* Name;
    const Image* Picture;
    int Width;
    int Height;
    std::uint32_t Format;
};

// The drawing code positions by these sizes, and composites by these formats.
const Expected Catalogue[] = {
    {"BackgroundImage", &BackgroundImage, 220, 176, IMAGE_RGB565},
    {"TitleBarImage", &TitleBarImage, 220, 21, IMAGE_RGB565},
    {"EditBarLeftImage", &EditBarLeftImage, 7, 22, IMAGE_RGB565},
    {"EditBarMiddleImage", &EditBarMiddleImage, 1, 22, IMAGE_RGB565},
    {"EditBarRightImage", &EditBarRightImage, 8, 22, IMAGE_RGB565},
    {"SlateBandImage", &SlateBandImage, 220, 20, IMAGE_RGB565},
    {"ListMarkerImage", &ListMarkerImage, 13, 11, IMAGE_RGB565},
    {"MatrixCellImage", &MatrixCellImage, 24, 24, IMAGE_BGRA},
    {"MatrixCursorImage", &MatrixCursorImage, 24, 24, IMAGE_BGRA},
    {"MatrixSmallCellImage", &MatrixSmallCellImage, 22, 22, IMAGE_BGRA},
    {"MatrixSmallCursorImage", &MatrixSmallCursorImage, 22, 22, IMAGE_BGRA},
    {"TextKeyImage", &TextKeyImage, 24, 24, IMAGE_RGB565},
    {"MeterChannelIcon", &MeterChannelIcon, 9, 9, IMAGE_BGRA},
    {"MeterIsoIcon", &MeterIsoIcon, 9, 9, IMAGE_BGRA},
    {"MeterAutoMixIcon", &MeterAutoMixIcon, 9, 9, IMAGE_BGRA},
    {"MeterKnobSelectedImage", &MeterKnobSelectedImage, 9, 9, IMAGE_BGRA},
    {"MeterKnobImage", &MeterKnobImage, 9, 9, IMAGE_BGRA},
    {"MeterKnobVirtualImage", &MeterKnobVirtualImage, 18, 11, IMAGE_BGRA},
    {"MeterKnobWideSelectedImage", &MeterKnobWideSelectedImage, 21, 14, IMAGE_BGRA},
    {"MeterKnobThirdImage", &MeterKnobThirdImage, 21, 13, IMAGE_BGRA},
    {"StatusMarkImage", &StatusMarkImage, 9, 9, IMAGE_BGRA},
};

const Image* const Cells[] = {&MatrixCellImage, &MatrixCursorImage, &MatrixSmallCellImage, &MatrixSmallCursorImage};

int BytesPerPixel(const Image& image)
{
    return image.Format == IMAGE_BGRA ? 4 : 2;
}

std::size_t DataSize(const Image& image)
{
    return static_cast<std::size_t>(image.Width * image.Height * BytesPerPixel(image));
}

bool SameData(const Image& a, const Image& b)
{
    return a.Format == b.Format && DataSize(a) == DataSize(b) && std::memcmp(a.Data, b.Data, DataSize(a)) == 0;
}

const std::uint8_t* PixelAt(const Image& image, int x, int y)
{
    return image.Data + static_cast<std::ptrdiff_t>((y * image.Width + x) * BytesPerPixel(image));
}

// A format-2 pixel.
Colour ColourAt(const Image& image, int x, int y)
{
    const std::uint8_t* p = PixelAt(image, x, y);
    return static_cast<Colour>(p[0] << 8 | p[1]);
}

// The transparency of a format-4 pixel: 0 opaque, 255 clear.
int TransparencyAt(const Image& image, int x, int y)
{
    return PixelAt(image, x, y)[3];
}

// Perceived lightness 0..248, weighted like the eye: green counts most, blue least.
int Lightness(Colour colour)
{
    return (2 * ColourRed(colour) + 5 * ColourGreen(colour) + ColourBlue(colour)) / 8;
}

// The darkest and the lightest pixel of a format-2 picture within [x0, x1] x [y0, y1].
std::pair<int, int> LightnessRange(const Image& image, int x0, int y0, int x1, int y1)
{
    std::pair<int, int> range = {255, 0};
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const int lightness = Lightness(ColourAt(image, x, y));
            range = {std::min(range.first, lightness), std::max(range.second, lightness)};
        }
    }
    return range;
}

// The battery body is navy (blue the strongest component); the charge is green, amber or red.
int ChargedPixels(const Image& battery)
{
    int charged = 0;
    for (int y = 0; y < battery.Height; ++y) {
        for (int x = 0; x < battery.Width; ++x) {
            const Colour c = ColourAt(battery, x, y);
            charged += std::max(ColourRed(c), ColourGreen(c)) > ColourBlue(c) ? 1 : 0;
        }
    }
    return charged;
}

}  // namespace

TEST(ImagesTest, EveryImageHasItsSizeAndFormat)
{
    for (const Expected& e : Catalogue) {
        SCOPED_TRACE(e.Name);
        EXPECT_EQ(e.Picture->Width, e.Width);
        EXPECT_EQ(e.Picture->Height, e.Height);
        EXPECT_EQ(e.Picture->Format, e.Format);
        EXPECT_NE(e.Picture->Data, nullptr);
    }
}

// The charge grows strictly, so no two of the pictures are alike. Light grey text (about 200, 200, 200)
// is drawn over every picture from (7, -1); the glyphs' first row lies below the line's top, so from
// row 1 down the body behind them must be dark at every level.
TEST(ImagesTest, TwentyOneBatteryPicturesOfOneSizeWithGrowingChargeBehindDarkText)
{
    ASSERT_EQ(BATTERY_IMAGE_COUNT, 21);
    int previous = 0;
    for (int k = 0; k < BATTERY_IMAGE_COUNT; ++k) {
        SCOPED_TRACE(testing::Message() << "picture " << k);
        const Image& battery = BatteryImages[k];
        EXPECT_EQ(battery.Width, 83);
        EXPECT_EQ(battery.Height, 21);
        EXPECT_EQ(battery.Format, IMAGE_RGB565);
        ASSERT_NE(battery.Data, nullptr);
        const int charged = ChargedPixels(battery);
        EXPECT_GT(charged, previous);
        previous = charged;
        EXPECT_LT(LightnessRange(battery, 7, 1, 63, 13).second, 128);
    }
}

// Black text is drawn over the background and over both bands (the rule under a band excepted).
TEST(ImagesTest, BandsAndBackgroundAreLightBehindBlackText)
{
    EXPECT_GT(LightnessRange(BackgroundImage, 0, 0, 219, 175).first, 176);
    EXPECT_GT(LightnessRange(TitleBarImage, 0, 0, 219, 19).first, 176);
    EXPECT_GT(LightnessRange(SlateBandImage, 0, 0, 219, 18).first, 176);
}

TEST(ImagesTest, MatrixCellVariantsDiffer)
{
    for (const Image* a : Cells)
        for (const Image* b : Cells)
            EXPECT_TRUE(a == b || !SameData(*a, *b));
}

// Drawn on the page's white, a square margin would show on the list marker and the text key, so their
// corners are white. Icons, knobs, marks and cells sit on any background: clear corners, something to
// show at the centre.
TEST(ImagesTest, CornersBlendIntoWhatThePictureIsDrawnOn)
{
    const auto corners = [](const Image& image) {
        const int right = image.Width - 1;
        const int bottom = image.Height - 1;
        return std::vector<std::pair<int, int>>{{0, 0}, {right, 0}, {0, bottom}, {right, bottom}};
    };
    for (const Image* image : {&ListMarkerImage, &TextKeyImage})
        for (auto [x, y] : corners(*image))
            EXPECT_EQ(ColourAt(*image, x, y), COLOUR_WHITE) << x << "," << y;
    for (const Expected& e : Catalogue) {
        if (e.Format != IMAGE_BGRA)
            continue;
        SCOPED_TRACE(e.Name);
        for (auto [x, y] : corners(*e.Picture))
            EXPECT_EQ(TransparencyAt(*e.Picture, x, y), 255) << x << "," << y;
        EXPECT_LT(TransparencyAt(*e.Picture, e.Picture->Width / 2, e.Picture->Height / 2), 200);
    }
}

class ImagesTileTest : public LcdTest {
protected:
    std::vector<Colour> Region(int x0, int y0, int width, int height)
    {
        std::vector<Colour> pixels;
        for (int y = y0; y < y0 + height; ++y)
            for (int x = x0; x < x0 + width; ++x)
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
        const std::vector<Colour> alone = Region(40, 40, cursor.Width, cursor.Height);
        canvas.DrawImage(&canvas, 40 + step, 40, neighbours[i], 0);
        canvas.DrawImage(&canvas, 40, 40 + step, neighbours[i], 0);
        canvas.DrawImage(&canvas, 40 + step, 40 + step, neighbours[i], 0);
        EXPECT_EQ(Region(40, 40, cursor.Width, cursor.Height), alone) << "cursor " << i;
    }
}
