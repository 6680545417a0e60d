#include "artwork.h"
#include "palette.h"

namespace {

// How a knob is lit: the gradient of its body, the colour of its grip lines and the width of a light
// rim inside its outline (0 for none).
struct KnobLook {
    Rgba Top;
    Rgba Bottom;
    Rgba Grip;
    float Rim;
};

constexpr Rgba SilverTop = palette::White;
constexpr Rgba SilverBottom = RgbaOf(168, 180, 200);

// A fader cap sliding along a meter bar: a rounded body in a dark outline with vertical grip lines
// 3 pixels apart around its centre. The outline separates it from coloured segments, its light body
// or rim from black.
Raster Knob(int width, int height, int grips, const KnobLook& look)
{
    const auto w = static_cast<float>(width);
    const auto h = static_cast<float>(height);
    const Box body = {0.5F, 0.5F, w - 0.5F, h - 0.5F};
    const InsideFn face = RoundedRect(Inset(body, 1), palette::SmallRadius - 1);
    Raster knob(width, height, palette::Clear);
    knob.Paint(Without(RoundedRect(body, palette::SmallRadius), face), Solid(palette::Ink));
    knob.Paint(face, VerticalGradient(look.Top, look.Bottom, 1, h - 1));
    if (look.Rim > 0)
        knob.Paint(Without(face, RoundedRect(Inset(body, 1 + look.Rim), palette::SmallRadius - 1)),
                   VerticalGradient(SilverTop, SilverBottom, 1, h - 1));
    for (int i = 0; i < grips; ++i) {
        const float x = (w - 1) / 2 + 3.0F * (static_cast<float>(i) - static_cast<float>(grips - 1) / 2);
        knob.Paint(Rect({x, 2.5F, x + 1, h - 2.5F}), Solid(look.Grip));
    }
    return knob;
}

constexpr KnobLook Plain = {SilverTop, SilverBottom, palette::Ink, 0};
constexpr KnobLook Selected = {palette::FocusLight, palette::FocusDeep, palette::White, 0};
// The virtual fader is the ghost of a knob: a light rim around a see-through dark body.
constexpr KnobLook Virtual = {RgbaOf(24, 28, 40, 0.5F), RgbaOf(24, 28, 40, 0.5F), palette::White, 1.5F};

}  // namespace

void AddKnobImages(std::vector<ImageAsset>& assets)
{
    assets.push_back({"MeterKnobSelectedImage", 4, Knob(9, 9, 1, Selected)});
    assets.push_back({"MeterKnobImage", 4, Knob(9, 9, 1, Plain)});
    assets.push_back({"MeterKnobVirtualImage", 4, Knob(18, 11, 2, Virtual)});
    assets.push_back({"MeterKnobWideSelectedImage", 4, Knob(21, 14, 3, Selected)});
    assets.push_back({"MeterKnobThirdImage", 4, Knob(21, 13, 3, Plain)});
}
