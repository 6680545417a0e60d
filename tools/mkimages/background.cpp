#include "artwork.h"
#include "palette.h"

// The home screen draws black text and meter bars over most of this, so it stays light and quiet:
// a gentle fall from the band's brightest grey at the top to a faint cool tint at the bottom.
void AddBackgroundImage(std::vector<ImageAsset>& assets)
{
    constexpr int width = 220;
    constexpr int height = 176;
    Raster background(width, height, palette::Clear);
    background.Paint(Rect({0, 0, width, height}), VerticalGradient(palette::Mist, palette::Haze, 0, height));
    assets.push_back({"BackgroundImage", 2, background});
}
