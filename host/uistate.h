#pragma once
// The state inspector: what the user interface shows, as one JSON document for tests, scripts and
// tools. It holds the clock, the recorder model, the page's title and its parent's, the open editor
// and every control shown, with the texts and values it draws (list rows and matrix cells included).
#include <cstdint>
#include <string>
#include <vector>

// indent < 0: one line; otherwise spread over lines, indented by that many blanks a level.
std::string InspectState(int indent = -1);

// A box of LCD pixels: X and Y its top-left corner.
struct LcdRect {
    std::int32_t X;
    std::int32_t Y;
    std::int32_t Width;
    std::int32_t Height;

    bool Contains(std::int32_t x, std::int32_t y) const
    {
        return x >= X && x < X + Width && y >= Y && y < Y + Height;
    }
};

// Where each control of the inspector's "controls" lies, in the same order: the box of what it draws
// with the texts the inspector reads (labels and values at their fonts, a title bar, a list's rows to
// the right edge, a matrix's grid and row titles, the meters' rows).
std::vector<LcdRect> InspectRects();
// The index in "controls" of the control under LCD pixel (x, y), -1 for none; where boxes overlap, the
// one drawn last, which is on top.
std::int32_t InspectControlAt(std::int32_t x, std::int32_t y);
