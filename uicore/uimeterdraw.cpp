// Drawing of the meter record: the scale labels, then per meter its bar, reduction bar, hatching or
// channel icon, status icons, peak, ticks, name and knob.
#include <algorithm>
#include <iterator>

#include "canvas/images.h"
#include "common/debug.h"
#include "common/numberof.h"
#include "uicore/uicontrols.h"
#include "uicore/uimeter.h"

namespace {

constexpr std::int32_t xfull = 199;  // full scale in pixels
constexpr std::int32_t ScaleFont = 4;
constexpr std::int32_t NameFont = 0;
constexpr std::int32_t CompactMeters = 3;  // three meters spread over the height of six
constexpr std::int32_t CompactRows = 6;
constexpr std::int32_t CompactLastBottom = 169;
constexpr std::int32_t ScreenBottom = 175;
constexpr std::int32_t IconSize = 9;
constexpr Colour HatchColour = 0x05DF;
constexpr std::int32_t TickX[] = {50, 100, 150};

struct ScalePoint {
    std::int32_t X;
    Colour Segment;  // of the segment that ends at the point
    const char* Label;
};

constexpr std::int32_t ScaleX(std::int32_t percent)
{
    return xfull * percent / 100;
}

constexpr ScalePoint ScaleTbl[] = {
    {.X = ScaleX(0), .Segment = 0x05C0, .Label = "-40"},  {.X = ScaleX(25), .Segment = 0x05C0, .Label = "-30"},
    {.X = ScaleX(50), .Segment = 0x05C0, .Label = "-20"}, {.X = ScaleX(75), .Segment = 0x1FDF, .Label = "-10"},
    {.X = ScaleX(100), .Segment = 0x39DF, .Label = "0"},
};

// The lower three segments take the meter's own colour when it has one.
constexpr std::size_t OwnColourSegments = 3;

// Knob images by kind: plain, then selected.
const Image* const KnobTbl[][2] = {
    {nullptr, nullptr},
    {&MeterKnobImage, &MeterKnobSelectedImage},
    {&MeterKnobVirtualImage, &MeterKnobWideSelectedImage},
    {&MeterKnobThirdImage, &MeterKnobWideSelectedImage},
};

// Where the rows of one drawing lie.
struct MeterRows {
    std::int32_t X;
    std::int32_t Pitch;
    std::int32_t BarHeight;
};

struct MeterRow {
    std::int32_t Top;     // y0
    std::int32_t Centre;  // yc
};

std::int32_t Scaled(std::uint8_t value)
{
    return xfull * value / 255;
}

std::int32_t GapCount(const UIMeters* meters, std::int32_t nmeters)
{
    std::int32_t gaps = 0;
    for (std::int32_t i = 1; i < nmeters; ++i)
        if (meters->MFlags[i] & (METER_FLAG_GAP_BEFORE | METER_FLAG_GAP_AFTER))
            ++gaps;
    return gaps;
}

void DrawScaleLabels(Canvas* c, std::int32_t x, std::int32_t y)
{
    for (const ScalePoint& point : ScaleTbl)
        DrawText(c, x + point.X, y, UI_ALIGN_CENTRE, ScaleFont, COLOUR_BLACK, point.Label);
}

Colour SegmentColour(const UIMeters* meters, std::int32_t i, std::size_t k)
{
    if (k < OwnColourSegments && meters->Colour[i])
        return meters->Colour[i];
    return ScaleTbl[k].Segment;
}

// Coloured segments up to the level, black from there to the end of the scale.
void DrawBar(Canvas* c, const UIMeters* meters, std::int32_t i, const MeterRows& rows, const MeterRow& row)
{
    const std::int32_t xlevel = Scaled(meters->MeterLevel[i]);
    ASSERT(xlevel <= xfull);
    const std::int32_t bottom = row.Top + rows.BarHeight - 1;
    std::int32_t s = 0;
    for (std::size_t k = 0; k < std::size(ScaleTbl); ++k) {
        const std::int32_t xk = ScaleTbl[k].X;
        const std::int32_t e = std::min(xlevel, xk);
        if (e >= s && meters->MeterLevel[i] != 0) {
            c->FillRect(c, rows.X + s, row.Top, rows.X + e, bottom, SegmentColour(meters, i, k));
            s = e + 1;
        }
        if (s <= xk) {
            c->FillRect(c, rows.X + s, row.Top, rows.X + xfull, bottom, COLOUR_BLACK);
            return;
        }
        s = xk + 1;
    }
}

void DrawReduction(Canvas* c, const UIMeters* meters, std::int32_t i, const MeterRows& rows, const MeterRow& row)
{
    const std::int32_t rx = xfull - Scaled(meters->Reduction[i]);
    if (rx < xfull)
        c->FillRect(c, rows.X + rx, row.Top + 3 * rows.BarHeight / 8, rows.X + xfull, row.Top + 5 * rows.BarHeight / 8,
                    COLOUR_WHITE);
}

void DrawHatching(Canvas* c, const MeterRows& rows, const MeterRow& row)
{
    for (const std::int32_t dy : {-3, 0, 3})
        c->FillRect(c, rows.X + 2, row.Centre + dy, rows.X + xfull - 1, row.Centre + dy, HatchColour);
}

bool IsolationActive(std::uint8_t chan)
{
    const UIMeterDevice* device = MeterDevice();
    return device && device->Isolated(chan);
}

bool AutoMixActive(std::uint32_t group, std::uint8_t chan)
{
    const UIMeterDevice* device = MeterDevice();
    return device && device->InAutoMix(group, chan);
}

const Image* StatusIcon(const UIMeters* meters, std::int32_t i)
{
    const std::uint8_t chan = meters->Chan[i];
    switch (meters->Srce[i]) {
    case METER_SRCE_CH:
        return IsolationActive(chan) ? &MeterIsoIcon : nullptr;
    case METER_SRCE_INPUT:
        return AutoMixActive(0, chan) ? &MeterAutoMixIcon : nullptr;
    case METER_SRCE_INDIG:
        return AutoMixActive(10, chan) ? &MeterAutoMixIcon : nullptr;
    default:
        return nullptr;
    }
}

void DrawIcons(Canvas* c, const UIMeters* meters, std::int32_t i, const MeterRows& rows, const MeterRow& row)
{
    const std::int32_t iconTop = row.Centre - IconSize / 2;
    if (meters->MFlags[i] & METER_FLAG_HATCHED)
        DrawHatching(c, rows, row);
    else if (meters->Srce[i] == METER_SRCE_CH)
        c->DrawImage(c, rows.X - IconSize, iconTop, &MeterChannelIcon, 0);
    if (const Image* icon = StatusIcon(meters, i))
        c->DrawImage(c, rows.X + xfull + 1, iconTop, icon, 0);
}

void DrawPeakAndTicks(Canvas* c, const UIMeters* meters, std::int32_t i, const MeterRows& rows, const MeterRow& row)
{
    const std::int32_t bottom = row.Top + rows.BarHeight - 1;
    if (meters->Peak[i]) {
        const std::int32_t xpeak = Scaled(meters->Peak[i]);
        ASSERT(xpeak <= xfull);
        const std::int32_t px = rows.X + std::min(xpeak, xfull - 1);
        c->FillRect(c, px, row.Top, px + 1, bottom, COLOUR_WHITE);
    }
    for (const std::int32_t tick : TickX)
        for (std::int32_t y = row.Top; y <= bottom; y += 2)
            c->PixelSet(c, rows.X + tick, y, COLOUR_WHITE);
}

const Image* KnobImage(std::uint8_t kind, std::uint8_t mflags)
{
    if (kind >= std::size(KnobTbl))
        return nullptr;
    const bool selected = (mflags & (METER_FLAG_SELECTED | METER_FLAG_SHOWN_SELECTED)) != 0;
    return KnobTbl[kind][selected ? 1 : 0];
}

void DrawNameAndKnob(Canvas* c, const UIMeters* meters, std::int32_t i, const MeterRows& rows, const MeterRow& row)
{
    const std::int32_t nameTop = row.Top + (rows.BarHeight - FontHeight(c, NameFont)) / 2;
    DrawText(c, rows.X + 2, nameTop, UI_ALIGN_LEFT, NameFont, COLOUR_WHITE, meters->Name[i]);
    const Image* knob = KnobImage(meters->Kind[i], meters->MFlags[i]);
    if (!knob)
        return;
    const std::int32_t knobX = rows.X + meters->Fader[i] * (xfull + 1 - knob->Width) / 255;
    c->DrawImage(c, knobX, row.Top + (rows.BarHeight - knob->Height) / 2, knob, 0);
}

void DrawMeter(Canvas* c, const UIMeters* meters, std::int32_t i, const MeterRows& rows, const MeterRow& row)
{
    DrawBar(c, meters, i, rows, row);
    DrawReduction(c, meters, i, rows, row);
    DrawIcons(c, meters, i, rows, row);
    DrawPeakAndTicks(c, meters, i, rows, row);
    DrawNameAndKnob(c, meters, i, rows, row);
}

}  // namespace

void MeterDraw(Canvas* c, const UIMeters* meters, std::int32_t x, std::int32_t y)
{
    std::int32_t nmeters = meters->NMeters;
    if (!ASSERT(nmeters <= numberof(meters->MeterLevel)))
        nmeters = MAX_METERS;
    const bool compact = nmeters == CompactMeters;
    const std::int32_t h4 = FontHeight(c, ScaleFont);
    DrawScaleLabels(c, x, y);
    const std::int32_t rowCount = compact ? CompactRows : nmeters;
    if (rowCount == 0)
        return;
    const std::int32_t pitch =
        ((ScreenBottom - y - h4) * 2 - 2) / (GapCount(meters, nmeters) + 2 * rowCount);
    const MeterRows rows = {.X = x, .Pitch = pitch, .BarHeight = pitch - 1};
    std::int32_t y0 = y + h4;
    for (std::int32_t i = 0; i < nmeters; ++i) {
        if (i > 0 && (meters->MFlags[i] & METER_FLAG_GAP_BEFORE))
            y0 += pitch / 2;
        if (compact && i == nmeters - 1)
            y0 = CompactLastBottom - pitch;
        DrawMeter(c, meters, i, rows, {.Top = y0, .Centre = y0 + rows.BarHeight / 2});
        y0 += pitch;
        if (meters->MFlags[i] & METER_FLAG_GAP_AFTER)
            y0 += pitch / 2;
    }
}
