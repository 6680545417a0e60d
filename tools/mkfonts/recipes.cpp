#include "recipes.h"

int FontRecipe::WidthOf(unsigned char code) const
{
    for (const GlyphWidth& glyph : Widths)
        if (static_cast<unsigned char>(glyph.Code) == code)
            return glyph.Width;
    return Width;
}

char32_t FontRecipe::CharacterOf(unsigned char code) const
{
    for (const Substitute& substitute : Substitutes)
        if (static_cast<unsigned char>(substitute.Code) == code)
            return substitute.From;
    return code;
}

int FontRecipe::BaselineOf(unsigned char code) const
{
    for (const GlyphDrop& drop : Drops)
        if (static_cast<unsigned char>(drop.Code) == code)
            return Baseline + drop.Rows;
    return Baseline;
}

namespace {

std::vector<GlyphWidth> Each(const std::string& codes, int width)
{
    std::vector<GlyphWidth> glyphs;
    for (const char code : codes)
        glyphs.push_back({.Code = code, .Width = width});
    return glyphs;
}

}  // namespace

// Faces, sizes and baselines were chosen by looking at the text at 1:1 on the LCD. The bitmap fonts
// use the monospaced bold face, whose letters are drawn to fill a fixed cell (font 1 widened to its
// 13-pixel cell); the matrix letters the bold sans; digits and timecode labels the condensed bold
// sans, which leaves air between tabular digits. All are bold so that they also read white on dark.
const std::vector<FontRecipe>& FontRecipes()
{
    static const std::vector<FontRecipe> recipes = {
        {.Name = "Font0", .FaceFile = "DejaVuSansMono-Bold.ttf", .PixelWidth = 13, .PixelHeight = 13,
         .Format = GlyphFormat::Bitmap, .Height = 15, .Baseline = 12, .Centre = Centring::Advance,
         .FirstChar = 32, .LastChar = 126, .Width = 8, .Widths = {}, .Substitutes = {}, .Drops = {}},
        {.Name = "Font1", .FaceFile = "DejaVuSansMono-Bold.ttf", .PixelWidth = 21, .PixelHeight = 15,
         .Format = GlyphFormat::Bitmap, .Height = 16, .Baseline = 13, .Centre = Centring::Advance,
         .FirstChar = 32, .LastChar = 126, .Width = 13, .Widths = {{':', 9}}, .Substitutes = {}, .Drops = {}},
        // A matrix cell's letter stands in the middle of both cell sizes. The bar over a letter is this font's
        // '_', drawn a line above the letter; dropped a row, it clears the cell's frame and leaves a row of
        // air above the letter.
        {.Name = "Font2", .FaceFile = "DejaVuSans-Bold.ttf", .PixelWidth = 18, .PixelHeight = 18,
         .Format = GlyphFormat::Coverage, .Height = 22, .Baseline = 16, .Centre = Centring::Ink,
         .FirstChar = ' ', .LastChar = '_', .Width = 0, .Widths = Each(" ACDLPRTXZ_", 17), .Substitutes = {},
         .Drops = {{'_', 1}}},
        {.Name = "Font3", .FaceFile = "DejaVuSansCondensed-Bold.ttf", .PixelWidth = 72, .PixelHeight = 78,
         .Format = GlyphFormat::Coverage, .Height = 64, .Baseline = 60, .Centre = Centring::Advance,
         .FirstChar = '0', .LastChar = ':', .Width = 48, .Widths = {{':', 25}}, .Substitutes = {}, .Drops = {}},
        // The hyphen is too short to read as a minus at this size; the en dash is one pixel longer.
        // Centred by ink: the hinter's rounding varies the digits' advances by a pixel.
        {.Name = "Font4", .FaceFile = "DejaVuSansCondensed-Bold.ttf", .PixelWidth = 6.5, .PixelHeight = 10,
         .Format = GlyphFormat::Coverage, .Height = 12, .Baseline = 9, .Centre = Centring::Ink,
         .FirstChar = '-', .LastChar = ':', .Width = 5, .Widths = {{'-', 4}, {':', 3}, {'.', 0}, {'/', 0}},
         .Substitutes = {{'-', U'\u2013'}}, .Drops = {}},
        {.Name = "Font5", .FaceFile = "DejaVuSansCondensed-Bold.ttf", .PixelWidth = 14, .PixelHeight = 15,
         .Format = GlyphFormat::Coverage, .Height = 16, .Baseline = 13, .Centre = Centring::Ink,
         .FirstChar = 'F', .LastChar = 'U', .Width = 0,
         .Widths = {{'F', 9}, {'H', 11}, {'M', 12}, {'S', 10}, {'U', 11}}, .Substitutes = {}, .Drops = {}},
    };
    return recipes;
}
