#include "orvel/orvelchannels.h"

#include "orvel/orvel.h"
#include "uicore/uieditors.h"
#include "uicore/uikeys.h"
#include "uicore/uimain.h"
#include "uicore/uimeter.h"

namespace {

// Channel indices above this have a second channel on the same key.
constexpr std::int32_t LastSingleChannel = 5;
constexpr std::int32_t LastChannel = 9;

struct RememberedEditor {
    UIEditor* Editor;
    void* Setting;
    std::int32_t X;
    std::int32_t Y;
};

RememberedEditor CloseEditor()
{
    UIEditor* editor = UIActiveEditor;
    if (!editor)
        return {.Editor = nullptr, .Setting = nullptr, .X = 0, .Y = 0};
    const RememberedEditor remembered = {.Editor = editor, .Setting = editor->Setting, .X = editor->X, .Y = editor->Y};
    UIEditorClose();
    return remembered;
}

void Reopen(const RememberedEditor& remembered)
{
    if (remembered.Editor)
        UIEditorOpen(remembered.Editor, remembered.Setting, remembered.X, remembered.Y);
}

// Digit 0 stands for the tenth channel; -1 for a key without a digit.
std::int32_t DigitChannel(std::uint32_t key)
{
    const std::int32_t digit = KeyDigit(key);
    if (digit < 0)
        return -1;
    return digit == 0 ? LastChannel : digit - 1;
}

// The key of channel 7 leads on to channel 9, the key of channel 8 to channel 10, any other to 9.
std::int32_t SecondChannel(std::uint32_t key)
{
    return KeyDigit(key) == 8 ? 9 : 8;
}

std::uint32_t ChooseSetupChannel(std::uint32_t key)
{
    std::int32_t index = DigitChannel(key);
    if (index == Orvel.Setup.Chan && index > LastSingleChannel)
        index = SecondChannel(key);
    if (index < 0)
        return 0;
    const RememberedEditor editor = CloseEditor();
    Orvel.Setup.Chan = static_cast<std::uint8_t>(index);
    MeterSetupChannel(Orvel.Setup.Chan);
    UIGotoPage(UICurrentPage);
    Reopen(editor);
    UIRedraw();
    return 1;
}

std::uint32_t ChooseKavlinChannel(std::uint32_t key)
{
    const std::int32_t index = DigitChannel(key);
    if (index < 0)
        return 0;
    const RememberedEditor editor = CloseEditor();
    Orvel.KLin.Chan = static_cast<std::uint8_t>(index);
    Reopen(editor);
    UIRedraw();
    return 1;
}

}  // namespace

std::uint32_t ChSetupPageHook(void*, Message* msg)
{
    switch (msg->Id) {
    case MSG_KEY_DOWN:
        return ChooseSetupChannel(MsgParamUnsigned(msg));
    case MSG_PAGE_ENTER:
        MeterSetupChannel(Orvel.Setup.Chan);
        return 0;
    default:
        return 0;
    }
}

std::uint32_t ChKavlinPageHook(void*, Message* msg)
{
    switch (msg->Id) {
    case MSG_KEY_DOWN:
        return ChooseKavlinChannel(MsgParamUnsigned(msg));
    default:
        return 0;
    }
}
