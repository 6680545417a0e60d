#include "canvas/canvas.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

#include "canvas/images.h"
#include "lcd_fixture.h"
#include "support/assert_capture.h"
#include "support/golden.h"

namespace {

constexpr Colour Ink = 0x1234;

// 13 x 2: the second byte of each row contributes only its top 5 bits; the low 3 are padding.
constexpr std::uint8_t Wide[] = {13, 2, 0x80, 0x0F, 0x01, 0xF8};
constexpr std::uint8_t Narrow[] = {4, 1, 0xA0};
constexpr std::uint8_t Dot[] = {5, 3, 0x80, 0x00, 0x00};  // only the top-left pixel is set
constexpr std::uint8_t InkPair[] = {0x12, 0x34, 0x12, 0x34};
constexpr Image InkImage{.Width = 2, .Height = 1, .Format = IMAGE_RGB565, .Data = InkPair};

// One pixel of an image drawn over a pixel of the given colour with the given colour argument.
struct PixelCase {
    std::uint32_t Format;
    std::array<std::uint8_t, 4> Bytes;
    Colour Under, Argument, Expected;
};

constexpr Colour W = COLOUR_WHITE;
const PixelCase Pixels[] = {
    {IMAGE_COVERAGE, {0}, W, COLOUR_BLACK, COLOUR_BLACK},
    {IMAGE_COVERAGE, {255}, W, COLOUR_BLACK, W},
    {IMAGE_COVERAGE, {128}, W, COLOUR_BLACK, ColourFromComponents(0x78, 0x78, 0x78)},
    {IMAGE_COVERAGE, {0}, W, 0xDB86, 0xDB86},  // the colour argument exactly, bit 5 included
    {IMAGE_RGB565, {0xAB, 0xCD}, W, Ink, 0xABCD},
    {IMAGE_BGR, {0xFF, 0x80, 0x17}, W, Ink, (0xF8 << 8) | (0x80 << 3) | (0x17 >> 3)},
    {IMAGE_BGRA, {0, 0, 0, 255}, Ink, Ink, Ink},
    {IMAGE_BGRA, {0, 0, 0, 0}, W, Ink, COLOUR_BLACK},
    // 0xF8 + ((0 - 0xF8) * 127) / 255 = 125 per component: truncated toward zero
    {IMAGE_BGRA, {0, 0, 0, 128}, W, Ink, 0x7BCF},
    // raw components take part: blue 0xF8 + (7 * 127) / 255 = 251
    {IMAGE_BGRA, {0xFF, 0x07, 0x40, 128}, W, Ink, ColourFromComponents(0xF8, 0x80, 0x98)},
    // over a coloured pixel its own components are the starting point; weight 204
    {IMAGE_BGRA, {0xF8, 0, 0, 51}, ColourFromComponents(0x10, 0x80, 0xF8), Ink, ColourFromComponents(0xC8, 0x18, 0x30)},
};

}  // namespace

using CanvasTest = LcdTest;

// Each primitive in a colour of its own, several of them at or past the edges where they clip or clamp:
// fills with their corners in any order, clamped, and wholly left of the canvas (column zero); lines
// shallow and reversed (truncated toward zero), steep, vertical, clamped along row 3 and clipped at the
// top-left corner; a rectangle's outline; bitmaps with padding bits, clipped and aligned by their
// corners and centre; an image partly off the canvas.
TEST_F(CanvasTest, ShapesCard)
{
    const Colour inks[] = {COLOUR_BLACK, ColourFromComponents(0xF8, 0, 0), ColourFromComponents(0, 0x80, 0),
                           ColourFromComponents(0, 0, 0xF8)};
    void (*const shapes[])(Canvas*, Colour) = {
        [](Canvas* c, Colour ink) { c->FillRect(c, 12, 9, 10, 7, ink); },
        [](Canvas* c, Colour ink) { c->FillRect(c, -5, 170, 3, 400, ink); },
        [](Canvas* c, Colour ink) { c->FillRect(c, -30, 5, -10, 7, ink); },
        [](Canvas* c, Colour ink) { CanvasDrawLine(c, 20, 20, 30, 23, ink); },
        [](Canvas* c, Colour ink) { CanvasDrawLine(c, 30, 33, 20, 30, ink); },
        [](Canvas* c, Colour ink) { CanvasDrawLine(c, 2, 12, 6, 5, ink); },
        [](Canvas* c, Colour ink) { CanvasDrawLine(c, 7, 30, 7, 20, ink); },
        [](Canvas* c, Colour ink) { CanvasDrawLine(c, -10, 3, 300, 3, ink); },
        [](Canvas* c, Colour ink) { CanvasDrawLine(c, -2, -2, 2, 2, ink); },
        [](Canvas* c, Colour ink) { CanvasDrawRect(c, 40, 40, 44, 43, ink); },
        [](Canvas* c, Colour ink) { c->DrawBitmap(c, 100, 50, Wide, ink); },
        [](Canvas* c, Colour ink) { c->DrawBitmap(c, 218, 174, Narrow, ink); },
        [](Canvas* c, Colour ink) {
            CanvasDrawAlignedBitmap(c, 50, 60, Dot, ink, ALIGN_TOP_LEFT);
            CanvasDrawAlignedBitmap(c, 80, 80, Dot, ink, ALIGN_CENTRE);
            CanvasDrawAlignedBitmap(c, 120, 120, Dot, ink, ALIGN_BOTTOM_RIGHT);
        },
        [](Canvas* c, Colour ink) { c->DrawImage(c, 219, 175, &InkImage, ink); },
    };
    for (std::size_t i = 0; i < std::size(shapes); ++i)
        shapes[i](&canvas, inks[i % std::size(inks)]);
    EXPECT_TRUE(LcdMatchesGolden(&canvas, "canvas/shapes"));
}

TEST_F(CanvasTest, EachImageFormatStoresOrBlendsItsPixel)
{
    for (const PixelCase& c : Pixels) {
        SCOPED_TRACE(testing::Message() << "format " << c.Format << " byte " << +c.Bytes[0] << " t " << +c.Bytes[3]);
        canvas.PixelSet(&canvas, 5, 5, c.Under);
        const Image image{.Width = 1, .Height = 1, .Format = c.Format, .Data = c.Bytes.data()};
        canvas.DrawImage(&canvas, 5, 5, &image, c.Argument);
        EXPECT_EQ(At(5, 5), c.Expected);
    }
}

TEST_F(CanvasTest, BadImagesAreReportedAndDrawNothing)
{
    AssertCapture capture;
    const std::uint8_t pixels[] = {0, 0, 0, 0};
    const Image unknown{.Width = 1, .Height = 1, .Format = 5, .Data = pixels};
    const Image empty{.Width = 0, .Height = 1, .Format = IMAGE_RGB565, .Data = pixels};
    canvas.DrawImage(&canvas, 0, 0, &unknown, Ink);
    canvas.DrawImage(&canvas, 0, 0, &empty, Ink);
    CanvasDrawAlignedBitmap(&canvas, 0, 0, nullptr, Ink, ALIGN_TOP_LEFT);
    EXPECT_EQ(capture.Expressions(), (std::vector<std::string>{"0", "width", "img"}));
    EXPECT_EQ(CountPainted(), 0);
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

// Cells are drawn every width - 1 pixels in reading order, so neighbours drawn later cover the cursor
// cell's last column and row; the cursor must survive them, also among the keyboard's opaque keys.
TEST_F(CanvasTest, NeighboursDrawnLaterLeaveTheCursorCellWhole)
{
    const auto region = [this](const Image& cursor) {
        std::vector<Colour> pixels;
        for (int y = 40; y < 40 + cursor.Height; ++y)
            for (int x = 40; x < 40 + cursor.Width; ++x)
                pixels.push_back(At(x, y));
        return pixels;
    };
    const std::pair<const Image*, const Image*> cells[] = {
        {&MatrixCursorImage, &MatrixCellImage}, {&MatrixSmallCursorImage, &MatrixSmallCellImage},
        {&MatrixCursorImage, &TextKeyImage}};
    for (const auto& [cursor, neighbour] : cells) {
        const int step = cursor->Width - 1;
        canvas.Clear(&canvas);
        canvas.DrawImage(&canvas, 40, 40, cursor, 0);
        const std::vector<Colour> alone = region(*cursor);
        canvas.DrawImage(&canvas, 40 + step, 40, neighbour, 0);
        canvas.DrawImage(&canvas, 40, 40 + step, neighbour, 0);
        canvas.DrawImage(&canvas, 40 + step, 40 + step, neighbour, 0);
        EXPECT_EQ(region(*cursor), alone) << "cursor " << cursor->Width << " wide";
    }
}
