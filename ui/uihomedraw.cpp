#include <cstring>

#include "canvas/lcdcanvas.h"
#include "common/format.h"
#include "orvel/orvel.h"
#include "orvel/orvelhooks.h"
#include "orvel/orvelpages.h"
#include "ui/uihome.h"
#include "ui/uihomestate.h"
#include "uicore/uibattery.h"
#include "uicore/uicontrols.h"
#include "uicore/uimeter.h"
#include "uicore/uiutils.h"

namespace {

constexpr std::int32_t FONT_SMALL = 0;
constexpr std::int32_t FONT_LARGE = 1;
constexpr std::int32_t METER_X = 10;
constexpr std::uint32_t CARD_LINES = 3;
constexpr std::size_t CARD_LINE_CHARS = 24;
constexpr std::uint32_t ARM_TRACKS = 8;
// The marks are drawn this much above the line below the digits, so that they fall under them.
constexpr std::int32_t ARM_MARK_RISE = 16;
constexpr std::int32_t TOP_BAND_NAME_X = 140;
constexpr std::int32_t STATUS_LINES_X = 83;
constexpr std::int32_t COLUMN_TIMECODE_X = 88;

struct HomeTexts {
    char Timecode[MAX_UI_TEXT];
    const char* Status;
    Colour StatusColour;
    char Mp3[MAX_UI_TEXT];
    Colour Mp3Colour;
};

HomeTexts HomePrepare()
{
    HomeTexts t{};
    UITimecodeToText(t.Timecode, HomeRunningTC);
    TransportStatus(Orvel.Transport, &t.Status, &t.StatusColour);
    t.Mp3Colour = Mp3Tag(t.Mp3);
    return t;
}

std::int32_t MeterTop(std::uint32_t n)
{
    if (n <= 6)
        return 66;
    return n <= 11 ? 34 : 33;
}

// The digits of the armed tracks ("-" for the others) and a line of marks under them.
std::int32_t DrawArmStrings(Canvas* c, std::int32_t x, std::int32_t y)
{
    if (HomeBlink)
        return DrawText(c, x, y, ALIGN_TOP_LEFT, FONT_SMALL, COLOUR_BLACK, "  PFL");
    char digits[ARM_TRACKS + 1] = {};
    char marks[ARM_TRACKS + 1] = {};
    for (std::uint32_t n = 0; n < ARM_TRACKS; ++n) {
        const bool armed = Orvel.ArmMask & (1U << n);
        digits[n] = armed ? static_cast<char>('1' + n) : '-';
        marks[n] = armed ? '_' : ' ';
    }
    const std::int32_t below = DrawText(c, x, y, ALIGN_TOP_LEFT, FONT_SMALL, COLOUR_BLACK, digits);
    DrawText(c, x, below - ARM_MARK_RISE, ALIGN_TOP_LEFT, FONT_SMALL, COLOUR_BLACK, marks);
    return below;
}

// In arm mode the armed tracks, otherwise the current headphone memory's name.
std::int32_t DrawThirdText(Canvas* c, std::int32_t x, std::int32_t y)
{
    if (Orvel.ArmMode)
        return DrawArmStrings(c, x, y);
    const char* name = OrvelHphMonName(static_cast<std::uint32_t>(Orvel.HphMon.Index));
    return DrawText(c, x, y, ALIGN_TOP_LEFT, FONT_LARGE, COLOUR_BLACK, name);
}

void DrawBattery(Canvas* c, std::int32_t x, std::int32_t y)
{
    OrvelBattery battery{};
    char text[MAX_UI_TEXT] = {};
    OrvelBatteryStatus(&battery, text);
    BatteryDraw(c, x, y, battery.Charge, text);
}

std::int32_t DrawCardLine(Canvas* c, std::int32_t y, std::uint32_t n)
{
    char text[CARD_LINE_CHARS + 1] = {};
    StatusText(text, n, sizeof(text));
    return DrawText(c, STATUS_LINES_X, y, ALIGN_TOP_LEFT, FONT_SMALL, COLOUR_BLACK, text);
}

// Seven meters and more: timecode and battery across the top, the memory name right of them.
void DrawTopBand(Canvas* c, const HomeTexts& t)
{
    if (t.Mp3[0]) {
        DrawText(c, 0, 1, ALIGN_TOP_LEFT, FONT_SMALL, t.StatusColour, t.Timecode);
        const std::int32_t x = TextWidth(c, FONT_SMALL, t.Timecode) + 6;
        DrawText(c, x, 1, ALIGN_TOP_LEFT, FONT_SMALL, t.Mp3Colour, t.Mp3);
    } else {
        DrawText(c, 0, 1, ALIGN_TOP_LEFT, FONT_LARGE, t.StatusColour, t.Timecode);
    }
    DrawBattery(c, 0, 1 + FontHeight(c, FONT_LARGE));
    const std::int32_t y = DrawThirdText(c, TOP_BAND_NAME_X, 1);
    DrawCardLine(c, y, CARD_LINES - 1);
}

// Up to six meters: status, memory and battery on the left, timecode and card lines on the right.
void DrawColumns(Canvas* c, const HomeTexts& t)
{
    const std::int32_t mp3X = TextWidth(c, FONT_LARGE, "PLAY") + 8;
    DrawText(c, mp3X, 2, ALIGN_TOP_LEFT, FONT_SMALL, t.Mp3Colour, t.Mp3);
    std::int32_t y = DrawText(c, 2, 2, ALIGN_TOP_LEFT, FONT_LARGE, t.StatusColour, t.Status) + 4;
    y = DrawThirdText(c, 2, y) + 4;
    DrawBattery(c, 2, y);
    y = DrawText(c, COLUMN_TIMECODE_X, 2, ALIGN_TOP_LEFT, FONT_LARGE, t.StatusColour, t.Timecode);
    for (std::uint32_t n = 0; n < CARD_LINES; ++n)
        y = DrawCardLine(c, y, n);
}

}  // namespace

std::uint32_t HomeDraw(UIPage*)
{
    Canvas* c = &LcdCanvas;
    const HomeTexts t = HomePrepare();
    const std::uint32_t n = OrvelMeters.NMeters;
    if (n > 6)
        DrawTopBand(c, t);
    else
        DrawColumns(c, t);
    MeterDraw(c, &OrvelMeters, METER_X, MeterTop(n));
    return 0;
}
