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

// A rectangle of picture pixels; Right and Bottom are exclusive.
struct DibRect {
    int Left;
    int Top;
    int Right;
    int Bottom;
};

constexpr DibRect DIB_WHOLE = {0, 0, bmpWidth_, bmpHeight_};

bool DibRectEmpty(const DibRect& rect);

extern LcdDib LcdPicture;

// Where pixel (x, y) starts in the picture's bytes.
constexpr std::size_t DibOffset(int x, int y)
{
    return static_cast<std::size_t>(y * DIB_STRIDE + x * 3);
}

void DibSetPixel(int x, int y, std::uint32_t rgb);
// Converts the LCD canvas as the display shows it (turned while Rotated) into the picture.
void LcdToDib();
// Converts only what changed on the LCD canvas since the previous call (everything on the first call, after
// LcdToDibForget and when Rotated changed) and returns where the picture changed; empty when nothing did.
DibRect LcdToDibChanges();
void LcdToDibForget();
// The picture's pixel as 0xRRGGBB.
std::uint32_t DibPixel(int x, int y);

// Draws the picture into target at (x, y) scaled by zoom: averaging below 1, pixel replication above;
// with grid, a grey line right of and below every LCD pixel.
void DrawScaled(RgbPicture& target, int x, int y, double zoom, bool grid);
// What DrawScaled draws, but only where the pixels of part of the picture show.
void DrawScaledPart(RgbPicture& target, int x, int y, double zoom, bool grid, const DibRect& part);
void DrawGrid(RgbPicture& target, int x0, int y0, int z);
