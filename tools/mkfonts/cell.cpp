#include "cell.h"

#include <algorithm>

namespace {

// Centring by ink weighs the glyph's body only; faint anti-aliased fringes would pull it off centre.
constexpr unsigned char BodyInk = 128;

struct Columns {
    int First;
    int Last;  // below First when no pixel has the ink
};

Columns InkColumns(const RenderedGlyph& glyph, unsigned char minimum)
{
    Columns columns{.First = glyph.Width, .Last = -1};
    for (int y = 0; y < glyph.Height; ++y) {
        for (int x = 0; x < glyph.Width; ++x) {
            if (glyph.Ink[static_cast<std::size_t>(y * glyph.Width + x)] >= minimum) {
                columns.First = std::min(columns.First, x);
                columns.Last = std::max(columns.Last, x);
            }
        }
    }
    return columns;
}

// Column of the glyph's first bitmap column in the box.
int FirstColumn(const RenderedGlyph& glyph, const CellShape& shape)
{
    if (shape.Centre == Centring::Advance)
        return (shape.Width - glyph.Advance) / 2 + glyph.Left;
    const Columns body = InkColumns(glyph, BodyInk);
    if (body.Last < body.First)
        return 0;
    const int left = (shape.Width - (body.Last - body.First + 1)) / 2 - body.First;
    // The fringe stays inside the box too where it fits, at the cost of a column off centre.
    const Columns all = InkColumns(glyph, 1);
    if (all.Last - all.First + 1 > shape.Width)
        return left;
    return std::clamp(left, -all.First, shape.Width - 1 - all.Last);
}

}  // namespace

Cell PlaceGlyph(const RenderedGlyph& glyph, const CellShape& shape, int& lostInk)
{
    Cell cell{.Width = shape.Width, .Height = shape.Height,
              .Ink = std::vector<unsigned char>(static_cast<std::size_t>(shape.Width * shape.Height), 0)};
    const int left = FirstColumn(glyph, shape);
    const int top = shape.Baseline - glyph.Top;
    lostInk = 0;
    for (int y = 0; y < glyph.Height; ++y) {
        for (int x = 0; x < glyph.Width; ++x) {
            const unsigned char ink = glyph.Ink[static_cast<std::size_t>(y * glyph.Width + x)];
            const int cx = left + x;
            const int cy = top + y;
            if (cx >= 0 && cx < shape.Width && cy >= 0 && cy < shape.Height)
                cell.Ink[static_cast<std::size_t>(cy * shape.Width + cx)] = ink;
            else if (ink)
                ++lostInk;
        }
    }
    return cell;
}
