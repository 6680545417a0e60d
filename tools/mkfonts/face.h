#pragma once
// One TrueType face at one pixel size, rendering single glyphs through FreeType.
#include <string>
#include <vector>

struct FT_LibraryRec_;
struct FT_FaceRec_;

// A rendered glyph: ink 0 (none) .. 255 (full) per pixel, positioned against the pen origin.
struct RenderedGlyph {
    int Width = 0;
    int Height = 0;
    int Left = 0;     // columns from the origin to the first column
    int Top = 0;      // rows from the baseline up to the first row
    int Advance = 0;  // pen advance in whole pixels
    std::vector<unsigned char> Ink;
};

// Turns coverage into full ink or none, for the 1-bit fonts.
void Threshold(RenderedGlyph& glyph, unsigned char level);

enum class Hinting {
    // Heights and horizontal strokes snap to whole pixels, widths stay as drawn: the even weight
    // that thresholding to one bit needs.
    Light,
    // FreeType's auto-hinter fits the stems to whole pixels both ways: small anti-aliased glyphs
    // keep sharp vertical strokes instead of greying out across two columns.
    Full,
};

class Face {
public:
    // Sizes in pixels per em; unequal sizes widen or condense the face, which is hinted as such.
    Face(const std::string& path, double pixelWidth, double pixelHeight);
    ~Face();
    Face(const Face&) = delete;
    Face& operator=(const Face&) = delete;

    // Anti-aliased coverage of the outline after hinting.
    RenderedGlyph Render(char32_t code, Hinting hinting);

    // "2.12.1": rendering differs between FreeType releases, so the output names it.
    static std::string LibraryVersion();

private:
    FT_LibraryRec_* library_ = nullptr;
    FT_FaceRec_* face_ = nullptr;
};
