// What the cards record: "RECORD ENABLES" (per track, both cards), on the reduced model "RECORD
// ROUTING" (the source of each card channel) and "MIRROR ENABLES".
#include "orvel/orvel.h"
#include "orvel/orvelcells.h"
#include "ui/menu/menu.h"
#include "ui/uipages.h"
#include "uicore/uipoweron.h"

namespace {

UISetting RecEnables = CellsBy<RecEnableHook>(CellOptions);
UISetting MirEnables = CellsBy<MirMixHook>(CellOptions);

constexpr const char* TrackColumns[] = {"1", "2", "3", "4", "5", "6", "7", "8"};

// "RECORD ENABLES"
extern UIMatrix PrimaryEnables;
UIMatrix MirrorEnables = MatrixAt(MirrorEnables, {.X = 5, .Y = 81, .Setting = &MirEnables, .Menu = &CellOptions.Menu,
                                                  .Next = &PrimaryEnables, .Handler = TrackMatrixHandler},
                                  {{"MIR", 8}, {"", 4}});
UIMatrix PrimaryEnables = MatrixAt(PrimaryEnables, {.X = 5, .Y = 16, .Setting = &RecEnables, .Menu = &CellOptions.Menu,
                                                    .Next = &MirrorEnables, .Handler = TrackMatrixHandler},
                                   {{"PRI", 8}, {"", 4}}, TrackColumns);
UIPageControls<2> RecordEnables =
    PageControls("RECORD ENABLES", RecordEnables, {ControlOf(PrimaryEnables), ControlOf(MirrorEnables)});

// "RECORD ROUTING": what each card channel of the reduced model records.
const UIOptions<17> CardSourceOptions = OptionsOf(CardSourceOptions, {
    "(OFF)", "Input 1", "Input 2", "Input 3", "Input 4", "Input 5", "Input 6", "Return 1", "Return 2",
    "Return 3", "Return 4", "Out 1", "Out 2", "Out 3", "Out 4", "Out 5", "Out 6",
});

template <std::uint32_t DiskChannel>
constexpr UISetting CardSource = Options(CardSourceOptions).In<Indexed<RecTrackGet, RecTrackSet, DiskChannel>>();

UISetting Card1 = CardSource<0>, Card2 = CardSource<1>, Card3 = CardSource<2>, Card4 = CardSource<3>,
          Card5 = CardSource<4>, Card6 = CardSource<5>, Card7 = CardSource<6>, Card8 = CardSource<7>,
          Card9 = CardSource<8>, Card10 = CardSource<9>;

UIMenuPage<10> RecordRouting = MenuPage("RECORD ROUTING", RecordRouting, {.Column = 88}, {
    Row("CARD1 ", Card1), Row("CARD2 ", Card2), Row("CARD3 ", Card3), Row("CARD4 ", Card4),
    Row("CARD5 ", Card5), Row("CARD6 ", Card6), Row("CARD7 ", Card7), Row("CARD8 ", Card8),
    Row("CARD9 ", Card9), Row("CARD10 ", Card10),
});

// "MIRROR ENABLES": the mirror card's tracks on the reduced model.
UIMatrix LiteMirrorEnables = MatrixAt(LiteMirrorEnables, {.X = 5, .Y = 44, .Setting = &MirEnables,
                                                          .Menu = &CellOptions.Menu, .Handler = TrackMatrixHandler},
                                      {{"MIR", 8}, {"", 4}}, TrackColumns);
UIPageControls<1> MirrorEnablesControls =
    PageControls("MIRROR ENABLES", MirrorEnablesControls, {ControlOf(LiteMirrorEnables)});

}  // namespace

UIPage RecordEnablesPage = PageOf(RecordEnables, MirrorKeyHomeHandler);
UIPage RecordRoutingPage = PageOf(RecordRouting);
UIPage MirrorEnablesPage = PageOf(MirrorEnablesControls);

const UIKeepsPowerOn KeptRecording{PrimaryEnables,    MirrorEnables,     RecordRouting,    LiteMirrorEnables,
                                   RecordEnablesPage, RecordRoutingPage, MirrorEnablesPage};
