#include "cell.h"

#include <algorithm>

namespace {

// Centring by ink weighs the glyph's body only; faint anti-aliased fringes would pull it off centre.
constexpr unsigned char BodyInk = 128;

// Column of the glyph's first bitmap column in the box.
int FirstColumn(const RenderedGlyph& glyph, const CellShape& shape)
{
    if (shape.Centre == Centring::Advance)
        return (shape.Width - glyph.Advance) / 2 + glyph.Left;
    int first = glyph.Width;
    int last = -1;
    for (int y = 0; y < glyph.Height; ++y) {
        for (int x = 0; x < glyph.Width; ++x) {
            if (glyph.Ink[static_cast<std::size_t>(y * glyph.Width + x)] >= BodyInk) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    if (last < first)
        return 0;
    return (shape.Width - (last - first + 1)) / 2 - first;
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
