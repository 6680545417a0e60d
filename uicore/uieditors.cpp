#include "uicore/uieditors.h"

#include <cstring>

#include "canvas/lcdcanvas.h"
#include "common/debug.h"
#include "uicore/uieditorsteps.h"
#include "uicore/uikeys.h"
#include "uicore/uipoweron.h"
#include "uicore/uisetting.h"

UIEditor* UIActiveEditor;

bool UIEditorOpen(UIEditor* editor, void* setting, std::int32_t x, std::int32_t y)
{
    UIEditorClose();
    if (!editor)
        return false;
    UIActiveEditor = editor;
    editor->Setting = setting;
    editor->X = x;
    editor->Y = y;
    MsgSend(editor, MSG_EDITOR_OPEN);
    return true;
}

bool UIEditorOpenFor(void* setting, std::int32_t x, std::int32_t y)
{
    return UIEditorOpen(UISettingEditor(setting), setting, x, y);
}

void UIEditorClose()
{
    if (!UIActiveEditor)
        return;
    MsgSend(UIActiveEditor, MSG_EDITOR_CLOSE);
    UIActiveEditor = nullptr;
}

bool UIEditorIsOpen()
{
    return UIActiveEditor != nullptr;
}

namespace {

std::int32_t KeyStep(std::uint32_t key)
{
    switch (key) {
    case KEY_UP:
    case KEY_RIGHT:
        return 1;
    case KEY_DOWN:
    case KEY_LEFT:
        return -1;
    case KEY_STEP_UP_10:
        return 10;
    case KEY_STEP_DOWN_10:
        return -10;
    default:
        return 0;
    }
}

}  // namespace

std::uint32_t UIEditorStepKey(UIEditor* editor, std::uint32_t key)
{
    const std::int32_t step = KeyStep(key);
    if (step == 0 || !ASSERT(editor))
        return 0;
    MsgQuery(editor->Setting, MSG_VALUE_STEP, step);
    UIRedraw();
    return 1;
}

std::uint32_t UIEditorTurn(UIEditor* editor, std::int32_t step, bool manyValues)
{
    if (!ASSERT(editor))
        return 0;
    std::int32_t delta = step < 1 ? -1 : 1;
    if (manyValues && KeyIsDown(KEY_MENU)) {
        delta *= 10;
        KeyIgnoreRelease(KEY_MENU);  // the MENU held for the wide step must not close the editor
    }
    if (MsgQuery(editor->Setting, MSG_VALUE_STEP, delta) != 0)
        UIRedraw();
    return 1;
}

std::uint32_t UIEditorCloseRedraw()
{
    UIEditorClose();
    UIRedraw();
    return 1;
}

namespace {

constexpr std::int32_t ENUM_MANY_VALUES = 20;

std::uint32_t EnumKeyDown(UIEditor* p, std::uint32_t key)
{
    if (key == KEY_HP)
        return UIEditorCloseRedraw();
    if (key == KEY_MENU)
        return 1;  // the release closes
    return UIEditorStepKey(p, key);
}

std::uint32_t EnumTurn(UIEditor* p, std::int32_t step)
{
    const bool manyValues = MsgQuery(p->Setting, MSG_VALUE_COUNT, 0) >= ENUM_MANY_VALUES;
    return UIEditorTurn(p, step, manyValues);
}

std::uint32_t EnumDraw(UIEditor* p)
{
    Canvas* c = &LcdCanvas;
    char buf[MAX_UI_TEXT] = "";
    MsgSendParam(p->Setting, MSG_TEXT_GET, MsgParamOf(buf));
    ASSERT(strlen(buf) < sizeof(buf));
    CanvasDrawEditBar(c, p->X, p->Y, TextWidth(c, 0, buf));
    DrawText(c, p->X, p->Y, UI_ALIGN_LEFT, 0, COLOUR_BLACK, buf);
    return 1;
}

}  // namespace

std::uint32_t UIEnumEditorHandler(void* self, Message* msg)
{
    auto* p = static_cast<UIEditor*>(self);
    switch (msg->Id) {
    case MSG_KEY_DOWN:
        return EnumKeyDown(p, MsgParamUnsigned(msg));
    case MSG_KEY_UP:
        return MsgParamUnsigned(msg) == KEY_MENU ? UIEditorCloseRedraw() : 0;
    case MSG_ENCODER:
        return EnumTurn(p, MsgParamInt(msg));
    case MSG_EDITOR_OPEN:
        KeyIgnoreRelease(KEY_MENU);  // the release of the MENU press that opened it
        return 1;
    case MSG_DRAW:
        return EnumDraw(p);
    default:
        return 0;
    }
}

UIEditor UIEnumEditor = {.Handler = UIEnumEditorHandler};
UINumberEditorRec UINumberEditor = {.Editor = {.Handler = UINumberEditorHandler}, .DigitKeys = 1};
UINumberEditorRec UINumberStepEditor = {.Editor = {.Handler = UINumberEditorHandler}, .DigitKeys = 0};
UIDigitEditor UITimecodeEditor = {.Editor = {.Handler = UIDigitEditorHandler}, .Hex = 0};
UIDigitEditor UIUserBitsEditor = {.Editor = {.Handler = UIDigitEditorHandler}, .Hex = 1};

const UIKeepsPowerOn KeptEditors{UIActiveEditor, UIEnumEditor, UINumberEditor, UINumberStepEditor, UITimecodeEditor,
                                 UIUserBitsEditor};
