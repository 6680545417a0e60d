// The template editor of numbers. Until a digit is typed it shows the value in the template and
// steps it; typed digits fill the template's '_' positions and are committed as one number.
#include <cstdlib>
#include <cstring>

#include "canvas/lcdcanvas.h"
#include "common/debug.h"
#include "common/format.h"
#include "uicore/uieditors.h"
#include "uicore/uieditorsteps.h"
#include "uicore/uikeys.h"
#include "uicore/uisetting.h"

namespace {

constexpr Colour CURSOR_DIGIT_COLOUR = 0x055F;
constexpr std::int32_t NUMBER_MANY_VALUES = 20;

UISetting* SettingOf(UINumberEditorRec* p)
{
    return static_cast<UISetting*>(p->Editor.Setting);
}

bool InDigitMode(const UINumberEditorRec* p)
{
    return (p->DigitMode & UI_DIGIT_MODE_ACTIVE) != 0;
}

// Index of the last '_' in text before end, -1 when there is none.
std::int32_t LastDigitPosition(const char* text, std::int32_t end)
{
    for (std::int32_t i = end - 1; i >= 0; --i)
        if (text[i] == '_')
            return i;
    return -1;
}

std::int32_t NextDigitPosition(const char* text, std::int32_t from)
{
    for (std::int32_t i = from + 1; text[i] != '\0'; ++i)
        if (text[i] == '_')
            return i;
    return -1;
}

// Backwards the cursor may also rest on a sign.
std::int32_t PreviousCursorPosition(const char* text, std::int32_t from)
{
    for (std::int32_t i = from - 1; i >= 0; --i)
        if (text[i] == '_' || text[i] == '+' || text[i] == '-')
            return i;
    return -1;
}

// A template that cannot be used leaves the editor able to step only: no digit position exists.
const char* UsableTemplate(UINumberEditorRec* p, const char* settingTemplate)
{
    p->Template = settingTemplate;
    if (!ASSERT(p->Template) || !ASSERT(strlen(p->Template) < sizeof(p->Buffer)))
        return "";
    ASSERT(std::strchr(p->Template, '_'));
    return p->Template;
}

// Fills the template's digit positions from the right with the value's digits.
void PrintIntoTemplate(UINumberEditorRec* p, std::int32_t value)
{
    char buf[MAX_UI_TEXT];
    FormatText(buf, sizeof(buf), "%d", value);
    ASSERT(strlen(buf) < sizeof(buf));
    FormatText(p->Buffer, sizeof(p->Buffer), "%s", p->Template);
    auto position = static_cast<std::int32_t>(strlen(p->Buffer));
    for (std::int32_t i = static_cast<std::int32_t>(strlen(buf)) - 1; i >= 0; --i) {
        if (buf[i] < '0' || buf[i] > '9')
            continue;
        position = LastDigitPosition(p->Buffer, position);
        if (position < 0)
            break;  // more digits than the template holds
        p->Buffer[position] = buf[i];
    }
    for (char* c = p->Buffer; *c != '\0'; ++c)
        if (*c == '_')
            *c = c[1] == '.' ? '0' : ' ';
    if (p->Buffer[0] == '+' && buf[0] == '-')
        p->Buffer[0] = '-';
}

void ShowValue(UINumberEditorRec* p)
{
    UISetting* setting = SettingOf(p);
    if (!ASSERT(setting))
        return;
    const std::int32_t value = UISettingValue(setting);
    if (setting->ZeroText && value == 0) {
        p->Buffer[0] = '\0';
        MsgSendParam(setting, MSG_TEXT_GET, MsgParamOf(p->Buffer));
        ASSERT(strlen(p->Buffer) < sizeof(p->Buffer));
        return;
    }
    PrintIntoTemplate(p, value);
}

void ResetCursor(UINumberEditorRec* p)
{
    const std::int32_t last = LastDigitPosition(p->Template, static_cast<std::int32_t>(strlen(p->Template)));
    p->Cursor = static_cast<std::uint8_t>(last < 0 ? 0 : last);
    p->LastDigit = 0;
    if (InDigitMode(p))
        p->DigitMode |= UI_DIGIT_MODE_FRESH;
}

std::uint32_t Open(UINumberEditorRec* p)
{
    UITimerStop(&p->Timer);
    p->DigitMode = 0;
    UISetting* setting = SettingOf(p);
    if (!ASSERT(setting)) {
        p->Template = "";
        return 1;
    }
    p->Template = UsableTemplate(p, setting->Template);
    KeyIgnoreRelease(KEY_MENU);  // the release of the MENU press that opened it
    ResetCursor(p);
    ShowValue(p);
    return 1;
}

void StartEntry(UINumberEditorRec* p)
{
    p->DigitMode = UI_DIGIT_MODE_ACTIVE;
    ResetCursor(p);
    FormatText(p->Buffer, sizeof(p->Buffer), "%s", p->Template);
    for (char* c = p->Buffer; *c != '\0'; ++c)
        if (*c == '_')
            *c = ' ';
}

// Calculator style: the digits typed so far move one digit position to the left.
void ShiftLeft(UINumberEditorRec* p)
{
    ASSERT(strlen(p->Buffer) == strlen(p->Template));
    std::int32_t to = NextDigitPosition(p->Template, -1);
    while (to >= 0 && to < p->Cursor) {
        const std::int32_t from = NextDigitPosition(p->Template, to);
        p->Buffer[to] = from >= 0 ? p->Buffer[from] : ' ';
        to = from;
    }
    p->Buffer[p->Cursor] = '0';
    p->LastDigit = 0;
    p->DigitMode &= static_cast<std::uint8_t>(~UI_DIGIT_MODE_SHIFT);
}

void EnterDigit(UINumberEditorRec* p, std::int32_t digit, std::int32_t alternate)
{
    if (!InDigitMode(p))
        StartEntry(p);
    if (p->DigitMode & UI_DIGIT_MODE_SHIFT)
        ShiftLeft(p);
    if (!ASSERT(p->Cursor < strlen(p->Buffer)) || p->Template[p->Cursor] != '_')
        return;
    char c = static_cast<char>('0' + digit);
    // the same panel key again within its window gives its second digit
    if (p->Buffer[p->Cursor] == c && p->LastDigit == c && alternate >= 0)
        c = static_cast<char>('0' + alternate);
    p->Buffer[p->Cursor] = c;
    p->LastDigit = static_cast<std::uint8_t>(c);
}

// Reads the typed number: blanks count as 0, the point and a leading '+' are skipped, a unit ends it.
std::int32_t TypedValue(const UINumberEditorRec* p)
{
    char buf[MAX_UI_TEXT] = "";
    if (!ASSERT(strlen(p->Buffer) < sizeof(buf)))
        return 0;
    std::size_t n = 0;
    for (std::size_t i = 0; p->Buffer[i] != '\0'; ++i) {
        const char c = p->Buffer[i];
        if (c == '.' || (c == '+' && i == 0))
            continue;
        if (c != '-' && c != ' ' && (c < '0' || c > '9'))
            break;
        buf[n++] = c == ' ' ? '0' : c;
    }
    buf[n] = '\0';
    return static_cast<std::int32_t>(std::strtol(buf, nullptr, 10));
}

std::uint32_t CommitAndClose(UINumberEditorRec* p)
{
    UISetting* setting = SettingOf(p);
    if (InDigitMode(p) && ASSERT(setting))
        MsgQuery(setting, MSG_VALUE_SET, UISettingClamp(setting, TypedValue(p)));
    return UIEditorCloseRedraw();
}

// A panel key's window has passed or a PC key was typed: a fresh entry makes room for the next
// digit, an overwrite moves to the next digit position and commits past the last one.
void Advance(UINumberEditorRec* p)
{
    if (p->DigitMode & UI_DIGIT_MODE_FRESH) {
        p->DigitMode |= UI_DIGIT_MODE_SHIFT;
    } else {
        const std::int32_t next = NextDigitPosition(p->Template, p->Cursor);
        if (next < 0) {
            CommitAndClose(p);
            return;
        }
        p->Cursor = static_cast<std::uint8_t>(next);
        p->LastDigit = 0;
    }
    UIRedraw();
}

std::uint32_t TypeDigit(UINumberEditorRec* p, std::uint32_t key)
{
    if (!p->DigitKeys || !std::strchr(p->Template, '_'))
        return 0;
    EnterDigit(p, KeyDigit(key), KeyKeypadDigit(key));
    if (!KeyIsNumber(key)) {
        Advance(p);
        return 1;
    }
    UITimerStart(&p->Timer, UI_DIGIT_WINDOW_MS);
    UIRedraw();
    return 1;
}

// The entry turns into overwriting; at either end the cursor stays.
void MoveCursor(UINumberEditorRec* p, bool forward)
{
    p->DigitMode = UI_DIGIT_MODE_ACTIVE;
    UITimerStop(&p->Timer);  // the window belonged to the digit at the old position
    p->LastDigit = 0;
    const std::int32_t to =
        forward ? NextDigitPosition(p->Template, p->Cursor) : PreviousCursorPosition(p->Template, p->Cursor);
    if (to >= 0)
        p->Cursor = static_cast<std::uint8_t>(to);
}

std::uint32_t Turn(UINumberEditorRec* p, std::int32_t step)
{
    if (InDigitMode(p)) {
        MoveCursor(p, step >= 1);
        UIRedraw();
        return 1;
    }
    const UISetting* setting = SettingOf(p);
    const bool manyValues = ASSERT(setting) && setting->Max - setting->Min >= NUMBER_MANY_VALUES;
    return UIEditorTurn(&p->Editor, step, manyValues);
}

std::uint32_t MenuDown(UINumberEditorRec* p)
{
    if (!InDigitMode(p) || p->Template[0] != '+')
        return 1;  // the release commits and closes
    p->Buffer[0] = p->Buffer[0] == '+' ? '-' : '+';
    KeyIgnoreRelease(KEY_MENU);
    UIRedraw();
    return 1;
}

std::uint32_t KeyDown(UINumberEditorRec* p, std::uint32_t key)
{
    if (KeyDigit(key) >= 0)
        return TypeDigit(p, key);
    if (key == KEY_HP)
        return CommitAndClose(p);
    if (key == KEY_MENU)
        return MenuDown(p);
    return UIEditorStepKey(&p->Editor, key);
}

std::uint32_t Tick(UINumberEditorRec* p)
{
    if (InDigitMode(p) && UITimerExpired(&p->Timer))
        Advance(p);
    return 0;  // other receivers poll their timers too
}

std::uint32_t Draw(UINumberEditorRec* p)
{
    Canvas* c = &LcdCanvas;
    const std::int32_t x = p->Editor.X;
    const std::int32_t y = p->Editor.Y;
    if (!InDigitMode(p))
        ShowValue(p);
    CanvasDrawEditBar(c, x, y, TextWidth(c, 0, p->Buffer));
    DrawText(c, x, y, UI_ALIGN_LEFT, 0, COLOUR_BLACK, p->Buffer);
    if (!InDigitMode(p) || !ASSERT(p->Cursor < strlen(p->Buffer)))
        return 1;
    const std::int32_t cw = TextWidth(c, 0, "X");
    const std::int32_t left = x + p->Cursor * cw;
    c->FillRect(c, left, y + 1, left + cw, y + FontHeight(c, 0) - 2, COLOUR_BLACK);
    const char cursor[] = {p->Buffer[p->Cursor], '\0'};
    DrawText(c, left, y, UI_ALIGN_LEFT, 0, CURSOR_DIGIT_COLOUR, cursor);
    return 1;
}

}  // namespace

std::uint32_t UINumberEditorHandler(void* self, Message* msg)
{
    auto* p = static_cast<UINumberEditorRec*>(self);
    switch (msg->Id) {
    case MSG_KEY_DOWN:
        return KeyDown(p, MsgParamUnsigned(msg));
    case MSG_KEY_UP:
        return MsgParamUnsigned(msg) == KEY_MENU ? CommitAndClose(p) : 0;
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
