#include "canvas/canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <utility>
#include <vector>

#include "canvas/images.h"
#include "lcd_fixture.h"
#include "support/assert_capture.h"

namespace {

constexpr Colour Ink = 0x1234;

using Points = std::set<std::pair<int, int>>;

// Two corners or end points, and the pixels that drawing between them paints.
struct Span {
    int X1, Y1, X2, Y2;
    Points Expected;
};

Points Rect(int x1, int y1, int x2, int y2)
{
    Points points;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            points.insert({x, y});
    return points;
}

}  // namespace

class CanvasTest : public LcdTest {
protected:
    Points Painted()
    {
        Points points;
        for (int y = 0; y < LCD_HEIGHT; ++y)
            for (int x = 0; x < LCD_WIDTH; ++x)
                if (At(x, y) != COLOUR_WHITE)
                    points.insert({x, y});
        return points;
    }

    // Draws a one-row image of the given pixels.
    void DrawPixels(int x, int y, std::uint8_t width, std::uint32_t format, const std::uint8_t* data,
                    Colour colour = Ink)
    {
        const Image image{.Width = width, .Height = 1, .Format = format, .Data = data};
        canvas.DrawImage(&canvas, x, y, &image, colour);
    }
};

TEST_F(CanvasTest, FillRectTakesCornersInAnyOrderAndClampsToTheCanvas)
{
    const Span cases[] = {
        {12, 9, 10, 7, Rect(10, 7, 12, 9)},
        {-5, 170, 3, 400, Rect(0, 170, 3, 175)},
        {-30, 4, -10, 6, Rect(0, 4, 0, 6)},  // wholly left of the canvas: column zero
    };
    for (const Span& c : cases) {
        SCOPED_TRACE(testing::Message() << c.X1 << "," << c.Y1 << " " << c.X2 << "," << c.Y2);
        canvas.Clear(&canvas);
        canvas.FillRect(&canvas, c.X1, c.Y1, c.X2, c.Y2, Ink);
        EXPECT_EQ(Painted(), c.Expected);
        EXPECT_EQ(At(c.Expected.begin()->first, c.Expected.begin()->second), Ink);
    }
}

TEST_F(CanvasTest, LinesTruncateTowardZeroAndClampOrClipAtTheEdges)
{
    const Points shallow = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 1}, {5, 1}, {6, 1}, {7, 2}, {8, 2}, {9, 2}, {10, 3}};
    const Span cases[] = {
        {0, 0, 10, 3, shallow},
        {10, 3, 0, 0, shallow},
        {2, 12, 6, 5, {{6, 5}, {6, 6}, {5, 7}, {5, 8}, {4, 9}, {4, 10}, {3, 11}, {2, 12}}},
        {7, 20, 7, 10, Rect(7, 10, 7, 20)},
        {-10, 3, 300, 3, Rect(0, 3, 219, 3)},  // horizontal: clamped
        {-2, -2, 2, 2, {{0, 0}, {1, 1}, {2, 2}}},  // diagonal: clipped
    };
    for (const Span& c : cases) {
        SCOPED_TRACE(testing::Message() << c.X1 << "," << c.Y1 << " " << c.X2 << "," << c.Y2);
        canvas.Clear(&canvas);
        CanvasDrawLine(&canvas, c.X1, c.Y1, c.X2, c.Y2, Ink);
        EXPECT_EQ(Painted(), c.Expected);
    }
}

TEST_F(CanvasTest, RectOutlineLeavesTheInsideAlone)
{
    CanvasDrawRect(&canvas, 4, 4, 8, 7, Ink);
    Points expected = Rect(4, 4, 8, 7);
    for (const auto& inner : Rect(5, 5, 7, 6))
        expected.erase(inner);
    EXPECT_EQ(Painted(), expected);
}

TEST_F(CanvasTest, BitmapsReadWholeBytesPerRowInkOnlyTheirOneBitsAndClip)
{
    // 13 x 2: the second byte of each row contributes only its top 5 bits; the low 3 are padding.
    const std::uint8_t wide[] = {13, 2, 0x80, 0x0F, 0x01, 0xF8};
    canvas.DrawBitmap(&canvas, 100, 50, wide, Ink);
    Points expected = Rect(107, 51, 112, 51);
    expected.insert({{100, 50}, {112, 50}});
    EXPECT_EQ(Painted(), expected);

    canvas.FillRect(&canvas, 0, 0, 3, 0, COLOUR_BLACK);
    const std::uint8_t narrow[] = {4, 1, 0xA0};
    canvas.DrawBitmap(&canvas, 0, 0, narrow, Ink);
    EXPECT_EQ(At(0, 0), Ink);
    EXPECT_EQ(At(1, 0), COLOUR_BLACK);
    EXPECT_EQ(At(2, 0), Ink);
    canvas.DrawBitmap(&canvas, 218, 175, narrow, Ink);
    EXPECT_EQ(At(218, 175), Ink);
}

TEST_F(CanvasTest, AlignedBitmapAnchorsAndAMissingOneIsReported)
{
    const std::uint8_t dot[] = {5, 3, 0x80, 0x00, 0x00};  // only the top-left pixel is set
    CanvasDrawAlignedBitmap(&canvas, 50, 50, dot, Ink, ALIGN_TOP_LEFT);
    CanvasDrawAlignedBitmap(&canvas, 80, 80, dot, Ink, ALIGN_CENTRE);
    CanvasDrawAlignedBitmap(&canvas, 120, 120, dot, Ink, ALIGN_BOTTOM_RIGHT);
    AssertCapture capture;
    CanvasDrawAlignedBitmap(&canvas, 0, 0, nullptr, Ink, ALIGN_TOP_LEFT);
    EXPECT_EQ(capture.Expressions(), std::vector<std::string>{"img"});
    EXPECT_EQ(Painted(), (Points{{50, 50}, {78, 79}, {115, 117}}));
}

TEST_F(CanvasTest, CoverageImageBlendsAndStoresTheColourArgumentExactly)
{
    const std::uint8_t coverage[] = {0, 255, 128};
    DrawPixels(10, 10, 3, IMAGE_COVERAGE, coverage, COLOUR_BLACK);
    EXPECT_EQ(At(10, 10), COLOUR_BLACK);
    EXPECT_EQ(At(11, 10), COLOUR_WHITE);
    EXPECT_EQ(At(12, 10), ColourFromComponents(0x78, 0x78, 0x78));
    DrawPixels(0, 0, 1, IMAGE_COVERAGE, coverage, 0xDB86);
    EXPECT_EQ(At(0, 0), 0xDB86);
}

TEST_F(CanvasTest, ColourImagesAreStoredRowByRow)
{
    const std::uint8_t rgb565[] = {0x12, 0x34, 0xAB, 0xCD, 0x00, 0x01, 0xFF, 0xFF};
    const Image words{.Width = 2, .Height = 2, .Format = IMAGE_RGB565, .Data = rgb565};
    canvas.DrawImage(&canvas, 0, 0, &words, Ink);
    EXPECT_EQ(At(0, 0), 0x1234);
    EXPECT_EQ(At(1, 0), 0xABCD);
    EXPECT_EQ(At(0, 1), 0x0001);
    EXPECT_EQ(At(1, 1), 0xFFFF);
    const std::uint8_t bgr[] = {0xFF, 0x80, 0x17};
    DrawPixels(5, 5, 1, IMAGE_BGR, bgr);
    EXPECT_EQ(At(5, 5), (0xF8 << 8) | (0x80 << 3) | (0x17 >> 3));
}

TEST_F(CanvasTest, TransparentImageBlendsWithTruncationTowardZero)
{
    const std::uint8_t pixels[] = {
        0x00, 0x00, 0x00, 255,  // left alone
        0x00, 0x00, 0x00, 0,    // stored
        0x00, 0x00, 0x00, 128,  // 0xF8 + ((0 - 0xF8) * 127) / 255 = 125 per component
        0xFF, 0x07, 0x40, 128,  // raw components take part: blue 0xF8 + (7 * 127) / 255 = 251
    };
    DrawPixels(0, 0, 4, IMAGE_BGRA, pixels);
    EXPECT_EQ(At(0, 0), COLOUR_WHITE);
    EXPECT_EQ(At(1, 0), COLOUR_BLACK);
    EXPECT_EQ(At(2, 0), 0x7BCF);
    EXPECT_EQ(At(3, 0), ColourFromComponents(0xF8, 0x80, 0x98));

    // Over a coloured pixel its own components are the starting point.
    canvas.PixelSet(&canvas, 0, 1, ColourFromComponents(0x10, 0x80, 0xF8));
    const std::uint8_t pixel[] = {0xF8, 0x00, 0x00, 51};  // weight 204
    DrawPixels(0, 1, 1, IMAGE_BGRA, pixel);
    EXPECT_EQ(At(0, 1), ColourFromComponents(0xC8, 0x18, 0x30));
}

TEST_F(CanvasTest, ImagePartlyOffTheCanvasDrawsItsInsidePart)
{
    const std::uint8_t pixels[] = {0, 0, 0, 0, 0, 0, 0, 0};
    DrawPixels(219, 175, 2, IMAGE_BGRA, pixels);
    EXPECT_EQ(Painted(), (Points{{219, 175}}));
}

TEST_F(CanvasTest, UnknownFormatOrEmptyImageIsReportedAndDrawsNothing)
{
    AssertCapture capture;
    const std::uint8_t pixels[] = {0, 0, 0, 0};
    DrawPixels(0, 0, 1, 5, pixels);
    DrawPixels(0, 0, 0, IMAGE_RGB565, pixels);
    EXPECT_EQ(capture.Expressions(), (std::vector<std::string>{"0", "width"}));
    EXPECT_EQ(CountPainted(), 0);
}

TEST_F(CanvasTest, EditBarFramesTheValueWithCapsAndSlices)
{
    CanvasDrawEditBar(&canvas, 50, 40, 10);
    // left cap from x - 7, 16 middle slices, right cap of 8: columns 43 to 73, rows 37 to 58
    const Points painted = Painted();
    const Points box = Rect(43, 37, 73, 58);
    EXPECT_TRUE(std::includes(box.begin(), box.end(), painted.begin(), painted.end()));
    const auto pixelOf = [](const Image& image, int x, int y) {
        const std::uint8_t* p = image.Data + 2 * (y * image.Width + x);
        return static_cast<Colour>((p[0] << 8) | p[1]);
    };
    for (int y = 0; y < 22; ++y) {
        EXPECT_EQ(At(43, 37 + y), pixelOf(EditBarLeftImage, 0, y));
        EXPECT_EQ(At(50, 37 + y), pixelOf(EditBarMiddleImage, 0, y));
        EXPECT_EQ(At(65, 37 + y), pixelOf(EditBarMiddleImage, 0, y));
        EXPECT_EQ(At(66, 37 + y), pixelOf(EditBarRightImage, 0, y));
        EXPECT_EQ(At(73, 37 + y), pixelOf(EditBarRightImage, 7, y));
    }
}

TEST_F(CanvasTest, TurnedReadingFollowsRotation)
{
    canvas.PixelSet(&canvas, 0, 0, Ink);
    EXPECT_EQ(CanvasGetPixelTurned(&canvas, 0, 0), Ink);
    EXPECT_EQ(CanvasGetPixelTurned(&canvas, 219, 175), COLOUR_WHITE);
    canvas.Rotated = 1;
    EXPECT_EQ(CanvasGetPixelTurned(&canvas, 219, 175), Ink);
    EXPECT_EQ(CanvasGetPixelTurned(&canvas, 0, 0), COLOUR_WHITE);
}

TEST(CanvasInitTest, MissingPartsAreReportedAndGenericOperationsStillInstalled)
{
    AssertCapture capture;
    Canvas bare{};
    CanvasInit(&bare);
    EXPECT_EQ(capture.Expressions(),
              (std::vector<std::string>{"c->Width", "c->Height", "c->Buffer", "c->PixelSet", "c->PixelGet"}));
    EXPECT_EQ(capture.Reports()[0].Module, "canvas/canvas");
    EXPECT_NE(bare.FillRect, nullptr);
}

TEST(CanvasInitTest, GenericOperationsWorkOnAnyConcreteCanvas)
{
    // A 5 x 3 canvas stored top row first, to show nothing assumes the LCD's layout.
    static Colour store[15];
    Canvas small{.Width = 5, .Height = 3, .Rotated = 0, .Buffer = store, .Update = nullptr,
                 .PixelSet = [](Canvas* c, std::int32_t x, std::int32_t y, Colour colour) {
                     if (x >= 0 && x < c->Width && y >= 0 && y < c->Height)
                         c->Buffer[y * c->Width + x] = colour;
                 },
                 .PixelGet = [](Canvas* c, std::int32_t x, std::int32_t y) { return c->Buffer[y * c->Width + x]; },
                 .Clear = nullptr, .FillRect = nullptr, .DrawBitmap = nullptr, .DrawImage = nullptr};
    CanvasInit(&small);
    small.Clear(&small);
    small.FillRect(&small, 1, 1, 9, 9, Ink);
    const Colour W = COLOUR_WHITE;
    EXPECT_EQ(std::vector<Colour>(std::begin(store), std::end(store)),
              (std::vector<Colour>{W, W, W, W, W, W, Ink, Ink, Ink, Ink, W, Ink, Ink, Ink, Ink}));
}
