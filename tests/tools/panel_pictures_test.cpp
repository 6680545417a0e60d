// The committed front-panel pictures, as the desktop front end uses them: it shows the picture at rest
// and copies a held key's rectangle from the lit picture, and draws the LCD into the panel's opening.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "host/pngfile.h"
#include "tools/mkpanel/layout.h"

namespace {

namespace fs = std::filesystem;

constexpr int Width = 932;
constexpr int Height = 198;

// The key rectangles the front end hit-tests and copies, right and bottom exclusive. Kept apart from
// the generator's own table so that a key drawn in the wrong place shows up here.
constexpr PanelBox KeyRegionTbl[] = {
    {131, 52, 177, 81}, {222, 50, 266, 80}, {312, 54, 354, 80}, {402, 52, 444, 80},
    {489, 53, 533, 79}, {580, 50, 623, 80}, {608, 88, 639, 114}, {607, 132, 638, 155},
    {804, 47, 843, 83}, {818, 89, 851, 116}, {800, 118, 844, 160},
};

// The opening the small LCD is drawn into.
constexpr PanelBox LcdArea = {647, 44, 783, 156};

fs::path PicturePath(const char* name)
{
    return fs::path(ORVEL_SOURCE_DIR) / "desktop" / "resources" / name;
}

bool Inside(const PanelBox& box, int x, int y)
{
    return box.Left <= x && x < box.Right && box.Top <= y && y < box.Bottom;
}

bool Overlap(const PanelBox& a, const PanelBox& b)
{
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

bool InKeyOrLed(int x, int y)
{
    return std::any_of(std::begin(KeyRegionTbl), std::end(KeyRegionTbl),
                       [&](const PanelBox& box) { return Inside(box, x, y); }) ||
           std::any_of(std::begin(PanelLedTbl), std::end(PanelLedTbl),
                       [&](const PanelLed& led) { return Inside(led.Area, x, y); });
}

double Luma(std::uint32_t rgb)
{
    return 0.299 * static_cast<double>(rgb >> 16) + 0.587 * static_cast<double>((rgb >> 8) & 0xFF) +
           0.114 * static_cast<double>(rgb & 0xFF);
}

double MeanLuma(const RgbPicture& picture, const PanelBox& box)
{
    double sum = 0;
    for (int y = box.Top; y < box.Bottom; ++y)
        for (int x = box.Left; x < box.Right; ++x)
            sum += Luma(picture.At(x, y));
    return sum / ((box.Right - box.Left) * (box.Bottom - box.Top));
}

std::string BoxText(const PanelBox& box)
{
    return "(" + std::to_string(box.Left) + ", " + std::to_string(box.Top) + ") - (" + std::to_string(box.Right) +
           ", " + std::to_string(box.Bottom) + ")";
}

class PanelPicturesTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(PngRead(PicturePath("panel_rest.png").string(), rest));
        ASSERT_TRUE(PngRead(PicturePath("panel_lit.png").string(), lit));
        ASSERT_EQ(rest.Width, Width);
        ASSERT_EQ(rest.Height, Height);
        ASSERT_EQ(lit.Width, Width);
        ASSERT_EQ(lit.Height, Height);
    }

    RgbPicture rest;
    RgbPicture lit;
};

// The front end loads 24-bit pictures: the files themselves must be 8-bit RGB without alpha.
TEST(PanelPictureFileTest, BothAre932By198TwentyFourBitRgb)
{
    for (const char* name : {"panel_rest.png", "panel_lit.png"}) {
        std::ifstream file(PicturePath(name), std::ios::binary);
        std::array<unsigned char, 26> head{};
        ASSERT_TRUE(file.read(reinterpret_cast<char*>(head.data()), head.size())) << name;
        auto word = [&](std::size_t at) {
            std::uint32_t value = 0;
            for (std::size_t i = at; i < at + 4; ++i)
                value = (value << 8) | head[i];
            return value;
        };
        EXPECT_EQ(std::string(head.begin() + 12, head.begin() + 16), "IHDR") << name;
        EXPECT_EQ(word(16), static_cast<std::uint32_t>(Width)) << name;
        EXPECT_EQ(word(20), static_cast<std::uint32_t>(Height)) << name;
        EXPECT_EQ(head[24], 8) << name << ": bits per component";
        EXPECT_EQ(head[25], 2) << name << ": colour type (2 is RGB without alpha)";
    }
}

// Only key rectangles are ever copied from the lit picture: anything lit elsewhere would never show,
// and anything else that differs would show as a seam around a held key.
TEST_F(PanelPicturesTest, IdenticalOutsideTheKeysAndLeds)
{
    int differing = 0;
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            if (InKeyOrLed(x, y) || rest.At(x, y) == lit.At(x, y))
                continue;
            if (differing++ == 0)
                ADD_FAILURE() << "first differing pixel outside the keys and LEDs: (" << x << ", " << y << ")";
        }
    }
    EXPECT_EQ(differing, 0);
}

TEST_F(PanelPicturesTest, EveryKeyIsBrighterLit)
{
    for (const PanelBox& key : KeyRegionTbl)
        EXPECT_GT(MeanLuma(lit, key), MeanLuma(rest, key) + 10) << "key " << BoxText(key);
}

// A lit key shows along every edge of its rectangle, so the key fills the rectangle that is copied
// and is not drawn shifted or shrunk inside it.
TEST_F(PanelPicturesTest, EveryLitKeyReachesAllFourEdgesOfItsRectangle)
{
    for (const PanelBox& key : KeyRegionTbl) {
        auto litAlong = [&](int x0, int y0, int dx, int dy, int count) {
            int changed = 0;
            for (int i = 0; i < count; ++i)
                changed += rest.At(x0 + i * dx, y0 + i * dy) != lit.At(x0 + i * dx, y0 + i * dy) ? 1 : 0;
            return changed * 2 > count;
        };
        const int width = key.Right - key.Left;
        const int height = key.Bottom - key.Top;
        EXPECT_TRUE(litAlong(key.Left, key.Top, 1, 0, width)) << "top edge of " << BoxText(key);
        EXPECT_TRUE(litAlong(key.Left, key.Bottom - 1, 1, 0, width)) << "bottom edge of " << BoxText(key);
        EXPECT_TRUE(litAlong(key.Left, key.Top, 0, 1, height)) << "left edge of " << BoxText(key);
        EXPECT_TRUE(litAlong(key.Right - 1, key.Top, 0, 1, height)) << "right edge of " << BoxText(key);
    }
}

// At rest every key still carries a legible label: light print, far brighter than the dark rubber.
TEST_F(PanelPicturesTest, EveryKeyShowsALabelAtRest)
{
    constexpr double Print = 170;
    for (const PanelBox& key : KeyRegionTbl) {
        int printed = 0;
        for (int y = key.Top; y < key.Bottom; ++y)
            for (int x = key.Left; x < key.Right; ++x)
                printed += Luma(rest.At(x, y)) > Print ? 1 : 0;
        EXPECT_GE(printed, 10) << "key " << BoxText(key);
    }
}

TEST_F(PanelPicturesTest, EveryLedIsBrighterLit)
{
    for (const PanelLed& led : PanelLedTbl)
        EXPECT_GT(MeanLuma(lit, led.Area), MeanLuma(rest, led.Area) + 10) << led.Label;
}

// The LCD is drawn into the opening and leaves a margin of it uncovered: it must be one dark colour.
TEST_F(PanelPicturesTest, LcdOpeningIsDarkAndUniform)
{
    for (const RgbPicture* picture : {&rest, &lit}) {
        const std::uint32_t glass = picture->At(LcdArea.Left, LcdArea.Top);
        EXPECT_LT(Luma(glass), 24);
        int other = 0;
        for (int y = LcdArea.Top; y < LcdArea.Bottom; ++y)
            for (int x = LcdArea.Left; x < LcdArea.Right; ++x)
                other += picture->At(x, y) != glass ? 1 : 0;
        EXPECT_EQ(other, 0);
    }
}

// The opening is exactly the LCD area: the bezel's lip, not more glass, surrounds it.
TEST_F(PanelPicturesTest, LcdOpeningEndsAtTheLcdArea)
{
    const std::uint32_t glass = rest.At(LcdArea.Left, LcdArea.Top);
    int glassAround = 0;
    for (int x = LcdArea.Left - 1; x <= LcdArea.Right; ++x)
        glassAround += (rest.At(x, LcdArea.Top - 1) == glass) + (rest.At(x, LcdArea.Bottom) == glass);
    for (int y = LcdArea.Top; y < LcdArea.Bottom; ++y)
        glassAround += (rest.At(LcdArea.Left - 1, y) == glass) + (rest.At(LcdArea.Right, y) == glass);
    EXPECT_EQ(glassAround, 0);
}

// LEDs and the encoder are drawn outside every key rectangle and the LCD opening, inside the picture.
TEST(PanelLayoutTest, LedsAndEncoderKeepClearOfKeysAndLcd)
{
    const auto reach = static_cast<int>(std::ceil(EncoderRadius + 12));
    const PanelBox encoder = {static_cast<int>(EncoderX) - reach, static_cast<int>(EncoderY) - reach,
                              static_cast<int>(EncoderX) + reach, static_cast<int>(EncoderY) + reach};
    std::vector<PanelBox> parts = {encoder};
    for (const PanelLed& led : PanelLedTbl)
        parts.push_back(led.Area);
    for (const PanelBox& part : parts) {
        EXPECT_TRUE(part.Left >= 0 && part.Top >= 0 && part.Right <= Width && part.Bottom <= Height)
            << BoxText(part);
        EXPECT_FALSE(Overlap(part, LcdArea)) << BoxText(part);
        for (const PanelBox& key : KeyRegionTbl)
            EXPECT_FALSE(Overlap(part, key)) << BoxText(part) << " overlaps key " << BoxText(key);
    }
}

}  // namespace
