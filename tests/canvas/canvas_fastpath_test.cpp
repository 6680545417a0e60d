// The LCD canvas writes whole spans and rows straight into its store; any other canvas goes through its
// slots. Drawn the same, both must give the same pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "canvas/canvas.h"
#include "canvas/lcdcanvas.h"
#include "canvas/font.h"

namespace {

using Store = std::array<Colour, LCD_WIDTH * LCD_HEIGHT>;

// The LCD's layout and clipping behind setters of its own.
bool Inside(std::int32_t x, std::int32_t y)
{
    return x >= 0 && x < LCD_WIDTH && y >= 0 && y < LCD_HEIGHT;
}

void SlotSet(Canvas* c, std::int32_t x, std::int32_t y, Colour colour)
{
    if (Inside(x, y))
        c->Buffer[x + (LCD_HEIGHT - 1 - y) * LCD_WIDTH] = colour;
}

Colour SlotGet(Canvas* c, std::int32_t x, std::int32_t y)
{
    return Inside(x, y) ? c->Buffer[x + (LCD_HEIGHT - 1 - y) * LCD_WIDTH] : COLOUR_WHITE;
}

// A 30 x 20 image whose bytes vary from pixel to pixel; of the transparencies, every third is opaque,
// every third clear and the rest blend.
const Image* Pattern(ImageFormat format)
{
    static std::array<std::array<std::uint8_t, 30 * 20 * 4>, 5> data;
    static std::array<Image, 5> images;
    std::array<std::uint8_t, 30 * 20 * 4>& bytes = data[format];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const bool transparency = format == IMAGE_COVERAGE || (format == IMAGE_BGRA && i % 4 == 3);
        const std::size_t pixel = i / format;  // a pixel takes as many bytes as its format's number
        bytes[i] = static_cast<std::uint8_t>(i * 37 + format * 11);
        if (transparency && pixel % 3 != 2)
            bytes[i] = pixel % 3 == 0 ? 0 : 255;
    }
    images[format] = {.Width = 30, .Height = 20, .Format = format, .Data = bytes.data()};
    return &images[format];
}

// Each image format at the four edges, a corner and inside.
void DrawImages(Canvas* c, ImageFormat format)
{
    const Image* image = Pattern(format);
    for (const auto& [x, y] : {std::pair{-7, 40}, {200, 60}, {90, -9}, {120, 165}, {-12, -5}, {100, 70}})
        c->DrawImage(c, x, y, image, 0xA5C3);
}

struct Step {
    const char* What;
    void (*Draw)(Canvas* c);
};

constexpr Step StepTbl[] = {
    {"clear", [](Canvas* c) { c->Clear(c); }},
    {"rectangles over the edges, corners swapped",
     [](Canvas* c) {
         c->FillRect(c, -5, -5, 10, 10, 0x1111);
         c->FillRect(c, 300, 300, 210, 170, 0x2222);
         c->FillRect(c, 50, 60, 40, 30, 0x3333);
         c->FillRect(c, -100, 80, 500, 81, 0x4444);
     }},
    {"lines",
     [](Canvas* c) {
         CanvasDrawLine(c, -20, 5, 300, 5, 0x5555);
         CanvasDrawLine(c, 7, 300, 7, -20, 0x6666);
         CanvasDrawLine(c, -10, -10, 230, 190, 0x7777);
         CanvasDrawRect(c, -1, -1, LCD_WIDTH, LCD_HEIGHT, 0x0842);
     }},
    {"coverage images", [](Canvas* c) { DrawImages(c, IMAGE_COVERAGE); }},
    {"RGB565 images", [](Canvas* c) { DrawImages(c, IMAGE_RGB565); }},
    {"BGR images", [](Canvas* c) { DrawImages(c, IMAGE_BGR); }},
    {"BGRA images", [](Canvas* c) { DrawImages(c, IMAGE_BGRA); }},
    {"text in every font",
     [](Canvas* c) {
         for (std::int32_t font = 0; font < 6; ++font) {
             DrawText(c, -4, 20 * font - 6, UI_ALIGN_LEFT, font, 0x9999, "Wg09:");
             DrawText(c, LCD_WIDTH + 3, 20 * font + 70, UI_ALIGN_RIGHT, font, 0x0F0F, "Mix 7");
         }
     }},
};

TEST(CanvasFastPathTest, TheLcdDrawsTheSamePixelsAsACanvasDrawnThroughItsSlots)
{
    static Store lcdStore;
    static Store slotStore;
    for (std::size_t i = 0; i < lcdStore.size(); ++i)
        lcdStore[i] = slotStore[i] = static_cast<Colour>(i * 7);
    Canvas lcd{};
    LcdCanvasInit(&lcd, lcdStore.data(), LCD_WIDTH, LCD_HEIGHT);
    Canvas slots{
        .Width = LCD_WIDTH, .Height = LCD_HEIGHT, .Buffer = slotStore.data(), .PixelSet = SlotSet, .PixelGet = SlotGet};
    CanvasInit(&slots);
    ASSERT_TRUE(LcdIsDirect(&lcd));
    ASSERT_FALSE(LcdIsDirect(&slots));

    for (const Step& step : StepTbl) {
        const Store before = lcdStore;
        step.Draw(&lcd);
        step.Draw(&slots);
        EXPECT_NE(lcdStore, before) << step.What << " drew nothing";
        const auto [mine, theirs] = std::mismatch(lcdStore.begin(), lcdStore.end(), slotStore.begin());
        ASSERT_TRUE(mine == lcdStore.end())
            << step.What << ": first difference at x " << (mine - lcdStore.begin()) % LCD_WIDTH << ", y "
            << LCD_HEIGHT - 1 - (mine - lcdStore.begin()) / LCD_WIDTH << ": " << *mine << " instead of " << *theirs;
    }
}

}  // namespace
