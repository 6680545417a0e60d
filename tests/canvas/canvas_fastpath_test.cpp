// The LCD canvas writes whole spans and rows straight into its store; any other canvas goes through its
// slots. Drawn the same, both must give the same pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "canvas/canvas.h"
#include "canvas/font.h"
#include "canvas/lcdcanvas.h"

namespace {

using Store = std::array<Colour, LCD_WIDTH * LCD_HEIGHT>;

// The LCD's layout and clipping behind a slot of its own; the generic reads go through PixelGet.
Colour* Place(Canvas* c, std::int32_t x, std::int32_t y)
{
    const bool inside = x >= 0 && x < LCD_WIDTH && y >= 0 && y < LCD_HEIGHT;
    return inside ? &c->Buffer[x + (LCD_HEIGHT - 1 - y) * LCD_WIDTH] : nullptr;
}

// A 30 x 20 image in each format whose bytes vary from pixel to pixel; of the transparencies, every
// third is opaque, every third clear and the rest blend. Drawn at the four edges, a corner and inside.
void DrawImages(Canvas* c, ImageFormat format)
{
    static std::array<std::uint8_t, 30 * 20 * 4> bytes;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const bool transparency = format == IMAGE_COVERAGE || (format == IMAGE_BGRA && i % 4 == 3);
        const std::size_t pixel = i / format;  // a pixel takes as many bytes as its format's number
        bytes[i] = static_cast<std::uint8_t>(i * 37 + format * 11);
        if (transparency && pixel % 3 != 2)
            bytes[i] = pixel % 3 == 0 ? 0 : 255;
    }
    const Image image{.Width = 30, .Height = 20, .Format = format, .Data = bytes.data()};
    for (const auto& [x, y] : {std::pair{-7, 40}, {200, 60}, {90, -9}, {120, 165}, {-12, -5}, {100, 70}})
        c->DrawImage(c, x, y, &image, 0xA5C3);
}

// Rectangles over the edges with corners swapped, lines, every image format, text in every font.
void (*const Steps[])(Canvas*) = {
    [](Canvas* c) { c->Clear(c); },
    [](Canvas* c) {
        c->FillRect(c, -5, -5, 10, 10, 0x1111);
        c->FillRect(c, 300, 300, 210, 170, 0x2222);
        c->FillRect(c, 50, 60, 40, 30, 0x3333);
        c->FillRect(c, -100, 80, 500, 81, 0x4444);
    },
    [](Canvas* c) {
        CanvasDrawLine(c, -20, 5, 300, 5, 0x5555);
        CanvasDrawLine(c, 7, 300, 7, -20, 0x6666);
        CanvasDrawLine(c, -10, -10, 230, 190, 0x7777);
        CanvasDrawRect(c, -1, -1, LCD_WIDTH, LCD_HEIGHT, 0x0842);
    },
    [](Canvas* c) { DrawImages(c, IMAGE_COVERAGE); }, [](Canvas* c) { DrawImages(c, IMAGE_RGB565); },
    [](Canvas* c) { DrawImages(c, IMAGE_BGR); }, [](Canvas* c) { DrawImages(c, IMAGE_BGRA); },
    [](Canvas* c) {
        for (std::int32_t font = 0; font < 6; ++font) {
            DrawText(c, -4, 20 * font - 6, UI_ALIGN_LEFT, font, 0x9999, "Wg09:");
            DrawText(c, LCD_WIDTH + 3, 20 * font + 70, UI_ALIGN_RIGHT, font, 0x0F0F, "Mix 7");
        }
    },
};

TEST(CanvasFastPathTest, TheLcdDrawsTheSamePixelsAsACanvasDrawnThroughItsSlots)
{
    static Store lcdStore, slotStore;
    for (std::size_t i = 0; i < lcdStore.size(); ++i)
        lcdStore[i] = slotStore[i] = static_cast<Colour>(i * 7);
    Canvas lcd{};
    LcdCanvasInit(&lcd, lcdStore.data(), LCD_WIDTH, LCD_HEIGHT);
    Canvas slots{.Width = LCD_WIDTH, .Height = LCD_HEIGHT, .Buffer = slotStore.data(),
                 .PixelSet = [](Canvas* c, std::int32_t x, std::int32_t y, Colour colour) {
                     if (Colour* place = Place(c, x, y))
                         *place = colour;
                 },
                 .PixelGet = [](Canvas* c, std::int32_t x, std::int32_t y) {
                     const Colour* place = Place(c, x, y);
                     return place ? *place : COLOUR_WHITE;
                 }};
    CanvasInit(&slots);
    ASSERT_TRUE(LcdIsDirect(&lcd));
    ASSERT_FALSE(LcdIsDirect(&slots));
    for (std::size_t step = 0; step < std::size(Steps); ++step) {
        const Store before = lcdStore;
        Steps[step](&lcd);
        Steps[step](&slots);
        EXPECT_NE(lcdStore, before) << "step " << step << " drew nothing";
        const auto [mine, theirs] = std::mismatch(lcdStore.begin(), lcdStore.end(), slotStore.begin());
        ASSERT_TRUE(mine == lcdStore.end())
            << "step " << step << ": first difference at x " << (mine - lcdStore.begin()) % LCD_WIDTH << ", y "
            << LCD_HEIGHT - 1 - (mine - lcdStore.begin()) / LCD_WIDTH << ": " << *mine << " instead of " << *theirs;
    }
}

}  // namespace
