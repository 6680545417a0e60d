// The home screen's keys: holds, presses and releases, arm mode, pan edit mode and meter selection.
#include <initializer_list>

#include "orvel/orvel.h"
#include "orvel/orvelcells.h"
#include "orvel/orvelmeters.h"
#include "ui/uihome.h"
#include "ui/uihomestate.h"
#include "ui/uipages.h"
#include "uicore/uikeys.h"
#include "uicore/uimeter.h"
#include "uicore/uitimer.h"

namespace {

constexpr std::uint16_t ARM_HOLD_MS = 700;
constexpr std::uint16_t PAN_HOLD_MS = 400;
constexpr std::uint16_t HP_HOLD_MS = 500;
constexpr std::uint16_t MENU_HOLD_MS = 800;
// Within this time after the page is entered, HP does not step the headphone memory: the release of
// the HP press that led home must not change it.
constexpr std::uint32_t HP_SETTLE_MS = 1000;

// Codes the host sends for the panel's second key row and its special keys.
constexpr std::uint32_t KEY_ARM_FIRST = 128;  // track 1 .. 8: codes 128 .. 135
constexpr std::uint32_t KEY_ARM_LAST = 135;
constexpr std::uint32_t KEY_PAN = 139;  // short: pan one up; held: one down
constexpr std::uint32_t KEY_NEXT_VARIANT = 147;
constexpr std::uint32_t KEY_PREV_VARIANT = 148;
constexpr std::uint32_t KEY_CHAR_B = 'B';
constexpr std::uint32_t KEY_CHAR_STAR = '*';

constexpr std::uint32_t TRACKS_ARMABLE = 8;
bool HomeSettled()
{
    return TimeElapsed(HomeEnterTime, TimeNow()) > HP_SETTLE_MS;
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

}  // namespace

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
