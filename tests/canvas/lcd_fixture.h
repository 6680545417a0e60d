#pragma once
// An LCD canvas over a buffer of the test's own, cleared to white.
#include <gtest/gtest.h>

#include <array>

#include "canvas/lcdcanvas.h"

class LcdTest : public testing::Test {
protected:
    void SetUp() override
    {
        LcdCanvasInit(&canvas, buffer.data(), LCD_WIDTH, LCD_HEIGHT);
        canvas.Clear(&canvas);
    }

    Colour At(int x, int y) { return canvas.PixelGet(&canvas, x, y); }

    // Counts the pixels that are not white; with exact expectations this proves nothing else was touched.
    int CountPainted()
    {
        int painted = 0;
        for (Colour pixel : buffer)
            painted += pixel != COLOUR_WHITE ? 1 : 0;
        return painted;
    }

    std::array<Colour, LCD_WIDTH * LCD_HEIGHT> buffer{};
    Canvas canvas{};
};
