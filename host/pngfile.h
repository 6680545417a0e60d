#pragma once
// PNG files of pictures: the LCD as the display shows it, and plain RGB pictures for reviews and tests.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "canvas/canvas.h"
#include "host/filewrite.h"

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

// Pictures larger than this are refused before any memory is taken for them, since a file's header can
// claim any size: at most 16384 pixels a side and 64 Mi pixels in all.
constexpr std::uint32_t MAX_PNG_SIDE = 16384;
constexpr std::uint64_t MAX_PNG_PIXELS = std::uint64_t{64} << 20;

// Encodes the picture, then writes the file whole or not at all.
WriteResult PngWrite(const std::string& path, const RgbPicture& picture);
// False when the file cannot be read as a PNG picture or its picture is larger than the limits.
bool PngRead(const std::string& path, RgbPicture& picture);
