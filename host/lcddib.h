#pragma once
// The 24-bit picture of the LCD that the views are drawn from: 220 x 176, rows top-down, each row
// padded to a multiple of four bytes, the first byte of a pixel the blue channel on screen.
#include <array>
#include <cstdint>

#include "canvas/lcdcanvas.h"
#include "host/pngfile.h"

constexpr int bmpWidth_ = LCD_WIDTH;
constexpr int bmpHeight_ = LCD_HEIGHT;
constexpr int DIB_STRIDE = (bmpWidth_ * 3 + 3) / 4 * 4;

struct LcdDib {
    std::array<std::uint8_t, DIB_STRIDE * bmpHeight_> Bits{};
};

extern LcdDib LcdPicture;

void DibSetPixel(int x, int y, std::uint32_t rgb);
// Converts the LCD canvas as the display shows it (turned while Rotated) into the picture.
void LcdToDib();
// The picture's pixel as 0xRRGGBB.
std::uint32_t DibPixel(int x, int y);

// Draws the picture into target at (x, y) scaled by zoom: averaging below 1, pixel replication above;
// with grid, a grey line right of and below every LCD pixel.
void DrawScaled(RgbPicture& target, int x, int y, double zoom, bool grid);
void DrawGrid(RgbPicture& target, int x0, int y0, int z);
