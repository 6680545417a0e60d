#include "desktop/keymap.h"

namespace {

struct QtKeyMapping {
    int QtKey;
    int VirtualKey;
};

// Keys whose Qt code is not their virtual-key code. Letters, digits and the other printable keys are
// their upper-case character in both enumerations.
constexpr QtKeyMapping QtKeyTbl[] = {
    {Qt::Key_Backspace, VK_BACK},
    {Qt::Key_Tab, 9},
    {Qt::Key_Return, VK_RETURN},
    {Qt::Key_Enter, VK_RETURN},
    {Qt::Key_Shift, 16},
    {Qt::Key_Control, VK_CONTROL},
    {Qt::Key_Alt, 18},
    {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},
    {Qt::Key_Home, 36},
    {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},
    {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},
    {Qt::Key_F1, VK_F1},
    {Qt::Key_F2, VK_F1 + 1},
    {Qt::Key_F3, VK_F1 + 2},
    {Qt::Key_F4, VK_F1 + 3},
    {Qt::Key_F5, VK_F1 + 4},
    {Qt::Key_F6, VK_F1 + 5},
    {Qt::Key_F7, VK_F1 + 6},
    {Qt::Key_F8, VK_F1 + 7},
    {Qt::Key_F9, VK_F1 + 8},
    {Qt::Key_F10, VK_F1 + 9},
    {Qt::Key_F11, VK_F1 + 10},
    {Qt::Key_F12, VK_F12},
};

constexpr int FIRST_PRINTABLE = 32;
constexpr int LAST_PRINTABLE = 126;

}  // namespace

int VirtualKeyOfQtKey(int qtKey)
{
    for (const QtKeyMapping& mapping : QtKeyTbl)
        if (mapping.QtKey == qtKey)
            return mapping.VirtualKey;
    return qtKey >= FIRST_PRINTABLE && qtKey <= LAST_PRINTABLE ? qtKey : 0;
}

int QtKeyOfVirtualKey(int vk)
{
    for (const QtKeyMapping& mapping : QtKeyTbl)
        if (mapping.VirtualKey == vk)
            return mapping.QtKey;
    return vk >= FIRST_PRINTABLE && vk <= LAST_PRINTABLE ? vk : 0;
}

KeyMods KeyModsOf(Qt::KeyboardModifiers modifiers)
{
    return {.Ctrl = modifiers.testFlag(Qt::ControlModifier),
        .Shift = modifiers.testFlag(Qt::ShiftModifier),
        .Alt = modifiers.testFlag(Qt::AltModifier)};
}

std::uint32_t TypedCharacter(const QString& text, const KeyMods& mods)
{
    if (text.size() != 1 || mods.Ctrl || mods.Alt)
        return 0;
    const std::uint32_t code = text.at(0).unicode();
    return code >= 32 && code <= 127 ? code : 0;
}
