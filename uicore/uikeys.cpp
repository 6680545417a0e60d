#include "uicore/uikeys.h"

#include <algorithm>

#include "common/debug.h"
#include "common/numberof.h"
#include "uicore/uipoweron.h"
#include "uicore/uitimer.h"

std::uint8_t KeyPressTbl[NUM_KEYS];
std::uint8_t KeyReleaseIgnoreTbl[NUM_KEYS];

namespace {

struct KeyHold {
    std::uint32_t Key;  // 0: none
    UITimer Timer;
};

KeyHold Hold;

}  // namespace

const UIKeepsPowerOn KeptKeyInput{KeyPressTbl, KeyReleaseIgnoreTbl, Hold};

std::uint32_t KeyFilter(UIPage*, Message* msg)
{
    const std::uint32_t key = MsgParamUnsigned(msg) & KEY_VALUE_MASK;
    const bool down = msg->Id == MSG_KEY_DOWN;
    if (key >= NUM_KEYS)
        return 0;
    KeyPressTbl[key] = down ? 1 : 0;
    if (KeyReleaseIgnoreTbl[key]) {
        KeyReleaseIgnoreTbl[key] = 0;
        if (!down)
            return 1;
    }
    return 0;
}

bool KeyIsDown(std::uint32_t key)
{
    if (!ASSERT(key < numberof(KeyPressTbl)))
        return false;
    return KeyPressTbl[key] != 0;
}

bool KeyIsHeld(std::uint32_t key)
{
    if (!ASSERT(key < numberof(KeyReleaseIgnoreTbl)))
        return false;
    return !KeyReleaseIgnoreTbl[key] && KeyIsDown(key);
}

void KeyIgnoreRelease(std::uint32_t key)
{
    if (ASSERT(key < numberof(KeyReleaseIgnoreTbl)))
        KeyReleaseIgnoreTbl[key] = 1;
}

void KeyIgnoreAllReleases()
{
    std::fill(std::begin(KeyReleaseIgnoreTbl), std::end(KeyReleaseIgnoreTbl), 1);
}

void KeyHoldStart(std::uint32_t key, std::uint16_t ms)
{
    Hold.Key = key;
    UITimerStart(&Hold.Timer, ms);
}

void KeyHoldStop(std::uint32_t key)
{
    if (Hold.Key == key)
        KeyHoldCancel();
}

void KeyHoldCancel()
{
    Hold.Key = 0;
    UITimerStop(&Hold.Timer);
}

bool KeyHoldExpired(std::uint32_t key)
{
    return Hold.Key == key && UITimerExpired(&Hold.Timer);
}

bool KeyHoldRunning(std::uint32_t key)
{
    return Hold.Key == key && UITimerIsRunning(&Hold.Timer);
}

std::int32_t KeyNumber(std::uint32_t key)
{
    return key >= KEY_TC && key <= KEY_SLT ? static_cast<std::int32_t>(key) : -1;
}

bool KeyIsNumber(std::uint32_t key)
{
    return KeyNumber(key) >= 0;
}

std::int32_t KeyDigit(std::uint32_t key)
{
    const std::int32_t number = KeyNumber(key);
    if (number >= 0)
        return number;
    return key >= '0' && key <= '9' ? static_cast<std::int32_t>(key - '0') : -1;
}

std::int32_t KeyHexDigit(std::uint32_t key)
{
    const std::int32_t digit = KeyDigit(key);
    if (digit >= 0)
        return digit;
    if (key >= 'A' && key <= 'F')
        return static_cast<std::int32_t>(key - 'A' + 10);
    if (key >= 'a' && key <= 'f')
        return static_cast<std::int32_t>(key - 'a' + 10);
    return -1;
}

std::int32_t KeyKeypadDigit(std::uint32_t key)
{
    if (key == KEY_COM)
        return 9;
    if (key == KEY_SLT)
        return 0;
    return -1;
}

std::int32_t KeyKeypadHex(std::uint32_t key)
{
    if (key >= KEY_TC && key <= KEY_SETUP)
        return static_cast<std::int32_t>(key - KEY_TC + 10);
    return KeyKeypadDigit(key);
}
