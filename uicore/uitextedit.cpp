#include "uicore/uitextedit.h"

#include <cstring>
#include <iterator>

#include "canvas/images.h"
#include "canvas/lcdcanvas.h"
#include "common/debug.h"
#include "common/format.h"
#include "uicore/uicontrols.h"
#include "uicore/uikeys.h"
#include "uicore/uipoweron.h"

namespace {

// Keys of the grid that are not characters; their codes sit in the character sets below.
enum TextKeyCode : char {
    TEXT_KEY_LEFT = 1,
    TEXT_KEY_RIGHT = 2,
    TEXT_KEY_OK = 3,
    TEXT_KEY_PLUS_ONE = 4,  // upper set only
};

constexpr const char* TextKeyLabelTbl[] = {"", "<-", "->", "OK", "+1"};

// One character per grid cell, row by row.
constexpr char UpperSet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.@-_ \4\1\2\3";
constexpr char LowerSet[] = "abcdefghijklmnopqrstuvwxyz0123456789()-+# \1\2\3";
static_assert(std::size(UpperSet) == 5 * 9 + 1 && std::size(LowerSet) == 5 * 9 + 1);

// What the PC keyboard may type.
constexpr char PcSet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789()-+#.@-_ ";

// Keys of the recorder's other panels; the simulator host never sends them.
constexpr std::uint32_t KEY_TEXT_SAVE = 144;
constexpr std::uint32_t KEY_HOME = 145;

constexpr std::uint16_t HOLD_MS = 500;  // a press held longer is a long press

constexpr Colour TEXT_LINE_COLOUR = 0xCE16;
constexpr Colour CURSOR_BACK_COLOUR = 0x2002;
constexpr Colour CURSOR_TEXT_COLOUR = 0x055F;
constexpr std::int32_t TEXT_LINE_LEFT = 3;
constexpr std::int32_t TEXT_LINE_RIGHT = 216;
constexpr std::int32_t TEXT_LINE_TOP = 30;
constexpr std::int32_t TEXT_X = 4;
constexpr std::int32_t TEXT_Y = 32;
constexpr std::int32_t GRID_TOP = 58;
constexpr std::int32_t CELL_STEP = 23;  // cells are 24 pixels wide: neighbours share their edge
constexpr std::int32_t LABEL_DX = 12;
constexpr std::int32_t LABEL_DY = 5;

UITitle TextEditTitle = {
    .Control = {.Handler = UITitleHandler, .Flags = 0, .X = 0, .Y = 0},
    .Text = "Enter text",
};

UIControl* const TextEditControls[] = {&TextEditTitle.Control};

}  // namespace

UITextEditStateRec UITextEditState = {.GridRows = 5, .GridCols = 9};

UIPage UITextEdit = {
    .Handler = UITextEditHandler,
    .Flags = UI_PAGE_FLAG_SUBPAGE,
    .Parent = nullptr,
    .ControlIndex = -1,
    .NControls = static_cast<std::int32_t>(std::size(TextEditControls)),
    .Controls = TextEditControls,
};

const UIKeepsPowerOn KeptTextEdit{UITextEditState, UITextEdit};

void UITextEditOpen(void* setting)
{
    ASSERT(UITextEdit.Flags & UI_PAGE_FLAG_SUBPAGE);
    UITextEditState.Setting = setting;
    UIGotoPage(&UITextEdit);
}

namespace {

const char* CharSet(const UITextEditStateRec* p)
{
    return p->Lower ? LowerSet : UpperSet;
}

std::int32_t LastPosition(const UITextEditStateRec* p)
{
    return static_cast<std::int32_t>(p->NChars) - 1;
}

// Pads Buffer with blanks to the field's width and cuts it there.
void FitToField(UITextEditStateRec* p)
{
    std::uint32_t i = 0;
    while (i < p->NChars && p->Buffer[i])
        ++i;
    for (; i < p->NChars; ++i)
        p->Buffer[i] = ' ';
    p->Buffer[p->NChars] = 0;
}

// Loads the setting's text, padded with blanks to the field's width and cut there.
std::uint32_t Enter(UITextEditStateRec* p)
{
    p->Active = 1;
    p->Cursor = 0;
    ASSERT(p->Setting);
    p->NChars = static_cast<std::uint32_t>(MsgQuery(p->Setting, MSG_FIELD_WIDTH, 0));
    ASSERT(p->NChars);
    if (!ASSERT(p->NChars < sizeof(p->Buffer)))
        p->NChars = sizeof(p->Buffer) - 1;
    char text[MAX_UI_TEXT] = "";
    MsgSendParam(p->Setting, MSG_TEXT_GET, MsgParamOf(text));
    FormatText(p->Buffer, sizeof(p->Buffer), "%s", text);
    FitToField(p);
    return 1;
}

void Leave(UITextEditStateRec* p)
{
    p->Active = 0;
    UIGoBack();
}

// The name is handed over without the blanks that pad the field.
void SaveAndLeave(UITextEditStateRec* p)
{
    std::uint32_t length = p->NChars;
    while (length > 0 && (p->Buffer[length - 1] == ' ' || p->Buffer[length - 1] == 0))
        --length;
    p->Buffer[length] = 0;
    MsgSendParam(p->Setting, MSG_TEXT_SET, MsgParamOf(p->Buffer));
    Leave(p);
}

std::uint32_t GoHome(UITextEditStateRec* p)
{
    if (!UIGotoPage(UIHome()))
        return 0;
    p->Active = 0;
    return 1;
}

void CursorLeft(UITextEditStateRec* p)
{
    if (p->Cursor > 0)
        --p->Cursor;
}

void CursorRight(UITextEditStateRec* p)
{
    if (p->Cursor < LastPosition(p))
        ++p->Cursor;
}

// The character before the cursor goes; the rest of the field closes up and ends in a blank.
void Backspace(UITextEditStateRec* p)
{
    if (p->Cursor <= 0)
        return;
    --p->Cursor;
    UITextDropFirst(p->Buffer + p->Cursor);
    p->Buffer[LastPosition(p)] = ' ';
}

void CountUp(UITextEditStateRec* p)
{
    UITextIncrement(p->Buffer, p->NChars);
    FitToField(p);
}

// The last position of the field is never typed over.
void Type(UITextEditStateRec* p, char c)
{
    if (p->Cursor >= LastPosition(p))
        return;
    p->Buffer[p->Cursor++] = c;
    UIRedraw();
}

// A short MENU press: the key under the grid cursor acts.
void Pick(UITextEditStateRec* p)
{
    const char* charset = CharSet(p);
    const auto index = static_cast<std::size_t>(p->GridRow * p->GridCols + p->GridCol);
    if (!ASSERT(index < strlen(charset)))
        return;
    switch (charset[index]) {
    case TEXT_KEY_LEFT:
        CursorLeft(p);
        break;
    case TEXT_KEY_RIGHT:
        CursorRight(p);
        break;
    case TEXT_KEY_OK:
        SaveAndLeave(p);
        break;
    case TEXT_KEY_PLUS_ONE:
        CountUp(p);
        break;
    default:
        Type(p, charset[index]);
        return;
    }
    UIRedraw();
}

bool IsPcCharacter(std::uint32_t key)
{
    return key > 0 && key <= 127 && std::strchr(PcSet, static_cast<char>(key));
}

std::uint32_t TypeKey(UITextEditStateRec* p, std::uint32_t key)
{
    switch (key) {
    case KEY_LEFT:
        CursorLeft(p);
        break;
    case KEY_RIGHT:
        CursorRight(p);
        break;
    case KEY_BACKSPACE:
        Backspace(p);
        break;
    default:
        if (!IsPcCharacter(key))
            return 0;
        Type(p, static_cast<char>(key));
        return 1;
    }
    UIRedraw();
    return 1;
}

std::uint32_t KeyDown(UITextEditStateRec* p, std::uint32_t key)
{
    switch (key) {
    case KEY_HP:
    case KEY_MENU:
        KeyHoldStart(key, HOLD_MS);
        return 1;
    case KEY_HOME:
        return GoHome(p);
    default:
        return TypeKey(p, key);
    }
}

// Releases that reach the page are short presses: a long press has its release swallowed.
std::uint32_t KeyUp(UITextEditStateRec* p, std::uint32_t key)
{
    switch (key) {
    case KEY_HP:
        Leave(p);
        return 1;
    case KEY_MENU:
        Pick(p);
        return 1;
    case KEY_TEXT_SAVE:
        SaveAndLeave(p);
        return 1;
    default:
        return 0;
    }
}

void PollLongPresses(UITextEditStateRec* p)
{
    if (KeyHoldExpired(KEY_MENU) && KeyIsHeld(KEY_MENU)) {
        KeyIgnoreRelease(KEY_MENU);
        p->Lower = p->Lower ? 0 : 1;
        UIRedraw();
    }
    if (KeyHoldExpired(KEY_HP) && KeyIsHeld(KEY_HP)) {
        KeyIgnoreRelease(KEY_HP);
        SaveAndLeave(p);
    }
}

std::int32_t Wrap(std::int32_t value, std::int32_t count)
{
    return (value % count + count) % count;
}

// With MENU held the cursor moves up and down, and MENU's release then types nothing; otherwise it
// moves in reading order. Both wrap around.
std::uint32_t MoveGridCursor(UITextEditStateRec* p, std::int32_t step)
{
    const std::int32_t delta = step < 1 ? -1 : 1;
    if (KeyIsDown(KEY_MENU)) {
        KeyIgnoreRelease(KEY_MENU);
        p->GridRow = Wrap(p->GridRow + delta, p->GridRows);
    } else {
        const std::int32_t cell = Wrap(p->GridRow * p->GridCols + p->GridCol + delta, p->GridRows * p->GridCols);
        p->GridRow = cell / p->GridCols;
        p->GridCol = cell % p->GridCols;
    }
    UIRedraw();
    return 1;
}

void DrawTextLine(Canvas* c, const UITextEditStateRec* p)
{
    const std::int32_t height = FontHeight(c, 0);
    c->FillRect(c, TEXT_LINE_LEFT, TEXT_LINE_TOP, TEXT_LINE_RIGHT, TEXT_Y + height, TEXT_LINE_COLOUR);
    CanvasDrawRect(c, TEXT_LINE_LEFT, TEXT_LINE_TOP, TEXT_LINE_RIGHT, TEXT_Y + height, COLOUR_BLACK);
    std::int32_t x = TEXT_X;
    for (std::int32_t i = 0; p->Buffer[i]; ++i) {
        const char glyph[2] = {p->Buffer[i], 0};
        const std::int32_t width = TextWidth(c, 0, glyph);
        Colour colour = COLOUR_BLACK;
        if (i == p->Cursor) {
            c->FillRect(c, x, TEXT_LINE_TOP, x + width, TEXT_Y + height - 1, CURSOR_BACK_COLOUR);
            colour = CURSOR_TEXT_COLOUR;
        }
        DrawText(c, x, TEXT_Y, UI_ALIGN_LEFT, 0, colour, glyph);
        x += width;
    }
}

const Image* KeyImage(const UITextEditStateRec* p, std::int32_t row, std::int32_t col)
{
    if (row != p->GridRow || col != p->GridCol)
        return &TextKeyImage;
    return KeyIsHeld(KEY_MENU) ? &MatrixCellImage : &MatrixCursorImage;
}

void DrawKey(Canvas* c, const UITextEditStateRec* p, std::int32_t row, std::int32_t col)
{
    const std::int32_t x = (c->Width - CELL_STEP * p->GridCols) / 2 + col * CELL_STEP;
    const std::int32_t y = GRID_TOP + row * CELL_STEP;
    const char code = CharSet(p)[row * p->GridCols + col];
    const char character[2] = {code, 0};
    const bool function = code >= TEXT_KEY_LEFT && code <= TEXT_KEY_PLUS_ONE;
    c->DrawImage(c, x, y, KeyImage(p, row, col), 0);
    DrawText(c, x + LABEL_DX, y + LABEL_DY, UI_ALIGN_CENTRE, 0, COLOUR_BLACK,
             function ? TextKeyLabelTbl[static_cast<std::size_t>(code)] : character);
}

void DrawGrid(Canvas* c, const UITextEditStateRec* p)
{
    for (std::int32_t row = 0; row < p->GridRows; ++row)
        for (std::int32_t col = 0; col < p->GridCols; ++col)
            DrawKey(c, p, row, col);
}

void Draw(const UITextEditStateRec* p)
{
    DrawTextLine(&LcdCanvas, p);
    DrawGrid(&LcdCanvas, p);
}

}  // namespace

std::uint32_t UITextEditHandler(void*, Message* msg)
{
    UITextEditStateRec* p = &UITextEditState;
    switch (msg->Id) {
    case MSG_PAGE_ENTER:
        return Enter(p);
    case MSG_KEY_DOWN:
        return KeyDown(p, MsgParamUnsigned(msg));
    case MSG_KEY_UP:
        return KeyUp(p, MsgParamUnsigned(msg));
    case MSG_TIMER_10MS:
        PollLongPresses(p);
        return 0;
    case MSG_ENCODER:
        return MoveGridCursor(p, MsgParamInt(msg));
    case MSG_REDRAW:
        Draw(p);
        return 0;  // the title is drawn by the page
    default:
        return 0;
    }
}
