// mkfonts FONTDIR OUTPUT.cpp: renders the recorder's six fonts from the DejaVu faces in FONTDIR and
// writes their glyphs as C++ data.
#include <exception>
#include <fstream>
#include <iostream>
#include <set>

#include "emit.h"
#include "recipes.h"

namespace {

// Chosen by eye at 1:1: lower fills the counters of small letters, higher breaks the thin strokes of
// "$" and "M".
constexpr unsigned char BitmapInkThreshold = 120;

RenderedFont RenderFont(const std::string& fontDir, const FontRecipe& recipe)
{
    Face face(fontDir + "/" + recipe.FaceFile, recipe.PixelWidth, recipe.PixelHeight);
    RenderedFont font{.Recipe = &recipe, .Glyphs = {}};
    for (unsigned code = recipe.FirstChar; code <= recipe.LastChar; ++code) {
        const int width = recipe.WidthOf(static_cast<unsigned char>(code));
        if (!width) {
            font.Glyphs.emplace_back();
            continue;
        }
        const CellShape shape{.Width = width, .Height = recipe.Height,
                              .Baseline = recipe.BaselineOf(static_cast<unsigned char>(code)),
                              .Centre = recipe.Centre};
        const bool bitmap = recipe.Format == GlyphFormat::Bitmap;
        const char32_t character = recipe.CharacterOf(static_cast<unsigned char>(code));
        RenderedGlyph glyph = face.Render(character, bitmap ? Hinting::Light : Hinting::Full);
        if (bitmap)
            Threshold(glyph, BitmapInkThreshold);
        int lostInk = 0;
        font.Glyphs.push_back(PlaceGlyph(glyph, shape, lostInk));
        // A descender or accent a row beyond the font's line height is accepted, but said.
        if (lostInk)
            std::cerr << "mkfonts: note: " << recipe.Name << " '" << static_cast<char>(code) << "' loses " << lostInk
                      << " inked pixels outside its box\n";
    }
    return font;
}

std::string Sources()
{
    std::set<std::string> faces;
    for (const FontRecipe& recipe : FontRecipes())
        faces.insert(recipe.FaceFile);
    std::string list;
    for (const std::string& face : faces)
        list += (list.empty() ? "" : ", ") + face;
    return "Rendered with FreeType " + Face::LibraryVersion() +
           " from the DejaVu fonts (Bitstream Vera / DejaVu fonts licence):\n// " + list + ".";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: mkfonts FONTDIR OUTPUT.cpp\n";
        return 2;
    }
    const std::string fontDir = argv[1];
    try {
        std::vector<RenderedFont> fonts;
        for (const FontRecipe& recipe : FontRecipes())
            fonts.push_back(RenderFont(fontDir, recipe));
        std::ofstream out(argv[2]);
        EmitHeader(out, "mkfonts " + fontDir + " canvas/fonts_data.cpp", Sources());
        for (const RenderedFont& font : fonts)
            EmitFont(out, font);
        return out ? 0 : 1;
    } catch (const std::exception& error) {
        std::cerr << "mkfonts: " << error.what() << "\n";
        return 1;
    }
}
