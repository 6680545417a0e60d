#include "uicore/uilist.h"

#include <algorithm>
#include <cstring>

#include "canvas/images.h"
#include "canvas/lcdcanvas.h"
#include "common/debug.h"
#include "uicore/uicontrols.h"
#include "uicore/uieditors.h"
#include "uicore/uikeys.h"

namespace {

// Keys of the recorder's other panels; the simulator host never sends them.
constexpr std::uint32_t KEY_LIST_END = 146;
constexpr std::uint32_t KEY_LIST_PAGE_UP = 147;
constexpr std::uint32_t KEY_LIST_PAGE_DOWN = 148;
constexpr std::int32_t END_STEPS = 40;
constexpr std::int32_t PAGE_STEPS = 6;

constexpr std::int32_t MARK_SPACE = 17;  // kept free at the right of rows that carry marks
constexpr std::int32_t MARK_GAP = 3;     // from the end of the row's bar to the check image
constexpr std::int32_t BAR_LEAD = 2;     // the cursor bar starts this far left of the text
constexpr std::int32_t STATIC_INDENT = 4;
constexpr std::int32_t VALUE_GAP = 2;
constexpr std::int32_t PAGE_MARK_X = 218;  // right edge of the ">" of rows that open a page

std::int32_t RowBottom(Canvas* c, std::int32_t y)
{
    return y + FontHeight(c, 0) - 1;
}

std::int32_t RowHeight(Canvas* c)
{
    return FontHeight(c, 0) + 1;
}

std::uint32_t MoveAndRedraw(UIList* p, std::int32_t times, std::int32_t delta)
{
    for (std::int32_t i = 0; i < times; ++i)
        UIListMove(p, delta);
    UIRedraw();
    return 1;
}

std::uint32_t ListKey(UIList* p, std::uint32_t key)
{
    switch (key) {
    case KEY_MENU:
        UIListSelect(p);
        return 1;
    case KEY_LIST_END:
        return MoveAndRedraw(p, END_STEPS, 1);
    case KEY_LIST_PAGE_UP:
        return MoveAndRedraw(p, PAGE_STEPS, -1);
    case KEY_LIST_PAGE_DOWN:
        return MoveAndRedraw(p, PAGE_STEPS, 1);
    default:
        return 0;
    }
}

// Unhandled at either end, so that the step can go on to the page.
std::uint32_t Step(UIList* p, std::int32_t step)
{
    if (!UIListMove(p, step <= 0 ? -1 : 1))
        return 0;
    UIRedraw();
    return 1;
}

std::int32_t DrawTitle(Canvas* c, UIList* p, std::int32_t y)
{
    char title[MAX_UI_TEXT] = "";
    if (!MsgSendParam(p, MSG_LIST_TITLE, MsgParamOf(title)))
        return y;
    c->FillRect(c, p->Control.X, y, c->Width - 1, RowBottom(c, y), COLOUR_LIST_TITLE);
    DrawText(c, p->Control.X, y, UI_ALIGN_LEFT, 0, COLOUR_BLACK, title);
    return y + RowHeight(c);
}

std::uint32_t DrawList(UIList* p)
{
    Canvas* c = &LcdCanvas;
    UIListMove(p, 0);
    const bool focused = UIIsFocused(p);
    const std::uint32_t end = std::min(UIListCount(p), p->Top + p->NRows);
    std::int32_t y = DrawTitle(c, p, p->Control.Y);
    for (std::uint32_t r = p->Top; r < end; ++r, y += RowHeight(c)) {
        UIListDraw draw = {.Canvas = c, .Index = r, .X = p->Control.X, .Y = y, .Selected = focused && r == p->Index};
        MsgSendParam(p, MSG_LIST_DRAW_ROW, MsgParamOf(&draw));
    }
    return 1;
}

// A row whose text the list's own handler supplies, plain or with a mark.
std::uint32_t DrawRow(UIList* p, const UIListDraw* d)
{
    Canvas* c = d->Canvas;
    Colour colour = d->Selected ? COLOUR_WHITE : COLOUR_BLACK;
    char text[MAX_UI_TEXT] = "";
    UIListRowText row = {.Index = d->Index, .Text = text, .Mark = UI_LIST_ROW_PLAIN};
    MsgSendParam(p, MSG_LIST_ROW_TEXT, MsgParamOf(&row));
    const std::int32_t right = c->Width - (row.Mark == UI_LIST_ROW_PLAIN ? 0 : MARK_SPACE);
    if (d->Selected) {
        c->FillRect(c, d->X - BAR_LEAD, d->Y, right, RowBottom(c, d->Y), COLOUR_FOCUS);
    } else if (row.Mark == UI_LIST_ROW_MARKED) {
        c->FillRect(c, d->X - BAR_LEAD, d->Y, right, RowBottom(c, d->Y), COLOUR_LIST_MARKED);
        colour = COLOUR_WHITE;
    }
    DrawText(c, d->X, d->Y, UI_ALIGN_LEFT, 0, colour, text);
    if (row.Mark == UI_LIST_ROW_MARKED)
        c->DrawImage(c, right + MARK_GAP, d->Y + MARK_GAP, &ListMarkerImage, 0);
    return 1;
}

// Where an item's value starts, from the start of its text.
std::int32_t ValueOffset(Canvas* c, const UIStaticListItem* item)
{
    if (item->ValueX != 0)
        return item->ValueX;
    return item->Text ? TextWidth(c, 0, item->Text) + VALUE_GAP : 0;
}

void DrawValue(Canvas* c, const UIStaticListItem* item, std::int32_t x, std::int32_t y, Colour colour)
{
    char buf[MAX_UI_TEXT] = "";
    MsgSendParam(item->Setting, MSG_TEXT_GET, MsgParamOf(buf));
    ASSERT(strlen(buf) < MAX_UI_TEXT);
    DrawText(c, x, y, UI_ALIGN_LEFT, 0, colour, buf);
}

std::uint32_t DrawStaticRow(UIStaticList* p, const UIListDraw* draw)
{
    Canvas* c = draw->Canvas;
    const std::int32_t x = draw->X + STATIC_INDENT;
    const Colour colour = draw->Selected ? COLOUR_WHITE : COLOUR_BLACK;
    if (!ASSERT(draw->Index < UIStaticListCount(p)))
        return 1;
    const UIStaticListItem* item = UIStaticListItemAt(p, static_cast<std::int32_t>(draw->Index));
    if (draw->Selected)
        c->FillRect(c, x - BAR_LEAD, draw->Y, c->Width - 1, RowBottom(c, draw->Y), COLOUR_FOCUS);
    if (item->Text)
        DrawText(c, x, draw->Y, UI_ALIGN_LEFT, 0, colour, item->Text);
    if (item->Setting)
        DrawValue(c, item, x + ValueOffset(c, item), draw->Y, colour);
    if (item->Page)
        DrawText(c, PAGE_MARK_X, draw->Y, UI_ALIGN_RIGHT, 0, colour, ">");
    return 1;
}

// Opens the setting's editor over the row's value; a setting without an editor edits itself.
void EditRow(UIList* p, UIStaticListItem* item, std::uint32_t index)
{
    Canvas* c = &LcdCanvas;
    const std::int32_t x = p->Control.X + STATIC_INDENT + ValueOffset(c, item);
    ASSERT(index >= p->Top);
    const auto row = static_cast<std::int32_t>(index - p->Top);
    if (!UIEditorOpenFor(item->Setting, x, p->Control.Y + RowHeight(c) * row))
        MsgSend(item->Setting, MSG_EDIT);
}

std::uint32_t ChooseStaticRow(UIStaticList* p, std::uint32_t index)
{
    if (!ASSERT(index < UIStaticListCount(p)))
        return 1;
    UIStaticListItem* item = UIStaticListItemAt(p, static_cast<std::int32_t>(index));
    if (item->Page)
        UIGotoPage(item->Page);
    else if (item->Setting && MsgQuery(item->Setting, MSG_IS_EDITABLE, 1))
        EditRow(&p->List, item, index);
    else
        MsgSend(item, MSG_ACTIVATE);
    return 1;
}

std::uint32_t RefreshItems(UIStaticList* p)
{
    ASSERT(p->NItems);
    for (std::uint32_t i = 0; i < p->NItems; ++i)
        p->Items[i].Visible = MsgQuery(&p->Items[i], MSG_IS_VISIBLE, 1) != 0 ? 1 : 0;
    return 1;
}

std::uint32_t AnswerCount(const UIStaticList* p, Message* msg)
{
    msg->Param = UIStaticListCount(p);
    return 1;
}

}  // namespace

bool UIListMove(UIList* p, std::int32_t delta)
{
    const std::uint32_t count = UIListCount(p);
    ASSERT(p->NRows);
    if (p->Index >= count)
        p->Index = count >= 2 ? count - 1 : 0;
    else if (delta >= 1 && p->Index + 1 < count)
        ++p->Index;
    else if (delta < 0 && p->Index > 0)
        --p->Index;
    else if (delta != 0)
        return false;
    if (p->Top + p->NRows <= p->Index)
        p->Top = p->Index < p->NRows - 1 ? 0 : p->Index - (p->NRows - 1);
    if (p->Top > p->Index)
        p->Top = p->Index;
    return true;
}

void UIListSetIndex(UIList* list, std::uint32_t index)
{
    list->Index = index;
}

std::uint32_t UIListCount(UIList* list)
{
    return static_cast<std::uint32_t>(MsgQuery(list, MSG_LIST_COUNT, 0));
}

void UIListSelect(UIList* list)
{
    MsgQuery(list, MSG_LIST_SELECT, list->Index);
    UIRedraw();
}

std::uint32_t UIStaticListCount(const UIStaticList* list)
{
    const auto visible = [](const UIStaticListItem& item) { return item.Visible != 0; };
    return static_cast<std::uint32_t>(std::count_if(list->Items, list->Items + list->NItems, visible));
}

UIStaticListItem* UIStaticListItemAt(UIStaticList* list, std::int32_t index)
{
    UIStaticListItem* item = nullptr;
    if (!ASSERT(index >= 0))
        return item;
    for (std::uint32_t i = 0; i < list->NItems && !item; ++i)
        if (list->Items[i].Visible && index-- == 0)
            item = &list->Items[i];
    ASSERT(item);
    return item;
}

std::uint32_t UIListHandler(void* self, Message* msg)
{
    auto* p = static_cast<UIList*>(self);
    switch (msg->Id) {
    case MSG_KEY_DOWN:
        return ListKey(p, MsgParamUnsigned(msg));
    case MSG_ENCODER:
        return Step(p, MsgParamInt(msg));
    case MSG_DRAW:
        return DrawList(p);
    case MSG_FOCUS_LOST:
        UIEditorClose();
        return 0;
    case MSG_LIST_DRAW_ROW:
        return DrawRow(p, MsgParamPtr<UIListDraw>(msg));
    case MSG_CONTROL_KIND:
        return UIAnswerKind(msg, UI_CTRL_KIND_LIST);
    default:
        return 0;
    }
}

std::uint32_t UIStaticListHandler(void* self, Message* msg)
{
    auto* p = static_cast<UIStaticList*>(self);
    switch (msg->Id) {
    case MSG_REFRESH:
        return RefreshItems(p);
    case MSG_LIST_COUNT:
        return AnswerCount(p, msg);
    case MSG_LIST_DRAW_ROW:
        return DrawStaticRow(p, MsgParamPtr<UIListDraw>(msg));
    case MSG_LIST_SELECT:
        return ChooseStaticRow(p, MsgParamUnsigned(msg));
    case MSG_CONTROL_KIND:
        return UIAnswerKind(msg, UI_CTRL_KIND_STATIC_LIST);
    default:
        return 0;
    }
}
