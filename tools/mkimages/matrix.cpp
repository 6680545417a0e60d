#include "artwork.h"
#include "palette.h"

namespace {

// How one kind of cell is lit: its frame, the gradient of its face from top to bottom and the lip
// just under the frame's top edge (a highlight on raised faces, a shadow in sunken ones).
struct CellLook {
    Rgba Frame;
    float FrameWidth;
    Rgba Top;
    Rgba Bottom;
    Rgba Lip;
};

// Cells are placed every size - 1 pixels, so neighbours share their outermost ring. That ring is left
// clear (white on the opaque key), which shows as a one-pixel gap between separately framed tiles
// whatever the order in which the cells are drawn.
Raster Cell(int size, const CellLook& look)
{
    const auto s = static_cast<float>(size);
    const Box face = {1, 1, s - 1, s - 1};
    Raster cell(size, size, palette::Clear);
    cell.Paint(RoundedRect(face, palette::Radius), Solid(look.Frame));
    const Box inner = Inset(face, look.FrameWidth);
    const float radius = palette::Radius - look.FrameWidth;
    const Box lowered = {inner.X0, inner.Y0 + 1, inner.X1, inner.Y1 + 1};
    cell.Paint(RoundedRect(inner, radius), VerticalGradient(look.Top, look.Bottom, face.Y0, face.Y1));
    cell.Paint(Without(RoundedRect(inner, radius), RoundedRect(lowered, radius)), Solid(look.Lip));
    return cell;
}

// A plain cell is a shallow well: shaded under its top edge, brighter towards the bottom. It is also
// the keyboard's key while pressed.
constexpr CellLook Well = {palette::Edge, 1.0F, palette::Haze, palette::Mist, palette::Slate};
// The cursor cell keeps a pale face so that a black or coloured letter still reads on it, and marks
// itself with a frame in the focus colour.
constexpr CellLook Cursor = {palette::Focus, 2.0F, palette::FocusPale, RgbaOf(184, 208, 248), palette::White};
// The keyboard's keys stand out of the screen: bright at the top, shaded at the bottom.
constexpr CellLook Key = {palette::Edge, 1.0F, palette::White, palette::Slate, palette::White};

}  // namespace

void AddMatrixImages(std::vector<ImageAsset>& assets)
{
    assets.push_back({"MatrixCellImage", 4, Cell(24, Well)});
    assets.push_back({"MatrixCursorImage", 4, Cell(24, Cursor)});
    assets.push_back({"MatrixSmallCellImage", 4, Cell(22, Well)});
    assets.push_back({"MatrixSmallCursorImage", 4, Cell(22, Cursor)});
    assets.push_back({"TextKeyImage", 2, Cell(24, Key)});
}
