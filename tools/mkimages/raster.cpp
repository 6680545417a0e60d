#include "raster.h"

#include <algorithm>
#include <cmath>

Rgba Mix(Rgba a, Rgba b, float t)
{
    return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t, a.A + (b.A - a.A) * t};
}

Raster::Raster(int width, int height, Rgba fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), fill)
{
}

void Raster::Paint(const std::function<bool(float, float)>& inside, const std::function<Rgba(float, float)>& paint)
{
    constexpr int samples = 4;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            int hits = 0;
            for (int sy = 0; sy < samples; ++sy)
                for (int sx = 0; sx < samples; ++sx)
                    hits += inside(x + (sx + 0.5F) / samples, y + (sy + 0.5F) / samples) ? 1 : 0;
            if (hits)
                Blend(x, y, paint(x + 0.5F, y + 0.5F), static_cast<float>(hits) / (samples * samples));
        }
    }
}

void Raster::Blend(int x, int y, Rgba colour, float coverage)
{
    Rgba& dst = pixels_[Index(x, y)];
    const float a = colour.A * coverage;
    const float outA = a + dst.A * (1 - a);
    if (outA <= 0) {
        dst = {0, 0, 0, 0};
        return;
    }
    auto channel = [&](float s, float d) { return (s * a + d * dst.A * (1 - a)) / outA; };
    dst = {channel(colour.R, dst.R), channel(colour.G, dst.G), channel(colour.B, dst.B), outA};
}

bool InRoundedRect(float x, float y, float x0, float y0, float x1, float y1, float r)
{
    if (x < x0 || x >= x1 || y < y0 || y >= y1)
        return false;
    const float cx = std::clamp(x, x0 + r, x1 - r);
    const float cy = std::clamp(y, y0 + r, y1 - r);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
}

Raster Crop(const Raster& source, int x0, int width)
{
    Raster out(width, source.Height(), {0, 0, 0, 0});
    for (int y = 0; y < source.Height(); ++y)
        for (int x = 0; x < width; ++x)
            out.Set(x, y, source.At(x0 + x, y));
    return out;
}
