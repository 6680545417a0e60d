#include "orvel/orvelmeters.h"

#include <algorithm>
#include <iterator>

#include "common/format.h"
#include "common/numberof.h"
#include "orvel/orvel.h"
#include "orvel/orvelhooks.h"
#include "uicore/uimain.h"
#include "uicore/uimeter.h"
#include "uicore/uipoweron.h"

namespace {

struct VFaderState {
    std::int32_t Mode;  // VFaderDisplay
    std::int32_t Num;   // channel index while cycling, 6 up to VFaderCycle + 5
    std::int32_t Sel;   // meter position of the virtual fader, -1 for none
    std::uint8_t Chan;  // channel index of the fixed display
};

constexpr std::int32_t FirstCycledChannel = 6;
constexpr VFaderState VFaderAtStart = {.Mode = VFADER_NONE, .Num = FirstCycledChannel, .Sel = 0, .Chan = 0};

VFaderState VFader = VFaderAtStart;

const UIKeepsPowerOn KeptVFader{VFader};

// The auto-mix layout adds meters only while it has fewer than this.
constexpr std::uint8_t MostAutoMixMeters = 11;
constexpr std::uint32_t AutoMixReturns = 4;
constexpr std::uint32_t AutoMixDigitalInputs = 8;
constexpr std::uint8_t FirstReturnInput = 6;

void Meter(std::uint32_t i, MeterSrceIndex srce, std::uint8_t chan, std::uint8_t mflags = 0,
           std::uint8_t kind = METER_KNOB_NONE)
{
    MeterSetup(&OrvelMeters, i, srce, chan, mflags, kind);
}

bool MeterName(std::uint32_t srce, std::uint8_t chan, char* name, std::size_t size)
{
    if (srce == METER_SRCE_PLAY) {
        FormatText(name, size, "%d TRACKS", Orvel.Play.NTracks);
        return true;
    }
    if (srce != METER_SRCE_CH || chan >= numberof(Orvel.Setup.Tracks) || !Orvel.Setup.Tracks[chan][0])
        return false;
    FormatText(name, size, "%s", Orvel.Setup.Tracks[chan]);
    return true;
}

bool ChannelTrim(std::uint8_t chan, std::int32_t* db)
{
    if (chan >= numberof(Orvel.Setup.Channel))
        return false;
    *db = Orvel.Setup.Channel[chan].Trim;
    return true;
}

bool Isolated(std::uint8_t chan)
{
    return chan < 32 && (Orvel.IsoMask >> chan & 1) && Orvel.IsoAttenuation != 0;
}

// Only the inputs the auto-mix table holds can be in the auto-mix.
bool InAutoMix(std::uint32_t group, std::uint8_t chan)
{
    return chan < numberof(AutoMix[0]) && AutoMixEnabled(group, chan) != 0;
}

// The host's level keys change nothing shown but bring the virtual fader to its fixed channel.
void LevelStep(std::int32_t)
{
    VFaderShowChannel();
}

constexpr UIMeterDevice MeterDeviceAnswers = {
    .Name = MeterName, .Trim = ChannelTrim, .Isolated = Isolated, .InAutoMix = InAutoMix, .LevelStep = LevelStep};

std::uint8_t ShownChannel()
{
    return static_cast<std::uint8_t>(VFaderChannel());
}

void LayoutReset()
{
    VFaderSetMode(VFADER_NONE);
}

// Two outputs and the virtual fader, which can be selected while it cycles.
void LayoutVirtualFader()
{
    OrvelMeters.NMeters = 3;
    Meter(0, METER_SRCE_OUT, 0);
    Meter(1, METER_SRCE_OUT, 1);
    if (VFader.Mode == VFADER_CYCLING)
        Meter(2, METER_SRCE_INPUT, ShownChannel(), METER_FLAG_SELECTABLE | METER_FLAG_SELECTED, METER_KNOB_VIRTUAL);
    else
        Meter(2, METER_SRCE_INPUT, ShownChannel(), 0, METER_KNOB_CHANNEL);
    VFaderSetSel(2);
}

void LayoutSixOutputs()
{
    OrvelMeters.NMeters = 6;
    for (std::uint8_t i = 0; i < 6; ++i)
        Meter(i, METER_SRCE_OUT, i);
}

void LayoutSixInputs()
{
    OrvelMeters.NMeters = 6;
    for (std::uint8_t i = 0; i < 6; ++i)
        Meter(i, METER_SRCE_INPUT, i);
}

void LayoutTracks()
{
    OrvelMeters.NMeters = std::max<std::uint8_t>(OrvelGetNTracks(), 6);
    for (std::uint8_t i = 0; i < OrvelMeters.NMeters; ++i)
        Meter(i, METER_SRCE_CH, i, 0, METER_KNOB_CHANNEL);
}

// A track that is not record-enabled is hatched; the entry consulted is the track's own.
void LayoutOutputsAndTracks()
{
    OrvelMeters.NMeters = static_cast<std::uint8_t>(std::clamp(OrvelGetNTracks() + 2, 8, 12));
    Meter(0, METER_SRCE_OUT, 0);
    Meter(1, METER_SRCE_OUT, 1, METER_FLAG_GAP_AFTER);
    for (std::uint8_t i = 2; i < OrvelMeters.NMeters; ++i) {
        const std::uint8_t track = i - 2;
        Meter(i, METER_SRCE_CH, track, OrvelRecEnable[track] ? 0 : METER_FLAG_HATCHED);
    }
}

void AddAutoMixMeter(MeterSrceIndex srce, std::uint8_t chan)
{
    if (OrvelMeters.NMeters >= MostAutoMixMeters)
        return;
    Meter(OrvelMeters.NMeters, srce, chan);
    ++OrvelMeters.NMeters;
}

// The output, the six analog inputs, then the returns and digital inputs that take part in the auto-mix.
void LayoutAutoMix()
{
    OrvelMeters.NMeters = 1;
    Meter(0, METER_SRCE_OUT, 0, METER_FLAG_GAP_AFTER);
    for (std::uint8_t i = 0; i < 6; ++i, ++OrvelMeters.NMeters)
        Meter(OrvelMeters.NMeters, METER_SRCE_INPUT, i, 0, METER_KNOB_CHANNEL);
    for (std::uint8_t r = 0; r < AutoMixReturns; ++r)
        if (AutoMixEnabled(4, r))
            AddAutoMixMeter(METER_SRCE_INPUT, FirstReturnInput + r);
    for (std::uint8_t d = 0; d < AutoMixDigitalInputs; ++d)
        if (AutoMixEnabled(10, d))
            AddAutoMixMeter(METER_SRCE_INDIG, d);
}

void LayoutOutputsAndVirtualFaders()
{
    OrvelMeters.NMeters = 7;
    Meter(0, METER_SRCE_OUT, 0);
    Meter(1, METER_SRCE_OUT, 1, METER_FLAG_GAP_AFTER);
    for (std::uint8_t i = 2; i < 6; ++i)
        Meter(i, METER_SRCE_INPUT, i + 4, METER_FLAG_SELECTABLE, METER_KNOB_VIRTUAL);
    Meter(6, METER_SRCE_INPUT, ShownChannel(), METER_FLAG_GAP_BEFORE, METER_KNOB_CHANNEL);
    VFaderSetSel(6);
}

void LayoutFourOutputsFourInputs()
{
    OrvelMeters.NMeters = 8;
    for (std::uint8_t i = 0; i < 4; ++i)
        Meter(i, METER_SRCE_OUT, i, i == 3 ? METER_FLAG_GAP_AFTER : 0);
    for (std::uint8_t i = 4; i < 8; ++i)
        Meter(i, METER_SRCE_INPUT, i - 4);
}

void LayoutSixOutputsAndFader()
{
    OrvelMeters.NMeters = 7;
    for (std::uint8_t i = 0; i < 6; ++i)
        Meter(i, METER_SRCE_OUT, i, i == 5 ? METER_FLAG_GAP_AFTER : 0);
    Meter(6, METER_SRCE_INPUT, ShownChannel(), 0, METER_KNOB_CHANNEL);
    VFaderSetSel(6);
}

// By variant + 1.
constexpr void (*const LayoutTbl[])() = {
    LayoutReset,                    // -1
    LayoutVirtualFader,             // 0
    LayoutSixOutputs,               // 1
    LayoutSixInputs,                // 2
    LayoutTracks,                   // 3
    LayoutOutputsAndTracks,         // 4
    LayoutAutoMix,                  // 5
    LayoutOutputsAndVirtualFaders,  // 6
    LayoutFourOutputsFourInputs,    // 7
    LayoutSixOutputsAndFader,       // 8
};

// A setting whose value is the field: get answers it, set stores it.
std::uint32_t FieldHook(std::uint32_t* field, Message* msg)
{
    switch (msg->Id) {
    case MSG_VALUE_GET:
        msg->Param = static_cast<MsgParam>(*field);
        return 1;
    case MSG_VALUE_SET:
        *field = MsgParamUnsigned(msg);
        return 1;
    default:
        return 0;
    }
}

}  // namespace

void MeterLayout(std::int32_t variant)
{
    for (std::uint8_t& kind : OrvelMeters.Kind)
        kind = METER_KNOB_NONE;
    if (variant > 0)
        VFaderShowChannel();
    VFaderSetSel(-1);
    const bool known = variant >= -1 && variant + 1 < static_cast<std::int32_t>(std::size(LayoutTbl));
    LayoutTbl[known ? variant + 1 : 1]();
}

void MeterLayoutDefault()
{
    MeterLayout(-1);
}

std::int32_t VFaderDisplayMode()
{
    return VFader.Mode;
}

std::int32_t VFaderChannel()
{
    switch (VFader.Mode) {
    case VFADER_FIXED:
        return VFader.Chan;
    case VFADER_CYCLING:
        return VFader.Num;
    default:
        return -1;
    }
}

void VFaderSetChan(std::uint8_t channel)
{
    VFader.Chan = channel;
}

void VFaderSetMode(std::int32_t mode)
{
    VFader.Mode = mode;
}

void OrvelMetersConnect()
{
    MeterSetDevice(&MeterDeviceAnswers);
}

void VFaderShowChannel()
{
    if (VFader.Mode == VFADER_FIXED)
        return;
    VFader.Mode = VFADER_FIXED;
    // before start-up there is no page to show
    if (!UICurrentPage)
        return;
    UIGotoPage(UICurrentPage);
    UIRedraw();
}

void VFaderSetSel(std::int32_t i)
{
    VFader.Sel = i;
    if (i >= 0)
        OrvelMeters.Flags |= METER_RECORD_FLAG_VFADER;
}

std::uint32_t VFaderAdvance()
{
    if (++VFader.Num > static_cast<std::int32_t>(Orvel.VFaderCycle) + FirstCycledChannel - 1)
        VFader.Num = FirstCycledChannel;
    return 1;
}

// "vFaders" steps through the cycled channels; "vFad+Trim" alternates between cycling on to the next
// channel and holding it as the fixed one.
void VFaderKey()
{
    if (Orvel.VFaderCycle == 0)
        return;
    const bool cycling = VFader.Mode == VFADER_CYCLING;
    if (Orvel.VFaderMode == 0) {
        if (cycling)
            VFaderAdvance();
        else
            VFaderSetMode(VFADER_CYCLING);
        return;
    }
    if (cycling) {
        VFaderSetMode(VFADER_FIXED);
        VFaderSetChan(static_cast<std::uint8_t>(VFader.Num));
        return;
    }
    VFaderSetMode(VFADER_CYCLING);
    VFaderAdvance();
}

std::uint32_t VFaderCycleHook(void*, Message* msg)
{
    return FieldHook(&Orvel.VFaderCycle, msg);
}

std::uint32_t VFaderModeHook(void*, Message* msg)
{
    return FieldHook(&Orvel.VFaderMode, msg);
}
