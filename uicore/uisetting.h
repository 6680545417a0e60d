#pragma once
// Settings: small records between a page and one value of the device model. The default handlers
// step, cycle and print values, always reading and writing through MSG_VALUE_GET and MSG_VALUE_SET
// to the setting itself so that the concrete handler is asked.
#include <cstdint>

#include "message/message.h"

struct UIEditor;

struct UIMenuItem {
    const char* Text;
    std::uint32_t Code;   // for the page handlers
    std::uint32_t Color;  // low 16 bits: the text colour, 0 black
};

struct UIMenu {
    std::uint32_t NItems;
    const UIMenuItem* Items;
};

struct UISetting {
    MsgHandler Handler;
    const UIMenu* Menu;    // enumerations: value v shows Items[v]
    std::int32_t Min;      // numbers; Min = Max = 0: no limits
    std::int32_t Max;
    std::int32_t Scaling;  // divisor of the shown value, at least 1
    const char* ZeroText;  // shown instead of 0 ("OFF"); null when 0 is a number
    const char* Format;    // "%d", or with Scaling > 1 integer part and remainder ("%d.%01dV")
    const char* Template;  // entry template of the number editor ("+__dB")
};

std::uint32_t UIEnumSettingHandler(void* self, Message* msg);
std::uint32_t UINumberSettingHandler(void* self, Message* msg);
std::uint32_t UITimecodeSettingHandler(void* self, Message* msg);
std::uint32_t UIUserBitsSettingHandler(void* self, Message* msg);
std::uint32_t UITextSettingHandler(void* self, Message* msg);

std::int32_t UISettingClamp(const UISetting* setting, std::int32_t value);
void UISettingCopy(void* dst, void* src);
UIEditor* UISettingEditor(void* setting);

std::uint32_t UIMenuIndex(const UIMenu* menu, std::uint32_t value);
std::uint32_t UIMenuValue(const UIMenu* menu, std::uint32_t index);
const UIMenuItem* UIMenuItemAt(const UIMenu* menu, std::uint32_t value);
const char* UIMenuText(const UIMenu* menu, std::uint32_t value);

// Typed reads of the value a setting answers.
inline std::int32_t UISettingValue(void* setting)
{
    return static_cast<std::int32_t>(MsgQuery(setting, MSG_VALUE_GET, 0));
}
