// The headphone routing pages: the current headphone monitor memory's routing to the left and right
// ear. The first ten memories route inputs, outputs and returns; the last four route card tracks.
#include "ui/pages/headphones.h"

#include <cstddef>
#include <cstdint>

#include "orvel/orvel.h"
#include "orvel/orvelcells.h"
#include "orvel/orvelhooks.h"
#include "orvel/orvellisthooks.h"
#include "ui/menu/menu.h"
#include "ui/uivalues.h"
#include "uicore/uikeys.h"
#include "uicore/uimatrix.h"
#include "uicore/uipagekit.h"
#include "uicore/uipoweron.h"
#include "uicore/uitimer.h"

namespace {

constexpr std::uint16_t HP_HOLD_MS = 500;
constexpr std::int32_t ROUTING_MEMORIES = 10;  // memories shown on the first page; the rest on the second

const UIOptions<3> RouteOptions = OptionsOf(RouteOptions, {" ", "X", "/X"});

UITimer HpHold;

// Holding HP offers a cell every value; otherwise it only turns on and off. HP held while a cell
// changes serves as a shift, so its release must not step the memory.
template <MsgHandler Kind, MsgHandler Condition = NoHook>
std::uint32_t RoutingCellsHandler(void* self, Message* msg)
{
    if (Condition(self, msg))
        return 1;
    switch (msg->Id) {
    case MSG_CELL_MENU:
        if (KeyIsDown(KEY_HP))
            return 0;
        MsgParamPtr<UIMatrixCell>(msg)->Menu = &CellOptions.Menu;
        return 1;
    case MSG_CELL_SET:
        KeyIgnoreRelease(KEY_HP);
        break;
    default:
        break;
    }
    return Kind(self, msg);
}

constexpr MsgHandler RoutingCells = RoutingCellsHandler<UIMatrixHandler>;
constexpr MsgHandler KLinCells = RoutingCellsHandler<UIMatrixHandler, IfKavlin>;
constexpr MsgHandler TrackCells = RoutingCellsHandler<TrackMatrixHandler>;

// A matrix that asks whether it is shown.
constexpr UIMatrix Conditional(UIMatrix matrix)
{
    matrix.Control.Flags |= UI_CTRL_FLAG_ASKVISIBLE;
    return matrix;
}

// The memory's name in the corner, where background pages name themselves.
constexpr UIText CornerText(std::int32_t x, std::int32_t y, void* setting)
{
    return TextRightAt(x, y, nullptr, setting);
}

UISetting Upper = CellsBy<HphUpperHook>(RouteOptions);
UISetting Lower = CellsBy<HphLowerHook>(RouteOptions);
UISetting KLinRow = CellsBy<HphKLinRowHook>(RouteOptions);
UISetting Upper12 = CellsBy<HphUpper12Hook>(RouteOptions);
UISetting Lower12 = CellsBy<HphLower12Hook>(RouteOptions);
UISetting Ext = CellsBy<HphExtHook>(RouteOptions);
UISetting MemoryName = TextBy<HphMemNameHook>();

// Shown on both pages.
UIText LeftLabel = TextAt(195, 38, "L");
UIText RightLabel = TextAt(195, 109, "R");
UIText NameText = CornerText(219, 133, &MemoryName);

// The first page: card channels, outputs and returns into each ear, the link inputs, the "E" cell.
constexpr UIMatrixRow RoutingRows[] = {{"CRD", 10}, {"OUT", 6}, {"RET", 4}};
constexpr const char* InputColumns[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
extern UIMatrix RightInputs, KLinInputs, FirstExt;
UIMatrix LeftInputs = MatrixAt(LeftInputs, {.X = 0, .Y = -7, .Setting = &Upper, .Menu = &RouteOptions.Menu,
                                            .Next = &RightInputs, .Prev = &FirstExt, .Handler = RoutingCells},
                               RoutingRows, InputColumns);
UIMatrix RightInputs = MatrixAt(RightInputs, {.X = 0, .Y = 75, .Setting = &Lower, .Menu = &RouteOptions.Menu,
                                              .Next = &KLinInputs, .Prev = &LeftInputs, .Handler = RoutingCells},
                                RoutingRows);
UIMatrix KLinInputs = Conditional(MatrixAt(KLinInputs, {.X = 0, .Y = 152, .Setting = &KLinRow,
                                                        .Menu = &RouteOptions.Menu, .Next = &FirstExt,
                                                        .Prev = &RightInputs, .Handler = KLinCells},
                                           {{"KLIN", 6}}));
UIMatrix FirstExt = MatrixAt(FirstExt, {.X = 187, .Y = 152, .Setting = &Ext, .Menu = &RouteOptions.Menu,
                                        .Next = &LeftInputs, .Prev = &KLinInputs, .Handler = RoutingCells},
                             {{"E", 1}});
UIControl* const RoutingControls[] = {
    ControlOf(LeftInputs), ControlOf(RightInputs), ControlOf(KLinInputs), ControlOf(FirstExt),
    ControlOf(LeftLabel),  ControlOf(RightLabel),  ControlOf(NameText),
};

// The second page: the card tracks into each ear, dealt by the track count, and the "E" cell.
constexpr const char* TrackColumns[] = {"1", "2", "3", "4", "5", "6", "7", "8"};
extern UIMatrix RightTracks, SecondExt;
UIMatrix LeftTracks = MatrixAt(LeftTracks, {.X = 5, .Y = -7, .Setting = &Upper12, .Menu = &RouteOptions.Menu,
                                            .Next = &RightTracks, .Prev = &SecondExt, .Handler = TrackCells},
                               {{"", 8}, {"", 4}}, TrackColumns);
UIMatrix RightTracks = MatrixAt(RightTracks, {.X = 5, .Y = 64, .Setting = &Lower12, .Menu = &RouteOptions.Menu,
                                              .Next = &SecondExt, .Prev = &LeftTracks, .Handler = TrackCells},
                                {{"", 8}, {"", 4}}, TrackColumns);
UIMatrix SecondExt = MatrixAt(SecondExt, {.X = 187, .Y = 151, .Setting = &Ext, .Menu = &RouteOptions.Menu,
                                          .Next = &LeftTracks, .Prev = &RightTracks, .Handler = RoutingCells},
                              {{"E", 1}});
UIText CardTracksLabel = TextAt(40, 135, "CARD TRACKS");
UIControl* const CardTracksControls[] = {
    ControlOf(LeftTracks), ControlOf(RightTracks), ControlOf(SecondExt), ControlOf(CardTracksLabel),
    ControlOf(LeftLabel),  ControlOf(RightLabel),  ControlOf(NameText),
};

// Either page stands for both: the memory decides which one shows.
std::uint32_t Redirect(Message* msg)
{
    msg->Param = MsgParamOf(Orvel.HphMon.Index < ROUTING_MEMORIES ? &HphRoutingPage : &HphCardTracksPage);
    return 1;
}

// Empty memories count too: this is where they are filled in.
void StepMemory(bool up)
{
    OrvelHphMonStep(up, false);
    UIGotoPage(&HphRoutingPage);
    UIRedraw();
}

std::uint32_t KeyDown(std::uint32_t key)
{
    switch (key) {
    case KEY_HP:
        UITimerStart(&HpHold, HP_HOLD_MS);
        return 1;
    case '<':
        StepMemory(false);
        return 1;
    case '>':
        StepMemory(true);
        return 1;
    case KEY_STAR:
        StarFlagSet(1);
        return 1;
    default:
        return 0;
    }
}

// The release of a hold that went back, or of HP used as a shift, is swallowed before it gets here.
std::uint32_t KeyUp(std::uint32_t key)
{
    if (key != KEY_HP)
        return 0;
    if (UITimerIsRunning(&HpHold)) {
        UITimerStop(&HpHold);
        StepMemory(true);
    }
    return 1;
}

// HP held to the end goes back, unless it has served as a shift for a cell meanwhile.
std::uint32_t HoldTick()
{
    if (UITimerExpired(&HpHold) && KeyIsHeld(KEY_HP))
        UIGoBack();
    return 0;
}

std::uint32_t HphPagesHandler(void*, Message* msg)
{
    switch (msg->Id) {
    case MSG_PAGE_REDIRECT:
        return Redirect(msg);
    case MSG_PAGE_LEAVE:
        UITimerStop(&HpHold);
        return 0;
    case MSG_TIMER_10MS:
        return HoldTick();
    case MSG_KEY_DOWN:
        return KeyDown(MsgParamUnsigned(msg));
    case MSG_KEY_UP:
        return KeyUp(MsgParamUnsigned(msg));
    default:
        return 0;
    }
}

// The key that opens the page closes it again.
std::uint32_t HphRoutingHandler(void* self, Message* msg)
{
    if (msg->Id == MSG_KEY_DOWN && MsgParamUnsigned(msg) == (KEY_MOD_ALT | 'H')) {
        UIGotoPage(UIHome());
        return 1;
    }
    return HphPagesHandler(self, msg);
}

}  // namespace

UIPage HphRoutingPage = BackgroundPage(RoutingControls, HphRoutingHandler);
UIPage HphCardTracksPage = BackgroundPage(CardTracksControls, HphPagesHandler);

const UIKeepsPowerOn KeptHeadphones{HpHold,     LeftInputs,  RightInputs, KLinInputs,     FirstExt,
                                    LeftTracks, RightTracks, SecondExt,   HphRoutingPage, HphCardTracksPage};
