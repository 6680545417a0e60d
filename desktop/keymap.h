#pragma once
// Qt's keys as the Win32 virtual-key codes the host maps to the recorder's keys. Qt's native key
// codes are X keysyms (or 0), so the mapping starts from Qt's own key enumeration.
#include <QString>
#include <Qt>
#include <cstdint>

#include "host/panel.h"

// The virtual-key code of a Qt key, or 0 for a key that has none.
int VirtualKeyOfQtKey(int qtKey);
// The first Qt key with that virtual-key code, or 0.
int QtKeyOfVirtualKey(int vk);
KeyMods KeyModsOf(Qt::KeyboardModifiers modifiers);
// The character a key event types for the recorder: codes 32 to 127 typed without Ctrl or Alt, else 0
// (Ctrl and Alt combinations reach the recorder through the key-down path alone).
std::uint32_t TypedCharacter(const QString& text, const KeyMods& mods);
