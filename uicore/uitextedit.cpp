#include "uicore/uitextedit.h"

#include <iterator>

#include "common/debug.h"
#include "uicore/uicontrols.h"

namespace {

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

void UITextEditOpen(void* setting)
{
    ASSERT(UITextEdit.Flags & UI_PAGE_FLAG_SUBPAGE);
    UITextEditState.Setting = setting;
    UIGotoPage(&UITextEdit);
}

namespace {

// Loads the setting's text, padded with blanks to the field's width and cut there.
std::uint32_t Enter(UITextEditStateRec* p)
{
    p->Active = 1;
    p->Cursor = 0;
    p->NChars = static_cast<std::uint32_t>(MsgQuery(p->Setting, MSG_FIELD_WIDTH, 0));
    if (!ASSERT(p->NChars < sizeof(p->Buffer)))
        p->NChars = sizeof(p->Buffer) - 1;
    char text[MAX_UI_TEXT] = "";
    MsgSendParam(p->Setting, MSG_TEXT_GET, MsgParamOf(text));
    std::uint32_t i = 0;
    for (; i < p->NChars && text[i]; ++i)
        p->Buffer[i] = text[i];
    for (; i < p->NChars; ++i)
        p->Buffer[i] = ' ';
    p->Buffer[p->NChars] = 0;
    return 1;
}

}  // namespace

std::uint32_t UITextEditHandler(void*, Message* msg)
{
    UITextEditStateRec* p = &UITextEditState;
    switch (msg->Id) {
    case MSG_PAGE_ENTER:
        return Enter(p);
    default:
        return 0;
    }
}
