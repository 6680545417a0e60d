#include "uicore/uimeter.h"

#include <algorithm>

#include "canvas/lcdcanvas.h"
#include "common/debug.h"
#include "common/format.h"
#include "common/numberof.h"
#include "common/rand.h"
#include "uicore/uipoweron.h"

UIMeters OrvelMeters;

namespace {

const UIMeterDevice* Device;

constexpr std::int32_t FaderStepSize = 4;
constexpr std::uint8_t PeakHoldSteps = 40;
constexpr std::int32_t PeakFall = 15;
constexpr std::int32_t SimulationSwing = 20;  // a step moves a level by at most this much either way
constexpr std::uint32_t TicksPerSimulation = 3;

std::uint32_t PageTicks;

const UIKeepsPowerOn KeptMeters{OrvelMeters, Device, PageTicks};

std::uint8_t ClampLevel(std::int32_t value)
{
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

void NameMeter(UIMeters* p, std::uint32_t index, std::uint32_t srce, std::uint8_t chan)
{
    char(&name)[MAX_METER_NAME] = p->Name[index];
    if (!Device || !Device->Name(srce, chan, name, sizeof(name)))
        FormatText(name, sizeof(name), "%s %d", MeterSrceTbl[srce].Name, chan + 1);
}

// Mathematical modulo: positions before the first wrap to the last.
std::int32_t Wrap(std::int32_t position, std::int32_t n)
{
    return ((position % n) + n) % n;
}

// A random step in (-20, 20], as the recorder's C library gives it.
double RandomDelta()
{
    const double r = Rand15();
    return SimulationSwing - r / (RAND_15_MAX + 1) * (2 * SimulationSwing);
}

void SimulateMeter(UIMeters* meters, std::uint32_t i)
{
    const std::uint8_t level = ClampLevel(static_cast<std::int32_t>(meters->MeterLevel[i] + RandomDelta()));
    meters->MeterLevel[i] = level;
    if (level > meters->Peak[i]) {
        meters->Peak[i] = level;
        meters->Hold[i] = PeakHoldSteps;
    } else if (meters->Hold[i] == 0) {
        meters->Peak[i] = ClampLevel(std::max(meters->Peak[i] - PeakFall, static_cast<std::int32_t>(level)));
    } else {
        --meters->Hold[i];
    }
    meters->Reduction[i] = meters->Hold[i];
}

std::uint32_t PageTick()
{
    if (++PageTicks < TicksPerSimulation)
        return 0;
    PageTicks = 0;
    MeterSimulate(&OrvelMeters);
    UIRedraw();
    return 0;
}

std::uint32_t AnswerRecord(Message* msg)
{
    msg->Param = MsgParamOf(&OrvelMeters);
    return 1;
}

std::uint32_t DrawFromQuery(UIMeter* p)
{
    const auto* meters = reinterpret_cast<const UIMeters*>(MsgQuery(p, MSG_METER_DATA, 0));
    if (meters)
        MeterDraw(&LcdCanvas, meters, p->Control.X, p->Control.Y);
    return 1;
}

}  // namespace

std::uint32_t UIMeterHandler(void* self, Message* msg)
{
    switch (msg->Id) {
    case MSG_DRAW:
        return DrawFromQuery(static_cast<UIMeter*>(self));
    case MSG_METER_DATA:
        return MsgDispatch(UICurrentPage, msg);
    case MSG_CONTROL_KIND:
        return UIAnswerKind(msg, UI_CTRL_KIND_METER);
    default:
        return 0;
    }
}

void MeterSetup(UIMeters* p, std::uint32_t index, std::uint32_t srce, std::uint8_t chan, std::uint8_t mflags,
                std::uint8_t kind)
{
    if (!ASSERT(p) || !ASSERT(index < numberof(p->MeterLevel)) || !ASSERT(srce < numberof(MeterSrceTbl)))
        return;
    p->Colour[index] = MeterSrceTbl[srce].Colour;
    NameMeter(p, index, srce, chan);
    p->MFlags[index] = mflags;
    p->Srce[index] = static_cast<std::uint8_t>(srce);
    p->Chan[index] = chan;
    p->Kind[index] = kind;
}

void MeterSetupChannel(std::uint8_t chan)
{
    OrvelMeters.NMeters = 1;
    MeterSetup(&OrvelMeters, 0, METER_SRCE_INPUT, chan, 0, METER_KNOB_NONE);
}

std::int32_t MeterSelected()
{
    for (std::uint32_t i = 0; i < std::min<std::uint32_t>(OrvelMeters.NMeters, MAX_METERS); ++i)
        if (OrvelMeters.MFlags[i] & METER_FLAG_SELECTED)
            return static_cast<std::int32_t>(i);
    return -1;
}

bool MeterAnySelected()
{
    return MeterSelected() >= 0;
}

void MeterDeselectAll()
{
    for (std::uint32_t i = 0; i < std::min<std::uint32_t>(OrvelMeters.NMeters, MAX_METERS); ++i)
        OrvelMeters.MFlags[i] &= static_cast<std::uint8_t>(~METER_FLAG_SELECTED);
}

std::int32_t MeterSelectNext(std::int32_t index)
{
    ASSERT(index >= -1);
    const std::int32_t start = index + (MeterSelected() == index ? 1 : 0);
    MeterDeselectAll();
    const auto n = static_cast<std::int32_t>(std::min<std::uint32_t>(OrvelMeters.NMeters, MAX_METERS));
    for (std::int32_t k = 0; k < n; ++k) {
        const std::int32_t j = Wrap(start + k, n);
        if (OrvelMeters.MFlags[j] & METER_FLAG_SELECTABLE) {
            OrvelMeters.MFlags[j] |= METER_FLAG_SELECTED;
            return j;
        }
    }
    return -1;
}

void MeterFaderStep(std::int32_t d)
{
    const std::int32_t selected = MeterSelected();
    if (selected < 0) {
        SimLevelStep(FaderStepSize * d);
        return;
    }
    OrvelMeters.Fader[selected] = ClampLevel(OrvelMeters.Fader[selected] + FaderStepSize * d);
}

void SimLevelStep(std::int32_t step)
{
    if (Device)
        Device->LevelStep(step);
}

void MeterFadersFromTrims()
{
    if (!Device)
        return;
    for (std::uint32_t i = 0; i < MAX_METERS; ++i) {
        std::int32_t trim = 0;
        if (OrvelMeters.Kind[i] == METER_KNOB_CHANNEL && Device->Trim(OrvelMeters.Chan[i], &trim))
            OrvelMeters.Fader[i] = static_cast<std::uint8_t>(DbToFader(trim));
    }
}

// -20 dB at the bottom of the scale, +30 dB at the top; a trim below -20 dB stays at the bottom.
std::int32_t DbToFader(std::int32_t db)
{
    const std::int32_t fader = (db + 20) * 256 / 50;
    return std::clamp(fader, 0, 255);
}

void MeterSimulate(UIMeters* meters)
{
    MeterFadersFromTrims();
    if (!ASSERT(meters))
        return;
    for (std::uint32_t i = 0; i < std::min<std::uint32_t>(meters->NMeters, MAX_METERS); ++i)
        SimulateMeter(meters, i);
}

std::uint32_t MeterPageHandler(void*, Message* msg)
{
    switch (msg->Id) {
    case MSG_TIMER_10MS:
        return PageTick();
    case MSG_METER_DATA:
        return AnswerRecord(msg);
    default:
        return 0;
    }
}

void MeterSetDevice(const UIMeterDevice* device)
{
    Device = device;
}

const UIMeterDevice* MeterDevice()
{
    return Device;
}
