#pragma once
// PNG files of pictures: the LCD as the display shows it, and plain RGB pictures for reviews and tests.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "canvas/canvas.h"

struct RgbPicture {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Pixels;  // red, green, blue per pixel, rows top to bottom

    void Set(int x, int y, std::uint32_t rgb);
    std::uint32_t At(int x, int y) const;
};

// The 8-bit components the display shows for a colour: each field shifted up, low bits 0.
std::uint32_t ColourToRgb(Colour colour);

// The canvas as the display shows it (turned when Rotated), each pixel enlarged to scale x scale.
RgbPicture CanvasPicture(Canvas* c, int scale);

// Where two pictures differ, on the larger of their sizes: each pixel that differs, or that only one of
// them has, in red over a faded copy of before; Changed counts them.
struct PictureDifference {
    RgbPicture Picture;
    std::size_t Changed = 0;
};
PictureDifference ComparePictures(const RgbPicture& before, const RgbPicture& after);

bool PngWrite(const std::string& path, const RgbPicture& picture);
bool PngRead(const std::string& path, RgbPicture& picture);
