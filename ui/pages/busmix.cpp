// The "CARD MIX" chains: what each group of card tracks mixes from the analog inputs, from the
// outputs and returns, and from the digital inputs, one page each; BUS leads from one to the next.
#include <cstddef>

#include "orvel/orvelcells.h"
#include "orvel/orvelconfig.h"
#include "ui/menu/menu.h"
#include "ui/pages/bus.h"
#include "ui/uipages.h"
#include "uicore/uipoweron.h"

namespace {

constexpr const char* AnalogColumns[] = {"1", "2", "3", "4", "5", "6"};
constexpr const char* AuxColumns[] = {"o1", "o2", "o3", "o4", "R1", "R2", "R3", "R4"};
constexpr const char* DigitalColumns[] = {"1", "2", "3", "4", "5", "6", "7", "8"};

// One chain: each page a heading, a matrix of the card tracks by inputs and, but on the last, a hint.
struct CardMixChain {
    UIText Heading[3];
    UIMatrix Mix[3];
    UIText More[2];
    UIPageControls<3> Analog;
    UIPageControls<3> Aux;
    UIPageControls<2> Digital;
};

template <std::size_t NRows, std::size_t NCols>
constexpr UIMatrix MixMatrix(UIMatrix& self, UISetting& cells, MsgHandler handler, const char* const (&rows)[NRows],
                             const char* const (&cols)[NCols])
{
    UIMatrixRow mixRows[NRows]{};
    for (std::size_t r = 0; r < NRows; ++r)
        mixRows[r] = {.Title = rows[r], .Cells = static_cast<std::uint8_t>(NCols)};
    return MatrixAt(self, {.X = 1, .Y = 39, .Setting = &cells, .Menu = &RoutingOptions.Menu, .Handler = handler},
                    mixRows, cols);
}

// cells: the analog, aux and digital matrices' cells; moreY: where the hint stands below the matrix.
template <std::size_t NRows>
constexpr CardMixChain CardMixOf(CardMixChain& self, const char* title, const char* const (&rows)[NRows],
                                 const char* const (&digitalRows)[NRows], UISetting (&cells)[3], std::int32_t moreY)
{
    CardMixChain chain{};
    chain.Heading[0] = TextAt(0, 24, "ANALOG INPUTS");
    chain.Heading[1] = TextAt(0, 24, "AUX INPUTS");
    chain.Heading[2] = TextAt(0, 24, "DIGITAL INPUTS");
    chain.Mix[0] = MixMatrix(self.Mix[0], cells[0], GreyedMatrixHandler<ColourAnalogColumns>, rows, AnalogColumns);
    chain.Mix[1] = MixMatrix(self.Mix[1], cells[1], GreyedMatrixHandler<ColourOutputReturnColumns>, rows, AuxColumns);
    chain.Mix[2] =
        MixMatrix(self.Mix[2], cells[2], GreyedMatrixHandler<ColourDigitalColumns>, digitalRows, DigitalColumns);
    chain.More[0] = TextAt(1, moreY, "Press BUS for more...");
    chain.More[1] = chain.More[0];
    chain.Analog = PageControls(title, self.Analog, {ControlOf(self.Heading[0]), ControlOf(self.Mix[0]),
                                                     ControlOf(self.More[0])});
    chain.Aux = PageControls(title, self.Aux, {ControlOf(self.Heading[1]), ControlOf(self.Mix[1]),
                                               ControlOf(self.More[1])});
    chain.Digital = PageControls(title, self.Digital, {ControlOf(self.Heading[2]), ControlOf(self.Mix[2])});
    return chain;
}

// The cells of each chain, kept by the device model; "CARD MIX 9-10" shows the first two rows of 9-12.
UISetting Mix1to4Cells[] = {CellsBy<CardMix1to4Hook>(RoutingOptions), CellsBy<CardMix1to4RetHook>(RoutingOptions),
                            CellsBy<CardMix1to4DigHook>(RoutingOptions)};
UISetting Mix5to8Cells[] = {CellsBy<CardMix5to8Hook>(RoutingOptions), CellsBy<CardMix5to8RetHook>(RoutingOptions),
                            CellsBy<CardMix5to8DigHook>(RoutingOptions)};
UISetting Mix9to12Cells[] = {CellsBy<CardMix9to12Hook>(RoutingOptions), CellsBy<CardMix9to12RetHook>(RoutingOptions),
                             CellsBy<CardMix9to12DigHook>(RoutingOptions)};

constexpr const char* Cards1to4[] = {"CRD1", "CRD2", "CRD3", "CRD4"};
constexpr const char* Cards5to8[] = {"C5", "C6", "C7", "C8"};
constexpr const char* Cards9to10[] = {"9", "10"};
constexpr const char* DigitalCards9to10[] = {"C9", "C10"};
constexpr const char* Cards9to12[] = {"C9", "C10", "C11", "C12"};

CardMixChain Mix1to4 = CardMixOf(Mix1to4, "CARD MIX 1-4", Cards1to4, Cards1to4, Mix1to4Cells, 164);
CardMixChain Mix5to8 = CardMixOf(Mix5to8, "CARD MIX 5-8", Cards5to8, Cards5to8, Mix5to8Cells, 164);
CardMixChain Mix9to10 = CardMixOf(Mix9to10, "CARD MIX 9-10", Cards9to10, DigitalCards9to10, Mix9to12Cells, 116);
CardMixChain Mix9to12 = CardMixOf(Mix9to12, "CARD MIX 9-12", Cards9to12, Cards9to12, Mix9to12Cells, 164);

// "CARD MIX 5-8" opens on models with more than four tracks only.
std::uint32_t IfMoreThan4Tracks(void*, Message* msg)
{
    return AnswerVisible(msg, OrvelGetNTracks() > 4);
}

}  // namespace

UIPage CardMix1to4Page = PageOf(Mix1to4.Analog, BusPageHandler<&CardMix1to4AuxPage>, &BusRoutingPage);
UIPage CardMix1to4AuxPage = PageOf(Mix1to4.Aux, BusPageHandler<&CardMix1to4DigitalPage>, &CardMix1to4Page);
UIPage CardMix1to4DigitalPage = PageOf(Mix1to4.Digital, BusPageHandler<nullptr, IfDigital>, &CardMix1to4AuxPage);

UIPage CardMix5to8Page =
    PageOf(Mix5to8.Analog, BusPageHandler<&CardMix5to8AuxPage, IfMoreThan4Tracks>, &BusRoutingPage);
UIPage CardMix5to8AuxPage = PageOf(Mix5to8.Aux, BusPageHandler<&CardMix5to8DigitalPage>, &CardMix5to8Page);
UIPage CardMix5to8DigitalPage = PageOf(Mix5to8.Digital, BusPageHandler<nullptr, IfDigital>, &CardMix5to8AuxPage);

UIPage CardMix9to10Page = PageOf(Mix9to10.Analog, BusPageHandler<&CardMix9to10AuxPage>, &BusRoutingPage);
UIPage CardMix9to10AuxPage = PageOf(Mix9to10.Aux, BusPageHandler<&CardMix9to10DigitalPage>, &CardMix9to10Page);
UIPage CardMix9to10DigitalPage = PageOf(Mix9to10.Digital, BusPageHandler<nullptr, IfDigital>, &CardMix9to10AuxPage);

UIPage CardMix9to12Page = PageOf(Mix9to12.Analog, BusPageHandler<&CardMix9to12AuxPage>, &BusRoutingPage);
UIPage CardMix9to12AuxPage = PageOf(Mix9to12.Aux, BusPageHandler<&CardMix9to12DigitalPage>, &CardMix9to12Page);
UIPage CardMix9to12DigitalPage = PageOf(Mix9to12.Digital, BusPageHandler<nullptr, IfDigital>, &CardMix9to12AuxPage);

const UIKeepsPowerOn KeptCardMix{Mix1to4, Mix5to8, Mix9to10, Mix9to12,
                                 CardMix1to4Page, CardMix1to4AuxPage, CardMix1to4DigitalPage,
                                 CardMix5to8Page, CardMix5to8AuxPage, CardMix5to8DigitalPage,
                                 CardMix9to10Page, CardMix9to10AuxPage, CardMix9to10DigitalPage,
                                 CardMix9to12Page, CardMix9to12AuxPage, CardMix9to12DigitalPage};
