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

class Raster {
public:
    Raster(int width, int height, Rgba fill);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgba At(int x, int y) const { return pixels_[Index(x, y)]; }
    void Set(int x, int y, Rgba colour) { pixels_[Index(x, y)] = colour; }

    // Paints "source over" every pixel by the coverage of an inside test sampled 4 x 4 per pixel;
    // the paint colour may vary with the sample's position.
    void Paint(const std::function<bool(float x, float y)>& inside, const std::function<Rgba(float x, float y)>& paint);

private:
    void Blend(int x, int y, Rgba colour, float coverage);
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y * width_ + x); }

    int width_;
    int height_;
    std::vector<Rgba> pixels_;
};

// Inside test of a rounded rectangle [x0, x1) x [y0, y1) with corner radius r.
bool InRoundedRect(float x, float y, float x0, float y0, float x1, float y1, float r);

// Crops columns [x0, x0 + width) of a raster.
Raster Crop(const Raster& source, int x0, int width);
