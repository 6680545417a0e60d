#include "orvel/orvelpages.h"

#include "canvas/lcdcanvas.h"
#include "common/format.h"
#include "orvel/orvel.h"
#include "uicore/uipagetitle.h"
#include "uicore/uicontrols.h"
#include "uicore/uipoweron.h"

namespace {

constexpr std::int32_t IFB_LEFT = 1;
constexpr std::int32_t IFB_TOP = 23;

// Counters of the link, the recorder's and the link processor's side by side; the simulated recorder
// has no link, so every number is 0 and every remark empty.
struct IfbLine {
    const char* Format;  // two numbers and a remark
    std::int32_t Gap = 0;
};

constexpr IfbLine IfbCounterLines[] = {
    {"Delta:  %d, %d %s"},     {"Errors: %06X  %06X %s"}, {"ErrTag: %06X  %06X %s", 5},
    {"Mcount: %06X  %06X %s"}, {"GOOD:   %06X  %06X %s"}, {"SENT:   %06X  %06X %s"},
};
// Up to four numbers each.
constexpr const char* IfbStateLines[] = {"TAG:%04X LCDindex:%04X", "Skipped TX Cmds: %d of %d",
                                         "Proc=%d Stomp=%d OC=%d G%d"};

PageTitle AuxDeviceTitle = TitleOf("AUX DEVICE?", AuxDeviceTitle);

}  // namespace

UIPage AuxDevicePage = TitledPage(AuxDeviceHandler, AuxDeviceTitle);

const UIKeepsPowerOn KeptPages{AuxDevicePage};

std::uint32_t AuxDeviceHandler(void*, Message* msg)
{
    switch (msg->Id) {
    case MSG_REDRAW:
        DrawTextCentred(&LcdCanvas, 4, 100, "test confirm string. boo!");
        return 0;
    default:
        return 0;
    }
}

void IfbDebugDraw()
{
    Canvas* c = &LcdCanvas;
    char text[MAX_UI_TEXT];
    // the link processor's version goes over the heading's leading blanks
    DrawTextLeft(c, IFB_LEFT, IFB_TOP, "        IFB      ORVEL ");
    FormatText(text, sizeof(text), "v%s", Orvel.KavlinVer);
    std::int32_t y = DrawTextLeft(c, IFB_LEFT, IFB_TOP, text);
    for (const IfbLine& line : IfbCounterLines) {
        FormatText(text, sizeof(text), line.Format, 0, 0, "");
        y = DrawTextLeft(c, IFB_LEFT, y, text) + line.Gap;
    }
    for (const char* format : IfbStateLines) {
        FormatText(text, sizeof(text), format, 0, 0, 0, 0);
        y = DrawTextLeft(c, IFB_LEFT, y, text);
    }
}
