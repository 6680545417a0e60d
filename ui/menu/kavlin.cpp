// "KAVLIN SETUP": the wireless link's modes, channels, gains and power, its firmware and diagnostics.
#include "orvel/orvelpages.h"
#include "ui/menu/menu.h"
#include "ui/uihome.h"
#include "uicore/uipagetitle.h"
#include "uicore/uipoweron.h"

namespace {

// Every link channel, sent or received, is one of the same band, starting at its lowest.
constexpr UIValue LinkChannel = Number(2403, 2475, "%d", "____").Start(2403);

// "RX CHANNEL SETUP": the six channels the link listens on.
UIValue RxFreq1 = LinkChannel;
UIValue RxFreq2 = LinkChannel;
UIValue RxFreq3 = LinkChannel;
UIValue RxFreq4 = LinkChannel;
UIValue RxFreq5 = LinkChannel;
UIValue RxFreq6 = LinkChannel;

UIMenuPage<6> RxChannelSetup = MenuPage("RX CHANNEL SETUP", RxChannelSetup, {.Rows = 6, .Column = 88}, {
    Row("RX FREQ1 ", RxFreq1),
    Row("RX FREQ2 ", RxFreq2),
    Row("RX FREQ3 ", RxFreq3),
    Row("RX FREQ4 ", RxFreq4),
    Row("RX FREQ5 ", RxFreq5),
    Row("RX FREQ6 ", RxFreq6),
});
UIPage RxChannelSetupPage = PageOf(RxChannelSetup);

// "IFB DEBUG": the device model draws the link statistics below the title.
PageTitle IfbDebugTitle = TitleOf("IFB DEBUG", IfbDebugTitle);
UIPage IfbDebugPage = TitledPage(IfbDebugPageHandler, IfbDebugTitle);

// "KAVLIN SETUP"
const UIOptions<4> IfbModeOptions = OptionsOf(IfbModeOptions, {"OFF", "RX", "TX", "TX+RX"});
const UIOptions<2> TransportCmdOptions = OptionsOf(TransportCmdOptions, {"OFF", "SLAVED"});
const UIOptions<3> PowerRollOptions = OptionsOf(PowerRollOptions, {"ALWAYS LOW", "DYNAMIC", "ALWAYS HIGH"});
const UIOptions<3> WtuPowerOptions = OptionsOf(WtuPowerOptions, {"ON", "WAKE UP", "LOW (OFF)"});

UIValue IfbMode = Options(IfbModeOptions);
UIValue TxChannel = LinkChannel;
UIValue RxAudioGain = Number(-20, 20, "%ddB", "+__dB");
UIValue TxAudioGain = Number(-20, 0, "%ddB", "+__dB");
UIValue GroupCode = Number(0, 99, "%d", "__");
UIValue TxPower = Number(0, 7, "%d", "_");
UIValue TransportCmds = Options(TransportCmdOptions);
UIValue PowerRollMode = Options(PowerRollOptions);
UIValue WtuOffOn = Options(WtuPowerOptions);
UIValue SendPruDelay = Number(0, 500, "%dmS", "___mS");
UIValue KavlinTcOut = Options(OffOnOptions);
UIValue IfbTestTone = Options(OffOnOptions);

UIMenuPage<16> KavlinSetup = MenuPage("KAVLIN SETUP", KavlinSetup, {.Column = 130}, {
    Row("IFB MODE ", IfbMode),
    Opens("INPUT CONFIGURE", InputConfigurePage),
    Row("TX CHANNEL ", TxChannel),
    Opens("RX CHANNELS", RxChannelSetupPage),
    Row("RX AUDIO GAIN ", RxAudioGain),
    Row("TX AUDIO GAIN ", TxAudioGain),
    Row("GROUP CODE ", GroupCode),
    Row("TX POWER ", TxPower),
    Row("TRANSPORT CMDS ", TransportCmds),
    Row("POWER-ROLL MODE ", PowerRollMode),
    Row("WTU OFF-ON ", WtuOffOn),
    Row("SEND PRU DELAY ", SendPruDelay),
    Row("KAVLIN TC OUT ", KavlinTcOut),
    Row("IFB TEST TONE ", IfbTestTone),
    Opens("BURN KAVLIN FIRMWARE", BurnKavlinSwPage),
    Opens("IFB DEBUG", IfbDebugPage),
});

}  // namespace

UIPage KavlinSetupPage = PageOf(KavlinSetup);

const UIKeepsPowerOn KeptKavlin{RxFreq1, RxFreq2, RxFreq3, RxFreq4, RxFreq5, RxFreq6, RxChannelSetup,
                                RxChannelSetupPage, IfbDebugPage, IfbMode, TxChannel, RxAudioGain, TxAudioGain,
                                GroupCode, TxPower, TransportCmds, PowerRollMode, WtuOffOn, SendPruDelay,
                                KavlinTcOut, IfbTestTone, KavlinSetup, KavlinSetupPage};
