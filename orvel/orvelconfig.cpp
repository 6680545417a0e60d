#include "orvel/orvelconfig.h"

#include "canvas/lcdcanvas.h"
#include "common/debug.h"
#include "common/format.h"
#include "common/numberof.h"
#include "orvel/orvel.h"
#include "uicore/uicontrols.h"
#include "uicore/uimatrix.h"

const std::uint32_t IOConfigTbl_AUDPLD14[16] = {
    0x071, 0x072, 0x074, 0x078, 0x053, 0x055, 0x059, 0x01F,
    0x170, 0x170, 0x170, 0x158, 0x151, 0x14F, 0x11F, 0x11E,
};

namespace {

// The two configurations that lend the AES inputs to a head amplifier; their masks are fixed here.
constexpr std::uint32_t HeadSaverReturnsOff = 13;
constexpr std::uint32_t HeadSaverReturnsOn = 14;

struct SummaryLine {
    const char* Format;
    std::uint32_t Bit;  // 0: an empty line
};

constexpr SummaryLine SummaryLines[] = {
    {"AES 1,2   %s", IO_AES_12}, {"AES 3,4   %s", IO_AES_34},    {"AES 5,6   %s", IO_AES_56},
    {"AES 7,8   %s", IO_AES_78}, {"Ret 1,2   %s", IO_RET_12},    {"Ret 3,4   %s", IO_RET_34},
    {"Analog 5,6 %s", IO_ANALOG_56}, {nullptr, 0},                {"IFB Input  %s", IO_IFB},
};

constexpr const char* HeadSaverLines[2][9] = {
    {"AES 1-8    ON", "HeadSaver on Input 1,2 only", "Return 12  OFF", "Return 34  OFF", "Analog 56  ON", "", "",
     "", "IFB Input  ON"},
    {"AES 1-8    ON", "HeadSaver on Input 1,2 only", "Return 12  ON", "Return 34  OFF", "Analog 56  OFF", "", "",
     "", "IFB Input  ON"},
};

std::int32_t DrawLine(std::int32_t y, const char* text)
{
    DrawTextLeft(&LcdCanvas, 3, y, text);
    return y + FontHeight(&LcdCanvas, 0);
}

void DrawSummary()
{
    std::int32_t y = 40;
    const std::uint32_t index = Orvel.IOConfig;
    if (index == HeadSaverReturnsOff || index == HeadSaverReturnsOn) {
        for (const char* line : HeadSaverLines[index - HeadSaverReturnsOff])
            y = DrawLine(y, line);
    } else {
        char text[MAX_UI_TEXT];
        for (const SummaryLine& line : SummaryLines) {
            if (line.Format)
                FormatText(text, sizeof(text), line.Format, OrvelIOConfigHas(line.Bit) ? "ON" : "OFF");
            y = DrawLine(y, line.Format ? text : "");
        }
    }
    const std::int32_t next = DrawTextCentred(&LcdCanvas, 170, 120, "REBOOT");
    DrawTextCentred(&LcdCanvas, 170, next, "REQUIRED");
}

std::uint32_t ColourColumns(UIMatrix* matrix, std::uint32_t first, std::uint32_t last, std::uint32_t offset)
{
    for (std::uint32_t col = first; col <= last && col < matrix->NCols; ++col)
        if (!OrvelInputAvailable(col + offset))
            UIMatrixSetColColor(matrix, col, COLOUR_UNAVAILABLE);
    return 0;
}

}  // namespace

std::uint32_t OrvelIOConfigMask()
{
    const std::uint32_t index = Orvel.IOConfig;
    if (!ASSERT(index < numberof(IOConfigTbl_AUDPLD14)))
        return 0;
    if (index == HeadSaverReturnsOff)
        return 0x14F;
    if (index == HeadSaverReturnsOn)
        return 0x11F;
    return IOConfigTbl_AUDPLD14[index];
}

std::uint32_t OrvelIOConfigHas(std::uint32_t bits)
{
    return (OrvelIOConfigMask() & bits) ? 1 : 0;
}

std::uint32_t OrvelInputAvailable(std::uint32_t n)
{
    static constexpr std::uint32_t PairBits[] = {IO_ANALOG_56, IO_RET_12, IO_RET_34, IO_AES_12,
                                                 IO_AES_34,    IO_AES_56, IO_AES_78};
    if (n < 4 || n > 17)
        return 1;
    return OrvelIOConfigHas(PairBits[(n - 4) / 2]);
}

std::uint32_t InputConfigPageHandler(void*, Message* msg)
{
    switch (msg->Id) {
    case MSG_VALUE_GET:
        msg->Param = Orvel.IOConfig;
        return 1;
    case MSG_VALUE_SET:
        Orvel.IOConfig = MsgParamUnsigned(msg);
        return 1;
    case MSG_REDRAW:
        DrawSummary();
        return 0;
    default:
        return 0;
    }
}

std::uint32_t ColourAnalogColumns(UIMatrix* matrix)
{
    return ColourColumns(matrix, 4, 7, 0);
}

std::uint32_t ColourDigitalColumns(UIMatrix* matrix)
{
    return ColourColumns(matrix, 0, 7, 10);
}

std::uint32_t ColourOutputReturnColumns(UIMatrix* matrix)
{
    return ColourColumns(matrix, 4, 7, 2);
}

std::uint32_t ExtFaderSet(std::uint32_t fad, std::uint32_t src)
{
    if (!ASSERT(fad < numberof(ExtFaders)))
        return 1;
    // the model stores the nearest source it has: "Dig 8" without the link, "Return 4" without digital inputs
    if (!Orvel.FeatKavlin && src >= 19)
        src = 18;
    if (!Orvel.FeatDigital && src >= 11)
        src = 10;
    ExtFaders[fad] = src;
    return 1;
}
