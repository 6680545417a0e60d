#include "artwork.h"
#include "palette.h"

namespace {

// The frame is drawn whole, then cut into its caps and a one-pixel middle slice that is repeated
// across the value; the slice column lies on the straight run between the rounded ends.
Raster WholeBar()
{
    constexpr int width = 16;
    constexpr int height = 22;
    Raster bar(width, height, palette::Clear);
    const Rgba top = RgbaOf(255, 253, 240);
    const Rgba bottom = RgbaOf(250, 222, 140);
    const Box outline = {0.5F, 0.5F, width - 0.5F, height - 0.5F};
    bar.Paint(RoundedRect(outline, 5.0F), Solid(palette::Ink));
    bar.Paint(RoundedRect(Inset(outline, 1.2F), 3.8F), VerticalGradient(top, bottom, 0, height));
    return bar;
}

}  // namespace

void AddEditBarImages(std::vector<ImageAsset>& assets)
{
    const Raster bar = WholeBar();
    assets.push_back({"EditBarLeftImage", 2, Crop(bar, 0, 7)});
    assets.push_back({"EditBarMiddleImage", 2, Crop(bar, 7, 1)});
    assets.push_back({"EditBarRightImage", 2, Crop(bar, 8, 8)});
}
