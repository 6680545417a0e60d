#include "ui/uihome.h"

#include <iterator>

#include "common/debug.h"
#include "common/numberof.h"
#include "orvel/orvel.h"
#include "orvel/orvelcells.h"
#include "orvel/orvelmeters.h"
#include "ui/ui.h"
#include "ui/uihomestate.h"
#include "ui/uipages.h"
#include "uicore/uimatrix.h"
#include "uicore/uimeter.h"
#include "uicore/uipoweron.h"
#include "uicore/uisetting.h"
#include "uicore/uitimer.h"

std::uint32_t HomeRunningTC;
std::uint32_t HomeEnterTime;
std::uint8_t HomeBlink;
std::int32_t HomeSelectedMeter;

namespace {

constexpr std::uint32_t HOME_VARIANTS = 9;

constexpr UIMenuItem PanItems[] = {
    {.Text = " ", .Code = 0, .Color = 0}, {.Text = "L", .Code = 1, .Color = 0},
    {.Text = "C", .Code = 2, .Color = 0}, {.Text = "R", .Code = 3, .Color = 0},
};
constexpr UIMenu PanMenu = {.NItems = std::size(PanItems), .Items = PanItems};

MsgTarget PanSetting = {.Handler = PanPosHook};

// The pan positions can be edited only in pan edit mode; the model's pan hook knows whether it is on.
std::uint32_t PanMatrixHandler(void* self, Message* msg)
{
    switch (msg->Id) {
    case MSG_IS_FOCUSABLE:
        return PanPosHook(self, msg);
    default:
        return UIMatrixHandler(self, msg);
    }
}

UIMatrix PanMatrix = {
    .Control = {.Handler = PanMatrixHandler, .Flags = UI_CTRL_FLAG_FOCUS | UI_CTRL_FLAG_ASKFOCUS, .X = 4, .Y = 105},
    .Setting = &PanSetting,
    .NCols = 10,
    .NRows = 1,
    .Legend = nullptr,
    .ColsPerRow = {10},
    .RowTitles = {""},
    .ColTitles = {"1", "2", "3", "4", "5", "6", "R1", "R2", "R3", "R4"},
    .TitleY = 0,
    .Menu = &PanMenu,
    .Next = &PanMatrix,
    .Prev = &PanMatrix,
    .ColIndex = 0,
    .RowIndex = 0,
    .ColColors = {},
};

UIControl* const PanControls[] = {&PanMatrix.Control};

bool HomeStarted;

void HomeNoteStart()
{
    if (HomeStarted)
        return;
    HomeStarted = true;
    HomeEnterTime = TimeNow();
}

void HomeBuildLayout()
{
    MeterLayout(OrvelGetHomeVariant());
}

std::uint32_t HomeEncoder(Message* msg)
{
    if (!(HomeMeterFlags() & HOME_FLAG_METER_LEVEL) && VFaderDisplayMode() != VFADER_FIXED)
        return 0;
    MeterFaderStep(MsgParamInt(msg));
    return 1;
}

std::uint32_t HomeLeave()
{
    Orvel.ArmMode = 0;
    VFaderSetMode(VFADER_FIXED);
    MeterLayoutDefault();
    return 1;
}

std::uint32_t HomeEnter()
{
    HomeEnterTime = TimeNow();
    Orvel.Settings.PanEdit = 0;
    HomeBuildLayout();
    return 0;
}

std::uint32_t HomeRedirect(Message* msg)
{
    msg->Param = OrvelGetHomeVariant() != 0 ? MsgParamOf(&UIHomePage) : MsgParamOf(&HomePanPage);
    return 1;
}

// Leaves arm mode, pan edit mode and the meter selection: the way back to the plain home screen.
std::uint32_t HomeBlinkSet(std::uint8_t on)
{
    if (Orvel.ArmMode)
        HomeBlink = on;
    return 1;
}

std::uint32_t HomeTimecode(Message* msg)
{
    HomeRunningTC = MsgParamUnsigned(msg);
    MeterSimulate(&OrvelMeters);
    UIRedraw();
    return 1;
}

std::uint32_t HomeMessage(UIPage* page, Message* msg)
{
    switch (msg->Id) {
    case MSG_TIMER_10MS:
        return HomeHolds();
    case MSG_TIMECODE:
        return HomeTimecode(msg);
    case MSG_BLINK_ON:
        return HomeBlinkSet(1);
    case MSG_BLINK_OFF:
        return HomeBlinkSet(0);
    case MSG_KEY_DOWN:
        return HomeKeyDown(msg);
    case MSG_KEY_UP:
        return HomeKeyUp(msg);
    case MSG_ENCODER:
        return HomeEncoder(msg);
    case MSG_PAGE_ENTER:
        return HomeEnter();
    case MSG_PAGE_LEAVE:
        return HomeLeave();
    case MSG_PAGE_REDIRECT:
        return HomeRedirect(msg);
    case MSG_REDRAW:
        return HomeDraw(page);
    case MSG_REFRESH:
        HomeBuildLayout();
        return 0;
    case MSG_METER_DATA:
        msg->Param = MsgParamOf(&OrvelMeters);
        return 1;
    default:
        return 0;
    }
}

}  // namespace

UIPage UIHomePage = {
    .Handler = HomePageHandler,
    .Flags = UI_PAGE_FLAG_BACKGROUND,
    .Parent = &EditTrackNamesPage,
    .ControlIndex = -1,
    .NControls = 0,
    .Controls = nullptr,
};

UIPage HomePanPage = {
    .Handler = HomePageHandler,
    .Flags = UI_PAGE_FLAG_BACKGROUND,
    .Parent = nullptr,
    .ControlIndex = -1,
    .NControls = std::size(PanControls),
    .Controls = PanControls,
};

const UIKeepsPowerOn KeptHome{HomeRunningTC, HomeEnterTime, HomeBlink, HomeSelectedMeter, PanMatrix, HomeStarted,
                              UIHomePage, HomePanPage};

std::uint32_t HomePageHandler(void* self, Message* msg)
{
    HomeNoteStart();
    auto* page = static_cast<UIPage*>(self);
    if (HomeMessage(page, msg))
        return 1;
    return Orvel.ArmMode ? 0 : TransportKeysHandler(page, msg);
}

void HomeSelect(std::uint32_t bank, std::int32_t direction)
{
    if (!ASSERT(bank < numberof(Orvel.Settings.HomePageVariant)))
        return;
    if (bank != Orvel.Settings.HomePage) {
        Orvel.Settings.HomePage = static_cast<std::uint8_t>(bank);
        direction = 0;
    }
    std::int32_t v = Orvel.Settings.HomePageVariant[bank];
    if (direction >= 1)
        ++v;
    else if (direction < 0)
        --v;
    if (v >= static_cast<std::int32_t>(HOME_VARIANTS))
        v = 0;
    else if (v < 0)
        v = HOME_VARIANTS - 1;
    OrvelSetHomeVariant(static_cast<std::uint32_t>(v));
    MeterLayout(v);
    // Staying on the same page record shows the new layout at once, not with the next timecode.
    const UIPage* before = UICurrentPage;
    UIGotoPage(&UIHomePage);
    if (UICurrentPage == before)
        UIRedraw();
}

std::uint32_t HomeMeterFlags()
{
    std::uint32_t flags = OrvelMeters.Flags;
    if (OrvelGetHomeVariant() == 0 && Orvel.VFaderCycle != 0)
        flags |= HOME_FLAG_METER_LEVEL | HOME_FLAG_MENU_HOLD | HOME_FLAG_VFADER;
    return flags;
}

void TransportStatus(std::uint32_t state, const char** text, Colour* colour)
{
    switch (state) {
    case 1:
        *text = "PLAY";
        *colour = 0x05C0;
        break;
    case 2:
        *text = "REC";
        *colour = 0x0017;
        break;
    default:
        *text = "STOP";
        *colour = COLOUR_BLACK;
        break;
    }
}
