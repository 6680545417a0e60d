#pragma once
// The powered-on recorder of the device meter tests with an empty auto-mix table, meter records of their
// own drawn on a white LCD, and probes of the drawn picture.
#include <algorithm>
#include <functional>
#include <iterator>
#include <utility>

#include "canvas/images.h"
#include "common/format.h"
#include "orvel/orvel.h"
#include "orvel/orvelhooks.h"
#include "uicore/ui_fixture.h"
#include "uicore/uimeter.h"

inline constexpr Colour Black = COLOUR_BLACK;
inline constexpr Colour White = COLOUR_WHITE;
inline constexpr Colour Green = 0x05C0;  // the lower three segments of the scale
inline constexpr Colour Upper = 0x1FDF;  // from -20 to -10
inline constexpr Colour Top = 0x39DF;    // from -10 to 0
inline constexpr std::int32_t X = 10;  // where the meters stand on the home screen

class MeterTest : public UITest {
protected:
    void SetUp() override
    {
        UITest::SetUp();
        const char* argv[] = {"orvel-sim"};
        OrvelPowerOn(1, argv, "orvel-sim");
        std::fill(std::begin(AutoMix[0]), std::end(AutoMix[0]), 0);
        LcdCanvas.Clear(&LcdCanvas);
    }

    void TearDown() override
    {
        std::fill(std::begin(AutoMix[0]), std::end(AutoMix[0]), 0);
        UITest::TearDown();
    }

    // n meters at level 0 without names, drawn on a white LCD.
    static UIMeters Meters(std::uint8_t n)
    {
        UIMeters m{};
        m.NMeters = n;
        return m;
    }

    void Draw(const UIMeters& m, std::int32_t y)
    {
        LcdCanvas.Clear(&LcdCanvas);
        MeterDraw(&LcdCanvas, &m, X, y);
    }

    // The picture drawn for m, with more drawn over it.
    Picture Over(const UIMeters& m, std::int32_t y, const std::function<void(Canvas*)>& draw)
    {
        Draw(m, y);
        Picture picture = buffer;
        Canvas c{};
        LcdCanvasInit(&c, picture.data(), LCD_WIDTH, LCD_HEIGHT);
        draw(&c);
        return picture;
    }

    // Whether the 9 x 9 block at (x, y) shows the icon as drawn on white.
    bool ShowsIcon(std::int32_t x, std::int32_t y, const Image* icon)
    {
        const Picture alone = Expected([&](Canvas* c) { c->DrawImage(c, x, y, icon, 0); });
        for (std::int32_t dy = 0; dy < icon->Height; ++dy)
            for (std::int32_t dx = 0; dx < icon->Width; ++dx)
                if (At(x + dx, y + dy) != alone[(x + dx) + (LCD_HEIGHT - 1 - (y + dy)) * LCD_WIDTH])
                    return false;
        return true;
    }

    bool BlockIsWhite(std::int32_t x, std::int32_t y, std::int32_t size)
    {
        for (std::int32_t dy = 0; dy < size; ++dy)
            for (std::int32_t dx = 0; dx < size; ++dx)
                if (At(x + dx, y + dy) != White)
                    return false;
        return true;
    }

    // First and last row of the bar of a level-0 meter found down column x from y on.
    std::pair<std::int32_t, std::int32_t> BarRows(std::int32_t x, std::int32_t from)
    {
        std::int32_t top = from;
        while (top < LCD_HEIGHT && At(x, top) != Black)
            ++top;
        std::int32_t bottom = top;
        while (bottom + 1 < LCD_HEIGHT && At(x, bottom + 1) == Black)
            ++bottom;
        return {top, bottom};
    }
};
