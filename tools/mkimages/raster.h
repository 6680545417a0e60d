#pragma once
// A small floating-point RGBA raster for drawing the recorder's artwork procedurally. Shapes are
// anti-aliased by supersampling so that curved edges stay smooth at the LCD's 1:1 scale.
#include <cstdint>
#include <functional>
#include <vector>

struct Rgba {
    float R, G, B, A;  // 0..1, straight alpha
};

constexpr Rgba RgbaOf(int red, int green, int blue, float alpha = 1.0F)
{
    return {red / 255.0F, green / 255.0F, blue / 255.0F, alpha};
}

Rgba Mix(Rgba a, Rgba b, float t);

// Inside test and paint of a shape, both in pixel coordinates: pixel (x, y) spans [x, x + 1) x [y, y + 1).
using InsideFn = std::function<bool(float x, float y)>;
using PaintFn = std::function<Rgba(float x, float y)>;

class Raster {
public:
    Raster(int width, int height, Rgba fill);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgba At(int x, int y) const { return pixels_[Index(x, y)]; }
    void Set(int x, int y, Rgba colour) { pixels_[Index(x, y)] = colour; }

    // Paints "source over" every pixel by the coverage of an inside test sampled 4 x 4 per pixel;
    // the paint colour may vary with the sample's position.
    void Paint(const InsideFn& inside, const PaintFn& paint);

private:
    void Blend(int x, int y, Rgba colour, float coverage);
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y * width_ + x); }

    int width_;
    int height_;
    std::vector<Rgba> pixels_;
};

// The rectangle [X0, X1) x [Y0, Y1).
struct Box {
    float X0, Y0, X1, Y1;
};

Box Inset(Box box, float by);

struct Point {
    float X, Y;
};

// Shapes as inside tests.
InsideFn Rect(Box box);
InsideFn RoundedRect(Box box, float radius);
InsideFn Circle(Point centre, float radius);
// A line through two or more points, halfWidth to either side, with round caps and joins.
InsideFn Stroke(std::vector<Point> points, float halfWidth);
// Both shapes together.
InsideFn Either(InsideFn a, InsideFn b);
// The shape with the hole cut out of it.
InsideFn Without(InsideFn shape, InsideFn hole);

PaintFn Solid(Rgba colour);
// From `top` at y0 to `bottom` at y1, held beyond both.
PaintFn VerticalGradient(Rgba top, Rgba bottom, float y0, float y1);
// From `centre` at `at` to `edge` at `radius` from it, held beyond.
PaintFn RadialGradient(Rgba centre, Rgba edge, Point at, float radius);

// Crops columns [x0, x0 + width) of a raster.
Raster Crop(const Raster& source, int x0, int width);
