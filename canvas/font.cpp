#include "canvas/font.h"

#include "canvas/fonts_data.h"
#include "common/debug.h"

namespace {

// Bitmap fonts spell the magic "FNT0"; glyph-table fonts hold the four-character constant 'FNT0' as a
// little-endian word, whose bytes read "0TNF".
constexpr Font FontTbl[FONT_COUNT] = {
    {.Magic = {'F', 'N', 'T', '0'}, .Width = 8, .Height = 15,
     .FirstChar = 32, .LastChar = 126, .BytesPerRow = 1, .GlyphSize = 15, .Proportional = 1, .Reserved = 3,
     .CharTbl = nullptr, .Reserved2 = 0, .Glyphs = Font0Glyphs},
    {.Magic = {'F', 'N', 'T', '0'}, .Width = 13, .Height = 16,
     .FirstChar = 32, .LastChar = 126, .BytesPerRow = 2, .GlyphSize = 32, .Proportional = 1, .Reserved = 2,
     .CharTbl = nullptr, .Reserved2 = 0, .Glyphs = Font1Glyphs},
    {.Magic = {'0', 'T', 'N', 'F'}, .Width = 16, .Height = 18,
     .FirstChar = ' ', .LastChar = '_', .BytesPerRow = 0, .GlyphSize = 0, .Proportional = 0, .Reserved = 0,
     .CharTbl = Font2CharTbl, .Reserved2 = 0, .Glyphs = nullptr},
    {.Magic = {'0', 'T', 'N', 'F'}, .Width = 48, .Height = 64,
     .FirstChar = '0', .LastChar = ':', .BytesPerRow = 0, .GlyphSize = 0, .Proportional = 1, .Reserved = 0,
     .CharTbl = Font3CharTbl, .Reserved2 = 0, .Glyphs = nullptr},
    {.Magic = {'0', 'T', 'N', 'F'}, .Width = 6, .Height = 8,
     .FirstChar = '-', .LastChar = ':', .BytesPerRow = 0, .GlyphSize = 0, .Proportional = 1, .Reserved = 0,
     .CharTbl = Font4CharTbl, .Reserved2 = 0, .Glyphs = nullptr},
    {.Magic = {'0', 'T', 'N', 'F'}, .Width = 12, .Height = 12,
     .FirstChar = 'F', .LastChar = 'U', .BytesPerRow = 0, .GlyphSize = 0, .Proportional = 1, .Reserved = 0,
     .CharTbl = Font5CharTbl, .Reserved2 = 0, .Glyphs = nullptr},
};

std::int32_t GlyphIndex(const Font* f, std::uint8_t code)
{
    return code >= f->FirstChar && code <= f->LastChar ? code - f->FirstChar : 0;
}

}  // namespace

const Font* FontGet(std::int32_t index)
{
    return &FontTbl[index >= 0 && index < FONT_COUNT ? index : 0];
}

bool FontIsBitmap(const Font* f)
{
    return f->GlyphSize != 0;
}

const std::uint8_t* FontBitmapGlyph(const Font* f, std::uint8_t code)
{
    ASSERT(!f->CharTbl);
    if (!f->Glyphs)
        return nullptr;
    return f->Glyphs + GlyphIndex(f, code) * (f->GlyphSize + 2);
}

const Image* FontImageGlyph(const Font* f, std::uint8_t code)
{
    if (!ASSERT(f->CharTbl))
        return nullptr;
    const Image* img = f->CharTbl[GlyphIndex(f, code)];
    if (!img)
        img = f->CharTbl[0];
    ASSERT(img);
    return img;
}

std::int32_t FontGlyphWidth(const Font* f, std::uint8_t code)
{
    if (FontIsBitmap(f)) {
        const std::uint8_t* glyph = FontBitmapGlyph(f, code);
        return glyph ? glyph[0] : 0;
    }
    const Image* img = FontImageGlyph(f, code);
    return img ? img->Width : 0;
}

std::int32_t FontCharWidth(const Font* f, std::uint8_t code)
{
    return f->Proportional ? FontGlyphWidth(f, code) : f->Width;
}
