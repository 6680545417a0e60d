#pragma once
// What each of the recorder's six fonts is rendered from, and the box of every glyph. The boxes,
// character ranges and glyph widths are fixed by the font headers in canvas/font.cpp.
#include <string>
#include <vector>

#include "cell.h"

enum class GlyphFormat {
    Bitmap,    // one bit per pixel (the coverage thresholded): width byte, height byte, rows
    Coverage,  // one transparency byte per pixel, drawn tinted with the text colour
};

struct GlyphWidth {
    char Code;
    int Width;  // 0: the font has no glyph for the code
};

// A glyph set lower in its box than the font's baseline would put it.
struct GlyphDrop {
    char Code;
    int Rows;
};

// A code drawn with another character of the face.
struct Substitute {
    char Code;
    char32_t From;
};

struct FontRecipe {
    std::string Name;      // prefix of the emitted data, "Font0"
    std::string FaceFile;  // in the DejaVu folder
    double PixelWidth;     // pixels per em; unequal sizes widen or condense the face
    double PixelHeight;
    GlyphFormat Format;
    int Height;
    int Baseline;
    Centring Centre;
    unsigned char FirstChar;
    unsigned char LastChar;
    int Width;                        // of every glyph not listed in Widths
    std::vector<GlyphWidth> Widths;   // glyphs of another width, or none
    std::vector<Substitute> Substitutes;
    std::vector<GlyphDrop> Drops;

    int WidthOf(unsigned char code) const;
    char32_t CharacterOf(unsigned char code) const;
    int BaselineOf(unsigned char code) const;
};

const std::vector<FontRecipe>& FontRecipes();
