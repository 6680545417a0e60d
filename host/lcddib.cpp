#include "host/lcddib.h"

#include <algorithm>

#include "common/debug.h"

LcdDib LcdPicture;

namespace {

constexpr std::uint32_t GridColour = 0x646464;  // red, green and blue 100

std::size_t Offset(int x, int y)
{
    return static_cast<std::size_t>(y * DIB_STRIDE + x * 3);
}

void SetIfInside(RgbPicture& target, int x, int y, std::uint32_t rgb)
{
    if (x >= 0 && y >= 0 && x < target.Width && y < target.Height)
        target.Set(x, y, rgb);
}

// Each target pixel takes the average of the picture pixels its area covers.
std::uint32_t AveragedPixel(int tx, int ty, double zoom)
{
    const int x0 = static_cast<int>(tx / zoom);
    const int y0 = static_cast<int>(ty / zoom);
    const int x1 = std::min(bmpWidth_, std::max(x0 + 1, static_cast<int>((tx + 1) / zoom)));
    const int y1 = std::min(bmpHeight_, std::max(y0 + 1, static_cast<int>((ty + 1) / zoom)));
    std::uint32_t sum[3] = {};
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            for (int channel = 0; channel < 3; ++channel)
                sum[channel] += (DibPixel(x, y) >> (16 - 8 * channel)) & 0xFF;
    const std::uint32_t count = static_cast<std::uint32_t>((x1 - x0) * (y1 - y0));
    return ((sum[0] / count) << 16) | ((sum[1] / count) << 8) | (sum[2] / count);
}

}  // namespace

void DibSetPixel(int x, int y, std::uint32_t rgb)
{
    if (!ASSERT(x < bmpWidth_) || !ASSERT(y < bmpHeight_))
        return;
    std::uint8_t* p = &LcdPicture.Bits[Offset(x, y)];
    p[0] = static_cast<std::uint8_t>(rgb >> 16);
    p[1] = static_cast<std::uint8_t>(rgb >> 8);
    p[2] = static_cast<std::uint8_t>(rgb);
}

void LcdToDib()
{
    Canvas* c = &LcdCanvas;
    for (int y = 0; y < c->Height; ++y) {
        for (int x = 0; x < c->Width; ++x) {
            const std::uint32_t colour = CanvasGetPixelTurned(c, x, y);
            const std::uint32_t rgb =
                (((colour >> 8) & 0xF8) << 16) | (((colour >> 3) & 0xF8) << 8) | ((colour << 3) & 0xF8);
            DibSetPixel(x, y, rgb);
        }
    }
}

std::uint32_t DibPixel(int x, int y)
{
    const std::uint8_t* p = &LcdPicture.Bits[Offset(x, y)];
    // the first byte is the blue channel on screen
    return (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[1]) << 8) | p[0];
}

void DrawScaled(RgbPicture& target, int x, int y, double zoom, bool grid)
{
    if (!ASSERT(zoom))
        return;
    const int width = static_cast<int>(bmpWidth_ * zoom);
    const int height = static_cast<int>(bmpHeight_ * zoom);
    for (int ty = 0; ty < height; ++ty) {
        for (int tx = 0; tx < width; ++tx) {
            const std::uint32_t rgb = zoom < 1.0 ? AveragedPixel(tx, ty, zoom)
                                                 : DibPixel(static_cast<int>(tx / zoom), static_cast<int>(ty / zoom));
            SetIfInside(target, x + tx, y + ty, rgb);
        }
    }
    if (grid)
        DrawGrid(target, x, y, static_cast<int>(zoom));
}

void DrawGrid(RgbPicture& target, int x0, int y0, int z)
{
    for (int i = 0; i < bmpWidth_; ++i)
        for (int y = y0; y < y0 + bmpHeight_ * z; ++y)
            SetIfInside(target, x0 + i * z + z - 1, y, GridColour);
    for (int j = 0; j < bmpHeight_; ++j)
        for (int x = x0; x < x0 + bmpWidth_ * z; ++x)
            SetIfInside(target, x, y0 + j * z + z - 1, GridColour);
}
