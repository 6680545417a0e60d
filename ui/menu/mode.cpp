// "MODE": how the recorder records, starts and shows; "SAMPLE RATE" with the tracks the primary card
// records at that rate.
#include "orvel/orvelcells.h"
#include "orvel/orvelhooks.h"
#include "orvel/orvelmeters.h"
#include "ui/menu/menu.h"
#include "uicore/uipoweron.h"

namespace {

// "SAMPLE RATE": the rate, and the primary card's record enables below it.
UISetting SampleRate = Options(SampleRateOptions).By<SampleRateHook>();
UISetting RecEnables = CellsBy<RecEnableHook>(CellOptions);

UIText RatesLine1 = TextAt(0, 24, "Sample rates higher");
UIText RatesLine2 = TextAt(0, 39, "than 48048 are limited");
UIText RatesLine3 = TextAt(0, 54, "to 8 tracks or less");
UIMenuList<1> SampleRateRow = MenuList(SampleRateRow, {.Y = 77, .Rows = 1, .Column = 102}, {
    Row("SAMPLE RATE ", SampleRate),
});
UIMatrix RateEnables = MatrixAt(RateEnables, {.X = 5, .Y = 101, .Setting = &RecEnables, .Menu = &CellOptions.Menu,
                                              .Handler = TrackMatrixHandler},
                                {{"PRI", 8}, {"", 4}}, {"1", "2", "3", "4", "5", "6", "7", "8"});
UIPageControls<5> SampleRateControls = PageControls("SAMPLE RATE", SampleRateControls, {
    ControlOf(RatesLine1), ControlOf(RatesLine2), ControlOf(RatesLine3), ControlOf(SampleRateRow),
    ControlOf(RateEnables),
});
UIPage SampleRatePage = PageOf(SampleRateControls);

// "MODE"
const UIOptions<2> TcTransportOptions = OptionsOf(TcTransportOptions, {"NORMAL", "AUTOLOAD"});
const UIOptions<2> SlateSourceOptions = OptionsOf(SlateSourceOptions, {"INTERNAL", "EXTERNAL"});
const UIOptions<3> RemoteRollOptions = OptionsOf(RemoteRollOptions, {"OFF", "POSITIVE", "NEGATIVE"});
const UIOptions<5> VFaderCycleOptions = OptionsOf(VFaderCycleOptions, {"NONE", "7 ONLY", "7,8", "7,8,9", "7,8,9,10"});
const UIOptions<2> VFaderModeOptions = OptionsOf(VFaderModeOptions, {"vFaders", "vFad+Trim"});
const UIOptions<2> FolderChangeOptions = OptionsOf(FolderChangeOptions, {"NONE", "AutoChange"});
const UIOptions<2> PunchInOptions = OptionsOf(PunchInOptions, {"ALLOWED", "DISABLED"});
const UIOptions<2> PflRoutingOptions = OptionsOf(PflRoutingOptions, {"ANALOG", "FADER"});
const UIOptions<4> Mp3SupportOptions = OptionsOf(Mp3SupportOptions, {"OFF", "ON 64Kbps", "ON 96Kbps", "ON 128Kbps"});
const UIOptions<4> Mp3MixOptions = OptionsOf(Mp3MixOptions, {"FIRST CH", "LAST CH", "FIRST TWO", "LAST TWO"});
const UIOptions<5> F1KeyOptions =
    OptionsOf(F1KeyOptions, {"Mirror CF", "Primary CF", "Track Names", "Rec Enables", "MetaData"});

UIValue TcTransport = Options(TcTransportOptions);
UIValue SlateSource = Options(SlateSourceOptions);
UIValue AutoTrim = Options(OffOnOptions);
UIValue AutoPan = Options(OffOnOptions);
UIValue RemoteRoll = Options(RemoteRollOptions);
UISetting PanCopy34 = Options(OffOnOptions).By<PanCopy34Hook>();
UISetting PanCopy56 = Options(OffOnOptions).By<PanCopy56Hook>();
UISetting VFaderCycle = Options(VFaderCycleOptions).By<VFaderCycleHook>();
UISetting VFaderMode = Options(VFaderModeOptions).By<VFaderModeHook>();
UIValue FolderChange = Options(FolderChangeOptions);
UISetting MeterPeakHold = Number(0, 8000, "%dMS", "____MS").By<MeterPeakHoldHook>();
UIValue PunchIn = Options(PunchInOptions);
UIValue PflRouting = Options(PflRoutingOptions);
UISetting Mp3Support = Options(Mp3SupportOptions).By<Mp3SupportHook>();
UISetting Mp3Mix = Options(Mp3MixOptions).By<Mp3MixHook>();
UIValue F1Key = Options(F1KeyOptions);
UIValue MultiTrim = Options(OffOnOptions);

UIMenuPage<21> Mode = MenuPage("MODE", Mode, {.Column = 123}, {
    Opens("SAMPLE RATE", SampleRatePage),
    Row("TC TRANSPORT ", TcTransport),
    Row("SLATE SOURCE ", SlateSource),
    Row("PRERECORD ", Prerecord),
    Row("AUTO TRIM ", AutoTrim),
    Row("AUTO PAN ", AutoPan),
    When(IfKavlinDigital, Opens("INPUT CONFIG", InputConfigurePage)),
    Row("TRANSPORT KEYS ", TransportKeys),
    Row("GP REMOTE ROLL ", RemoteRoll),
    Row("PAN COPY 3/4 ", PanCopy34),
    Row("PAN COPY 5/6 ", PanCopy56),
    Row("VFADER CYCLE ", VFaderCycle),
    Row("VFADER MODE ", VFaderMode),
    Row("FOLDER CHANGE ", FolderChange),
    Row("METERPEAK HOLD ", MeterPeakHold),
    Row("PUNCH-IN ", PunchIn),
    Row("PFL ROUTING ", PflRouting),
    When(IfMp3, Row("MP3 SUPPORT ", Mp3Support)),
    When(IfMp3, Row("MP3 MIX ", Mp3Mix)),
    Row("F1 KEY ", F1Key),
    Row("Multi-Trim ", MultiTrim),
});

}  // namespace

UIPage ModePage = PageOf(Mode);

const UIKeepsPowerOn KeptMode{SampleRateRow, RateEnables,  SampleRatePage, TcTransport, SlateSource, AutoTrim,
                              AutoPan,       RemoteRoll,   FolderChange,   PunchIn,     PflRouting,  F1Key,
                              MultiTrim,     Mode,         ModePage};
