#include "orvel/orvelhooks.h"

#include <algorithm>
#include <iterator>

#include "common/debug.h"
#include "common/format.h"
#include "common/numberof.h"
#include "orvel/orvel.h"
#include "uicore/uicontrols.h"
#include "uicore/uieditors.h"
#include "uicore/uipoweron.h"
#include "uicore/uiutils.h"

std::uint8_t AutoMix[8][8];

const UIKeepsPowerOn KeptAutoMix{AutoMix};

std::uint32_t AutoMixEnabled(std::uint32_t, std::uint32_t n)
{
    if (!ASSERT(n < numberof(AutoMix[0])))
        return 0;
    return AutoMix[0][n];
}

namespace {

// Rates in Hz of the "SAMPLE RATE " options.
constexpr std::uint32_t SampleRateTbl[] = {44100, 47952, 48000, 48048, 88200, 96000, 96096};

constexpr std::int32_t MIRROR_DRIVE_FIRST = 1;  // "(USB)"
constexpr std::int32_t MIRROR_DRIVE_LAST = 2;   // "(MirCF)"
constexpr std::int32_t DYNAMIC_48V_FIRST = 1;   // "OFF"; 0 "---" is only shown

constexpr std::int32_t PEAK_HOLD_STEP = 200;
constexpr std::int32_t PEAK_HOLD_MIN = 400;
constexpr std::int32_t PEAK_HOLD_MAX = 8000;

constexpr std::uint16_t WTU_FREQUENCY_MIN = 5400;  // 540.0 MHz

constexpr std::int32_t CPU_USAGE = 57;
constexpr std::uint32_t READER_USER_BITS = 0x66778899;
constexpr std::uint8_t TIMECODE_FPS = 30;  // as the host runs its timecode
constexpr std::uint8_t TRANSPORT_RECORDING = 2;

std::uint32_t Answer(Message* msg, std::int64_t value)
{
    msg->Param = static_cast<MsgParam>(value);
    return 1;
}

std::uint32_t AnswerText(Message* msg, const char* text)
{
    FormatText(MsgParamPtr<char>(msg), MAX_UI_TEXT, "%s", text);
    return 1;
}

std::uint32_t AnswerNumberEditor(Message* msg)
{
    return Answer(msg, MsgParamOf(&UINumberEditor.Editor));
}

// A value of the device state, stored as it is set.
template <typename T>
std::uint32_t PlainValue(T& field, Message* msg)
{
    switch (msg->Id) {
    case MSG_VALUE_GET:
        return Answer(msg, field);
    case MSG_VALUE_SET:
        field = static_cast<T>(MsgParamInt(msg));
        return 1;
    default:
        return 0;
    }
}

// A value of the device state whose set goes through a rule of the model.
using StoreRule = void (*)(std::int32_t value);

std::uint32_t RuledValue(std::uint32_t value, StoreRule store, Message* msg)
{
    switch (msg->Id) {
    case MSG_VALUE_GET:
        return Answer(msg, value);
    case MSG_VALUE_SET:
        store(MsgParamInt(msg));
        return 1;
    default:
        return 0;
    }
}

void StoreSampleRate(std::int32_t index)
{
    Orvel.SampleRateIndex = static_cast<std::uint32_t>(index);
    if (ASSERT(index < numberof(SampleRateTbl)))
        Orvel.SampleRate = SampleRateTbl[index];
}

void StoreMirrorDrive(std::int32_t drive)
{
    Orvel.MirrorDrive = static_cast<std::uint32_t>(std::clamp(drive, MIRROR_DRIVE_FIRST, MIRROR_DRIVE_LAST));
}

void StoreDynamic48V(std::int32_t mode)
{
    Orvel.Dynamic48V = static_cast<std::uint32_t>(std::max(mode, DYNAMIC_48V_FIRST));
}

// One step towards the requested time per set, so that each press of the editor moves it by 200 ms.
void StoreMeterPeakHold(std::int32_t requested)
{
    auto hold = static_cast<std::int32_t>(Orvel.MeterPeakHold);
    if (requested > hold)
        hold += PEAK_HOLD_STEP;
    else if (requested < hold)
        hold -= PEAK_HOLD_STEP;
    Orvel.MeterPeakHold = static_cast<std::uint32_t>(std::clamp(hold, PEAK_HOLD_MIN, PEAK_HOLD_MAX));
}

SetupChannel& CurrentSetupChannel()
{
    if (!ASSERT(Orvel.Setup.Chan < numberof(Orvel.Setup.Channel)))
        return Orvel.Setup.Channel[0];
    return Orvel.Setup.Channel[Orvel.Setup.Chan];
}

std::uint32_t& CurrentDelay()
{
    if (!ASSERT(Orvel.Setup.Chan < numberof(Orvel.Delay)))
        return Orvel.Delay[0];
    return Orvel.Delay[Orvel.Setup.Chan];
}

KLinChannel& CurrentKLinChannel()
{
    if (!ASSERT(Orvel.KLin.Chan < numberof(Orvel.KLin.Channel)))
        return Orvel.KLin.Channel[0];
    return Orvel.KLin.Channel[Orvel.KLin.Chan];
}

// The value shown is the running counter; reading it moves the counter on by one frame.
std::uint32_t RunningTimecode(std::uint32_t& counter, Message* msg)
{
    if (msg->Id != MSG_VALUE_GET)
        return 0;
    Answer(msg, counter);
    counter = UITimecodeIncrement(counter, TIMECODE_FPS);
    return 1;
}

std::uint32_t FixedValue(std::int64_t value, Message* msg)
{
    return msg->Id == MSG_VALUE_GET ? Answer(msg, value) : 0;
}

std::uint32_t FixedText(const char* text, Message* msg)
{
    return msg->Id == MSG_TEXT_GET ? AnswerText(msg, text) : 0;
}

bool Mp3Hidden()
{
    return Orvel.Mp3Mute || Orvel.StarFlag;
}

}  // namespace

std::uint32_t SampleRateHook(void*, Message* msg)
{
    return RuledValue(Orvel.SampleRateIndex, StoreSampleRate, msg);
}

std::uint32_t MirrorDriveHook(void*, Message* msg)
{
    return RuledValue(Orvel.MirrorDrive, StoreMirrorDrive, msg);
}

std::uint32_t Dynamic48VHook(void*, Message* msg)
{
    return RuledValue(Orvel.Dynamic48V, StoreDynamic48V, msg);
}

std::uint32_t MeterPeakHoldHook(void*, Message* msg)
{
    return RuledValue(Orvel.MeterPeakHold, StoreMeterPeakHold, msg);
}

std::uint32_t IsoAttenuationHook(void*, Message* msg)
{
    return PlainValue(Orvel.IsoAttenuation, msg);
}

std::uint32_t PanCopy34Hook(void*, Message* msg)
{
    return PlainValue(Orvel.PanCopy34, msg);
}

std::uint32_t PanCopy56Hook(void*, Message* msg)
{
    return PlainValue(Orvel.PanCopy56, msg);
}

std::uint32_t Mp3SupportHook(void*, Message* msg)
{
    return PlainValue(Orvel.Mp3Support, msg);
}

std::uint32_t Mp3MixHook(void*, Message* msg)
{
    return PlainValue(Orvel.Mp3Mix, msg);
}

std::uint32_t AMixModeHook(void*, Message* msg)
{
    return PlainValue(Orvel.AMixMode, msg);
}

std::uint32_t YearHook(void*, Message* msg)
{
    return PlainValue(Orvel.Year, msg);
}

std::uint32_t MonthHook(void*, Message* msg)
{
    return PlainValue(Orvel.Month, msg);
}

std::uint32_t DayHook(void*, Message* msg)
{
    return PlainValue(Orvel.Day, msg);
}

std::uint32_t HoursHook(void*, Message* msg)
{
    return PlainValue(Orvel.Hours, msg);
}

std::uint32_t MinutesHook(void*, Message* msg)
{
    return PlainValue(Orvel.Minutes, msg);
}

std::uint32_t SecondsHook(void*, Message* msg)
{
    return PlainValue(Orvel.Seconds, msg);
}

std::uint32_t ChannelTypeHook(void*, Message* msg)
{
    return PlainValue(CurrentSetupChannel().Type, msg);
}

std::uint32_t ChannelDelayHook(void*, Message* msg)
{
    return PlainValue(CurrentDelay(), msg);
}

std::uint32_t WtuFrequencyHook(void*, Message* msg)
{
    KLinChannel& channel = CurrentKLinChannel();
    switch (msg->Id) {
    case MSG_VALUE_GET:
        return Answer(msg, std::max(channel.Frequency, WTU_FREQUENCY_MIN));
    case MSG_VALUE_SET:
        channel.Frequency = static_cast<std::uint16_t>(MsgParamInt(msg));
        return 1;
    case MSG_EDITOR_GET:
        return AnswerNumberEditor(msg);
    default:
        return 0;
    }
}

std::uint32_t SetupTrimHook(void*, Message* msg)
{
    if (msg->Id != MSG_EDITOR_GET)
        return 0;
    ASSERT(Orvel.Setup.Chan < numberof(Orvel.Setup.Channel));
    return AnswerNumberEditor(msg);
}

std::uint32_t KavlinTrimHook(void*, Message* msg)
{
    if (msg->Id != MSG_EDITOR_GET)
        return 0;
    ASSERT(Orvel.KLin.Chan < numberof(Orvel.KLin.Channel));
    return AnswerNumberEditor(msg);
}

std::uint32_t CDScalHook(void* self, Message* msg)
{
    // the row edits the current input channel's value, as "TRIM " does
    return SetupTrimHook(self, msg);
}

std::uint32_t CpuUsageHook(void*, Message* msg)
{
    return FixedValue(CPU_USAGE, msg);
}

std::uint32_t ReaderTcHook(void*, Message* msg)
{
    return RunningTimecode(Orvel.ReaderTc, msg);
}

std::uint32_t GenTcHook(void*, Message* msg)
{
    return RunningTimecode(Orvel.GenTc, msg);
}

std::uint32_t ReaderUbHook(void*, Message* msg)
{
    return FixedValue(READER_USER_BITS, msg);
}

std::uint32_t ReaderTcLabelHook(void*, Message* msg)
{
    return FixedText("READER TC", msg);
}

std::uint32_t PrimaryStatusHook(void*, Message* msg)
{
    return FixedText("13GB FREE", msg);
}

std::uint32_t MirrorStatusHook(void*, Message* msg)
{
    return FixedText("481MB FREE", msg);
}

void StarFlagSet(std::int32_t v)
{
    if (v >= 0)
        Orvel.StarFlag = static_cast<std::uint8_t>(v);
    else
        Orvel.StarFlag = Orvel.StarFlag ? 0 : 1;
}

// The mute and the STAR flag act as one word: a toggle stores the whole of it, so it clears the flag.
void Mp3MuteToggle()
{
    Orvel.Mp3Mute = Mp3Hidden() ? 0 : 1;
    Orvel.StarFlag = 0;
}

Colour Mp3Tag(char* text)
{
    if (!Orvel.Mp3Support || Mp3Hidden()) {
        FormatText(text, MAX_UI_TEXT, "%s", "");
        return COLOUR_BLACK;
    }
    FormatText(text, MAX_UI_TEXT, "%s", "MP3");
    return Orvel.Transport == TRANSPORT_RECORDING ? COLOUR_MP3_RECORDING : COLOUR_BLACK;
}

std::uint32_t Mp3SupportGet()
{
    return Orvel.Mp3Support;
}

std::uint32_t AMixModeGet()
{
    return Orvel.AMixMode;
}
