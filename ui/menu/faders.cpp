// The faders: "FADER ASSIGN" (what each fader of the panel controls) and "EXT FADERS" (the source of
// each external fader).
#include "orvel/orvel.h"
#include "orvel/orvelcells.h"
#include "ui/menu/menu.h"
#include "uicore/uipoweron.h"

namespace {

// "FADER ASSIGN"
const UIOptions<5> AssignOptions = OptionsOf(AssignOptions, {" ", "A", "D", "T", "Z"});
UISetting Assignments = CellsBy<FaderAssignHook>(AssignOptions);
UIMatrix Assign = MatrixAt(Assign, {.X = 1, .Y = 17, .Setting = &Assignments, .Menu = &AssignOptions.Menu},
                           {{"FAD1", 8}, {"FAD2", 8}, {"FAD3", 8}, {"FAD4", 8}, {"FAD5", 8}, {"FAD6", 8}},
                           {"1", "2", "3", "4", "5", "6", "7", "8"});
UIPageControls<1> FaderAssignControls = PageControls("FADER ASSIGN", FaderAssignControls, {ControlOf(Assign)});

// "EXT FADERS": the last three sources carry the fader's number.
constexpr UIOptions<22> SourcesOf(const UIOptions<22>& self, const char* kavlin, const char* trimA, const char* trimD)
{
    return OptionsOf(self, {"(OFF)", "Analog 1", "Analog 2", "Analog 3", "Analog 4", "Analog 5", "Analog 6",
                            "Return 1", "Return 2", "Return 3", "Return 4", "Dig 1", "Dig 2", "Dig 3", "Dig 4",
                            "Dig 5", "Dig 6", "Dig 7", "Dig 8", kavlin, trimA, trimD});
}

const UIOptions<22> Sources[] = {
    SourcesOf(Sources[0], "Kavlin 11", "Trim A1", "Trim D1"), SourcesOf(Sources[1], "Kavlin 12", "Trim A2", "Trim D2"),
    SourcesOf(Sources[2], "Kavlin 13", "Trim A3", "Trim D3"), SourcesOf(Sources[3], "Kavlin 14", "Trim A4", "Trim D4"),
    SourcesOf(Sources[4], "Kavlin 15", "Trim A5", "Trim D5"), SourcesOf(Sources[5], "Kavlin 16", "Trim A6", "Trim D6"),
    SourcesOf(Sources[6], "Kavlin 17", "Trim A7", "Trim D7"), SourcesOf(Sources[7], "Kavlin 18", "Trim A8", "Trim D8"),
};

template <std::uint32_t Fader>
UISetting ExtFader = Options(Sources[Fader]).In<Indexed<ExtFaderGet, ExtFaderSet, Fader>>();

UIMenuPage<8> ExtFaderRows = MenuPage("EXT FADERS", ExtFaderRows, {.Rows = 8, .Column = 102}, {
    Row("EXT FADER 1 ", ExtFader<0>), Row("EXT FADER 2 ", ExtFader<1>), Row("EXT FADER 3 ", ExtFader<2>),
    Row("EXT FADER 4 ", ExtFader<3>), Row("EXT FADER 5 ", ExtFader<4>), Row("EXT FADER 6 ", ExtFader<5>),
    Row("EXT FADER 7 ", ExtFader<6>), Row("EXT FADER 8 ", ExtFader<7>),
});

}  // namespace

UIPage FaderAssignPage = PageOf(FaderAssignControls);
UIPage ExtFadersPage = PageOf(ExtFaderRows);

const UIKeepsPowerOn KeptFaders{Assign, ExtFaderRows, FaderAssignPage, ExtFadersPage};
