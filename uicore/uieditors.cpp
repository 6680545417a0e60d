#include "uicore/uieditors.h"

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

// The editors' behaviour lives in their handlers; until a handler is installed an editor takes no message.
UIEditor UIEnumEditor = {};
UINumberEditorRec UINumberEditor = {.Editor = {}, .DigitKeys = 1};
UINumberEditorRec UINumberStepEditor = {.Editor = {}, .DigitKeys = 0};
UIDigitEditor UITimecodeEditor = {.Editor = {}, .Hex = 0};
UIDigitEditor UIUserBitsEditor = {.Editor = {}, .Hex = 1};
