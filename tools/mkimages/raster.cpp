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

void Raster::Paint(const InsideFn& inside, const PaintFn& paint)
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

Box Inset(Box box, float by)
{
    return {box.X0 + by, box.Y0 + by, box.X1 - by, box.Y1 - by};
}

InsideFn Rect(Box box)
{
    return RoundedRect(box, 0);
}

InsideFn RoundedRect(Box box, float radius)
{
    return [=](float x, float y) {
        if (x < box.X0 || x >= box.X1 || y < box.Y0 || y >= box.Y1)
            return false;
        // A box narrower than its corners (a nearly empty battery) gets the largest radius that fits.
        const float r = std::min({radius, (box.X1 - box.X0) / 2, (box.Y1 - box.Y0) / 2});
        const float cx = std::clamp(x, box.X0 + r, box.X1 - r);
        const float cy = std::clamp(y, box.Y0 + r, box.Y1 - r);
        return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
    };
}

InsideFn Circle(Point centre, float radius)
{
    return [=](float x, float y) { return std::hypot(x - centre.X, y - centre.Y) <= radius; };
}

namespace {

float DistanceToSegment(float x, float y, Point a, Point b)
{
    const float dx = b.X - a.X;
    const float dy = b.Y - a.Y;
    const float length2 = dx * dx + dy * dy;
    const float t = length2 > 0 ? std::clamp(((x - a.X) * dx + (y - a.Y) * dy) / length2, 0.0F, 1.0F) : 0.0F;
    return std::hypot(x - (a.X + t * dx), y - (a.Y + t * dy));
}

}  // namespace

InsideFn Stroke(std::vector<Point> points, float halfWidth)
{
    return [points = std::move(points), halfWidth](float x, float y) {
        for (std::size_t i = 0; i + 1 < points.size(); ++i)
            if (DistanceToSegment(x, y, points[i], points[i + 1]) <= halfWidth)
                return true;
        return false;
    };
}

InsideFn Either(InsideFn a, InsideFn b)
{
    return [a = std::move(a), b = std::move(b)](float x, float y) { return a(x, y) || b(x, y); };
}

InsideFn Without(InsideFn shape, InsideFn hole)
{
    return [shape = std::move(shape), hole = std::move(hole)](float x, float y) { return shape(x, y) && !hole(x, y); };
}

PaintFn Solid(Rgba colour)
{
    return [colour](float, float) { return colour; };
}

PaintFn VerticalGradient(Rgba top, Rgba bottom, float y0, float y1)
{
    return [=](float, float y) { return Mix(top, bottom, std::clamp((y - y0) / (y1 - y0), 0.0F, 1.0F)); };
}

PaintFn RadialGradient(Rgba centre, Rgba edge, Point at, float radius)
{
    return [=](float x, float y) { return Mix(centre, edge, std::min(std::hypot(x - at.X, y - at.Y) / radius, 1.0F)); };
}

Raster Crop(const Raster& source, int x0, int width)
{
    Raster out(width, source.Height(), {0, 0, 0, 0});
    for (int y = 0; y < source.Height(); ++y)
        for (int x = 0; x < width; ++x)
            out.Set(x, y, source.At(x0 + x, y));
    return out;
}
