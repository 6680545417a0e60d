#include "editbar.h"

namespace {

// The frame is drawn whole, then cut into its caps and a one-pixel middle slice that is repeated
// across the value; the slice column lies on the straight run between the rounded ends.
Raster WholeBar()
{
    constexpr int width = 16;
    constexpr int height = 22;
    Raster bar(width, height, {0, 0, 0, 0});
    const Rgba edge = RgbaOf(44, 52, 72);
    const Rgba top = RgbaOf(255, 253, 240);
    const Rgba bottom = RgbaOf(250, 222, 140);
    bar.Paint([](float x, float y) { return InRoundedRect(x, y, 0.5F, 0.5F, width - 0.5F, height - 0.5F, 5.0F); },
              [&](float, float) { return edge; });
    bar.Paint([](float x, float y) { return InRoundedRect(x, y, 1.7F, 1.7F, width - 1.7F, height - 1.7F, 3.8F); },
              [&](float, float y) { return Mix(top, bottom, y / height); });
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
