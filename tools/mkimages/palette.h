#pragma once
// The one palette and the shape constants of the recorder's artwork. Light falls from the top left:
// raised parts are lighter at the top, sunken parts darker there.
#include "raster.h"

namespace palette {

inline constexpr Rgba Clear = {0, 0, 0, 0};
inline constexpr Rgba White = RgbaOf(255, 255, 255);

// Dark navy of outlines, frames and glyphs.
inline constexpr Rgba Ink = RgbaOf(44, 52, 72);
// The focus colour of the interface (0xDB86) with a lighter and a deeper shade for relief.
inline constexpr Rgba Focus = RgbaOf(48, 112, 216);
inline constexpr Rgba FocusLight = RgbaOf(128, 176, 248);
inline constexpr Rgba FocusDeep = RgbaOf(24, 64, 152);
inline constexpr Rgba FocusPale = RgbaOf(216, 230, 252);

// Cool light greys of bands and faces, from the brightest to the rule under a band.
inline constexpr Rgba Mist = RgbaOf(244, 247, 252);
inline constexpr Rgba Haze = RgbaOf(220, 228, 240);
inline constexpr Rgba Slate = RgbaOf(196, 208, 226);
inline constexpr Rgba Rule = RgbaOf(104, 120, 152);
inline constexpr Rgba Edge = RgbaOf(144, 156, 180);  // outline of keys and cells

// Level colours, the same family as the meters' segments.
inline constexpr Rgba Green = RgbaOf(40, 160, 88);
inline constexpr Rgba Amber = RgbaOf(224, 150, 32);
inline constexpr Rgba Red = RgbaOf(208, 56, 48);

// Corner radii: one for keys, cells and bodies of about 20 pixels, one for 9-pixel marks.
inline constexpr float Radius = 4.0F;
inline constexpr float SmallRadius = 2.5F;

}  // namespace palette
