// A full redraw of the "Enter text" page: clearing, the title bar, the text line and the 45 keys.
#include <benchmark/benchmark.h>

#include <array>

#include "canvas/lcdcanvas.h"
#include "fill_baseline.h"
#include "ui/uihome.h"
#include "uicore/uitextedit.h"

namespace {

std::array<Colour, LCD_WIDTH * LCD_HEIGHT> Store;
char Name[17] = "SCENE12 TAKE04";

void ShowTextEditor()
{
    LcdCanvasInit(&LcdCanvas, Store.data(), LCD_WIDTH, LCD_HEIGHT);
    MsgUnregisterAll();
    UIReset();
    MsgRegister(UIMainHandler, 0);
    UIGotoPage(&UIHomePage);
    UITextEditState.GridRow = 1;
    UITextEditState.GridCol = 3;
    UITextEditBuffer(Name, sizeof(Name));
}

void BM_TextEditRedraw(benchmark::State& state)
{
    ShowTextEditor();
    FigureTimer timer(state);
    for (auto _ : state) {
        UIRedraw();
        benchmark::ClobberMemory();
    }
    timer.Report(LCD_WIDTH * LCD_HEIGHT);
    MsgUnregisterAll();
    UIReset();
}

}  // namespace

BENCHMARK(BM_TextEditRedraw)->Unit(benchmark::kMicrosecond);
