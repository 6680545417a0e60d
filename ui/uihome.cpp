#include "ui/uihome.h"

#include <iterator>

#include "common/debug.h"
#include "common/numberof.h"
#include "orvel/orvel.h"
#include "orvel/orvelcells.h"
#include "orvel/orvelmeters.h"
#include "ui/uihomestate.h"
#include "ui/ui.h"
#include "ui/uipages.h"
#include "uicore/uikeys.h"
#include "uicore/uimatrix.h"
#include "uicore/uimeter.h"
#include "uicore/uisetting.h"
#include "uicore/uitimer.h"

std::uint32_t HomeRunningTC;
std::uint32_t HomeEnterTime;
std::uint8_t HomeBlink;
std::int32_t HomeSelectedMeter;

namespace {

constexpr std::uint16_t ARM_HOLD_MS = 700;
constexpr std::uint16_t PAN_HOLD_MS = 400;
constexpr std::uint16_t HP_HOLD_MS = 500;
constexpr std::uint16_t MENU_HOLD_MS = 800;
// Within this time after the page is entered, HP does not step the headphone memory: the release of
// the HP press that led home must not change it.
constexpr std::uint32_t HP_SETTLE_MS = 1000;
constexpr std::uint32_t HOME_VARIANTS = 9;

// Codes the host sends for the panel's second key row and its special keys.
constexpr std::uint32_t KEY_ARM_FIRST = 128;  // track 1 .. 8: codes 128 .. 135
constexpr std::uint32_t KEY_ARM_LAST = 135;
constexpr std::uint32_t KEY_MIRROR = 136;
constexpr std::uint32_t KEY_PAN = 139;  // short: pan one up; held: one down
constexpr std::uint32_t KEY_NEXT_VARIANT = 147;
constexpr std::uint32_t KEY_PREV_VARIANT = 148;
constexpr std::uint32_t KEY_CHAR_B = 'B';
constexpr std::uint32_t KEY_CHAR_STAR = '*';

constexpr std::uint32_t TRACKS_ARMABLE = 8;

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

bool HomeSettled()
{
    return TimeElapsed(HomeEnterTime, TimeNow()) > HP_SETTLE_MS;
}

void HomeBuildLayout()
{
    MeterLayout(OrvelGetHomeVariant());
}

void HomeRefreshAndRedraw()
{
    UIRefreshPage(UICurrentPage);
    UIRedraw();
}

// The track a key stands for in arm mode, 1 .. 8; the digit of other keys.
std::int32_t HomeKeyTrack(std::uint32_t key)
{
    if (key >= KEY_ARM_FIRST && key <= KEY_ARM_LAST)
        return static_cast<std::int32_t>(key - KEY_ARM_FIRST) + 1;
    return KeyDigit(key);
}

bool IsArmTrack(std::int32_t d)
{
    return d >= 1 && d <= static_cast<std::int32_t>(TRACKS_ARMABLE);
}

std::uint32_t HomeArmHoldsExpired()
{
    for (std::uint32_t k = 1; k <= TRACKS_ARMABLE; ++k) {
        for (const std::uint32_t key : {k, KEY_ARM_FIRST + k - 1}) {
            if (KeyHoldExpired(key) && KeyIsDown(key)) {
                OrvelToggleArmBit(k - 1);
                KeyIgnoreRelease(key);
                return 1;
            }
        }
    }
    return 0;
}

std::uint32_t HomeHolds()
{
    if (Orvel.ArmMode && HomeArmHoldsExpired())
        return 1;
    if (KeyHoldExpired(KEY_PAN)) {
        KeyIgnoreRelease(KEY_PAN);
        PanPosCycle(-1);
        return 1;
    }
    if (KeyHoldExpired(KEY_HP)) {
        if (HomeSettled())
            OrvelHphMonStep(false, true);
        UIRedraw();
        KeyIgnoreRelease(KEY_HP);
        return 1;
    }
    if ((HomeMeterFlags() & HOME_FLAG_MENU_HOLD) && KeyHoldExpired(KEY_MENU)) {
        UIGotoPage(&MainMenuPage);
        return 1;
    }
    return 0;
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
void HomeResetModes()
{
    Orvel.ArmMode = 0;
    Orvel.Settings.PanEdit = 0;
    MeterDeselectAll();
    VFaderSetMode(VFADER_FIXED);
    HomeRefreshAndRedraw();
    KeyIgnoreRelease(KEY_HP);
}

std::uint32_t HomeHpDown()
{
    if (Orvel.ArmMode || Orvel.Settings.PanEdit || MeterAnySelected()) {
        HomeResetModes();
        return 1;
    }
    if (KeyIsDown(KEY_MENU))
        UIGotoPage(&HphRoutingPage);
    else
        KeyHoldStart(KEY_HP, HP_HOLD_MS);
    return 1;
}

std::uint32_t HomeBusKey()
{
    if (OrvelGetHomeVariant() != 0)
        return 0;
    if (Orvel.Settings.PanEdit) {
        UIGotoPage(&BusRoutingPage);
        return 1;
    }
    Orvel.Settings.PanEdit = 1;
    VFaderSetMode(VFADER_FIXED);
    HomeRefreshAndRedraw();
    return 1;
}

std::uint32_t HomeBankKey(std::uint32_t key)
{
    if (!KeyIsDown(KEY_MENU))
        return 0;
    KeyIgnoreRelease(KEY_MENU);
    HomeSelect(key == KEY_SLT ? 1 : 0, +1);
    return 1;
}

std::uint32_t HomeComKey()
{
    if (KeyIsDown(KEY_MENU))
        return HomeBankKey(KEY_COM);
    if (!Orvel.ArmMode)
        PanPosCycle(+1);
    return 1;
}

std::uint32_t HomeMenuDown()
{
    if (KeyIsDown(KEY_HP)) {
        UIGotoPage(&HphRoutingPage);
        return 1;
    }
    if (KeyIsDown(KEY_COM) || KeyIsDown(KEY_SLT)) {
        KeyIgnoreRelease(KEY_MENU);
        HomeSelect(KeyIsDown(KEY_SLT) ? 1 : 0, +1);
        return 1;
    }
    if ((HomeMeterFlags() & HOME_FLAG_MENU_HOLD) && !Orvel.Settings.PanEdit)
        KeyHoldStart(KEY_MENU, MENU_HOLD_MS);
    return 1;
}

std::uint32_t HomeArmKey(std::uint32_t key, bool shift)
{
    if (shift)
        return 0;
    Orvel.ArmMode = 1;
    if (key == KEY_PFL)
        KeyIgnoreRelease(KEY_PFL);
    return 1;
}

// Alt or Ctrl with a digit arms; Ctrl with "=" or "-" moves the first pan position.
std::uint32_t HomeModifiedKey(std::uint32_t code)
{
    const std::uint32_t key = code & KEY_VALUE_MASK;
    if (key >= '0' && key <= '9') {
        Orvel.ArmMode = 1;
        if (key >= '1' && key <= '8')
            OrvelToggleArmBit(key - '1');
        return 1;
    }
    if (!(code & KEY_MOD_CTRL) || (key != '=' && key != '-'))
        return 0;
    PanPosCycle(key == '=' ? +1 : -1);
    return 1;
}

std::uint32_t HomePlainKey(std::uint32_t key, bool shift)
{
    switch (key) {
    case KEY_BUS:
    case KEY_F4:
    case KEY_CHAR_B:
        return HomeBusKey();
    case KEY_PFL:
        return HomeArmKey(key, shift);
    case KEY_COM:
        return HomeComKey();
    case KEY_SLT:
        return HomeBankKey(key);
    case KEY_HP:
        return HomeHpDown();
    case KEY_STAR:
    case KEY_CHAR_STAR:
    case KEY_NEXT_VARIANT:
        HomeSelect(1, +1);
        return 1;
    case KEY_PREV_VARIANT:
        HomeSelect(1, -1);
        return 1;
    case KEY_MENU:
        return HomeMenuDown();
    case KEY_MIRROR:
        UIGotoPage(&MirrorPage);
        return 1;
    case KEY_PAN:
        KeyHoldStart(KEY_PAN, PAN_HOLD_MS);
        return 1;
    default:
        return key >= KEY_ARM_FIRST && key <= KEY_ARM_LAST ? HomeArmKey(key, shift) : 0;
    }
}

std::uint32_t HomeKeyDown(Message* msg)
{
    const std::uint32_t code = MsgParamUnsigned(msg);
    const std::uint32_t key = code & KEY_VALUE_MASK;
    bool shift = KeyIsDown(KEY_MENU);
    const std::int32_t d = HomeKeyTrack(key);
    if ((HomeMeterFlags() & HOME_FLAG_SHIFT_INVERTED) && d >= 1 && d <= 6)
        shift = !shift;
    KeyHoldCancel();
    if (Orvel.ArmMode && IsArmTrack(d)) {
        KeyHoldStart(key, ARM_HOLD_MS);
        return 1;
    }
    if (code & (KEY_MOD_ALT | KEY_MOD_CTRL))
        return HomeModifiedKey(code);
    return HomePlainKey(key, shift);
}

std::uint32_t HomeHpUp()
{
    if (HomeSettled())
        OrvelHphMonStep(true, true);
    UIRedraw();
    KeyHoldStop(KEY_HP);
    return 1;
}

void HomeSelectNextMeter()
{
    HomeSelectedMeter = MeterSelectNext(HomeSelectedMeter);
    UIRedraw();
}

std::uint32_t HomeMenuUp()
{
    const std::uint32_t flags = HomeMeterFlags();
    if (flags & HOME_FLAG_VFADER) {
        VFaderKey();
        HomeRefreshAndRedraw();
    } else if (!(flags & HOME_FLAG_METER_LEVEL)) {
        UIGotoPage(&MainMenuPage);
    } else {
        HomeSelectNextMeter();
    }
    KeyHoldStop(KEY_MENU);
    return 1;
}

std::uint32_t HomeKeyUp(Message* msg)
{
    const std::uint32_t key = MsgParamUnsigned(msg) & KEY_VALUE_MASK;
    const std::int32_t d = HomeKeyTrack(key);
    if (Orvel.ArmMode && IsArmTrack(d)) {
        Orvel.ArmMask = static_cast<std::uint8_t>(1U << (d - 1));
        return 1;
    }
    switch (key) {
    case KEY_HP:
        return HomeHpUp();
    case KEY_PAN:
        KeyHoldStop(KEY_PAN);
        PanPosCycle(+1);
        return 1;
    case KEY_MENU:
        return HomeMenuUp();
    default:
        return 0;
    }
}

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
