// The control under an LCD pixel, as the inspector's boxes place it.
#include <gtest/gtest.h>

#include <vector>

#include "canvas/lcdcanvas.h"
#include "host/uistate.h"
#include "ui/catalogue.h"
#include "ui/home_fixture.h"
#include "uicore/stored_setting.h"
#include "uicore/uimain.h"
#include "uicore/uicontrols.h"
#include "uicore/uilist.h"
#include "uicore/uimeter.h"

namespace {

using ControlAt = HomeTest;

// The smallest box around the pixels that differ from white; Width 0 when nothing was drawn.
LcdRect Drawn()
{
    std::int32_t left = LCD_WIDTH, top = LCD_HEIGHT, right = -1, bottom = -1;
    for (std::int32_t y = 0; y < LCD_HEIGHT; ++y)
        for (std::int32_t x = 0; x < LCD_WIDTH; ++x)
            if (LcdCanvas.PixelGet(&LcdCanvas, x, y) != COLOUR_WHITE) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    return {left, top, right - left + 1, bottom - top + 1};
}

bool Inside(const LcdRect& inner, const LcdRect& outer)
{
    return inner.Width <= 0 || (outer.Contains(inner.X, inner.Y) &&
                                outer.Contains(inner.X + inner.Width - 1, inner.Y + inner.Height - 1));
}

}  // namespace

// A page of known controls, a field right-aligned and a meter over the lower part drawn last.
TEST_F(ControlAt, NamesTheControlOnTopOrNone)
{
    StoredSetting gain = StoredNumber("__", 12, 0, 99);
    UITitle title = {.Control = {.Handler = UITitleHandler}, .Text = "SETUP"};
    UIText text = {.Control = {.Handler = UITextHandler, .X = 4, .Y = 30}, .Text = "GAIN", .Setting = &gain};
    UIButton button = {.Control = {.Handler = UIButtonHandler, .X = 150, .Y = 30}, .Text = "OK", .Width = 40};
    UIText right = {.Control = {.Handler = UITextHandler, .X = 200, .Y = 40}, .Text = "R", .Align = UI_ALIGN_RIGHT};
    UIMeter meter = {.Control = {.Handler = UIMeterHandler, .X = 100, .Y = 120}};
    UIControl* controls[] = {&title.Control, &text.Control, &button.Control, &right.Control, &meter.Control};
    UIPage page = {.Handler = UINullHandler, .ControlIndex = -1, .NControls = 5, .Controls = controls};
    UIGotoPage(&page);
    const struct {
        std::int32_t X, Y, Index;
    } cases[] = {
        {0, 0, 0},     {219, 20, 0},  {4, 30, 1},    {3, 30, -1},   {185, 31, 2},  {191, 31, -1},
        {199, 40, 3},  {201, 40, -1}, {0, 120, 4},   {219, 175, 4}, {219, 119, -1},
        {-1, 0, -1},   {0, 176, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(InspectControlAt(c.X, c.Y), c.Index) << c.X << "," << c.Y;
}

// On every page of the catalogue, all a control draws (drawn alone) lies in its box.
TEST_F(ControlAt, BoxesHoldAllTheControlsDraw)
{
    std::vector<UIPage*> pages;
    CatalogueWalk([](UIPage* page, UIPage*, void* list) { static_cast<std::vector<UIPage*>*>(list)->push_back(page); },
                  &pages);
    for (UIPage* page : pages) {
        UIGotoPage(page);
        if (UICurrentPage != page)
            continue;
        char name[MAX_UI_TEXT];
        CataloguePageKey(page, name);
        const std::vector<LcdRect> rects = InspectRects();
        std::size_t shown = 0;
        for (std::int32_t i = 0; i < page->NControls; ++i) {
            if (!UIControlVisible(page->Controls[i]))
                continue;
            LcdCanvas.Clear(&LcdCanvas);
            MsgQuery(page->Controls[i], MSG_DRAW, 0);
            const LcdRect drawn = Drawn(), box = rects.at(shown++);
            EXPECT_TRUE(Inside(drawn, box)) << name << " control " << i << ": drawn " << drawn.X << "," << drawn.Y
                                            << " " << drawn.Width << "x" << drawn.Height << ", box " << box.X
                                            << "," << box.Y << " " << box.Width << "x" << box.Height;
        }
        EXPECT_EQ(shown, rects.size()) << name;
    }
}
