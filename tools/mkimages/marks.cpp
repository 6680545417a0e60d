#include "artwork.h"
#include "palette.h"

namespace {

// A check in the focus colour; drawn on white beside the dark bar of a chosen row.
Raster ListMarker()
{
    Raster marker(13, 11, palette::Clear);
    marker.Paint(Stroke({{2.2F, 5.6F}, {5.0F, 8.4F}, {10.8F, 2.4F}}, 1.2F), Solid(palette::Focus));
    return marker;
}

// A small lit sphere in the focus colour, glinting where the light comes from; it reads on white
// and as a play head on a black line.
Raster StatusMark()
{
    const Point centre = {4.5F, 4.5F};
    Raster mark(9, 9, palette::Clear);
    mark.Paint(Circle(centre, 4.3F), Solid(palette::FocusDeep));
    mark.Paint(Circle(centre, 3.4F), RadialGradient(palette::FocusLight, palette::Focus, {3.4F, 3.2F}, 3.8F));
    mark.Paint(Circle({3.3F, 3.1F}, 0.9F), Solid(palette::White));
    return mark;
}

}  // namespace

void AddMarkImages(std::vector<ImageAsset>& assets)
{
    assets.push_back({"ListMarkerImage", 2, ListMarker()});
    assets.push_back({"StatusMarkImage", 4, StatusMark()});
}
