#pragma once
// The drawing surface of the user interface: a 16-bit picture behind a table of operations. A
// concrete canvas supplies the store and the two pixel operations; CanvasInit adds the rest,
// each built on one PixelSet (and for blends one PixelGet) per pixel.
#include <cstdint>

struct UITextAttr;

// Bits 15..11 blue, 10..6 green, bit 5 always 0, 4..0 red.
using Colour = std::uint16_t;

constexpr Colour COLOUR_BLACK = 0x0000;
constexpr Colour COLOUR_WHITE = 0xFFDF;  // the clear colour; also what lies outside the canvas

enum ImageFormat : std::uint32_t {
    IMAGE_COVERAGE = 1,  // t per pixel: the colour argument over the pixel with weight (255 - t)/255
    IMAGE_RGB565 = 2,    // high byte, low byte of a colour
    IMAGE_BGR = 3,       // blue, green, red
    IMAGE_BGRA = 4,      // blue, green, red, transparency t
};

struct Image {
    std::uint8_t Width;
    std::uint8_t Height;
    std::uint32_t Format;
    const std::uint8_t* Data;  // rows top to bottom, no padding
};

struct Canvas {
    std::uint8_t Width;
    std::uint8_t Height;
    std::uint8_t Rotated;  // the display shows the canvas turned by 180 degrees
    Colour* Buffer;
    void (*Update)(Canvas* c);
    void (*PixelSet)(Canvas* c, std::int32_t x, std::int32_t y, Colour colour);
    Colour (*PixelGet)(Canvas* c, std::int32_t x, std::int32_t y);
    void (*Clear)(Canvas* c);
    void (*FillRect)(Canvas* c, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, Colour colour);
    // bitmap: width byte, height byte, then rows of ceil(width / 8) bytes, leftmost pixel in the top bit
    void (*DrawBitmap)(Canvas* c, std::int32_t x, std::int32_t y, const std::uint8_t* bitmap, Colour colour);
    void (*DrawImage)(Canvas* c, std::int32_t x, std::int32_t y, const Image* image, Colour colour);
};

enum BitmapAlign : std::int32_t {
    ALIGN_TOP_LEFT = 0,
    ALIGN_CENTRE = 1,
    ALIGN_BOTTOM_RIGHT = 2,
};

// Installs the generic operations once the concrete canvas has set its size, store and pixel operations.
void CanvasInit(Canvas* c);

void CanvasDrawLine(Canvas* c, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, Colour colour);
void CanvasDrawRect(Canvas* c, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, Colour colour);
void CanvasDrawAlignedBitmap(Canvas* c, std::int32_t x, std::int32_t y, const std::uint8_t* img, Colour colour,
                             std::int32_t align);
// The frame behind a value being edited: caps and middle run around [x, x + width).
void CanvasDrawEditBar(Canvas* c, std::int32_t x, std::int32_t y, std::int32_t width);
// The pixel as the display shows it, honouring Rotated.
Colour CanvasGetPixelTurned(Canvas* c, std::int32_t x, std::int32_t y);

// Text in the built-in fonts (canvas/font.h), by font index. Text is drawn transparently: only the
// glyphs' ink is painted. Each drawing call returns y + the font's height, the top of the next line.
std::int32_t FontHeight(Canvas* c, std::int32_t font);
// The sum of the characters' measuring advances.
std::int32_t TextWidth(Canvas* c, std::int32_t font, const char* text);
// align 0: the text starts at x; 1: it is centred on x; 2: it ends at x (as measured).
std::int32_t DrawText(Canvas* c, std::int32_t x, std::int32_t y, std::int32_t align, std::int32_t font, Colour colour,
                      const char* text);
std::int32_t DrawTextAttr(Canvas* c, std::int32_t x, std::int32_t y, const UITextAttr* attr);
// Black text in font 0.
std::int32_t DrawTextLeft(Canvas* c, std::int32_t x, std::int32_t y, const char* text);
std::int32_t DrawTextCentred(Canvas* c, std::int32_t x, std::int32_t y, const char* text);

// Component conversions: an 8-bit component keeps its top five bits.
constexpr Colour ColourFromComponents(std::int32_t blue, std::int32_t green, std::int32_t red)
{
    return static_cast<Colour>(((blue & 0xF8) << 8) | ((green & 0xF8) << 3) | (red >> 3));
}

constexpr std::int32_t ColourBlue(Colour colour)
{
    return (colour >> 8) & 0xF8;
}

constexpr std::int32_t ColourGreen(Colour colour)
{
    return (colour >> 3) & 0xF8;
}

constexpr std::int32_t ColourRed(Colour colour)
{
    return (colour << 3) & 0xF8;
}
