#include "face.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <stdexcept>

namespace {

void Check(FT_Error error, const std::string& what)
{
    if (error)
        throw std::runtime_error(what + ": FreeType error " + std::to_string(error));
}

}  // namespace

void Threshold(RenderedGlyph& glyph, unsigned char level)
{
    for (unsigned char& ink : glyph.Ink)
        ink = ink >= level ? 255 : 0;
}

Face::Face(const std::string& path, double pixelWidth, double pixelHeight)
{
    Check(FT_Init_FreeType(&library_), "FreeType");
    try {
        Check(FT_New_Face(library_, path.c_str(), 0, &face_), path);
        // At 72 dots per inch a point is a pixel; sizes are given in 64ths.
        Check(FT_Set_Char_Size(face_, std::lround(pixelWidth * 64), std::lround(pixelHeight * 64), 72, 72), path);
    } catch (...) {
        FT_Done_FreeType(library_);  // also releases a face that was opened
        throw;
    }
}

Face::~Face()
{
    FT_Done_Face(face_);
    FT_Done_FreeType(library_);
}

RenderedGlyph Face::Render(char32_t code, Hinting hinting)
{
    const std::string what = "glyph U+" + std::to_string(static_cast<unsigned>(code));
    const FT_UInt index = FT_Get_Char_Index(face_, code);
    if (!index)
        throw std::runtime_error(what + " is missing from the face");
    const FT_Int32 flags =
        hinting == Hinting::Light ? FT_LOAD_TARGET_LIGHT : FT_LOAD_TARGET_NORMAL | FT_LOAD_FORCE_AUTOHINT;
    Check(FT_Load_Glyph(face_, index, flags), what);
    Check(FT_Render_Glyph(face_->glyph, FT_RENDER_MODE_NORMAL), what);

    const FT_GlyphSlot slot = face_->glyph;
    RenderedGlyph glyph{.Width = static_cast<int>(slot->bitmap.width),
                        .Height = static_cast<int>(slot->bitmap.rows),
                        .Left = slot->bitmap_left,
                        .Top = slot->bitmap_top,
                        .Advance = static_cast<int>((slot->advance.x + 32) >> 6),
                        .Ink = {}};
    for (int y = 0; y < glyph.Height; ++y)
        for (int x = 0; x < glyph.Width; ++x)
            glyph.Ink.push_back(slot->bitmap.buffer[y * slot->bitmap.pitch + x]);
    return glyph;
}

std::string Face::LibraryVersion()
{
    FT_Library library = nullptr;
    Check(FT_Init_FreeType(&library), "FreeType");
    FT_Int major = 0;
    FT_Int minor = 0;
    FT_Int patch = 0;
    FT_Library_Version(library, &major, &minor, &patch);
    FT_Done_FreeType(library);
    return std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(patch);
}
