#include "canvas/font.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "canvas/canvas.h"
#include "lcd_fixture.h"
#include "support/assert_capture.h"
#include "support/golden.h"
#include "uicore/uicontrols.h"

namespace {

constexpr Colour Ink = 0x1234;
constexpr Colour Paper = 0x8410;

}  // namespace

TEST(FontMeasureTest, WidthSumsTheAdvancesAndCodesWithoutAGlyphMeasureAsTheFirstGlyph)
{
    EXPECT_EQ(FontGet(6), FontGet(0));
    EXPECT_EQ(FontGet(-1), FontGet(0));
    EXPECT_EQ(FontGet(INT_MIN), FontGet(0));
    const struct {
        int Font;
        const char* Text;
        int Width;
    } cases[] = {
        {0, "ABC", 24}, {0, "", 0}, {1, "12:34", 13 + 13 + 9 + 13 + 13}, {3, "12:34", 4 * 48 + 25},
        {5, "HMSF", 11 + 12 + 10 + 9}, {0, "\x7F", 8}, {0, "\x80", 8}, {0, "\xFF", 8}, {0, "\x1F", 8}, {0, "\x01", 8},
        {2, "ACD", 3 * 16}, {2, "B", 16},  // font 2's images are 17 wide, and "B" has none: all measure 16
        {4, ".", 4}, {4, "A", 4},  // a null entry and one outside the range: the "-"
        {5, "G", 9}, {9, "AB", 16},  // as "F"; an unknown font is font 0
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextWidth(nullptr, c.Font, c.Text), c.Width)
            << "font " << c.Font << " code " << +static_cast<std::uint8_t>(c.Text[0]);
}

class FontDrawTest : public LcdTest {};

// Every font over grey paper and over white; codes without a glyph (drawn as the first glyph, or as the
// "-" and the "F"); the alignments against the grey anchor lines at x = 48 and x = 90, where font 2's
// 17-pixel images overrun its 16-pixel advance; the short forms; the edit bar around a value.
TEST_F(FontDrawTest, TextCard)
{
    canvas.FillRect(&canvas, 0, 0, 219, 37, Paper);
    EXPECT_EQ(DrawText(&canvas, 2, 2, UI_ALIGN_LEFT, 0, Ink, "AB\x7F" "C\x80~"), 17);
    DrawText(&canvas, 70, 1, UI_ALIGN_LEFT, 1, Ink, "1:2~");
    DrawText(&canvas, 2, 19, UI_ALIGN_LEFT, 4, Ink, "1.5/2-:");
    DrawText(&canvas, 60, 19, UI_ALIGN_LEFT, 5, Ink, "GHFMSU");
    DrawText(&canvas, 130, 18, UI_ALIGN_LEFT, 2, Ink, "ABC_");
    DrawText(&canvas, 98, 110, UI_ALIGN_LEFT, 3, Ink, "1:2");
    CanvasDrawLine(&canvas, 48, 40, 48, 72, Paper);
    CanvasDrawLine(&canvas, 90, 74, 90, 124, Paper);
    DrawText(&canvas, 48, 40, UI_ALIGN_CENTRE, 0, Ink, "ABC");
    DrawText(&canvas, 48, 56, UI_ALIGN_CENTRE, 1, Ink, "1:2");
    DrawText(&canvas, 90, 74, UI_ALIGN_RIGHT, 0, Ink, "ABC");
    DrawText(&canvas, 90, 90, 7, 0, Ink, "ABC");  // an unknown alignment starts at x
    DrawText(&canvas, 90, 106, UI_ALIGN_RIGHT, 2, Ink, "ACD");
    EXPECT_EQ(DrawTextCentred(&canvas, 160, 44, "FREE RUN"), 59);
    char text[] = "REC";
    const UITextAttr attr{.Text = text, .Align = UI_ALIGN_CENTRE, .Font = 1, .Color = Ink};
    EXPECT_EQ(DrawTextAttr(&canvas, 160, 60, &attr), 76);
    EXPECT_EQ(DrawTextLeft(&canvas, 120, 80, "TC MODE"), 95);
    CanvasDrawEditBar(&canvas, 30, 140, 40);
    DrawText(&canvas, 30, 141, UI_ALIGN_LEFT, 1, COLOUR_BLACK, "0:12");
    EXPECT_TRUE(LcdMatchesGolden(&canvas, "canvas/text_card"));
}

TEST(FontLookupTest, MissingImagesAndLookupsOfTheWrongKindAreReported)
{
    const std::uint8_t pixel[] = {0};
    const Image dot{.Width = 1, .Height = 1, .Format = IMAGE_COVERAGE, .Data = pixel};
    const Image* const table[] = {nullptr, &dot};
    const Font broken{.Magic = {'0', 'T', 'N', 'F'}, .Width = 1, .Height = 1, .FirstChar = 'A', .LastChar = 'B',
                      .BytesPerRow = 0, .GlyphSize = 0, .Proportional = 1, .Reserved = 0, .CharTbl = table,
                      .Reserved2 = 0, .Glyphs = nullptr};
    AssertCapture capture;
    EXPECT_EQ(FontImageGlyph(&broken, 'B'), &dot);
    EXPECT_TRUE(capture.Reports().empty());
    EXPECT_EQ(FontImageGlyph(&broken, 'A'), nullptr);
    EXPECT_EQ(FontGlyphWidth(&broken, 'Z'), 0);
    EXPECT_EQ(capture.Reports()[0].Module, "canvas/font");
    EXPECT_EQ(FontImageGlyph(FontGet(0), 'A'), nullptr);
    FontBitmapGlyph(FontGet(2), 'A');
    EXPECT_EQ(capture.Expressions(), (std::vector<std::string>{"img", "img", "f->CharTbl", "!f->CharTbl"}));
}
