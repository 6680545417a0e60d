// The LCD views: the picture scaled into the windows' pictures, whole or only where it changed.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "common/debug.h"
#include "host/lcddib.h"

namespace {

constexpr std::uint8_t GridLevel = 100;  // red, green and blue alike
constexpr std::uint32_t GridColour = GridLevel * 0x010101U;

DibRect Intersection(const DibRect& a, const DibRect& b)
{
    return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
}

bool WholeZoom(double zoom)
{
    return zoom >= 1.0 && zoom == std::floor(zoom);
}

// The view pixels, relative to the view's origin, that can show pixels of the part of the picture.
DibRect ViewArea(double zoom, const DibRect& part)
{
    const DibRect view = {0, 0, static_cast<int>(bmpWidth_ * zoom), static_cast<int>(bmpHeight_ * zoom)};
    if (WholeZoom(zoom)) {
        const int z = static_cast<int>(zoom);
        return Intersection({part.Left * z, part.Top * z, part.Right * z, part.Bottom * z}, view);
    }
    // one view pixel more on each side, for edges that rounding puts on the other side of a picture pixel
    const auto low = [zoom](int edge) { return static_cast<int>(std::floor(edge * zoom)) - 1; };
    const auto high = [zoom](int edge) { return static_cast<int>(std::ceil(edge * zoom)) + 1; };
    return Intersection({low(part.Left), low(part.Top), high(part.Right), high(part.Bottom)}, view);
}

// The picture pixels [From, To) that the area of view pixel t covers at a zoom below 1.
struct Covered {
    int From;
    int To;
};

Covered CoveredBy(int t, double zoom, int limit)
{
    const int from = static_cast<int>(t / zoom);
    return {from, std::min(limit, std::max(from + 1, static_cast<int>((t + 1) / zoom)))};
}

// Multipliers that divide by the small pixel counts of the panel's view exactly: (sum * r) >> 32 is
// sum / count for every sum up to 255 * count. A division per channel would cost more than the rest.
constexpr auto Reciprocals = [] {
    std::array<std::uint64_t, 17> r{};
    for (std::uint64_t count = 1; count < r.size(); ++count)
        r[count] = (std::uint64_t{1} << 32) / count + 1;
    return r;
}();

std::uint32_t Mean(std::uint32_t sum, std::uint32_t count)
{
    if (count < Reciprocals.size())
        return static_cast<std::uint32_t>((sum * Reciprocals[count]) >> 32);
    return sum / count;
}

// Below zoom 1 each view column covers at least one picture pixel and starts where the one before it
// ends, so a single pass along a picture row adds each of its pixels to the sums of its column.
void AddPictureRow(std::uint32_t* sums, const Covered* columns, std::size_t width, int sy)
{
    const std::uint8_t* p = &LcdPicture.Bits[DibOffset(columns[0].From, sy)];
    std::size_t i = 0;
    for (int sx = columns[0].From; sx < columns[width - 1].To; ++sx, p += 3) {
        if (sx == columns[i].To)
            ++i;
        sums[i * 3] += p[0];
        sums[i * 3 + 1] += p[1];
        sums[i * 3 + 2] += p[2];
    }
}

// Each view pixel takes the average of the picture pixels its area covers.
void AverageRow(std::uint8_t* out, const Covered* columns, std::size_t width, const Covered& rows)
{
    std::array<std::uint32_t, bmpWidth_ * 3> sums;
    std::fill_n(sums.begin(), width * 3, 0U);
    for (int sy = rows.From; sy < rows.To; ++sy)
        AddPictureRow(sums.data(), columns, width, sy);
    for (std::size_t i = 0; i < width; ++i, out += 3) {
        const auto count = static_cast<std::uint32_t>((columns[i].To - columns[i].From) * (rows.To - rows.From));
        // the picture holds the colour value's low byte first
        out[0] = static_cast<std::uint8_t>(Mean(sums[i * 3 + 2], count));
        out[1] = static_cast<std::uint8_t>(Mean(sums[i * 3 + 1], count));
        out[2] = static_cast<std::uint8_t>(Mean(sums[i * 3], count));
    }
}

void AverageArea(RgbPicture& target, int x, int y, double zoom, const DibRect& area)
{
    std::array<Covered, bmpWidth_> columns;  // a view below zoom 1 is narrower than the picture
    const auto width = static_cast<std::size_t>(area.Right - area.Left);
    for (std::size_t i = 0; i < width; ++i)
        columns[i] = CoveredBy(area.Left + static_cast<int>(i) - x, zoom, bmpWidth_);
    for (int ty = area.Top; ty < area.Bottom; ++ty)
        AverageRow(&target.Pixels[static_cast<std::size_t>((ty * target.Width + area.Left) * 3)], columns.data(),
                   width, CoveredBy(ty - y, zoom, bmpHeight_));
}

void StretchArea(RgbPicture& target, int x, int y, double zoom, const DibRect& area)
{
    for (int ty = area.Top; ty < area.Bottom; ++ty)
        for (int tx = area.Left; tx < area.Right; ++tx)
            target.Set(tx, ty, DibPixel(static_cast<int>((tx - x) / zoom), static_cast<int>((ty - y) / zoom)));
}

// Each picture pixel of a row z times, the last of them grey where there is a grid. The sizes known
// when compiled let the copies of a pixel become a few wide stores.
template <int Z, bool Grid>
void RepeatPixels(std::uint8_t* row, const std::uint8_t* source, int count)
{
    for (int i = 0; i < count; ++i, source += 3, row += Z * 3) {
        std::uint8_t block[Z * 3];
        for (int k = 0; k < Z; ++k) {
            const bool grey = Grid && k == Z - 1;
            // the picture holds the colour value's low byte first
            block[k * 3] = grey ? GridLevel : source[2];
            block[k * 3 + 1] = grey ? GridLevel : source[1];
            block[k * 3 + 2] = grey ? GridLevel : source[0];
        }
        std::memcpy(row, block, sizeof(block));
    }
}

// Any whole zoom, the view pixel's place in its picture pixel counted along.
void RepeatAnyPixels(std::uint8_t* row, int x, const DibRect& area, int sy, int z, bool grid)
{
    int phase = (area.Left - x) % z;
    const std::uint8_t* source = &LcdPicture.Bits[DibOffset((area.Left - x) / z, sy)];
    for (int tx = area.Left; tx < area.Right; ++tx, row += 3) {
        if (grid && phase == z - 1) {
            row[0] = row[1] = row[2] = GridLevel;
        } else {
            row[0] = source[2];
            row[1] = source[1];
            row[2] = source[0];
        }
        if (++phase == z) {
            phase = 0;
            source += 3;
        }
    }
}

// One view row of a whole zoom; the host's two enlarged views, in whole picture pixels, go the fast way.
void MakeRow(std::uint8_t* row, int x, const DibRect& area, int sy, int z, bool grid)
{
    const bool whole = (area.Left - x) % z == 0 && (area.Right - x) % z == 0;
    const std::uint8_t* source = &LcdPicture.Bits[DibOffset((area.Left - x) / z, sy)];
    const int count = (area.Right - area.Left) / z;
    if (whole && z == 2 && !grid)
        RepeatPixels<2, false>(row, source, count);
    else if (whole && z == 4 && grid)
        RepeatPixels<4, true>(row, source, count);
    else
        RepeatAnyPixels(row, x, area, sy, z, grid);
}

// Whole zooms repeat rows: a row is made once for each picture row and copied into the rows below it.
void ReplicateArea(RgbPicture& target, int x, int y, int z, bool grid, const DibRect& area)
{
    const auto span = static_cast<std::size_t>((area.Right - area.Left) * 3);
    const std::uint8_t* made = nullptr;
    for (int ty = area.Top; ty < area.Bottom; ++ty) {
        std::uint8_t* row = &target.Pixels[static_cast<std::size_t>((ty * target.Width + area.Left) * 3)];
        const int phase = (ty - y) % z;
        if (grid && phase == z - 1) {
            std::memset(row, GridLevel, span);
            made = nullptr;
        } else if (made && phase != 0) {
            std::memcpy(row, made, span);
        } else {
            MakeRow(row, x, area, (ty - y) / z, z, grid);
            made = row;
        }
    }
}

void DrawGridArea(RgbPicture& target, int x0, int y0, int z, const DibRect& area)
{
    for (int i = 0; i < bmpWidth_; ++i) {
        const int x = x0 + i * z + z - 1;
        if (x >= area.Left && x < area.Right)
            for (int y = std::max(y0, area.Top); y < std::min(y0 + bmpHeight_ * z, area.Bottom); ++y)
                target.Set(x, y, GridColour);
    }
    for (int j = 0; j < bmpHeight_; ++j) {
        const int y = y0 + j * z + z - 1;
        if (y >= area.Top && y < area.Bottom)
            for (int x = std::max(x0, area.Left); x < std::min(x0 + bmpWidth_ * z, area.Right); ++x)
                target.Set(x, y, GridColour);
    }
}

}  // namespace

void DrawScaled(RgbPicture& target, int x, int y, double zoom, bool grid)
{
    DrawScaledPart(target, x, y, zoom, grid, DIB_WHOLE);
}

void DrawScaledPart(RgbPicture& target, int x, int y, double zoom, bool grid, const DibRect& part)
{
    if (!ASSERT(zoom) || DibRectEmpty(part))
        return;
    const DibRect view = ViewArea(zoom, part);
    const DibRect area = Intersection({view.Left + x, view.Top + y, view.Right + x, view.Bottom + y},
                                      {0, 0, target.Width, target.Height});
    if (DibRectEmpty(area))
        return;
    if (WholeZoom(zoom)) {
        ReplicateArea(target, x, y, static_cast<int>(zoom), grid, area);
        return;
    }
    if (zoom < 1.0)
        AverageArea(target, x, y, zoom, area);
    else
        StretchArea(target, x, y, zoom, area);
    if (grid)
        DrawGridArea(target, x, y, static_cast<int>(zoom), area);
}

void DrawGrid(RgbPicture& target, int x0, int y0, int z)
{
    DrawGridArea(target, x0, y0, z, {0, 0, target.Width, target.Height});
}
