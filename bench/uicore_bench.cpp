// Full redraws of user-interface pages: clearing the LCD, then every control drawing itself.
#include <benchmark/benchmark.h>

#include <array>

#include "canvas/lcdcanvas.h"
#include "fill_baseline.h"
#include "uicore/uimain.h"
#include "uicore/uimatrix.h"
#include "uicore/uisetting.h"
#include "uicore/uiutils.h"

namespace {

std::array<Colour, LCD_WIDTH * LCD_HEIGHT> Store;

// Every cell of the largest matrix there can be, kept one byte each.
constexpr std::uint32_t GridSide = MAX_MATRIX_ROWS;
std::array<std::uint8_t, GridSide * GridSide> Cells;

std::uint32_t CellHandler(void*, Message* msg)
{
    auto* cell = MsgParamPtr<UIMatrixCell>(msg);
    switch (msg->Id) {
    case MSG_CELL_GET:
        UICellGetByte(Cells.data(), GridSide, GridSide, cell);
        return 1;
    case MSG_CELL_SET:
        UICellSetByte(Cells.data(), GridSide, GridSide, cell);
        return 1;
    default:
        return 0;
    }
}

MsgTarget CellSource = {.Handler = CellHandler};

constexpr UIMenuItem RoutingItems[] = {{" ", 0, 0}, {"X", 1, 0}, {"/X", 2, 0}, {"P", 3, 0}, {"/P", 4, 0}};
constexpr UIMenu RoutingMenu = {.NItems = std::size(RoutingItems), .Items = RoutingItems};

// Ten rows of small cells reach below the LCD; the rows there are drawn and clipped pixel by pixel.
UIMatrix Grid = {
    .Control = {.Handler = UIMatrixHandler, .Flags = UI_CTRL_FLAG_FOCUS, .X = 2, .Y = 0},
    .Setting = &CellSource, .NCols = MAX_MATRIX_COLS, .NRows = MAX_MATRIX_ROWS, .Legend = nullptr,
    .ColsPerRow = {10, 10, 10, 10, 10, 10, 10, 10, 10, 10},
    .RowTitles = {"", "", "", "", "", "", "", "", "", ""},
    .ColTitles = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
    .TitleY = 0, .Menu = &RoutingMenu, .Next = &Grid, .Prev = &Grid, .ColIndex = 4, .RowIndex = 3,
    .ColColors = {0, 0, 0, 0, 0, 0, 0, 0, 0xB800, 0xB800}};

UIControl* const GridControls[] = {&Grid.Control};
UIPage GridPage = {.Handler = UINullHandler, .Flags = 0, .Parent = nullptr, .ControlIndex = 0,
                   .NControls = std::size(GridControls), .Controls = GridControls};

void ShowGridPage()
{
    LcdCanvasInit(&LcdCanvas, Store.data(), LCD_WIDTH, LCD_HEIGHT);
    for (std::size_t i = 0; i < Cells.size(); ++i)
        Cells[i] = static_cast<std::uint8_t>(i % RoutingMenu.NItems);
    MsgUnregisterAll();
    UIReset();
    MsgRegister(UIMainHandler, 0);
    UIGotoPage(&GridPage);
}

void BM_MatrixPageRedraw10x10(benchmark::State& state)
{
    ShowGridPage();
    FigureTimer timer(state);
    for (auto _ : state) {
        UIRedraw();
        benchmark::ClobberMemory();
    }
    timer.Report(LCD_WIDTH * LCD_HEIGHT);
}

}  // namespace

BENCHMARK(BM_MatrixPageRedraw10x10)->Unit(benchmark::kMicrosecond);
