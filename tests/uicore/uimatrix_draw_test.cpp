// What a matrix draws: the geometry on exact pixels, the cell texts, and screenshots of whole pages.
#include <gtest/gtest.h>

#include "canvas/images.h"
#include "matrix_fixture.h"
#include "support/assert_capture.h"
#include "support/golden.h"
#include "uicore/uicontrols.h"

namespace {

constexpr Colour Red = 0x001F;
constexpr Colour Green = 0x07C0;
constexpr Colour Blue = 0xB800;

// The device model may colour one cell on its own: here row 1, column 2.
std::uint32_t StoreColouringOneCell(void* self, Message* msg)
{
    const std::uint32_t result = CellStoreHandler(self, msg);
    auto* cell = MsgParamPtr<UIMatrixCell>(msg);
    if (msg->Id == MSG_CELL_GET && cell->Row == 1 && cell->Col == 2)
        cell->Color = Green;
    return result;
}

void Text2(Canvas* c, std::int32_t x, std::int32_t y, Colour colour, const char* text)
{
    DrawText(c, x, y, UI_ALIGN_CENTRE, 2, colour, text);
}

// A large cell at (x, y) with its text centred in it.
void LargeCell(Canvas* c, std::int32_t x, std::int32_t y, const Image* image, Colour colour, const char* text)
{
    c->DrawImage(c, x, y, image, 0);
    Text2(c, x + 12, y + 2, colour, text);
}

}  // namespace

TEST_F(MatrixTest, LargeCellsOverlapByOnePixelUnderTheirColumnTitlesWithRowTitlesAndLegend)
{
    store.Handler = StoreColouringOneCell;
    UIMatrix m = MakeMatrix(5, 29, {3, 3}, &store);
    const char* const columns[] = {"1", "2", "3"};
    std::copy(std::begin(columns), std::end(columns), m.ColTitles);
    m.TitleY = 1;
    m.RowTitles[0] = "IN";
    m.RowTitles[1] = "OUT";
    m.Legend = "L";
    m.ColColors[2] = Red;
    m.RowIndex = 1;
    m.ColIndex = 1;
    store.At(0, 0) = 1;
    store.At(0, 1) = 2;
    store.At(1, 2) = 3;
    Show({Ctl(m)});
    EXPECT_TRUE(buffer == Expected([](Canvas* c) {
        DrawText(c, 17, 33, UI_ALIGN_CENTRE, 0, COLOUR_BLACK, "1");
        DrawText(c, 40, 33, UI_ALIGN_CENTRE, 0, COLOUR_BLACK, "2");
        DrawText(c, 63, 33, UI_ALIGN_CENTRE, 0, Red, "3");
        // the grid starts 17 pixels down whatever TitleY; cells step by 23 both ways
        LargeCell(c, 5, 46, &MatrixCellImage, COLOUR_BLACK, "X");
        LargeCell(c, 28, 46, &MatrixCellImage, COLOUR_BLACK, "X");
        Text2(c, 41, 29, COLOUR_BLACK, "_");
        LargeCell(c, 51, 46, &MatrixCellImage, Red, " ");
        DrawText(c, 76, 50, UI_ALIGN_LEFT, 0, COLOUR_BLACK, "IN");
        LargeCell(c, 5, 69, &MatrixCellImage, COLOUR_BLACK, " ");
        LargeCell(c, 28, 69, &MatrixCursorImage, COLOUR_BLACK, " ");
        LargeCell(c, 51, 69, &MatrixCellImage, Green, "P");
        DrawText(c, 76, 73, UI_ALIGN_LEFT, 0, COLOUR_BLACK, "OUT");
        // beside the widest row title, at the middle of the grid
        DrawText(c, 74 + TextWidth(c, 0, "OUT") + 28, 62, UI_ALIGN_LEFT, 1, COLOUR_BLACK, "L");
    }));
}

TEST_F(MatrixTest, TenColumnsUseSmallCellsAndAMatrixWithoutTitlesStartsAtItsTop)
{
    UIMatrix m = MakeMatrix(4, 105, {10}, &store);
    m.ColIndex = 4;
    store.At(0, 9) = 1;
    Show({Ctl(m)});
    EXPECT_TRUE(buffer == Expected([](Canvas* c) {
        for (std::int32_t col = 0; col < 10; ++col) {
            const std::int32_t x = 4 + 21 * col;
            c->DrawImage(c, x, 105, col == 4 ? &MatrixSmallCursorImage : &MatrixSmallCellImage, 0);
            Text2(c, x + 11, 107, COLOUR_BLACK, col == 9 ? "X" : " ");
        }
    }));
}

TEST_F(MatrixTest, UnfocusedMatrixShowsNoCursorAndUnansweredCellsShowTheFirstItem)
{
    static const UIMenuItem items[] = {{"T", 0, 0}, {"X", 1, 0}};
    static const UIMenu menu = {.NItems = std::size(items), .Items = items};
    UIMatrix m = MakeMatrix(0, 0, {2}, nullptr);
    m.Menu = &menu;
    m.Control.Flags = 0;
    Show({Ctl(m)});
    EXPECT_TRUE(buffer == Expected([](Canvas* c) {
        LargeCell(c, 0, 0, &MatrixCellImage, COLOUR_BLACK, "T");
        LargeCell(c, 23, 0, &MatrixCellImage, COLOUR_BLACK, "T");
    }));
}

TEST_F(MatrixTest, ValuePastTheMenuShowsTheLastItem)
{
    UIMatrix m = MakeMatrix(0, 0, {1}, &store);
    Show({Ctl(m)});
    auto shown = [&](std::uint8_t value) {
        store.At(0, 0) = value;
        UIRedraw();
        return buffer;
    };
    const Picture last = shown(RoutingMenu.NItems - 1);
    EXPECT_TRUE(shown(RoutingMenu.NItems) == last);
    EXPECT_TRUE(shown(200) == last);
    EXPECT_FALSE(shown(RoutingMenu.NItems - 2) == last);
}

TEST_F(MatrixTest, MissingMenuOrCellTextIsReported)
{
    static const UIMenuItem items[] = {{nullptr, 0, 0}};
    static const UIMenu menu = {.NItems = 1, .Items = items};
    UIMatrix m = MakeMatrix(0, 0, {1}, &store);
    m.Menu = nullptr;
    AssertCapture capture;
    Show({Ctl(m)}, 0);
    EXPECT_EQ(capture.Expressions(), (std::vector<std::string>{"menu"}));
    m.Menu = &menu;
    UIRedraw();
    EXPECT_EQ(capture.Expressions(), (std::vector<std::string>{"menu", "text"}));
}

namespace {

const UIMenuItem PanItems[] = {{" ", 0, 0}, {"L", 1, 0}, {"C", 2, 0}, {"R", 3, 0}};
const UIMenu PanMenu = {.NItems = std::size(PanItems), .Items = PanItems};

class MatrixScreens : public MatrixTest {
protected:
    void Title(const char* text)
    {
        title = {.Control = {.Handler = UITitleHandler, .Flags = 0, .X = 0, .Y = 0}, .Text = text};
    }
    static void Fill(CellStore& cells, std::uint32_t row, std::initializer_list<std::uint8_t> values)
    {
        std::uint32_t col = 0;
        for (const std::uint8_t value : values)
            cells.At(row, col++) = value;
    }

    UITitle title{};
    CellStore lower{.Handler = CellStoreHandler, .Table = {}};
};

}  // namespace

TEST_F(MatrixScreens, RoutingMatricesWithTitlesLegendsAndTheCursor)
{
    Title("OUTPUT ROUTING");
    UIMatrix upper = MakeMatrix(5, 24, {6, 6}, &store);
    UIMatrix below = MakeMatrix(5, 96, {6, 6}, &lower);
    const char* const columns[] = {"1", "2", "3", "4", "5", "6"};
    std::copy(std::begin(columns), std::end(columns), upper.ColTitles);
    for (UIMatrix* m : {&upper, &below}) {
        m->RowTitles[0] = "IN";
        m->RowTitles[1] = "TRK";
        UIMatrixSetColColor(m, 4, Blue);
        UIMatrixSetColColor(m, 5, Blue);
    }
    upper.Legend = "L";
    below.Legend = "R";
    Ring({&upper, &below});
    Fill(store, 0, {1, 0, 2, 0, 3, 0});
    Fill(store, 1, {0, 1, 0, 4, 0, 1});
    Fill(lower, 0, {0, 1});
    Fill(lower, 1, {3, 0, 0, 0, 0, 2});
    upper.RowIndex = 1;
    upper.ColIndex = 3;
    Show({&title.Control, Ctl(upper), Ctl(below)});
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/matrix_routing_large_cells"));
}

TEST_F(MatrixScreens, TenColumnMatricesWithSmallCells)
{
    Title("PAN");
    UIMatrix pan = MakeMatrix(4, 30, {10}, &store);
    pan.Menu = &PanMenu;
    const char* const panTitles[] = {"1", "2", "3", "4", "5", "6", "R1", "R2", "R3", "R4"};
    std::copy(std::begin(panTitles), std::end(panTitles), pan.ColTitles);
    Fill(store, 0, {1, 3, 2, 2, 1, 3, 1, 3, 0, 0});
    pan.ColIndex = 3;
    UIMatrix tracks = MakeMatrix(4, 90, {10}, &lower);
    const char* const trackTitles[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    std::copy(std::begin(trackTitles), std::end(trackTitles), tracks.ColTitles);
    UIMatrixSetCells(&tracks, 12);
    tracks.RowTitles[1] = "";
    Fill(lower, 0, {1, 1, 0, 0, 1, 0, 0, 0, 0, 1});
    Fill(lower, 1, {0, 2});
    Show({&title.Control, Ctl(pan), Ctl(tracks)});
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/matrix_small_cells"));
}

TEST_F(MatrixTest, BarOverALetterStaysInsideTheCellWithAirBetweenItAndTheLetter)
{
    static const UIMenuItem items[] = {{" ", 0, 0}, {"/X", 1, 0}};
    static const UIMenu menu = {.NItems = std::size(items), .Items = items};
    for (const std::uint8_t cells : {4, 10}) {
        UIMatrix m = MakeMatrix(0, 40, {cells}, &store);
        m.Menu = &menu;
        m.Control.Flags = 0;
        store.At(0, 1) = 1;
        Show({Ctl(m)});
        // the ink is what differs from the blank cell beside it
        const std::int32_t size = cells < MAX_MATRIX_COLS ? 24 : 22;
        std::vector<std::int32_t> inked;
        for (std::int32_t y = 40; y < 40 + size; ++y) {
            bool ink = false;
            for (std::int32_t x = 0; x < size; ++x)
                ink = ink || At(x, y) != At(x + size - 1, y);
            if (ink)
                inked.push_back(y - 40);
        }
        ASSERT_FALSE(inked.empty());
        // row 0 is the ring neighbours share; only the bar's faint fringe may touch the frame in row 1
        EXPECT_GE(inked.front(), 1) << "the bar stays inside the cell";
        EXPECT_LE(inked.back(), size - 3) << "the letter stays above the frame's bottom edge";
        const auto gap = std::adjacent_find(inked.begin(), inked.end(), [](auto a, auto b) { return b - a > 1; });
        EXPECT_NE(gap, inked.end()) << "a clear row between bar and letter, cell size " << size;
    }
}
