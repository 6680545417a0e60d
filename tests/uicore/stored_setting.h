#pragma once
// A concrete setting as the recorder's pages build them: it keeps its own value, records every
// value handed to it, and leaves everything else to a default handler of its kind.
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

inline StoredSetting StoredNumber(const char* entryTemplate, std::int32_t value, std::int32_t min, std::int32_t max,
                                  const char* zeroText = nullptr)
{
    return {.Setting = {.Handler = StoredSettingHandler, .Menu = nullptr, .Min = min, .Max = max, .Scaling = 1,
                        .ZeroText = zeroText, .Format = "%d", .Template = entryTemplate},
            .Default = UINumberSettingHandler,
            .Value = value,
            .Sets = {}};
}

// A number shown scaled through its own format.
inline StoredSetting StoredScaled(const char* entryTemplate, std::int32_t value, std::int32_t min, std::int32_t max,
                                  std::int32_t scaling, const char* format, const char* zeroText = nullptr)
{
    StoredSetting s = StoredNumber(entryTemplate, value, min, max, zeroText);
    s.Setting.Scaling = scaling;
    s.Setting.Format = format;
    return s;
}

inline StoredSetting StoredEnum(const UIMenu* menu, std::int32_t value)
{
    return {.Setting = {.Handler = StoredSettingHandler, .Menu = menu},
            .Default = UIEnumSettingHandler,
            .Value = value,
            .Sets = {}};
}

// A timecode (or, with UIUserBitsSettingHandler, a user-bits) setting holding a packed word.
inline StoredSetting StoredTimecode(std::uint32_t value, MsgHandler kind = UITimecodeSettingHandler)
{
    return {.Setting = {.Handler = StoredSettingHandler},
            .Default = kind,
            .Value = static_cast<std::int32_t>(value),
            .Sets = {}};
}
