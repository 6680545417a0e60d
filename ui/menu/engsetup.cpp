// "ENG SETUP": the engineer's set-up: clock, compressors, names and presets, warnings, levels and the
// advanced and factory settings.
#include "orvel/orvelcells.h"
#include "orvel/orvelhooks.h"
#include "orvel/orvellisthooks.h"
#include "orvel/orvelpages.h"
#include "ui/menu/menu.h"
#include "ui/uilists.h"
#include "ui/uipages.h"
#include "uicore/uipagetitle.h"
#include "uicore/uipoweron.h"

namespace {

// "SET TIME DATE": the recorder's clock, kept by the device model.
UISetting Year = Number(2011, 2039, "%d", "____").By<YearHook>();
UISetting Month = Number(1, 12, "%d", "__").By<MonthHook>();
UISetting Day = Number(1, 31, "%d", "__").By<DayHook>();
UISetting Hours = Number(0, 24, "%d", "__").By<HoursHook>();
UISetting Minutes = Number(0, 60, "%d", "__").By<MinutesHook>();
UISetting Seconds = Number(0, 60, "%d", "__").By<SecondsHook>();
UIMenuList<3> DateRows = MenuList(DateRows, {.Y = 34, .Rows = 3, .Column = 88}, {
    Row("Year ", Year), Row("Month ", Month), Row("Day ", Day),
});
UIMenuList<3> TimeRows = MenuList(TimeRows, {.Y = 90, .Rows = 3, .Column = 88}, {
    Row("Hours ", Hours), Row("Minutes ", Minutes), Row("Seconds ", Seconds),
});
UIText TimeNote = TextAt(4, 156, "Time is in 24 hour format");
UIPageControls<3> SetTimeDate =
    PageControls("SET TIME DATE", SetTimeDate, {ControlOf(DateRows), ControlOf(TimeRows), ControlOf(TimeNote)});

// "COMPRESSOR ENABLE": the card tracks and the outputs the compressors act on.
UISetting CardComp = CellsBy<CompCardHook>(CellOptions);
UISetting OutputComp = CellsBy<CompOutHook>(CellOptions);
extern UIMatrix OutputCompEnables;
UIMatrix CardCompEnables = MatrixAt(CardCompEnables, {.X = 5, .Y = 24, .Setting = &CardComp, .Menu = &CellOptions.Menu,
                                                      .Next = &OutputCompEnables, .Handler = TrackMatrixHandler},
                                    {{"CRD", 8}, {" ", 4}}, {"1", "2", "3", "4", "5", "6", "7", "8"});
UIMatrix OutputCompEnables = MatrixAt(OutputCompEnables, {.X = 5, .Y = 101, .Setting = &OutputComp,
                                                          .Menu = &CellOptions.Menu, .Next = &CardCompEnables},
                                      {{"OUT", 8}}, {"1", "2", "3", "4", "5", "6", "T", "M"});
UIText Unavailable1 = TextAt(2, 150, "These items are unavailable");
UIText Unavailable2 = TextAt(2, 160, "at the current sample rate.");
UIPageControls<4> CompressorEnable = PageControls("COMPRESSOR ENABLE", CompressorEnable, {
    ControlOf(CardCompEnables), ControlOf(OutputCompEnables), ControlOf(Unavailable1), ControlOf(Unavailable2),
});

// The three compressors, each with values of its own.
struct Compressor {
    UIValue Attack = Number(0, 100, "%dmS", "___mS").Start(5);
    UIValue Decay = Number(0, 100, "%dmS", "___mS").Start(100);
    UIValue Thresh = Number(-20, 0, "%ddB", "+__dB").Start(-6);
    UIValue Ratio = Number(10, 200, "%d.%01d:1", "__._:1", nullptr, 10).Start(40);
    UIValue Gain = Number(-12, 12, "%ddB", "+__dB");
};
Compressor InputComp, OutputCompValues, CardCompValues;

UIMenuPage<4> InputCompressor = MenuPage("INPUT COMPRESSOR", InputCompressor, {.Rows = 4, .Column = 88}, {
    Row("ATTACK ", InputComp.Attack), Row("DECAY ", InputComp.Decay),
    Row("THRESH ", InputComp.Thresh), Row("RATIO ", InputComp.Ratio),
});
UIMenuPage<5> OutputCompressor = MenuPage("OUTPUT COMPRESSOR", OutputCompressor, {.Rows = 5, .Column = 88}, {
    Row("ATTACK ", OutputCompValues.Attack), Row("DECAY ", OutputCompValues.Decay),
    Row("THRESH ", OutputCompValues.Thresh), Row("RATIO ", OutputCompValues.Ratio),
    Row("GAIN ", OutputCompValues.Gain),
});
UIMenuPage<5> CardCompressor = MenuPage("CARD COMPRESSOR", CardCompressor, {.Rows = 5, .Column = 88}, {
    Row("ATTACK ", CardCompValues.Attack), Row("DECAY ", CardCompValues.Decay),
    Row("THRESH ", CardCompValues.Thresh), Row("RATIO ", CardCompValues.Ratio),
    Row("GAIN ", CardCompValues.Gain),
});

// Names and presets: lists whose rows come from the device state.
UIList MonMemNameList = ListAt(HookedListHandler<HphNameListHook>);
UIPageControls<1> MonMemNames = PageControls("MON MEM NAMES", MonMemNames, {ControlOf(MonMemNameList)});
UIList TrackNameList = ListAt(TrackNameListHandler);
UIPageControls<1> TrackNames = PageControls("EDIT TRACK NAMES", TrackNames, {ControlOf(TrackNameList)});
UIList TrackPresetList = ListAt(TrackPresetEditHandler);
UIPageControls<1> TrackPresets = PageControls("EDIT TRACK PRESET", TrackPresets, {ControlOf(TrackPresetList)});
UIList NotePresetList = ListAt(NotePresetEditHandler);
UIPageControls<1> NotePresets = PageControls("EDIT NOTE PRESET", NotePresets, {ControlOf(NotePresetList)});

// "WARNINGS SETUP": battery thresholds and the headphone beeps.
UIValue IntBattWarning = Options(OffOnOptions);
UIValue IntBattThreshold = Number(0, 90, "%d.%01dV", "_._V", "OFF", 10).Start(55);
UIValue ExtBattWarning = Options(OffOnOptions);
UIValue ExtBattThreshold = Number(0, 140, "%d.%01dV", "__._V", "OFF", 10).Start(105);
UIValue BeepLoudness = Number(0, 40, "%d", "__").Start(20);
UIValue BeepBattery = Options(OffOnOptions), BeepLowDisk = Options(OffOnOptions), BeepRecStop = Options(OffOnOptions);
UIMenuPage<8> Warnings = MenuPage("WARNINGS SETUP", Warnings, {.Rows = 8, .Column = 151}, {
    Row("INT BATT WARNING ", IntBattWarning), Row("INT BATT THRESHOLD ", IntBattThreshold),
    Row("EXT BATT WARNING ", ExtBattWarning), Row("EXT BATT THRESHOLD ", ExtBattThreshold),
    Row("HP BEEP LOUDNESS ", BeepLoudness), Row("HP BEEP BATTERY ", BeepBattery),
    Row("HP BEEP LOW DISK ", BeepLowDisk), Row("HP BEEP REC/STOP ", BeepRecStop),
});

// "INPUT LEVELS": slate, returns and, on models with digital inputs, those.
constexpr UIValue SlateLevel = Number(-12, 21, "%ddB", "+__dB");
constexpr UIValue InputLevel = Number(-20, 30, "%ddBu", "+__dBu");
const UIOptions<2> ExtraGainOptions = OptionsOf(ExtraGainOptions, {"0 dB", "+10 dB"});
UIValue IntSlate = SlateLevel, ExtSlate = SlateLevel;
UIValue Returns[4] = {InputLevel, InputLevel, InputLevel, InputLevel};
UIValue Digital[8] = {InputLevel, InputLevel, InputLevel, InputLevel, InputLevel, InputLevel, InputLevel, InputLevel};
UIValue ExtraGain = Options(ExtraGainOptions);
UIMenuPage<15> InputLevels = MenuPage("INPUT LEVELS", InputLevels, {.Column = 137}, {
    Row("INT SLATE LEVEL ", IntSlate), Row("EXT SLATE LEVEL ", ExtSlate),
    Row("RET1 LEVEL ", Returns[0]), Row("RET2 LEVEL ", Returns[1]),
    Row("RET3 LEVEL ", Returns[2]), Row("RET4 LEVEL ", Returns[3]),
    When(IfDigital, Row("DIGITAL IN1 ", Digital[0])), When(IfDigital, Row("DIGITAL IN2 ", Digital[1])),
    When(IfDigital, Row("DIGITAL IN3 ", Digital[2])), When(IfDigital, Row("DIGITAL IN4 ", Digital[3])),
    When(IfDigital, Row("DIGITAL IN5 ", Digital[4])), When(IfDigital, Row("DIGITAL IN6 ", Digital[5])),
    When(IfDigital, Row("DIGITAL IN7 ", Digital[6])), When(IfDigital, Row("DIGITAL IN8 ", Digital[7])),
    Row("EXTRA INPUT GAIN ", ExtraGain),
});

// "OUTPUT LEVELS": the line outputs' levels and the mono and tape outputs.
const UIOptions<3> LineLevelOptions = OptionsOf(LineLevelOptions, {"-35dBu", "-10dBu", "0dBu"});
constexpr UIValue OutputLevel = Number(-12, 21, "%ddBu", "+__dBu");
UIValue Xlr[4] = {Options(LineLevelOptions), Options(LineLevelOptions), Options(LineLevelOptions),
                  Options(LineLevelOptions)};
UIValue Ta5[6] = {Options(LineLevelOptions), Options(LineLevelOptions), Options(LineLevelOptions),
                  Options(LineLevelOptions), Options(LineLevelOptions), Options(LineLevelOptions)};
UIValue MonoOut = OutputLevel, TapeOut = OutputLevel;
UIMenuPage<12> OutputLevels = MenuPage("OUTPUT LEVELS", OutputLevels, {.Column = 88}, {
    Row("XLR OUT1 ", Xlr[0]), Row("XLR OUT2 ", Xlr[1]), Row("XLR OUT3 ", Xlr[2]), Row("XLR OUT4 ", Xlr[3]),
    Row("TA5 OUT1 ", Ta5[0]), Row("TA5 OUT2 ", Ta5[1]), Row("TA5 OUT3 ", Ta5[2]),
    Row("TA5 OUT4 ", Ta5[3]), Row("TA5 OUT5 ", Ta5[4]), Row("TA5 OUT6 ", Ta5[5]),
    Row("MONO OUT ", MonoOut), Row("TAPE OUT ", TapeOut),
});

// "FACTORY SETUP": tuning and the machine's identity, then eight blank rows.
UIValue FactoryDebugBits = Number(-1000000, 1000000, "%d", "+_______");
UIValue VcoTune = Number(-1600, 1600, "%dmV", "+____mV");
UIValue Rtc0Tune = Number(-120, 120, "%d", "+___"), Rtc1Tune = Number(-120, 120, "%d", "+___");
UIValue StoreMachineInfo = Number(0, 1, "%d", "_");
UIMenuPage<13> FactorySetup = MenuPage("FACTORY SETUP", FactorySetup, {.Column = 151}, {
    Row("DEBUG BITS ", FactoryDebugBits), Row("VCO TUNE ", VcoTune), Row("RTC0 TUNE ", Rtc0Tune),
    Row("RTC1 TUNE ", Rtc1Tune), Row("STORE MACHINE INFO ", StoreMachineInfo),
    Row(" "), Row(" "), Row(" "), Row(" "), Row(" "), Row(" "), Row(" "), Row(" "),
});
UIPage FactorySetupPage = PageOf(FactorySetup);

// "LOG SCREEN": a title the recorder shows while it writes its log.
PageTitle LogScreenTitle = TitleOf("LOG SCREEN", LogScreenTitle);
UIPage LogScreenPage = TitledPage(UINullHandler, LogScreenTitle);

// "ADVANCED SETUP"
const UIOptions<2> SpeedOptions = OptionsOf(SpeedOptions, {"FAST", "SLOW"});
const UIOptions<5> ProcessorOptions = OptionsOf(ProcessorOptions, {"NORMAL", "FAST1", "FAST2", "FAST3 !", "FAST4 !!"});
const UIOptions<4> Dynamic48VOptions = OptionsOf(Dynamic48VOptions, {"---", "OFF", "PowerSave", "AutoKill"});
const UIOptions<5> TrimChansOptions = OptionsOf(TrimChansOptions, {"---", "IN 1,2", "IN 3,4", "IN 5,6", "IN 1-6"});
const UIOptions<5> TrimCalOptions = OptionsOf(TrimCalOptions, {"---", "READ", "NOTES", "FIRST", "GoNow"});
const UIOptions<2> SlateOnOptions = OptionsOf(SlateOnOptions, {"NORMAL", "FORCED"});
const UIOptions<2> PhaseOptions = OptionsOf(PhaseOptions, {"NORMAL", "REVERSED"});
UIValue PreventEmptyPan = Options(OffOnOptions), DisplaySpeed = Options(SpeedOptions);
UIValue ProcessorSpeed = Options(ProcessorOptions), HiVoltage = Options(OffOnOptions);
UIValue DebugBits = Number(-1000000, 1000000, "%d", "+_______");
UISetting Dynamic48V = Options(Dynamic48VOptions).By<Dynamic48VHook>();
UIValue AllowLogging = Options(OffOnOptions), TrimCalChans = Options(TrimChansOptions);
UIValue TrimCalibrate = Options(TrimCalOptions), SlateAlwaysOn = Options(SlateOnOptions);
UIValue HpPhase = Options(PhaseOptions);
UIMenuPage<15> Advanced = MenuPage("ADVANCED SETUP", Advanced, {.Column = 144}, {
    Row("Prevent Empty Pan ", PreventEmptyPan),
    Row("Display Speed ", DisplaySpeed),
    Row("Processor Speed ", ProcessorSpeed),
    Row("AES-42 HI Voltage ", HiVoltage),
    Opens("Burn Boot Loader", BurnBootLoaderPage),
    When(IfFactory, Opens("Factory Setup", FactorySetupPage)),
    Row("Debug Bits ", DebugBits),
    Row("Dynamic 48V ", Dynamic48V),
    When(IfMirror, Opens("USB status", UsbStatusPage)),
    Row("Allow Logging ", AllowLogging),
    Opens("Log Screen", LogScreenPage),
    Row("Trim Cal Chans ", TrimCalChans),
    Row("Trim Calibrate ", TrimCalibrate),
    Row("Slate Always On ", SlateAlwaysOn),
    Row("HP Phase ", HpPhase),
});

// "ENG SETUP"
UIValue Headphone1 = Number(0, 12, "%ddB", "__dB"), Headphone2 = Number(-999, 999, "%ddB", "+___dB");
UIValue PlayToOutputs = Options(OffOnOptions);
UIValue LcdBrightness = Number(0, 11, "%d", "__"), LedBrightness = Number(0, 30, "%d", "__");
UIValue ToneFreq = Number(0, 40000, "%dHz", "_____Hz"), ToneLevel = Number(-90, 0, "%ddB", "+__dB");
UIValue Aes42Power = Options(OffOnOptions);

UIPage SetTimeDatePage = PageOf(SetTimeDate);
UIPage CompressorEnablePage = PageOf(CompressorEnable);
UIPage InputCompressorPage = PageOf(InputCompressor), OutputCompressorPage = PageOf(OutputCompressor);
UIPage CardCompressorPage = PageOf(CardCompressor);
UIPage MonMemNamesPage = PageOf(MonMemNames);
UIPage TrackPresetEditPage = PageOf(TrackPresets), NotePresetEditPage = PageOf(NotePresets);
UIPage WarningsPage = PageOf(Warnings);
UIPage InputLevelsPage = PageOf(InputLevels), OutputLevelsPage = PageOf(OutputLevels);
UIPage AdvancedPage = PageOf(Advanced);

UIMenuPage<22> EngSetup = MenuPage("ENG SETUP", EngSetup, {.Column = 137}, {
    Row("HEADPHONE #1 VOL ", Headphone1),
    Row("HEADPHONE #2 VOL ", Headphone2),
    Opens("SET TIME DATE", SetTimeDatePage),
    Opens("COMPRESSOR ENABLE", CompressorEnablePage),
    Opens("INPUT COMPRESSOR", InputCompressorPage),
    Opens("OUTPUT COMPRESSOR", OutputCompressorPage),
    Opens("CARD COMPRESSOR", CardCompressorPage),
    Opens("HP MONITOR NAMES", MonMemNamesPage),
    Opens("TRACK NAMES", EditTrackNamesPage),
    Opens("TRACK NAME PRESETS", TrackPresetEditPage),
    Opens("NOTE PRESETS", NotePresetEditPage),
    Opens("WARNINGS SETUP", WarningsPage),
    Opens("INPUT LEVELS", InputLevelsPage),
    Opens("OUTPUT LEVELS", OutputLevelsPage),
    Row("PLAY TO OUTPUTS ", PlayToOutputs),
    Row("LCD BRIGHTNESS ", LcdBrightness),
    Row("LED BRIGHTNESS ", LedBrightness),
    Row("TRANSPORT KEYS ", TransportKeys),
    Row("TONE FREQ ", ToneFreq),
    Row("TONE LEVEL ", ToneLevel),
    When(IfDigital, Row("AES-42 POWER ", Aes42Power)),
    Opens("ADVANCED SETUP", AdvancedPage),
});

}  // namespace

UIPage EditTrackNamesPage = PageOf(TrackNames, MirrorKeyHomeHandler);
UIPage EngSetupPage = PageOf(EngSetup);

const UIKeepsPowerOn KeptEngSetup{DateRows, TimeRows, CardCompEnables, OutputCompEnables, InputComp, OutputCompValues,
                                  CardCompValues, InputCompressor, OutputCompressor, CardCompressor, MonMemNameList,
                                  TrackNameList, TrackPresetList, NotePresetList, IntBattWarning, IntBattThreshold,
                                  ExtBattWarning, ExtBattThreshold, BeepLoudness, BeepBattery, BeepLowDisk,
                                  BeepRecStop, Warnings, InputLevels, OutputLevels, IntSlate, ExtSlate, Returns,
                                  Digital, ExtraGain, Xlr, Ta5, MonoOut, TapeOut, FactoryDebugBits, VcoTune, Rtc0Tune,
                                  Rtc1Tune, StoreMachineInfo, FactorySetup, FactorySetupPage, LogScreenPage,
                                  PreventEmptyPan, DisplaySpeed, ProcessorSpeed, HiVoltage, DebugBits, AllowLogging,
                                  TrimCalChans, TrimCalibrate, SlateAlwaysOn, HpPhase, Advanced, Headphone1,
                                  Headphone2, PlayToOutputs, LcdBrightness, LedBrightness, ToneFreq, ToneLevel,
                                  Aes42Power, SetTimeDatePage, CompressorEnablePage, InputCompressorPage,
                                  OutputCompressorPage, CardCompressorPage, MonMemNamesPage, TrackPresetEditPage,
                                  NotePresetEditPage, WarningsPage, InputLevelsPage, OutputLevelsPage, AdvancedPage,
                                  EngSetup, EditTrackNamesPage, EngSetupPage};
