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

struct ExpectedHeader {
    const char* Magic;
    int Width, Height, FirstChar, LastChar, BytesPerRow, GlyphSize, Proportional, Reserved;
};

// The six fonts as the rest of the user interface counts on them.
constexpr ExpectedHeader Headers[FONT_COUNT] = {
    {"FNT0", 8, 15, 32, 126, 1, 15, 1, 3},  {"FNT0", 13, 16, 32, 126, 2, 32, 1, 2},
    {"0TNF", 16, 18, ' ', '_', 0, 0, 0, 0}, {"0TNF", 48, 64, '0', ':', 0, 0, 1, 0},
    {"0TNF", 6, 8, '-', ':', 0, 0, 1, 0},   {"0TNF", 12, 12, 'F', 'U', 0, 0, 1, 0},
};

// Images of one size in a glyph-table font.
struct ExpectedImages {
    std::string Codes;
    int Width, Height;
};

// Every image of a glyph-table font; the codes not listed have no entry.
const std::vector<ExpectedImages> Images[FONT_COUNT] = {
    {},
    {},
    {{" ACDLPRTXZ_", 17, 22}},
    {{"0123456789", 48, 64}, {":", 25, 64}},
    {{"-", 4, 12}, {"0123456789", 5, 12}, {":", 3, 12}},
    {{"F", 9, 16}, {"H", 11, 16}, {"M", 12, 16}, {"S", 10, 16}, {"U", 11, 16}},
};

bool BitSet(const std::uint8_t* glyph, int col, int row)
{
    const int bytesPerRow = (glyph[0] + 7) / 8;
    return glyph[2 + row * bytesPerRow + col / 8] & (0x80 >> (col % 8));
}

int BitmapInk(const std::uint8_t* glyph)
{
    int ink = 0;
    for (int row = 0; row < glyph[1]; ++row)
        for (int col = 0; col < glyph[0]; ++col)
            ink += BitSet(glyph, col, row) ? 1 : 0;
    return ink;
}

// Pixels of a coverage image at least as opaque as the limit; a glyph without dark ones is blank or faint.
int InkedPixels(const Image& image, std::uint8_t transparencyLimit)
{
    int inked = 0;
    for (int i = 0; i < image.Width * image.Height; ++i)
        inked += image.Data[i] <= transparencyLimit ? 1 : 0;
    return inked;
}

const std::uint8_t* Glyph(int font, char code)
{
    return FontBitmapGlyph(FontGet(font), static_cast<std::uint8_t>(code));
}

const Image* ImageOf(int font, char code)
{
    return FontImageGlyph(FontGet(font), static_cast<std::uint8_t>(code));
}

}  // namespace

TEST(FontTableTest, HeadersDescribeTheSixFonts)
{
    for (int i = 0; i < FONT_COUNT; ++i) {
        SCOPED_TRACE("font " + std::to_string(i));
        const Font* f = FontGet(i);
        const ExpectedHeader& e = Headers[i];
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(f->Magic), 4), e.Magic);
        EXPECT_EQ(f->Width, e.Width);
        EXPECT_EQ(f->Height, e.Height);
        EXPECT_EQ(f->FirstChar, e.FirstChar);
        EXPECT_EQ(f->LastChar, e.LastChar);
        EXPECT_EQ(f->BytesPerRow, e.BytesPerRow);
        EXPECT_EQ(f->GlyphSize, e.GlyphSize);
        EXPECT_EQ(f->Proportional, e.Proportional);
        EXPECT_EQ(f->Reserved, e.Reserved);
        EXPECT_EQ(f->Reserved2, 0U);
        const bool bitmap = e.GlyphSize != 0;
        EXPECT_EQ(FontIsBitmap(f), bitmap);
        EXPECT_EQ(f->CharTbl == nullptr, bitmap);
        EXPECT_EQ(f->Glyphs != nullptr, bitmap);
    }
}

TEST(FontTableTest, IndexOutsideTheSixGivesFontZero)
{
    EXPECT_EQ(FontGet(6), FontGet(0));
    EXPECT_EQ(FontGet(-1), FontGet(0));
    EXPECT_EQ(FontGet(INT_MIN), FontGet(0));
}

// Bitmap glyphs lie one after another; glyph tables hold coverage images or nothing. Only the space is blank.
TEST(FontTableTest, EveryGlyphHasItsSizeAndInk)
{
    for (int font = 0; font < FONT_COUNT; ++font) {
        const Font* f = FontGet(font);
        for (int code = f->FirstChar; code <= f->LastChar; ++code) {
            SCOPED_TRACE("font " + std::to_string(font) + " code " + std::to_string(code));
            if (FontIsBitmap(f)) {
                const std::uint8_t* glyph = FontBitmapGlyph(f, static_cast<std::uint8_t>(code));
                EXPECT_EQ(glyph, f->Glyphs + (code - f->FirstChar) * (f->GlyphSize + 2));
                EXPECT_EQ(glyph[0], font == 1 && code == ':' ? 9 : f->Width);
                EXPECT_EQ(glyph[1], f->Height);
                EXPECT_EQ(BitmapInk(glyph) > 0, code != ' ');
                continue;
            }
            const Image* image = f->CharTbl[code - f->FirstChar];
            const ExpectedImages* expected = nullptr;
            for (const ExpectedImages& e : Images[font])
                expected = e.Codes.find(static_cast<char>(code)) != std::string::npos ? &e : expected;
            if (!expected) {
                EXPECT_EQ(image, nullptr);
                continue;
            }
            ASSERT_NE(image, nullptr);
            EXPECT_EQ(image->Width, expected->Width);
            EXPECT_EQ(image->Height, expected->Height);
            EXPECT_EQ(image->Format, IMAGE_COVERAGE);
            if (code == ' ')
                EXPECT_EQ(InkedPixels(*image, 254), 0);
            else
                EXPECT_GT(InkedPixels(*image, 63), 0);
        }
    }
}

TEST(FontMeasureTest, WidthSumsTheAdvancesAndCodesWithoutAGlyphMeasureAsTheFirstGlyph)
{
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

    // Pixels in which the canvas differs from the reference drawing.
    int Differences() const
    {
        int differences = 0;
        for (std::size_t i = 0; i < buffer.size(); ++i)
            differences += buffer[i] != referenceBuffer[i] ? 1 : 0;
        return differences;
    }

    // The canvas shows what the reference does, and that is not nothing.
    void ExpectReference()
    {
        EXPECT_EQ(Differences(), 0);
        EXPECT_GT(CountPainted(), 0);
    }

    // The canvas shows just these glyph images of the font, each at its x.
    void ExpectImagesAt(int font, int y, std::initializer_list<std::pair<char, int>> glyphs)
    {
        for (const auto& [code, x] : glyphs)
            reference.DrawImage(&reference, x, y, ImageOf(font, code), Ink);
        ExpectReference();
    }

    // Checks the box of a bitmap glyph drawn at (x, y): ink exactly on its 1 bits, paper elsewhere.
    void ExpectBitmapAt(const std::uint8_t* glyph, int x, int y, Colour ink, Colour paper)
    {
        for (int row = 0; row < glyph[1]; ++row)
            for (int col = 0; col < glyph[0]; ++col)
                ASSERT_EQ(At(x + col, y + row), BitSet(glyph, col, row) ? ink : paper) << col << "," << row;
    }

    std::array<Colour, LCD_WIDTH * LCD_HEIGHT> referenceBuffer{};
    Canvas reference{};
};

TEST_F(FontDrawTest, GlyphsInkTheirOneBitsAtThePenWhichAdvancesByEachGlyphsOwnWidth)
{
    EXPECT_EQ(DrawText(&canvas, 30, 40, UI_ALIGN_LEFT, 0, Ink, "AB"), 55);
    ExpectBitmapAt(Glyph(0, 'A'), 30, 40, Ink, COLOUR_WHITE);
    ExpectBitmapAt(Glyph(0, 'B'), 38, 40, Ink, COLOUR_WHITE);
    EXPECT_EQ(CountPainted(), BitmapInk(Glyph(0, 'A')) + BitmapInk(Glyph(0, 'B')));

    canvas.Clear(&canvas);
    DrawText(&canvas, 10, 20, UI_ALIGN_LEFT, 1, Ink, "1:2");
    ExpectBitmapAt(Glyph(1, '1'), 10, 20, Ink, COLOUR_WHITE);
    ExpectBitmapAt(Glyph(1, ':'), 23, 20, Ink, COLOUR_WHITE);
    ExpectBitmapAt(Glyph(1, '2'), 32, 20, Ink, COLOUR_WHITE);

    canvas.Clear(&canvas);
    DrawText(&canvas, 3, 33, UI_ALIGN_LEFT, 3, Ink, "1:2");
    ExpectImagesAt(3, 33, {{'1', 3}, {':', 51}, {'2', 76}});
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
    ExpectImagesAt(2, 90, {{'A', 52}, {'C', 69}, {'D', 86}});
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
    for (int font = 0; font < FONT_COUNT; ++font) {
        EXPECT_EQ(DrawText(&canvas, 10, 20, UI_ALIGN_CENTRE, font, Ink, ""), 20 + Headers[font].Height);
        EXPECT_EQ(DrawText(&canvas, 10, -5, UI_ALIGN_LEFT, font, Ink, "0"), -5 + Headers[font].Height);
    }
    EXPECT_EQ(DrawText(&canvas, 10, 20, UI_ALIGN_LEFT, 9, Ink, ""), 35);  // font 0
    canvas.Clear(&canvas);
    DrawText(&canvas, 10, 20, UI_ALIGN_LEFT, 0, Ink, "");
    EXPECT_EQ(CountPainted(), 0);
}

TEST_F(FontDrawTest, TextIsDrawnOverWhatIsThere)
{
    canvas.FillRect(&canvas, 0, 0, 219, 175, Paper);
    DrawText(&canvas, 2, 2, UI_ALIGN_LEFT, 0, Ink, "M");
    ExpectBitmapAt(Glyph(0, 'M'), 2, 2, Ink, Paper);

    // A coverage glyph stores the colour where it is solid and leaves the pixel where it is clear.
    DrawText(&canvas, 20, 20, UI_ALIGN_LEFT, 3, Ink, "8");
    const Image* eight = ImageOf(3, '8');
    int blended = 0;
    for (int row = 0; row < eight->Height; ++row) {
        for (int col = 0; col < eight->Width; ++col) {
            const std::uint8_t t = eight->Data[row * eight->Width + col];
            const Colour pixel = At(20 + col, 20 + row);
            if (t == 0)
                EXPECT_EQ(pixel, Ink);
            else if (t == 255)
                EXPECT_EQ(pixel, Paper);
            else
                blended += pixel != Paper && pixel != Ink ? 1 : 0;
        }
    }
    EXPECT_GT(blended, 0);  // the edges are anti-aliased into the paper
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
