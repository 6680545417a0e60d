// The generated pictures must suit how the drawing code uses them; their look is left to the goldens.
#include "canvas/images.h"

#include <gtest/gtest.h>

#include <vector>

#include "lcd_fixture.h"

// Cells are drawn every width - 1 pixels in reading order, so neighbours drawn later cover the cursor
// cell's last column and row; the cursor must survive them, also among the keyboard's opaque keys.
TEST_F(LcdTest, NeighboursDrawnLaterLeaveTheCursorCellWhole)
{
    const auto region = [this](const Image& cursor) {
        std::vector<Colour> pixels;
        for (int y = 40; y < 40 + cursor.Height; ++y)
            for (int x = 40; x < 40 + cursor.Width; ++x)
                pixels.push_back(At(x, y));
        return pixels;
    };
    const std::pair<const Image*, const Image*> cells[] = {
        {&MatrixCursorImage, &MatrixCellImage}, {&MatrixSmallCursorImage, &MatrixSmallCellImage},
        {&MatrixCursorImage, &TextKeyImage}};
    for (const auto& [cursor, neighbour] : cells) {
        const int step = cursor->Width - 1;
        canvas.Clear(&canvas);
        canvas.DrawImage(&canvas, 40, 40, cursor, 0);
        const std::vector<Colour> alone = region(*cursor);
        canvas.DrawImage(&canvas, 40 + step, 40, neighbour, 0);
        canvas.DrawImage(&canvas, 40, 40 + step, neighbour, 0);
        canvas.DrawImage(&canvas, 40 + step, 40 + step, neighbour, 0);
        EXPECT_EQ(region(*cursor), alone) << "cursor " << cursor->Width << " wide";
    }
}
