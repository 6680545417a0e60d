#pragma once
// A concrete setting as the pages build them: it keeps and records its value, the rest goes to its kind's handler.
#include <cstdint>
#include <vector>

#include "uicore/uisetting.h"

struct StoredSetting {
    UISetting Setting;
    MsgHandler Default;
    std::int32_t Value;
    std::vector<std::int32_t> Sets;  // every MSG_VALUE_SET, in order
};

inline std::uint32_t StoredSettingHandler(void* self, Message* msg)
{
    auto* s = static_cast<StoredSetting*>(self);
    switch (msg->Id) {
    case MSG_VALUE_GET:
        msg->Param = s->Value;
        return 1;
    case MSG_VALUE_SET:
        s->Value = MsgParamInt(msg);
        s->Sets.push_back(s->Value);
        return 1;
    default:
        return s->Default(self, msg);
    }
}

// A number shown through its format, scaled down by scaling.
inline StoredSetting StoredNumber(const char* entryTemplate, std::int32_t value, std::int32_t min, std::int32_t max,
                                  const char* zeroText = nullptr, std::int32_t scaling = 1, const char* format = "%d")
{
    return {.Setting = {.Handler = StoredSettingHandler, .Menu = nullptr, .Min = min, .Max = max, .Scaling = scaling,
                        .ZeroText = zeroText, .Format = format, .Template = entryTemplate},
            .Default = UINumberSettingHandler, .Value = value, .Sets = {}};
}

inline StoredSetting StoredEnum(const UIMenu* menu, std::int32_t value)
{
    return {.Setting = {.Handler = StoredSettingHandler, .Menu = menu},
            .Default = UIEnumSettingHandler, .Value = value, .Sets = {}};
}

// A timecode (or, with UIUserBitsSettingHandler, a user-bits) setting holding a packed word.
inline StoredSetting StoredTimecode(std::uint32_t value, MsgHandler kind = UITimecodeSettingHandler)
{
    return {.Setting = {.Handler = StoredSettingHandler, .Scaling = 1, .Format = "%08X"},
            .Default = kind, .Value = static_cast<std::int32_t>(value), .Sets = {}};
}
