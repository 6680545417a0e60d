#include <cmath>
#include <numbers>

#include "artwork.h"
#include "palette.h"

namespace {

constexpr int IconSize = 9;
constexpr Box IconBody = {0.5F, 0.5F, IconSize - 0.5F, IconSize - 0.5F};

// A studio microphone in the outline colour: capsule, holder, stand. Strokes run along pixel centres
// so that the 1-pixel lines stay crisp.
Raster ChannelIcon()
{
    constexpr float half = 0.5F;
    constexpr Point pivot = {4.5F, 3.5F};
    constexpr float reach = 3.0F;
    std::vector<Point> holder;
    for (int step = 0; step <= 8; ++step) {
        const float angle = std::numbers::pi_v<float> * static_cast<float>(step) / 8;
        holder.push_back({pivot.X + reach * std::cos(angle), pivot.Y + reach * std::sin(angle)});
    }
    Raster icon(IconSize, IconSize, palette::Clear);
    icon.Paint(RoundedRect({3.0F, 0.0F, 6.0F, 5.5F}, 1.5F), Solid(palette::Ink));
    icon.Paint(Stroke(holder, half), Solid(palette::Ink));
    icon.Paint(Stroke({{4.5F, 6.5F}, {4.5F, 8.5F}}, half), Solid(palette::Ink));
    icon.Paint(Stroke({{2.5F, 8.5F}, {6.5F, 8.5F}}, half), Solid(palette::Ink));
    return icon;
}

// State marks right of a meter are small lit badges with a white symbol.
Raster Badge(Rgba colour, const InsideFn& symbol)
{
    Raster icon(IconSize, IconSize, palette::Clear);
    icon.Paint(RoundedRect(IconBody, palette::SmallRadius),
               VerticalGradient(Mix(colour, palette::White, 0.25F), Mix(colour, palette::Ink, 0.25F), 0, IconSize));
    icon.Paint(symbol, Solid(palette::White));
    return icon;
}

// Isolation attenuation: the level pushed down.
Raster IsoIcon()
{
    constexpr float half = 0.6F;
    return Badge(palette::Amber, Either(Stroke({{4.5F, 1.9F}, {4.5F, 6.6F}}, half),
                                        Stroke({{2.3F, 4.5F}, {4.5F, 6.7F}, {6.7F, 4.5F}}, half)));
}

// Auto-mix: an "A".
Raster AutoMixIcon()
{
    constexpr float half = 0.6F;
    return Badge(palette::Green, Either(Stroke({{2.4F, 7.2F}, {4.5F, 1.9F}, {6.6F, 7.2F}}, half),
                                        Stroke({{3.3F, 5.3F}, {5.7F, 5.3F}}, half)));
}

}  // namespace

void AddMeterImages(std::vector<ImageAsset>& assets)
{
    assets.push_back({"MeterChannelIcon", 4, ChannelIcon()});
    assets.push_back({"MeterIsoIcon", 4, IsoIcon()});
    assets.push_back({"MeterAutoMixIcon", 4, AutoMixIcon()});
    AddKnobImages(assets);
}
