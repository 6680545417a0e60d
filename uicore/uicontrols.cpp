#include "uicore/uicontrols.h"

#include <cstddef>
#include <cstring>

#include "canvas/images.h"
#include "canvas/lcdcanvas.h"
#include "common/debug.h"
#include "common/format.h"
#include "uicore/uieditors.h"
#include "uicore/uikeys.h"
#include "uicore/uiutils.h"

namespace {

bool IsMenuKey(const Message* msg)
{
    return MsgParamUnsigned(msg) == KEY_MENU;
}

// Lets the control's own handler (and so a page-specific one) answer first: the attribute, else the text.
// True when the text query was asked and answered into buf.
bool AskText(void* self, UITextAttr* textattr, char* buf)
{
    if (MsgSendParam(self, MSG_TEXT_ATTR_GET, MsgParamOf(textattr)))
        return false;
    return MsgSendParam(self, MSG_TEXT_GET, MsgParamOf(buf)) != 0;
}

// buf: the buffer the text was built in, whose bound the text must respect.
void DrawCheckedText(std::int32_t x, std::int32_t y, const UITextAttr& textattr, const char (&buf)[MAX_UI_TEXT])
{
    if (!ASSERT(textattr.Text != NULL))
        return;
    ASSERT(strlen(textattr.Text) < sizeof(buf));
    DrawTextAttr(&LcdCanvas, x, y, &textattr);
}

// No blank after a label that ends in ':' ("S:MIC"); an empty label still gets one.
const char* LabelSeparator(const char* label)
{
    const std::size_t length = std::strlen(label);
    return length > 0 && label[length - 1] == ':' ? "" : " ";
}

std::int32_t FocusBarHeight()
{
    return FontHeight(&LcdCanvas, 0) - 1;
}

std::uint32_t DrawTitle(UITitle* p)
{
    Canvas* c = &LcdCanvas;
    const char* text = p->Text;
    char buf[MAX_UI_TEXT] = "";
    if (MsgSendParam(p, MSG_TEXT_GET, MsgParamOf(buf))) {
        ASSERT(strlen(buf) < sizeof(buf));
        text = buf;
    }
    c->DrawImage(c, p->Control.X, p->Control.Y, &TitleBarImage, 0);
    DrawText(c, p->Control.X + 1, p->Control.Y + 2, UI_ALIGN_LEFT, 1, COLOUR_BLACK, text);
    return 1;
}

std::uint32_t DrawLabelledText(UIText* p)
{
    char value[MAX_UI_TEXT] = "";
    UITextAttr textattr = {.Text = value, .Align = p->Align, .Font = p->Font, .Color = static_cast<Colour>(p->Color)};
    AskText(p, &textattr, value);
    char buf[MAX_UI_TEXT] = "";
    if (p->Text) {
        FormatText(buf, sizeof(buf), "%s%s%s", p->Text, LabelSeparator(p->Text), textattr.Text ? textattr.Text : "");
        textattr.Text = buf;
    }
    DrawCheckedText(p->Control.X, p->Control.Y, textattr, buf);
    return 1;
}

std::uint32_t DrawField(UIField* p)
{
    Canvas* c = &LcdCanvas;
    std::int32_t x = p->Control.X;
    char value[MAX_UI_TEXT] = "";
    UITextAttr textattr = {.Text = value, .Align = p->Align, .Font = p->Font, .Color = static_cast<Colour>(p->Color)};
    const bool filled = AskText(p, &textattr, value);
    if (p->Text) {
        DrawText(c, x, p->Control.Y, UI_ALIGN_LEFT, 0, COLOUR_BLACK, p->Text);
        x += TextWidth(c, 0, p->Text) + TextWidth(c, 0, LabelSeparator(p->Text));
    }
    if (!filled && !p->Setting)
        return 1;
    if (UIIsFocused(p)) {
        const auto chars = static_cast<std::int32_t>(MsgQuery(p->Setting, MSG_FIELD_WIDTH, 1));
        const std::int32_t width = TextWidth(c, 0, " ") * chars;
        c->FillRect(c, x, p->Control.Y, x + width, p->Control.Y + FocusBarHeight(), COLOUR_FOCUS);
        textattr.Color = COLOUR_WHITE;
    }
    DrawCheckedText(x, p->Control.Y, textattr, value);
    return 1;
}

std::uint32_t DrawButton(UIButton* p)
{
    Canvas* c = &LcdCanvas;
    Colour colour = COLOUR_BLACK;
    if (UIIsFocused(p)) {
        c->FillRect(c, p->Control.X, p->Control.Y, p->Control.X + p->Width, p->Control.Y + FocusBarHeight(),
                    COLOUR_FOCUS);
        colour = COLOUR_WHITE;
    }
    DrawText(c, p->Control.X, p->Control.Y, p->Align, p->Font, colour, p->Text);
    return 1;
}

std::uint32_t DrawTimecodeField(UITimecodeField* p)
{
    Canvas* c = &LcdCanvas;
    if (!ASSERT(p->Setting))
        return 1;
    char value[MAX_UI_TEXT];
    UITimecodeToText(value, static_cast<std::uint32_t>(MsgQuery(p->Setting, MSG_VALUE_GET, 0)));
    UITextAttr textattr = {.Text = value, .Align = UI_ALIGN_LEFT, .Font = p->Font, .Color = static_cast<Colour>(p->Color)};
    MsgSendParam(p, MSG_TEXT_ATTR_GET, MsgParamOf(&textattr));
    DrawCheckedText(p->Control.X, p->Control.Y, textattr, value);
    if (p->Text)
        DrawText(c, p->Control.X + TextWidth(c, p->Font, value) + 4, p->Control.Y, UI_ALIGN_LEFT, 0, COLOUR_BLACK,
                 p->Text);
    return 1;
}

std::uint32_t EditTimecode(UITimecodeField* p)
{
    UIEditorOpenFor(p->Setting, p->Control.X, p->Control.Y);
    UIRedraw();
    return 0;
}

}  // namespace

std::uint32_t UITitleHandler(void* self, Message* msg)
{
    switch (msg->Id) {
    case MSG_DRAW:
        return DrawTitle(static_cast<UITitle*>(self));
    case MSG_CONTROL_KIND:
        return UIAnswerKind(msg, UI_CTRL_KIND_TITLE);
    default:
        return 0;
    }
}

std::uint32_t UITextHandler(void* self, Message* msg)
{
    auto* p = static_cast<UIText*>(self);
    switch (msg->Id) {
    case MSG_DRAW:
        return DrawLabelledText(p);
    case MSG_CONTROL_KIND:
        return UIAnswerKind(msg, UI_CTRL_KIND_TEXT);
    case MSG_TEXT_GET:
    case MSG_TEXT_ATTR_GET:
        return MsgDispatch(p->Setting, msg);
    default:
        return 0;
    }
}

std::uint32_t UIFieldHandler(void* self, Message* msg)
{
    auto* p = static_cast<UIField*>(self);
    switch (msg->Id) {
    case MSG_DRAW:
        return DrawField(p);
    case MSG_CONTROL_KIND:
        return UIAnswerKind(msg, UI_CTRL_KIND_FIELD);
    case MSG_KEY_UP:
        return IsMenuKey(msg) ? MsgSend(p->Setting, MSG_EDIT) : 0;
    case MSG_TEXT_GET:
    case MSG_TEXT_ATTR_GET:
        return MsgDispatch(p->Setting, msg);
    default:
        return 0;
    }
}

std::uint32_t UIButtonHandler(void* self, Message* msg)
{
    switch (msg->Id) {
    case MSG_DRAW:
        return DrawButton(static_cast<UIButton*>(self));
    case MSG_CONTROL_KIND:
        return UIAnswerKind(msg, UI_CTRL_KIND_BUTTON);
    case MSG_KEY_DOWN:
        return IsMenuKey(msg) ? MsgSend(self, MSG_ACTIVATE) : 0;
    default:
        return 0;
    }
}

std::uint32_t UITimecodeFieldHandler(void* self, Message* msg)
{
    auto* p = static_cast<UITimecodeField*>(self);
    switch (msg->Id) {
    case MSG_DRAW:
        return DrawTimecodeField(p);
    case MSG_CONTROL_KIND:
        return UIAnswerKind(msg, UI_CTRL_KIND_TIMECODE);
    case MSG_TEXT_ATTR_GET:
        return MsgDispatch(p->Setting, msg);
    case MSG_EDIT:
        return EditTimecode(p);
    default:
        return 0;
    }
}
