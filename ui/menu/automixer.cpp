// "AUTO-MIXER SETUP": the auto-mixer's mode and timing, and which inputs and outputs take part; the
// models with digital inputs have a third row of enables for them.
#include "orvel/orvelcells.h"
#include "orvel/orvelhooks.h"
#include "ui/menu/menu.h"
#include "ui/uipages.h"
#include "uicore/uipoweron.h"

namespace {

UISetting InputEnables = CellsBy<AutoMixHook>(CellOptions);
UISetting OutputEnables = CellsBy<AutoMixOutHook>(CellOptions);

constexpr const char* SixColumns[] = {"1", "2", "3", "4", "5", "6"};

// "AUTO-MIX ENABLES" without digital inputs.
extern UIMatrix AnalogOutEnables;
UIMatrix AnalogEnables = MatrixAt(AnalogEnables, {.X = 5, .Y = 29, .Setting = &InputEnables,
                                                  .Menu = &CellOptions.Menu, .Next = &AnalogOutEnables},
                                  {{"ANALOG", 6}, {"RETURNS", 4}}, SixColumns);
UIMatrix AnalogOutEnables = MatrixAt(AnalogOutEnables, {.X = 5, .Y = 106, .Setting = &OutputEnables,
                                                        .Menu = &CellOptions.Menu, .Next = &AnalogEnables},
                                     {{"OUT MIX", 6}}, SixColumns);
UIPageControls<2> AutoMixEnables =
    PageControls("AUTO-MIX ENABLES", AutoMixEnables, {ControlOf(AnalogEnables), ControlOf(AnalogOutEnables)});
UIPage AutoMixEnablesPage = PageOf(AutoMixEnables);

// "AUTO-MIX ENABLES" with digital inputs.
extern UIMatrix DigitalOutEnables;
UIMatrix DigitalEnables = MatrixAt(DigitalEnables, {.X = 5, .Y = 29, .Setting = &InputEnables,
                                                    .Menu = &CellOptions.Menu, .Next = &DigitalOutEnables},
                                   {{"ANALOG", 6}, {"RETURNS", 4}, {"DIG", 8}},
                                   {"1", "2", "3", "4", "5", "6", "7", "8"});
UIMatrix DigitalOutEnables = MatrixAt(DigitalOutEnables, {.X = 5, .Y = 130, .Setting = &OutputEnables,
                                                          .Menu = &CellOptions.Menu, .Next = &DigitalEnables},
                                      {{"OUT MIX", 6}}, SixColumns);
UIPageControls<2> AutoMixDigitalEnables = PageControls("AUTO-MIX ENABLES", AutoMixDigitalEnables, {
    ControlOf(DigitalEnables), ControlOf(DigitalOutEnables),
});
UIPage AutoMixDigitalEnablesPage = PageOf(AutoMixDigitalEnables);

// "AUTO-MIXER SETUP"
const UIOptions<3> AMixModeOptions = OptionsOf(AMixModeOptions, {"OFF", "PRE FADER", "POST FADER"});

UISetting AMixMode = Options(AMixModeOptions).By<AMixModeHook>();
UIValue MicOnThresh = Number(-60, -10, "%ddB", "+__dB");
UIValue Attack = Number(1, 150, "%dms", "___ms").Start(1);
UIValue Decay = Number(1, 150, "%dms", "___ms").Start(1);
UIValue NoiseReduction = Number(-20, 0, "%ddB", "+__dB");
UIValue Attenuation = Number(-80, -10, "%ddB", "+__dB");

UIMenuPage<8> AutoMixerSetup = MenuPage("AUTO-MIXER SETUP", AutoMixerSetup, {.Rows = 8, .Column = 130}, {
    Row("A-MIX MODE ", AMixMode),
    Row("MIC ON THRESH ", MicOnThresh),
    Row("ATTACK ", Attack),
    Row("DECAY ", Decay),
    Row("NOISE REDUCTION ", NoiseReduction),
    Row("ATTENUATION ", Attenuation),
    When(IfNotDigital, Opens("A-MIX ENABLES", AutoMixEnablesPage)),
    When(IfDigital, Opens("A-MIX ENABLES", AutoMixDigitalEnablesPage)),
});

}  // namespace

UIPage AutoMixerSetupPage = PageOf(AutoMixerSetup);

const UIKeepsPowerOn KeptAutoMixer{AnalogEnables, AnalogOutEnables, AutoMixEnablesPage, DigitalEnables,
                                   DigitalOutEnables, AutoMixDigitalEnablesPage, MicOnThresh, Attack, Decay,
                                   NoiseReduction, Attenuation, AutoMixerSetup, AutoMixerSetupPage};
