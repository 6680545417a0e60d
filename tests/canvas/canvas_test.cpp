#include "canvas/canvas.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "canvas/images.h"
#include "lcd_fixture.h"
#include "support/assert_capture.h"

namespace {

constexpr Colour Ink = 0x1234;

using Points = std::set<std::pair<int, int>>;

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

    static Points Rect(int x1, int y1, int x2, int y2)
    {
        Points points;
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                points.insert({x, y});
        return points;
    }
};

TEST_F(CanvasTest, ClearPaintsEveryPixelWhite)
{
    buffer.fill(COLOUR_BLACK);
    canvas.Clear(&canvas);
    EXPECT_EQ(CountPainted(), 0);
}

TEST_F(CanvasTest, FillRectAcceptsCornersInAnyOrder)
{
    canvas.FillRect(&canvas, 12, 9, 10, 7, Ink);
    EXPECT_EQ(Painted(), Rect(10, 7, 12, 9));
    EXPECT_EQ(At(11, 8), Ink);
}

TEST_F(CanvasTest, FillRectClampsToTheCanvas)
{
    canvas.FillRect(&canvas, -5, 170, 3, 400, Ink);
    EXPECT_EQ(Painted(), Rect(0, 170, 3, 175));
}

TEST_F(CanvasTest, FillRectWhollyLeftOfTheCanvasFillsColumnZero)
{
    canvas.FillRect(&canvas, -30, 4, -10, 6, Ink);
    EXPECT_EQ(Painted(), Rect(0, 4, 0, 6));
}

TEST_F(CanvasTest, ShallowLineTruncatesTowardZeroFromEitherEnd)
{
    Points expected;
    for (int x = 0; x <= 10; ++x)
        expected.insert({x, (x * 3) / 10});
    CanvasDrawLine(&canvas, 0, 0, 10, 3, Ink);
    EXPECT_EQ(Painted(), expected);
    canvas.Clear(&canvas);
    CanvasDrawLine(&canvas, 10, 3, 0, 0, Ink);
    EXPECT_EQ(Painted(), expected);
}

TEST_F(CanvasTest, SteepLineStepsAlongY)
{
    Points expected;
    for (int y = 5; y <= 12; ++y)
        expected.insert({((y - 5) * (2 - 6)) / (12 - 5) + 6, y});
    CanvasDrawLine(&canvas, 2, 12, 6, 5, Ink);
    EXPECT_EQ(Painted(), expected);
    EXPECT_TRUE(expected.count({2, 12}) && expected.count({6, 5}));  // both end points drawn
}

TEST_F(CanvasTest, VerticalLineUpwardFillsTheSameColumn)
{
    CanvasDrawLine(&canvas, 7, 20, 7, 10, Ink);
    EXPECT_EQ(Painted(), Rect(7, 10, 7, 20));
}

TEST_F(CanvasTest, HorizontalLineIsClampedButDiagonalIsClipped)
{
    CanvasDrawLine(&canvas, -10, 3, 300, 3, Ink);
    EXPECT_EQ(Painted(), Rect(0, 3, 219, 3));
    canvas.Clear(&canvas);
    CanvasDrawLine(&canvas, -2, -2, 2, 2, Ink);
    EXPECT_EQ(Painted(), (Points{{0, 0}, {1, 1}, {2, 2}}));
}

TEST_F(CanvasTest, RectOutlineLeavesTheInsideAlone)
{
    CanvasDrawRect(&canvas, 4, 4, 8, 7, Ink);
    Points expected = Rect(4, 4, 8, 7);
    for (const auto& inner : Rect(5, 5, 7, 6))
        expected.erase(inner);
    EXPECT_EQ(Painted(), expected);
}

TEST_F(CanvasTest, BitmapOfOddWidthReadsWholeBytesPerRow)
{
    // 13 x 2: the second byte of each row contributes only its top 5 bits; the low 3 are padding.
    const std::uint8_t bitmap[] = {13, 2, 0x80, 0x0F, 0x01, 0xF8};
    canvas.DrawBitmap(&canvas, 100, 50, bitmap, Ink);
    EXPECT_EQ(Painted(), (Points{{100, 50}, {112, 50}, {107, 51}, {108, 51}, {109, 51}, {110, 51}, {111, 51},
                                 {112, 51}}));
}

TEST_F(CanvasTest, BitmapZeroBitsAreTransparentAndEdgesClip)
{
    canvas.FillRect(&canvas, 0, 0, 3, 0, COLOUR_BLACK);
    const std::uint8_t bitmap[] = {4, 1, 0xA0};
    canvas.DrawBitmap(&canvas, 0, 0, bitmap, Ink);
    EXPECT_EQ(At(0, 0), Ink);
    EXPECT_EQ(At(1, 0), COLOUR_BLACK);
    EXPECT_EQ(At(2, 0), Ink);
    canvas.DrawBitmap(&canvas, 218, 175, bitmap, Ink);
    EXPECT_EQ(At(218, 175), Ink);
}

TEST_F(CanvasTest, AlignedBitmapAnchors)
{
    const std::uint8_t dot[] = {5, 3, 0x80, 0x00, 0x00};  // only the top-left pixel is set
    CanvasDrawAlignedBitmap(&canvas, 50, 50, dot, Ink, ALIGN_TOP_LEFT);
    CanvasDrawAlignedBitmap(&canvas, 80, 80, dot, Ink, ALIGN_CENTRE);
    CanvasDrawAlignedBitmap(&canvas, 120, 120, dot, Ink, ALIGN_BOTTOM_RIGHT);
    EXPECT_EQ(Painted(), (Points{{50, 50}, {78, 79}, {115, 117}}));
}

TEST_F(CanvasTest, AlignedBitmapWithoutBitmapIsReported)
{
    AssertCapture capture;
    CanvasDrawAlignedBitmap(&canvas, 0, 0, nullptr, Ink, ALIGN_TOP_LEFT);
    EXPECT_EQ(capture.Expressions(), std::vector<std::string>{"img"});
    EXPECT_EQ(CountPainted(), 0);
}

TEST_F(CanvasTest, CoverageImageBlendsTheColourArgument)
{
    const std::uint8_t coverage[] = {0, 255, 128};
    const Image image{.Width = 3, .Height = 1, .Format = IMAGE_COVERAGE, .Data = coverage};
    canvas.DrawImage(&canvas, 10, 10, &image, COLOUR_BLACK);
    EXPECT_EQ(At(10, 10), COLOUR_BLACK);
    EXPECT_EQ(At(11, 10), COLOUR_WHITE);
    EXPECT_EQ(At(12, 10), ColourFromComponents(0x78, 0x78, 0x78));
}

TEST_F(CanvasTest, CoverageImageStoresTheColourArgumentExactly)
{
    const std::uint8_t coverage[] = {0};
    const Image image{.Width = 1, .Height = 1, .Format = IMAGE_COVERAGE, .Data = coverage};
    canvas.DrawImage(&canvas, 0, 0, &image, 0xDB86);
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
    const Image triple{.Width = 1, .Height = 1, .Format = IMAGE_BGR, .Data = bgr};
    canvas.DrawImage(&canvas, 5, 5, &triple, Ink);
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
    const Image image{.Width = 4, .Height = 1, .Format = IMAGE_BGRA, .Data = pixels};
    canvas.DrawImage(&canvas, 0, 0, &image, Ink);
    EXPECT_EQ(At(0, 0), COLOUR_WHITE);
    EXPECT_EQ(At(1, 0), COLOUR_BLACK);
    EXPECT_EQ(At(2, 0), 0x7BCF);
    EXPECT_EQ(ColourBlue(At(3, 0)), 0xF8);
    EXPECT_EQ(ColourGreen(At(3, 0)), (0xF8 + ((7 - 0xF8) * 127) / 255) & 0xF8);
    EXPECT_EQ(ColourRed(At(3, 0)), (0xF8 + ((0x40 - 0xF8) * 127) / 255) & 0xF8);
}

TEST_F(CanvasTest, BlendOverColouredPixelUsesItsComponents)
{
    canvas.PixelSet(&canvas, 0, 0, ColourFromComponents(0x10, 0x80, 0xF8));
    const std::uint8_t pixel[] = {0xF8, 0x00, 0x00, 51};  // weight 204
    const Image image{.Width = 1, .Height = 1, .Format = IMAGE_BGRA, .Data = pixel};
    canvas.DrawImage(&canvas, 0, 0, &image, Ink);
    EXPECT_EQ(At(0, 0), ColourFromComponents(0x10 + ((0xF8 - 0x10) * 204) / 255, 0x80 + ((0 - 0x80) * 204) / 255,
                                             0xF8 + ((0 - 0xF8) * 204) / 255));
}

TEST_F(CanvasTest, ImagePartlyOffTheCanvasDrawsItsInsidePart)
{
    const std::uint8_t pixels[] = {0, 0, 0, 0, 0, 0, 0, 0};
    const Image image{.Width = 2, .Height = 1, .Format = IMAGE_BGRA, .Data = pixels};
    canvas.DrawImage(&canvas, 219, 175, &image, Ink);
    EXPECT_EQ(Painted(), (Points{{219, 175}}));
}

TEST_F(CanvasTest, UnknownFormatOrEmptyImageIsReportedAndDrawsNothing)
{
    AssertCapture capture;
    const std::uint8_t pixels[] = {0, 0, 0, 0};
    const Image unknown{.Width = 1, .Height = 1, .Format = 5, .Data = pixels};
    canvas.DrawImage(&canvas, 0, 0, &unknown, Ink);
    const Image empty{.Width = 0, .Height = 1, .Format = IMAGE_RGB565, .Data = pixels};
    canvas.DrawImage(&canvas, 0, 0, &empty, Ink);
    EXPECT_EQ(capture.Expressions(), (std::vector<std::string>{"0", "width"}));
    EXPECT_EQ(CountPainted(), 0);
}

TEST_F(CanvasTest, EditBarFramesTheValueWithCapsAndSlices)
{
    CanvasDrawEditBar(&canvas, 50, 40, 10);
    const Points painted = Painted();
    // left cap from x - 7, 16 middle slices, right cap of 8: columns 43 to 73, rows 37 to 58
    for (const auto& [x, y] : painted) {
        EXPECT_GE(x, 43);
        EXPECT_LE(x, 73);
        EXPECT_GE(y, 37);
        EXPECT_LE(y, 58);
    }
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
    EXPECT_EQ(store[0], COLOUR_WHITE);
    EXPECT_EQ(store[4], COLOUR_WHITE);
    EXPECT_EQ(store[5], COLOUR_WHITE);
    EXPECT_EQ(store[6], Ink);
    EXPECT_EQ(store[14], Ink);
}
