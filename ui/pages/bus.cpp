// "BUS ROUTING" and the pages of the output buses: the bus assign chain, the single bus pages and
// the card enables. The "CARD MIX" chains are in busmix.cpp.
#include "ui/pages/bus.h"

#include <cstddef>
#include <string_view>

#include "orvel/orvelcells.h"
#include "orvel/orvelconfig.h"
#include "orvel/orvelhooks.h"
#include "ui/menu/menu.h"
#include "ui/uihome.h"
#include "ui/uipages.h"
#include "uicore/uikeys.h"
#include "uicore/uipoweron.h"

const UIOptions<5> RoutingOptions = OptionsOf(RoutingOptions, {" ", "X", "/X", "P", "/P"});

namespace {

// An untitled page names itself in the corner.
constexpr UIText CornerText(const char* name)
{
    return TextRightAt(218, 160, name);
}

constexpr UIMatrix WithLegend(UIMatrix matrix, const char* legend)
{
    matrix.Legend = legend;
    return matrix;
}

bool OnOffColumn(const char* title)
{
    constexpr std::string_view OnOffTitles[] = {"S", "T", "C", "TC"};
    for (const std::string_view onOff : OnOffTitles)
        if (title && onOff == title)
            return true;
    return false;
}

// Output bus assign: the six outputs by analog inputs and returns 1, 2, by returns 3, 4, slate, com
// and tone, and by the digital inputs.
constexpr UIMatrixRow Outputs8[] = {{"OUT1", 8}, {"OUT2", 8}, {"OUT3", 8}, {"OUT4", 8}, {"OUT5", 8}, {"OUT6", 8}};
constexpr UIMatrixRow Outputs5[] = {{"OUT1", 5}, {"OUT2", 5}, {"OUT3", 5}, {"OUT4", 5}, {"OUT5", 5}, {"OUT6", 5}};
UISetting OutMixCells = CellsBy<OutMixHook>(RoutingOptions);
UISetting OutMixRetCells = CellsBy<OutMixRetHook>(RoutingOptions);
UISetting OutMixDigCells = CellsBy<OutMixDigHook>(RoutingOptions);

UIMatrix OutMixAnalog = MatrixAt(OutMixAnalog, {.X = 1, .Y = 0, .Setting = &OutMixCells, .Menu = &RoutingOptions.Menu,
                                                .Handler = GreyedMatrixHandler<ColourAnalogColumns>},
                                 Outputs8, {"1", "2", "3", "4", "5", "6", "R1", "R2"});
UIText AnalogCorner = CornerText("ANALOG INPUTS  ");
UIControl* const BusAssignAnalogControls[] = {ControlOf(OutMixAnalog), ControlOf(AnalogCorner)};

UIMatrix OutMixAux = MatrixAt(OutMixAux, {.X = 47, .Y = 0, .Setting = &OutMixRetCells, .Menu = &RoutingOptions.Menu,
                                          .Handler = RoutingMatrixHandler},
                              Outputs5, {"R3", "R4", "S", "C", "T"});
UIText AuxCorner = CornerText("AUX INPUTS");
UIControl* const BusAssignAuxControls[] = {ControlOf(OutMixAux), ControlOf(AuxCorner)};

UIMatrix OutMixDigital = MatrixAt(OutMixDigital, {.X = 1, .Y = 0, .Setting = &OutMixDigCells,
                                                  .Menu = &RoutingOptions.Menu,
                                                  .Handler = GreyedMatrixHandler<ColourDigitalColumns>},
                                  Outputs8, {"1", "2", "3", "4", "5", "6", "7", "8"});
UIText DigitalCorner = CornerText("DIGITAL INPUTS ");
UIControl* const BusAssignDigitalControls[] = {ControlOf(OutMixDigital), ControlOf(DigitalCorner)};

// The single buses: card tracks, outputs and returns, each kept by the user interface.
const UIOptions<3> BusCellOptions = OptionsOf(BusCellOptions, {" ", "X", "/X"});
constexpr UIMatrixRow BusRows[] = {{"CRD", 10}, {"OUT", 6}, {"RET", 4}};

constexpr UIMatrix BusMatrix(UIMatrix& self, std::int32_t y, UICellGrid& cells, UIMatrix* next = nullptr)
{
    return MatrixAt(self, {.X = 0, .Y = y, .Setting = &cells, .Menu = &BusCellOptions.Menu, .Next = next,
                           .Handler = RoutingMatrixHandler},
                    BusRows, {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
}

// "MONO OUT"
UICellGrid MonoOutCells = CellGrid(BusCellOptions);
UIMatrix MonoOutBus = BusMatrix(MonoOutBus, 0, MonoOutCells);
UIText MonoOutCorner = CornerText("MONO OUT");
UIControl* const MonoOutControls[] = {ControlOf(MonoOutBus), ControlOf(MonoOutCorner)};

// "TAPE/IFB OUT"
UICellGrid TapeIfbOutCells = CellGrid(BusCellOptions);
UIMatrix TapeIfbOutBus = BusMatrix(TapeIfbOutBus, 0, TapeIfbOutCells);
UIText TapeIfbOutCorner = CornerText("TAPE/IFB OUT");
UIControl* const TapeIfbOutControls[] = {ControlOf(TapeIfbOutBus), ControlOf(TapeIfbOutCorner)};

// "HEADPHONE 2": left and right.
UICellGrid Hp2LeftCells = CellGrid(BusCellOptions);
UICellGrid Hp2RightCells = CellGrid(BusCellOptions);
extern UIMatrix Hp2RightBus;
UIMatrix Hp2LeftBus = WithLegend(BusMatrix(Hp2LeftBus, 0, Hp2LeftCells, &Hp2RightBus), "L");
UIMatrix Hp2RightBus = WithLegend(BusMatrix(Hp2RightBus, 95, Hp2RightCells, &Hp2LeftBus), "R");
UIText Hp2Corner = CornerText("HP2");
UIControl* const Headphone2Controls[] = {ControlOf(Hp2LeftBus), ControlOf(Hp2RightBus), ControlOf(Hp2Corner)};

// The card enables: which card tracks take the tone, the slate and the com.
struct CardEnable {
    UIMatrix Tracks;
    UIText Choose;
    UIText Which;
    UIPageControls<3> Page;
};

constexpr CardEnable CardEnableOf(CardEnable& self, const char* title, UISetting& cells, const char* which)
{
    return {.Tracks = MatrixAt(self.Tracks, {.X = 5, .Y = 29, .Setting = &cells, .Menu = &CellOptions.Menu,
                                             .Handler = TrackMatrixHandler},
                               {{"CRD", 8}, {"", 4}}, {"1", "2", "3", "4", "5", "6", "7", "8"}),
            .Choose = TextAt(4, 143, "Choose which card"),
            .Which = TextAt(4, 156, which),
            .Page = PageControls(title, self.Page, {ControlOf(self.Tracks), ControlOf(self.Choose),
                                                    ControlOf(self.Which)})};
}

UISetting ToneCells = CellsBy<CardToneHook>(CellOptions);
UISetting SlateCells = CellsBy<CardSlateHook>(CellOptions);
UISetting ComCells = CellsBy<CardComHook>(CellOptions);
CardEnable ToneEnable = CardEnableOf(ToneEnable, "CARD TONE ENABLE", ToneCells, "tracks have Tone.");
CardEnable SlateEnable = CardEnableOf(SlateEnable, "CARD SLATE ENABLE", SlateCells, "tracks have Slate.");
CardEnable ComEnable = CardEnableOf(ComEnable, "CARD COM ENABLE", ComCells, "tracks have COM.");

// "BUS ROUTING": the card mixes only on the full models, as many as the tracks fill.
template <std::uint32_t MinTracks, std::uint32_t MaxTracks>
std::uint32_t IfCardMix(void*, Message* msg)
{
    const std::uint32_t tracks = OrvelGetNTracks();
    return AnswerVisible(msg, !Orvel.FeatLite && tracks >= MinTracks && tracks <= MaxTracks);
}

UIMenuPage<11> BusRouting = MenuPage("BUS ROUTING", BusRouting, {}, {
    Opens("OUTPUT BUS ASSIGN", BusAssignAnalogPage),
    Opens("MONO OUT", MonoOutPage),
    Opens("TAPE/IFB OUT", TapeIfbOutPage),
    Opens("HEADPHONE 2", Headphone2Page),
    Opens("TONE ENABLES", CardToneEnablePage),
    Opens("SLATE ENABLES", CardSlateEnablePage),
    Opens("COM ENABLES", CardComEnablePage),
    When(IfCardMix<1, 12>, Opens("CARD MIX 1-4", CardMix1to4Page)),
    When(IfCardMix<5, 12>, Opens("CARD MIX 5-8", CardMix5to8Page)),
    When(IfCardMix<10, 10>, Opens("CARD MIX 9-10", CardMix9to10Page)),
    When(IfCardMix<12, 12>, Opens("CARD MIX 9-12", CardMix9to12Page)),
});

// BUS chooses a row here as MENU does.
std::uint32_t BusRoutingHandler(void*, Message* msg)
{
    if (msg->Id != MSG_KEY_DOWN || MsgParamUnsigned(msg) != KEY_BUS)
        return 0;
    UIListSelect(&BusRouting.Menu.List.List);
    return 1;
}

}  // namespace

UIPage BusRoutingPage = PageOf(BusRouting, BusRoutingHandler, &UIHomePage);

UIPage BusAssignAnalogPage = BackgroundPage(BusAssignAnalogControls, BusPageHandler<&BusAssignAuxPage>, &BusRoutingPage);
UIPage BusAssignAuxPage =
    BackgroundPage(BusAssignAuxControls, BusPageHandler<&BusAssignDigitalPage>, &BusAssignAnalogPage);
UIPage BusAssignDigitalPage =
    BackgroundPage(BusAssignDigitalControls, BusPageHandler<nullptr, IfDigital>, &BusAssignAuxPage);

UIPage MonoOutPage = BackgroundPage(MonoOutControls, BusPageHandler<>, &BusRoutingPage);
UIPage TapeIfbOutPage = BackgroundPage(TapeIfbOutControls, BusPageHandler<>, &BusRoutingPage);
UIPage Headphone2Page = BackgroundPage(Headphone2Controls, BusPageHandler<>, &BusRoutingPage);

UIPage CardToneEnablePage = PageOf(ToneEnable.Page, UINullHandler, &BusRoutingPage);
UIPage CardSlateEnablePage = PageOf(SlateEnable.Page, UINullHandler, &BusRoutingPage);
UIPage CardComEnablePage = PageOf(ComEnable.Page, UINullHandler, &BusRoutingPage);

const UIKeepsPowerOn KeptBus{OutMixAnalog, OutMixAux, OutMixDigital, MonoOutCells, MonoOutBus, TapeIfbOutCells,
                             TapeIfbOutBus, Hp2LeftCells, Hp2RightCells, Hp2LeftBus, Hp2RightBus, ToneEnable,
                             SlateEnable, ComEnable, BusRouting, BusRoutingPage, BusAssignAnalogPage, BusAssignAuxPage,
                             BusAssignDigitalPage, MonoOutPage, TapeIfbOutPage, Headphone2Page, CardToneEnablePage,
                             CardSlateEnablePage, CardComEnablePage};

std::uint32_t BusPageKey(std::uint32_t key, UIPage* next)
{
    if (key == KEY_STAR) {
        StarFlagSet(-1);
        return 1;
    }
    return key == KEY_BUS && next && UIGotoPage(next) ? 1 : 0;
}

std::uint32_t RoutingMatrixHandler(void* self, Message* msg)
{
    if (msg->Id == MSG_CELL_MENU) {
        auto* matrix = static_cast<UIMatrix*>(self);
        auto* cell = MsgParamPtr<UIMatrixCell>(msg);
        if (cell->Col < MAX_MATRIX_COLS && OnOffColumn(matrix->ColTitles[cell->Col])) {
            cell->Menu = &CellOptions.Menu;
            return 1;
        }
    }
    return UIMatrixHandler(self, msg);
}

void GreyColumns(UIMatrix* matrix, std::uint32_t (*grey)(UIMatrix*))
{
    for (std::uint32_t col = 0; col < MAX_MATRIX_COLS; ++col)
        UIMatrixSetColColor(matrix, col, COLOUR_BLACK);
    grey(matrix);
}
