#pragma once
// The recorder's six built-in fonts, chosen by index: 0 ordinary text, 1 titles and the home
// screen, 2 matrix cell letters, 3 the large running timecode, 4 meter scale digits, 5 the H M S F
// labels beside the large timecode. Fonts 0 and 1 hold 1-bit bitmaps; the others tables of
// coverage images tinted with the text colour.
#include <cstdint>

#include "canvas/canvas.h"

constexpr std::int32_t FONT_COUNT = 6;

struct Font {
    std::uint8_t Magic[4];       // "FNT0"; glyph-table fonts store it as a little-endian word, "0TNF"
    std::uint8_t Width;          // nominal glyph width; the advance of every character when not Proportional
    std::uint8_t Height;         // line height
    std::uint8_t FirstChar;      // first and last code with a glyph
    std::uint8_t LastChar;
    std::uint8_t BytesPerRow;    // bitmap fonts: bytes of one glyph row; 0 for glyph-table fonts
    std::uint8_t GlyphSize;      // bitmap fonts: BytesPerRow x Height; 0 for glyph-table fonts
    std::uint8_t Proportional;   // 1: measuring uses each glyph's own width
    std::uint8_t Reserved;
    const Image* const* CharTbl; // glyph-table fonts: one image per code, entries may be null
    std::uint32_t Reserved2;
    // Bitmap fonts: LastChar - FirstChar + 1 glyphs of GlyphSize + 2 bytes (width, height, rows).
    const std::uint8_t* Glyphs;
};

// The font of the index; an index outside 0..5 gives font 0.
const Font* FontGet(std::int32_t index);

// Glyph of a code: its own, or the font's first when the code lies outside the range (in a glyph-table
// font also when the code's entry is null).
const std::uint8_t* FontBitmapGlyph(const Font* f, std::uint8_t code);
const Image* FontImageGlyph(const Font* f, std::uint8_t code);

// Bitmap fonts have a GlyphSize; glyph-table fonts 0.
bool FontIsBitmap(const Font* f);
// Width of the glyph the code draws with (the pen's advance when drawing); 0 when there is none.
std::int32_t FontGlyphWidth(const Font* f, std::uint8_t code);
// Advance of the code when measuring: the glyph's width in a proportional font, else the font's Width.
std::int32_t FontCharWidth(const Font* f, std::uint8_t code);

// How a control asks to draw a text: the text, its alignment on x, the font index and the colour.
enum UITextAlign : std::int32_t {
    UI_ALIGN_LEFT = 0,    // text starts at x
    UI_ALIGN_CENTRE = 1,  // text centred on x
    UI_ALIGN_RIGHT = 2,   // text ends at x
};

struct UITextAttr {
    char* Text;
    std::int32_t Align;
    std::int32_t Font;
    Colour Color;
};
