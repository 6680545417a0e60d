#include "canvas/font.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "canvas/canvas.h"
#include "lcd_fixture.h"
#include "support/assert_capture.h"
#include "uicore/uicontrols.h"

namespace {

constexpr Colour Ink = 0x1234;
constexpr Colour Paper = 0x8410;

const std::uint8_t* Glyph(int font, char code)
{
    return FontBitmapGlyph(FontGet(font), static_cast<std::uint8_t>(code));
}

const Image* ImageOf(int font, char code)
{
    return FontImageGlyph(FontGet(font), static_cast<std::uint8_t>(code));
}

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
        {5, "HMSF", 11 + 12 + 10 + 9},
        // Font 2's images are 17 wide, and "B" has none: every character still measures 16.
        {2, "ACD", 3 * 16}, {2, "B", 16},
        {0, "\x7F", 8}, {0, "\x80", 8}, {0, "\xFF", 8}, {0, "\x1F", 8}, {0, "\x01", 8},
        {4, ".", 4},  // null entry: the "-"
        {4, "A", 4},  // outside the range: the "-"
        {5, "G", 9},  // as "F"
        {9, "AB", 16},  // an unknown font is font 0
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextWidth(nullptr, c.Font, c.Text), c.Width)
            << "font " << c.Font << " code " << +static_cast<std::uint8_t>(c.Text[0]);
}

class FontDrawTest : public LcdTest {
protected:
    void SetUp() override
    {
        LcdTest::SetUp();
        LcdCanvasInit(&reference, referenceBuffer.data(), LCD_WIDTH, LCD_HEIGHT);
        reference.Clear(&reference);
    }

    // The canvas shows what the reference does, and that is not nothing.
    void ExpectReference()
    {
        EXPECT_TRUE(buffer == referenceBuffer);
        EXPECT_GT(CountPainted(), 0);
    }

    // The reference gets these glyph images of the font, each at its x, or these bitmap glyphs.
    void ImagesAt(int font, int y, std::initializer_list<std::pair<char, int>> glyphs)
    {
        for (const auto& [code, x] : glyphs)
            reference.DrawImage(&reference, x, y, ImageOf(font, code), Ink);
    }
    void BitmapsAt(int font, int y, std::initializer_list<std::pair<char, int>> glyphs)
    {
        for (const auto& [code, x] : glyphs)
            reference.DrawBitmap(&reference, x, y, Glyph(font, code), Ink);
    }

    std::array<Colour, LCD_WIDTH * LCD_HEIGHT> referenceBuffer{};
    Canvas reference{};
};

TEST_F(FontDrawTest, GlyphsAreDrawnOverWhatIsThereAtThePenWhichAdvancesByEachGlyphsOwnWidth)
{
    canvas.FillRect(&canvas, 0, 0, 219, 175, Paper);
    reference.FillRect(&reference, 0, 0, 219, 175, Paper);
    EXPECT_EQ(DrawText(&canvas, 30, 5, UI_ALIGN_LEFT, 0, Ink, "AB"), 20);
    BitmapsAt(0, 5, {{'A', 30}, {'B', 38}});
    DrawText(&canvas, 10, 20, UI_ALIGN_LEFT, 1, Ink, "1:2");
    BitmapsAt(1, 20, {{'1', 10}, {':', 23}, {'2', 32}});
    DrawText(&canvas, 3, 40, UI_ALIGN_LEFT, 3, Ink, "1:2");
    ImagesAt(3, 40, {{'1', 3}, {':', 51}, {'2', 76}});
    ExpectReference();
}

TEST_F(FontDrawTest, AlignmentShiftsByTheMeasuredWidthWhichFontTwoOverruns)
{
    DrawText(&canvas, 110, 10, UI_ALIGN_CENTRE, 0, Ink, "ABC");
    DrawText(&reference, 98, 10, UI_ALIGN_LEFT, 0, Ink, "ABC");
    DrawText(&canvas, 110, 30, UI_ALIGN_CENTRE, 1, Ink, "1:2");  // 35 wide: starts 17 left
    DrawText(&reference, 93, 30, UI_ALIGN_LEFT, 1, Ink, "1:2");
    DrawText(&canvas, 100, 60, UI_ALIGN_RIGHT, 0, Ink, "ABC");
    DrawText(&reference, 76, 60, 7, 0, Ink, "ABC");  // an unknown alignment starts at x
    // Right-aligned at 100, "ACD" measures 48 and starts at 52, but its images stand 17 apart: the
    // text ends at 103, one pixel per character right of x.
    DrawText(&canvas, 100, 90, UI_ALIGN_RIGHT, 2, Ink, "ACD");
    ImagesAt(2, 90, {{'A', 52}, {'C', 69}, {'D', 86}});
    ExpectReference();
}

TEST_F(FontDrawTest, CodesWithoutAGlyphDrawTheFirstGlyph)
{
    DrawText(&canvas, 5, 5, UI_ALIGN_LEFT, 0, Ink, "A\x7F" "B\x80" "C\xFF" "D\x1F" "E");
    DrawText(&reference, 5, 5, UI_ALIGN_LEFT, 0, Ink, "A B C D E");
    DrawText(&canvas, 5, 40, UI_ALIGN_LEFT, 4, Ink, "1.5/2");
    DrawText(&reference, 5, 40, UI_ALIGN_LEFT, 4, Ink, "1-5-2");
    DrawText(&canvas, 5, 60, UI_ALIGN_LEFT, 5, Ink, "GHI");
    DrawText(&reference, 5, 60, UI_ALIGN_LEFT, 5, Ink, "FHF");
    DrawText(&canvas, 5, 80, UI_ALIGN_LEFT, 2, Ink, "ABC");
    DrawText(&reference, 5, 80, UI_ALIGN_LEFT, 2, Ink, "A C");
    ExpectReference();
}

TEST_F(FontDrawTest, EveryDrawReturnsTheNextLineEvenWhenEmpty)
{
    const int heights[FONT_COUNT] = {15, 16, 18, 64, 8, 12};
    for (int font = 0; font < FONT_COUNT; ++font) {
        EXPECT_EQ(DrawText(&canvas, 10, 20, UI_ALIGN_CENTRE, font, Ink, ""), 20 + heights[font]);
        EXPECT_EQ(DrawText(&canvas, 10, -5, UI_ALIGN_LEFT, font, Ink, "0"), -5 + heights[font]);
    }
    EXPECT_EQ(DrawText(&canvas, 10, 20, UI_ALIGN_LEFT, 9, Ink, ""), 35);  // font 0
    canvas.Clear(&canvas);
    DrawText(&canvas, 10, 20, UI_ALIGN_LEFT, 0, Ink, "");
    EXPECT_EQ(CountPainted(), 0);
}

TEST_F(FontDrawTest, AttributeRecordAndShortFormsDrawLikeDrawText)
{
    char text[] = "REC";
    const UITextAttr attr{.Text = text, .Align = UI_ALIGN_CENTRE, .Font = 1, .Color = Ink};
    EXPECT_EQ(DrawTextAttr(&canvas, 110, 50, &attr), 66);
    DrawText(&reference, 110, 50, UI_ALIGN_CENTRE, 1, Ink, "REC");
    EXPECT_EQ(DrawTextLeft(&canvas, 4, 100, "TC MODE"), 115);
    DrawText(&reference, 4, 100, UI_ALIGN_LEFT, 0, COLOUR_BLACK, "TC MODE");
    EXPECT_EQ(DrawTextCentred(&canvas, 110, 150, "FREE RUN"), 165);
    DrawText(&reference, 110, 150, UI_ALIGN_CENTRE, 0, COLOUR_BLACK, "FREE RUN");
    ExpectReference();
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
