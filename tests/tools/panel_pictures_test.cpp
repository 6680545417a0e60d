// The committed front-panel pictures, as the front ends use them: the picture at rest is shown, a held
// key's rectangle is copied from the lit picture, and the LCD is drawn into the panel's opening.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "host/panelgeometry.h"
#include "host/pngfile.h"

namespace {

std::filesystem::path PicturePath(const char* name)
{
    return std::filesystem::path(ORVEL_SOURCE_DIR) / "desktop" / "resources" / name;
}

bool Inside(const PanelRect& r, int x, int y)
{
    return r.Left <= x && x < r.Right && r.Top <= y && y < r.Bottom;
}

bool Overlap(const PanelRect& a, const PanelRect& b)
{
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// The rectangles whose look may change: every key and every LED.
std::vector<PanelRect> LightAreas()
{
    std::vector<PanelRect> areas;
    for (const PanelKeyPlace& key : PanelKeyTbl)
        areas.push_back(key.Rect);
    for (const PanelLed& led : PanelLedTbl)
        areas.push_back(led.Area);
    return areas;
}

// The committed picture: 8-bit RGB without alpha (the front ends load 24-bit pictures), of the panel's size.
RgbPicture Panel(const char* name)
{
    unsigned char head[26] = {};
    std::ifstream(PicturePath(name), std::ios::binary).read(reinterpret_cast<char*>(head), sizeof(head));
    EXPECT_TRUE(head[24] == 8 && head[25] == 2) << name << ": bit depth " << +head[24] << ", colour type " << +head[25];
    RgbPicture picture;
    EXPECT_TRUE(PngRead(PicturePath(name).string(), picture)) << name;
    EXPECT_TRUE(picture.Width == PANEL_WIDTH && picture.Height == PANEL_HEIGHT) << name;
    return picture;
}

long Brightness(const RgbPicture& picture, const PanelRect& r)
{
    long sum = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) {
            const std::uint32_t rgb = picture.At(x, y);
            sum += (rgb >> 16) + ((rgb >> 8) & 0xFF) + (rgb & 0xFF);
        }
    return sum / ((r.Right - r.Left) * (r.Bottom - r.Top));
}

// Keys and LEDs light up, and nothing else changes: a difference elsewhere would show as a seam
// around a held key. The LCD opening is one dark colour, up to its edge and no further.
TEST(PanelPicturesTest, LitOnlyInsideKeysAndLedsAroundADarkLcdOpening)
{
    const RgbPicture rest = Panel("panel_rest.png");
    const RgbPicture lit = Panel("panel_lit.png");
    ASSERT_FALSE(HasFailure());
    const std::vector<PanelRect> areas = LightAreas();
    for (const PanelRect& area : areas)
        EXPECT_GT(Brightness(lit, area), Brightness(rest, area) + 30) << area.Left << ", " << area.Top;

    const PanelRect& lcd = PANEL_LCD_AREA;
    const std::uint32_t glass = rest.At(lcd.Left, lcd.Top);
    EXPECT_LT(Brightness(rest, {lcd.Left, lcd.Top, lcd.Left + 1, lcd.Top + 1}), 72) << "the glass is dark";
    int seams = 0;
    int badGlass = 0;
    for (int y = 0; y < PANEL_HEIGHT; ++y)
        for (int x = 0; x < PANEL_WIDTH; ++x) {
            const auto here = [&](const PanelRect& r) { return Inside(r, x, y); };
            seams += std::none_of(areas.begin(), areas.end(), here) && rest.At(x, y) != lit.At(x, y);
            badGlass += Inside(lcd, x, y) != (rest.At(x, y) == glass)
                && Inside({lcd.Left - 1, lcd.Top - 1, lcd.Right + 1, lcd.Bottom + 1}, x, y);
        }
    EXPECT_EQ(seams, 0);
    EXPECT_EQ(badGlass, 0);
}

// A held key copies only its own rectangle: keys, LEDs and the LCD opening lie apart, inside the panel.
TEST(PanelPicturesTest, KeysLedsAndLcdLieApartInsideThePanel)
{
    std::vector<PanelRect> parts = LightAreas();
    parts.push_back(PANEL_LCD_AREA);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const PanelRect& a = parts[i];
        EXPECT_TRUE(a.Left >= 0 && a.Top >= 0 && a.Right <= PANEL_WIDTH && a.Bottom <= PANEL_HEIGHT) << i;
        for (std::size_t j = i + 1; j < parts.size(); ++j)
            EXPECT_FALSE(Overlap(a, parts[j])) << i << " and " << j;
    }
}

}  // namespace
