#include <string>

#include "artwork.h"
#include "palette.h"

namespace {

constexpr int Width = 83;
constexpr int Height = 21;
// The body keeps to the top 15 rows: over twelve meters the picture's lower rows fall on the meter
// scale's labels, which must stay readable on the plain background.
constexpr float BodyBottom = 15;
constexpr Rgba Well = RgbaOf(24, 28, 40);  // the empty cell

// The charge colour: the level hues darkened, each as far as it needs, so that the light grey text
// drawn over the picture keeps reading on them.
Rgba ChargeColour(int percent)
{
    if (percent <= 10)
        return Mix(palette::Red, palette::Ink, 0.4F);
    if (percent <= 25)
        return Mix(palette::Amber, palette::Ink, 0.6F);
    return Mix(palette::Green, palette::Ink, 0.55F);
}

// A dark body with a terminal nub on the right; the charge fills the cell inside it from the left,
// with a thin gloss along its top edge. Everything behind the text stays dark.
Raster Battery(int percent)
{
    const Box shell = {0.5F, 0.5F, 78.5F, BodyBottom - 0.5F};
    const Box cell = Inset(shell, 2);
    const Box charge = {cell.X0, cell.Y0, cell.X0 + (cell.X1 - cell.X0) * static_cast<float>(percent) / 100, cell.Y1};
    const float radius = palette::Radius - 2;
    const Rgba colour = ChargeColour(percent);
    Raster battery(Width, Height, palette::Clear);
    const Box nub = {76.0F, 4.0F, 82.5F, 11.0F};
    battery.Paint(RoundedRect(nub, 1.5F), VerticalGradient(palette::Edge, palette::Rule, nub.Y0, nub.Y1));
    battery.Paint(RoundedRect(shell, palette::Radius),
                  VerticalGradient(Mix(palette::Rule, palette::Ink, 0.5F), Well, 0, BodyBottom));
    battery.Paint(RoundedRect(Inset(shell, 1), palette::Radius - 1), Solid(palette::Ink));
    battery.Paint(RoundedRect(cell, radius), Solid(Well));
    battery.Paint(RoundedRect(charge, radius), VerticalGradient(colour, Mix(colour, Well, 0.35F), cell.Y0, cell.Y1));
    battery.Paint(Without(RoundedRect(charge, radius), Rect({charge.X0, charge.Y0 + 1, charge.X1, charge.Y1})),
                  Solid(Mix(colour, palette::White, 0.2F)));
    return battery;
}

}  // namespace

std::vector<ImageAsset> BatteryImages()
{
    std::vector<ImageAsset> images;
    // 1 percent, then every multiple of 5 up to 100.
    for (int k = 0; k <= 20; ++k) {
        const int percent = k == 0 ? 1 : 5 * k;
        images.push_back({"BatteryImage" + std::to_string(percent), 2, Battery(percent)});
    }
    return images;
}
