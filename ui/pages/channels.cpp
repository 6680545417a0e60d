// The channel pages: "CH# SETUP" with the current input channel's set-up and level meter, and
// "CH# KAVLIN" with the current link channel's. Trim, type, delay and frequency are the channel's;
// the filters, compressor, phantom power and phase are the page's own, whatever channel is shown.
#include "ui/pages/channels.h"

#include <cstddef>

#include "common/format.h"
#include "orvel/orvel.h"
#include "orvel/orvelchannels.h"
#include "orvel/orvelhooks.h"
#include "ui/menu/menu.h"
#include "uicore/uicontrols.h"
#include "uicore/uimeter.h"
#include "uicore/uipagekit.h"
#include "uicore/uipoweron.h"

namespace {

std::uint32_t ChannelTitle(Message* msg, const char* format, std::uint32_t chan)
{
    FormatText(MsgParamPtr<char>(msg), MAX_UI_TEXT, format, chan + 1);
    return 1;
}

std::uint32_t ChSetupTitleHandler(void* self, Message* msg)
{
    if (msg->Id == MSG_TEXT_GET)
        return ChannelTitle(msg, "CH%u SETUP", Orvel.Setup.Chan);
    return UITitleHandler(self, msg);
}

std::uint32_t ChKavlinTitleHandler(void* self, Message* msg)
{
    if (msg->Id == MSG_TEXT_GET)
        return ChannelTitle(msg, "CH%u KAVLIN", Orvel.KLin.Chan);
    return UITitleHandler(self, msg);
}

// A page whose title handler fills in the channel number before each drawing.
template <std::size_t N>
constexpr UIPageControls<N> NumberedPage(const char* title, UIPageControls<N>& self, MsgHandler titleHandler,
                                         UIControl* const (&controls)[N])
{
    UIPageControls<N> page = PageControls(title, self, controls);
    page.Title.Control.Handler = titleHandler;
    return page;
}

// Only the analog inputs have a type and phantom power.
constexpr std::uint8_t ANALOG_INPUTS = 6;

std::uint32_t IfAnalogInput(void*, Message* msg)
{
    return AnswerVisible(msg, Orvel.Setup.Chan < ANALOG_INPUTS);
}

// "CH# SETUP"
const UIOptions<2> InputTypeOptions = OptionsOf(InputTypeOptions, {"MIC", "LINE"});
const UIOptions<5> CompressorOptions = OptionsOf(CompressorOptions, {"OFF", "ON", "GroupA", "GroupB", "GroupC"});
const UIOptions<2> Pnl8TrimOptions = OptionsOf(Pnl8TrimOptions, {"NORMAL", "KavLin"});
const UIOptions<2> PhaseOptions = OptionsOf(PhaseOptions, {"NORMAL", "INVERT"});
constexpr auto NotchFrequency = Number(20, 18000, "%dHz", "_____Hz");

UISetting InputTrim = Number(-20, 4096, "%ddB", "+____dB").In<ChannelField<&SetupChannel::Trim>, SetupTrimHook>();
UISetting CdScal = Number(0, 2000, "%dclicks", "____clicks").In<ChannelField<&SetupChannel::CDScal>, CDScalHook>();
UISetting InputType = Options(InputTypeOptions).By<ChannelTypeHook>();
UIValue Compressor = Options(CompressorOptions);
UIValue Phantom = Options(OffOnOptions);
UISetting InputDelay = Number(0, 1000, "%d.%01dms", "___._ms", "OFF", 10).By<ChannelDelayHook>();
UIValue Pnl8Trim = Options(Pnl8TrimOptions);
UIValue Hpf = Options(OffOnOptions);
UIValue HpfFrequency = Number(0, 240, "%dHz", "___Hz").Start(100);
UIValue Notch1 = Options(OffOnOptions);
UIValue Notch1Frequency = NotchFrequency.Start(60);
UIValue Notch2 = Options(OffOnOptions);
UIValue Notch2Frequency = NotchFrequency.Start(120);
UIValue Phase = Options(PhaseOptions);

UIMenuList<14> ChSetupRows = MenuList(ChSetupRows, {.Rows = 8, .Column = 95}, {
    Row("TRIM ", InputTrim),
    When(IfFactory, Row("CDScal ", CdScal)),
    When(IfAnalogInput, Row("TYPE ", InputType)),
    Row("COMPRESSOR ", Compressor),
    When(IfAnalogInput, Row("PHANTOM ", Phantom)),
    Row("DELAY ", InputDelay),
    When(IfKavlin, Row("PNL8 TRIM ", Pnl8Trim)),
    Row("HPF ", Hpf),
    Row("HPF FREQ ", HpfFrequency),
    Row("NOTCH1 ", Notch1),
    Row("NOTCH1 ", Notch1Frequency),
    Row("NOTCH2 ", Notch2),
    Row("NOTCH2 ", Notch2Frequency),
    Row("PHASE ", Phase),
});
UIMeter ChannelMeter = {.Control = {.Handler = UIMeterHandler, .Flags = 0, .X = 10, .Y = 151}};
UIPageControls<2> ChSetup =
    NumberedPage("CH# SETUP", ChSetup, ChSetupTitleHandler, {ControlOf(ChSetupRows), ControlOf(ChannelMeter)});

// The digit keys choose the channel first: the device model closes and reopens an open editor around
// the change, and the rows that only some channels have are then worked out for the new one (drawing
// brings a cursor past the last row back to it). The meter moves with the page's ticks.
std::uint32_t ChSetupPageHandler(void* self, Message* msg)
{
    if (const std::uint32_t result = ChSetupPageHook(self, msg)) {
        MsgSend(&ChSetupRows, MSG_REFRESH);
        UIRedraw();
        return result;
    }
    return MeterPageHandler(self, msg);
}

// "CH# KAVLIN"
UISetting LinkTrim = Number(-1, 1, "%d", "+_").In<ChannelField<&KLinChannel::Trim>, KavlinTrimHook>();
UISetting WtuFrequency = Number(0, 10000, "%d.%01dMHz", "____._MHz", nullptr, 10).By<WtuFrequencyHook>();
UIMenuList<2> ChKavlinRows = MenuList(ChKavlinRows, {.Rows = 2, .Column = 116}, {
    Row("TRIM ", LinkTrim),
    Row("WTU FREQUENCY ", WtuFrequency),
});
UIPageControls<1> ChKavlin = NumberedPage("CH# KAVLIN", ChKavlin, ChKavlinTitleHandler, {ControlOf(ChKavlinRows)});

}  // namespace

UIPage ChSetupPage = PageOf(ChSetup, ChSetupPageHandler);
UIPage ChKavlinPage = PageOf(ChKavlin, ChKavlinPageHook);

const UIKeepsPowerOn KeptChannels{Compressor, Phantom, Pnl8Trim, Hpf, HpfFrequency, Notch1, Notch1Frequency, Notch2,
                                  Notch2Frequency, Phase, ChSetupRows, ChKavlinRows, ChSetupPage, ChKavlinPage};
