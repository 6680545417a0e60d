#pragma once
// A glyph's picture in its fixed box: every glyph of a font shares the box height and the
// baseline row, so that text lines up however the glyphs are mixed.
#include <vector>

#include "face.h"

struct Cell {
    int Width = 0;
    int Height = 0;
    std::vector<unsigned char> Ink;  // 0 none .. 255 full, rows top to bottom

    unsigned char At(int x, int y) const { return Ink[static_cast<std::size_t>(y * Width + x)]; }
};

enum class Centring {
    Advance,  // the pen advance is centred, so digits and monospaced letters keep their common spacing
    Ink,      // the inked part is centred: a single letter standing in a box of its own
};

struct CellShape {
    int Width;
    int Height;
    int Baseline;  // row on which the glyph stands
    Centring Centre;
};

// Places the glyph; inked pixels outside the box are lost and counted in lostInk.
Cell PlaceGlyph(const RenderedGlyph& glyph, const CellShape& shape, int& lostInk);
