// The eight-digit editor of timecodes and user bits: digits are typed from left to right and
// committed as one packed word at the last digit, on HP or on MENU.
#include "canvas/lcdcanvas.h"
#include "common/debug.h"
#include "common/numberof.h"
#include "uicore/uieditors.h"
#include "uicore/uieditorsteps.h"
#include "uicore/uikeys.h"
#include "uicore/uiutils.h"

namespace {

constexpr std::uint8_t NO_DIGIT = 255;
constexpr std::int32_t DIGIT_FONT = 1;
constexpr Colour BOX_COLOUR = 0xCE16;
constexpr Colour CURSOR_BACK_COLOUR = 0x2002;
constexpr Colour CURSOR_DIGIT_COLOUR = 0x055F;
// From the first digit to the right edge of the box: eight digits and three colons.
constexpr std::int32_t BOX_RIGHT = 132;
constexpr char DIGIT_CHARS[] = "0123456789ABCDEF";

std::uint32_t Open(UIDigitEditor* p)
{
    p->Cursor = 0;
    p->LastDigit = NO_DIGIT;
    const auto value = static_cast<std::uint32_t>(MsgQuery(p->Editor.Setting, MSG_VALUE_GET, 0));
    UITimecodeUnpack(p->Digits, value);
    UITimerStop(&p->Timer);
    return 1;
}

std::uint32_t CommitAndClose(UIDigitEditor* p)
{
    MsgQuery(p->Editor.Setting, MSG_VALUE_SET, UITimecodePack(p->Digits));
    return UIEditorCloseRedraw();
}

void Advance(UIDigitEditor* p)
{
    if (p->Cursor >= numberof(p->Digits) - 1) {
        CommitAndClose(p);
        return;
    }
    ++p->Cursor;
    p->LastDigit = NO_DIGIT;
    UIRedraw();
}

std::int32_t Digit(const UIDigitEditor* p, std::uint32_t key)
{
    return p->Hex ? KeyHexDigit(key) : KeyDigit(key);
}

std::int32_t Alternate(const UIDigitEditor* p, std::uint32_t key)
{
    return p->Hex ? KeyKeypadHex(key) : KeyKeypadDigit(key);
}

std::uint32_t TypeDigit(UIDigitEditor* p, std::uint32_t key)
{
    UITimerStop(&p->Timer);
    if (!ASSERT(p->Cursor < numberof(p->Digits)))
        return 1;
    const auto digit = static_cast<std::uint8_t>(Digit(p, key));
    const std::int32_t alternate = Alternate(p, key);
    // the same panel key again within its window gives its second digit
    const bool second = p->Digits[p->Cursor] == digit && p->LastDigit == digit && alternate >= 0;
    p->Digits[p->Cursor] = second ? static_cast<std::uint8_t>(alternate) : digit;
    p->LastDigit = p->Digits[p->Cursor];
    if (!KeyIsNumber(key)) {
        Advance(p);
        return 1;
    }
    UITimerStart(&p->Timer, UI_DIGIT_WINDOW_MS);
    UIRedraw();
    return 1;
}

std::uint32_t KeyDown(UIDigitEditor* p, std::uint32_t key)
{
    if (Digit(p, key) >= 0)
        return TypeDigit(p, key);
    if (key == KEY_HP || key == KEY_MENU)
        return CommitAndClose(p);
    return UIEditorStepKey(&p->Editor, key);
}

std::uint32_t Turn(UIDigitEditor* p, std::int32_t step)
{
    const auto count = static_cast<std::int32_t>(numberof(p->Digits));
    p->Cursor = static_cast<std::uint8_t>(((p->Cursor + step) % count + count) % count);
    p->LastDigit = NO_DIGIT;
    UITimerStop(&p->Timer);
    UIRedraw();
    return 1;
}

std::uint32_t Tick(UIDigitEditor* p)
{
    if (UITimerExpired(&p->Timer))
        Advance(p);
    return 0;  // other receivers poll their timers too
}

// One digit at x, on the cursor block when it is the cursor digit; returns the x after it.
std::int32_t DrawDigit(Canvas* c, const UIDigitEditor* p, std::uint32_t index, std::int32_t x)
{
    const char text[] = {DIGIT_CHARS[p->Digits[index] & 0x0F], '\0'};
    const std::int32_t width = TextWidth(c, DIGIT_FONT, text);
    Colour colour = COLOUR_BLACK;
    if (index == p->Cursor) {
        const std::int32_t y = p->Editor.Y;
        c->FillRect(c, x, y - 2, x + width - 1, y + FontHeight(c, DIGIT_FONT) - 2, CURSOR_BACK_COLOUR);
        colour = CURSOR_DIGIT_COLOUR;
    }
    DrawText(c, x, p->Editor.Y, UI_ALIGN_LEFT, DIGIT_FONT, colour, text);
    return x + width;
}

std::uint32_t Draw(UIDigitEditor* p)
{
    Canvas* c = &LcdCanvas;
    const std::int32_t x = p->Editor.X;
    const std::int32_t y = p->Editor.Y;
    const std::int32_t bottom = y + FontHeight(c, DIGIT_FONT) - 1;
    c->FillRect(c, x - 1, y - 2, x + BOX_RIGHT, bottom, BOX_COLOUR);
    CanvasDrawRect(c, x - 1, y - 2, x + BOX_RIGHT, bottom, COLOUR_BLACK);
    ASSERT(p->Cursor < numberof(p->Digits));
    std::int32_t at = x;
    for (std::uint32_t i = 0; i < numberof(p->Digits); ++i) {
        at = DrawDigit(c, p, i, at);
        if (i == 1 || i == 3 || i == 5) {
            DrawText(c, at, y, UI_ALIGN_LEFT, DIGIT_FONT, COLOUR_BLACK, ":");
            at += TextWidth(c, DIGIT_FONT, ":");
        }
    }
    return 1;
}

}  // namespace

std::uint32_t UIDigitEditorHandler(void* self, Message* msg)
{
    auto* p = static_cast<UIDigitEditor*>(self);
    switch (msg->Id) {
    case MSG_KEY_DOWN:
        return KeyDown(p, MsgParamUnsigned(msg));
    case MSG_ENCODER:
        return Turn(p, MsgParamInt(msg));
    case MSG_TIMER_10MS:
        return Tick(p);
    case MSG_EDITOR_OPEN:
        return Open(p);
    case MSG_DRAW:
        return Draw(p);
    default:
        return 0;
    }
}
