#include "uicore/uisetting.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/debug.h"
#include "common/format.h"
#include "uicore/uicontrols.h"
#include "uicore/uieditors.h"
#include "uicore/uitextedit.h"
#include "uicore/uitimecodeedit.h"

namespace {

// The concrete handler answers MSG_VALUE_GET and MSG_VALUE_SET; reaching a default handler means it forgot.
std::uint32_t ValueNotHandled(const Message* msg)
{
    if (msg->Id == MSG_VALUE_GET)
        std::fprintf(stderr, "MSG_VALUE_GET not handled\n");
    else
        std::fprintf(stderr, "MSG_VALUE_SET %u not handled\n", MsgParamUnsigned(msg));
    return 0;
}

std::uint32_t SetValue(void* setting, std::int32_t value)
{
    MsgQuery(setting, MSG_VALUE_SET, value);
    return 1;
}

std::uint32_t EnumStep(UISetting* s, std::int32_t delta)
{
    if (!s->Menu || s->Menu->NItems == 0)
        return 0;
    const auto index = static_cast<std::int32_t>(UIMenuIndex(s->Menu, UISettingValue(s)));
    const std::int32_t last = static_cast<std::int32_t>(s->Menu->NItems) - 1;
    const std::int32_t next = std::clamp(index + delta, 0, last);
    if (next == index)
        return 0;
    return SetValue(s, static_cast<std::int32_t>(UIMenuValue(s->Menu, static_cast<std::uint32_t>(next))));
}

std::uint32_t EnumNext(UISetting* s)
{
    if (!s->Menu)
        return 0;
    std::uint32_t index = UIMenuIndex(s->Menu, UISettingValue(s)) + 1;
    if (index >= s->Menu->NItems)
        index = 0;
    return SetValue(s, static_cast<std::int32_t>(UIMenuValue(s->Menu, index)));
}

std::uint32_t EnumText(UISetting* s, char* buffer)
{
    if (!ASSERT(buffer))
        return 0;
    const std::int32_t value = UISettingValue(s);
    if (s->Menu)
        FormatText(buffer, MAX_UI_TEXT, "%s", UIMenuText(s->Menu, static_cast<std::uint32_t>(value)));
    else
        FormatText(buffer, MAX_UI_TEXT, "<%d ?}", value);
    return 1;
}

std::uint32_t EnumTextAttr(UISetting* s, UITextAttr* attr)
{
    if (!s->Menu)
        return 0;
    if (const UIMenuItem* item = UIMenuItemAt(s->Menu, static_cast<std::uint32_t>(UISettingValue(s)))) {
        attr->Text = const_cast<char*>(item->Text);
        attr->Color = static_cast<Colour>(item->Color);
    }
    return 1;
}

std::uint32_t Answer(Message* msg, MsgParam answer)
{
    msg->Param = answer;
    return 1;
}

std::uint32_t NumberStep(UISetting* s, std::int32_t delta)
{
    const std::int32_t value = UISettingValue(s);
    // leaving "off" goes straight to the lowest real value
    const bool leavingOff = s->ZeroText && value == 0 && delta > 0 && s->Min != 0;
    const std::int32_t next = leavingOff ? s->Min : UISettingClamp(s, value + delta);
    return next != value ? SetValue(s, next) : 0;
}

void FormatScaled(const UISetting* s, char* buffer, std::int32_t value)
{
    const std::int32_t magnitude = std::abs(value);
    if (value >= 0) {
        FormatText(buffer, MAX_UI_TEXT - 1, s->Format, magnitude / s->Scaling, magnitude % s->Scaling);
        return;
    }
    // the sign goes in front of the whole text, so -5 with one decimal reads -0.5
    buffer[0] = '-';
    FormatText(buffer + 1, MAX_UI_TEXT - 1, s->Format, magnitude / s->Scaling, magnitude % s->Scaling);
}

std::uint32_t NumberText(UISetting* s, char* buffer)
{
    if (!ASSERT(buffer))
        return 0;
    const std::int32_t value = UISettingValue(s);
    const std::int32_t scaling = s->Scaling;
    if (s->ZeroText && value == 0)
        FormatText(buffer, MAX_UI_TEXT, "%s", s->ZeroText);
    else if (!ASSERT(scaling >= 1) || scaling == 1)
        FormatText(buffer, MAX_UI_TEXT, s->Format, value);
    else
        FormatScaled(s, buffer, value);
    return 1;
}

}  // namespace

std::uint32_t UIEnumSettingHandler(void* self, Message* msg)
{
    auto* s = static_cast<UISetting*>(self);
    switch (msg->Id) {
    case MSG_VALUE_GET:
    case MSG_VALUE_SET:
        return ValueNotHandled(msg);
    case MSG_VALUE_STEP:
        return EnumStep(s, MsgParamInt(msg));
    case MSG_VALUE_NEXT:
        return EnumNext(s);
    case MSG_TEXT_GET:
        return EnumText(s, MsgParamPtr<char>(msg));
    case MSG_TEXT_ATTR_GET:
        return EnumTextAttr(s, MsgParamPtr<UITextAttr>(msg));
    case MSG_VALUE_COUNT:
        return Answer(msg, s->Menu ? s->Menu->NItems : 0);
    case MSG_EDITOR_GET:
        return Answer(msg, MsgParamOf(&UIEnumEditor));
    default:
        return 0;
    }
}

std::uint32_t UINumberSettingHandler(void* self, Message* msg)
{
    auto* s = static_cast<UISetting*>(self);
    switch (msg->Id) {
    case MSG_VALUE_GET:
    case MSG_VALUE_SET:
        return ValueNotHandled(msg);
    case MSG_VALUE_STEP:
        return NumberStep(s, MsgParamInt(msg));
    case MSG_TEXT_GET:
        return NumberText(s, MsgParamPtr<char>(msg));
    case MSG_EDITOR_GET:
        return Answer(msg, MsgParamOf(&UINumberEditor.Editor));
    default:
        return 0;
    }
}

std::uint32_t UITimecodeSettingHandler(void* self, Message* msg)
{
    switch (msg->Id) {
    case MSG_EDITOR_GET:
        return Answer(msg, MsgParamOf(&UITimecodeEditor.Editor));
    case MSG_EDIT:
        UITimecodeEditOpen(self);
        return 1;
    default:
        return UINumberSettingHandler(self, msg);
    }
}

std::uint32_t UIUserBitsSettingHandler(void* self, Message* msg)
{
    if (msg->Id == MSG_EDITOR_GET)
        return Answer(msg, MsgParamOf(&UIUserBitsEditor.Editor));
    return UITimecodeSettingHandler(self, msg);
}

std::uint32_t UITextSettingHandler(void* self, Message* msg)
{
    if (msg->Id != MSG_EDIT)
        return 0;
    UITextEditOpen(self);
    return 1;
}

std::int32_t UISettingClamp(const UISetting* setting, std::int32_t value)
{
    if (setting->Min == 0 && setting->Max == 0)
        return value;
    if (setting->ZeroText && value < setting->Min)
        return 0;  // the "off" value below the range
    return std::clamp(value, setting->Min, std::max(setting->Min, setting->Max));
}

void UISettingCopy(void* dst, void* src)
{
    MsgQuery(dst, MSG_VALUE_SET, MsgQuery(src, MSG_VALUE_GET, 0));
}

UIEditor* UISettingEditor(void* setting)
{
    return reinterpret_cast<UIEditor*>(MsgQuery(setting, MSG_EDITOR_GET, 0));
}

std::uint32_t UIMenuIndex(const UIMenu* menu, std::uint32_t value)
{
    if (!ASSERT(menu))
        return 0;
    return value < menu->NItems ? value : 0;
}

std::uint32_t UIMenuValue(const UIMenu* menu, std::uint32_t index)
{
    if (!ASSERT(menu))
        return 0;
    return index < menu->NItems ? index : 0;
}

const UIMenuItem* UIMenuItemAt(const UIMenu* menu, std::uint32_t value)
{
    if (!ASSERT(menu))
        return nullptr;
    return value < menu->NItems ? &menu->Items[value] : nullptr;
}

const char* UIMenuText(const UIMenu* menu, std::uint32_t value)
{
    const UIMenuItem* item = UIMenuItemAt(menu, value);
    return item ? item->Text : "<?}";
}
