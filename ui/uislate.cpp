#include "ui/uislate.h"

#include "canvas/images.h"
#include "canvas/lcdcanvas.h"
#include "ui/uilists.h"
#include "uicore/uicontrols.h"
#include "uicore/uikeys.h"
#include "uicore/uipoweron.h"
#include "uicore/uiutils.h"

namespace {

// The timecode the slate page shows, as the last MSG_TIMECODE brought it.
std::uint32_t SlateTimecode;

const UIKeepsPowerOn KeptSlateTimecode{SlateTimecode};

struct SlateLabel {
    std::int32_t X;
    std::int32_t Y;
    std::int32_t Font;
    const char* Text;
};

constexpr SlateLabel SlateLabelTbl[] = {
    {.X = 3, .Y = 22, .Font = 5, .Text = "H"},   {.X = 120, .Y = 22, .Font = 5, .Text = "M"},
    {.X = 3, .Y = 99, .Font = 5, .Text = "S"},   {.X = 120, .Y = 99, .Font = 5, .Text = "F"},
    {.X = 99, .Y = 33, .Font = 3, .Text = ":"},  {.X = 99, .Y = 110, .Font = 3, .Text = ":"},
};

// The band and labels are painted only on a full redraw; a partial one repaints changed digits.
void DrawSlate(Canvas* c, bool partial)
{
    UISlateDrawDigits(c, SlateTimecode, partial);
    if (partial)
        return;
    c->DrawImage(c, 0, 0, &SlateBandImage, 0);
    for (const SlateLabel& label : SlateLabelTbl)
        DrawText(c, label.X, label.Y, UI_ALIGN_LEFT, label.Font, COLOUR_BLACK, label.Text);
}

}  // namespace

void UISlateDrawDigits(Canvas* c, std::uint32_t value, bool partial)
{
    std::uint8_t digits[NUM_TC_DIGITS];
    UITimecodeUnpack(digits, value);
    for (std::uint32_t i = 0; i < NUM_TC_DIGITS; ++i)
        SlateDigitDraw(c, i, digits[i], partial);
}

std::uint32_t UISlateHandler(void*, Message* msg)
{
    switch (msg->Id) {
    case MSG_TIMECODE:
        SlateTimecode = MsgParamUnsigned(msg);
        UIRedrawNoClear();
        return 0;
    case MSG_KEY_DOWN:
        return MsgParamUnsigned(msg) == KEY_MENU ? 1 : 0;
    case MSG_PAGE_ENTER:
        LcdCanvas.Rotated = 1;
        return 1;
    case MSG_PAGE_LEAVE:
        LcdCanvas.Rotated = 0;
        return 1;
    case MSG_REDRAW:
        DrawSlate(&LcdCanvas, MsgParamInt(msg) != 0);
        return 0;
    default:
        return 0;
    }
}
