#include "artwork.h"
#include "palette.h"

namespace {

// The title bar and the timecode page's band are one family: a soft cool gradient lit from above,
// light enough for black text, closed at the bottom by a rule that separates the band from the page.
Raster Band(int width, int height)
{
    const auto w = static_cast<float>(width);
    const auto h = static_cast<float>(height);
    Raster band(width, height, palette::Clear);
    band.Paint(Rect({0, 0, w, h}), VerticalGradient(palette::Mist, palette::Slate, 1, h - 2));
    band.Paint(Rect({0, 0, w, 1}), Solid(palette::White));
    band.Paint(Rect({0, h - 1, w, h}), Solid(palette::Rule));
    return band;
}

}  // namespace

void AddBandImages(std::vector<ImageAsset>& assets)
{
    assets.push_back({"TitleBarImage", 2, Band(220, 21)});
    assets.push_back({"SlateBandImage", 2, Band(220, 20)});
}
