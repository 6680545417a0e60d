#pragma once
// The settings behind the recorder's value rows. Every row's handler is one pattern: offer the
// message to the device model's hook (where the row has one), answer MSG_VALUE_GET and MSG_VALUE_SET
// from the place the value lives, and leave texts, steps and editors to the default handler of the
// setting's kind. A row's setting is one line:
//
//     UIValue StartSeg = Number(1, 999, "%d", "___").Start(1);                // its own value
//     UISetting IsoAtten = Number(0, 24, "%ddB", "__dB", "OFF").By<IsoAttenuationHook>();
//     UISetting Scrub = Number(-100, 100, "%d", "+___").In<Field<&OrvelState::Play, &OrvelPlay::Scrub>>();
//     UISetting Card1 = Options(CardSources).In<Indexed<RecTrackGet, RecTrackSet, 0>>();
//
// No range check is made when a value is stored: the editors and the default handlers keep values
// within Min and Max.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <type_traits>

#include "common/format.h"
#include "orvel/orvel.h"
#include "orvel/orvelconfig.h"
#include "uicore/uicontrols.h"
#include "uicore/uimatrix.h"
#include "uicore/uisetting.h"
#include "uicore/uiutils.h"

// A setting that keeps its own value, defined with it; Value is its start value.
struct UIValue {
    UISetting Setting;
    std::int32_t Value;
};

// Places a value can live in; each reads (and, when Writable, writes) it for the setting self.
struct Own {
    static constexpr bool Writable = true;
    static std::int32_t Get(void* self) { return static_cast<UIValue*>(self)->Value; }
    static void Set(void* self, std::int32_t v) { static_cast<UIValue*>(self)->Value = v; }
};

// A field of the device state, named by the members that lead to it from the record
// (Field<&OrvelState::Play, &OrvelPlay::Scrub>): a field's own address is not a template argument
// every compiler takes.
template <auto... Members>
struct Field {
    static constexpr bool Writable = true;
    static auto& Ref() { return (Orvel .* ... .* Members); }
    static std::int32_t Get(void*) { return static_cast<std::int32_t>(Ref()); }
    static void Set(void*, std::int32_t v) { Ref() = static_cast<std::remove_reference_t<decltype(Ref())>>(v); }
};

template <std::uint32_t (*Read)(std::uint32_t), std::uint32_t (*Write)(std::uint32_t, std::uint32_t),
          std::uint32_t Index>
struct Indexed {
    static constexpr bool Writable = true;
    static std::int32_t Get(void*) { return static_cast<std::int32_t>(Read(Index)); }
    static void Set(void*, std::int32_t v) { Write(Index, static_cast<std::uint32_t>(v)); }
};

// A field of the channel shown on its page: an input channel or a link channel.
inline SetupChannel& CurrentChannel(SetupChannel*)
{
    return Orvel.Setup.Channel[Orvel.Setup.Chan % ORVEL_CHANNELS];
}

inline KLinChannel& CurrentChannel(KLinChannel*)
{
    return Orvel.KLin.Channel[Orvel.KLin.Chan % std::size(Orvel.KLin.Channel)];
}

template <typename Record, typename Member, Member Record::*Place>
struct ChannelFieldOf {
    static constexpr bool Writable = true;
    static Member& Ref() { return CurrentChannel(static_cast<Record*>(nullptr)).*Place; }
    static std::int32_t Get(void*) { return Ref(); }
    static void Set(void*, std::int32_t v) { Ref() = static_cast<Member>(v); }
};

template <auto Place>
struct ChannelField;

template <typename Record, typename Member, Member Record::*Place>
struct ChannelField<Place> : ChannelFieldOf<Record, Member, Place> {};

// Read only: 1 while the input configuration has the bit.
template <std::uint32_t Mask>
struct InputBit {
    static constexpr bool Writable = false;
    static std::int32_t Get(void*) { return OrvelIOConfigHas(Mask) ? 1 : 0; }
    static void Set(void*, std::int32_t) {}
};

// The value lives in the device state, and the hook answers for it.
struct InDevice {};

// Shown, never stored: the hook answers for the value and no editor opens.
struct ReadOnly {
    static constexpr bool Writable = false;
    static std::int32_t Get(void*) { return 0; }
    static void Set(void*, std::int32_t) {}
};

// The hook of a row the device model leaves alone.
inline std::uint32_t NoHook(void*, Message*)
{
    return 0;
}

template <MsgHandler Kind, typename Place, MsgHandler Hook>
std::uint32_t UIValueHandler(void* self, Message* msg)
{
    if (const std::uint32_t result = Hook(self, msg))
        return result;
    if constexpr (!std::is_same_v<Place, InDevice>) {
        switch (msg->Id) {
        case MSG_VALUE_GET:
            msg->Param = Place::Get(self);
            return 1;
        case MSG_VALUE_SET:
            Place::Set(self, MsgParamInt(msg));
            return 1;
        case MSG_IS_EDITABLE:
            if (Place::Writable)
                break;
            msg->Param = 0;
            return 1;
        default:
            break;
        }
    }
    return Kind(self, msg);
}

// A setting of kind Kind as built: its own value unless it is given a place or a hook.
template <MsgHandler Kind>
struct UISettingOf : UIValue {
    constexpr UISettingOf(UISetting setting) : UIValue{setting, 0}
    {
        Setting.Handler = UIValueHandler<Kind, Own, NoHook>;
    }

    constexpr UISettingOf Start(std::int32_t value) const
    {
        UISettingOf copy = *this;
        copy.Value = value;
        return copy;
    }

    template <typename Place, MsgHandler Hook = NoHook>
    constexpr UISetting In() const
    {
        UISetting setting = Setting;
        setting.Handler = UIValueHandler<Kind, Place, Hook>;
        return setting;
    }

    template <MsgHandler Hook>
    constexpr UISetting By() const
    {
        return In<InDevice, Hook>();
    }
};

constexpr UISettingOf<UIEnumSettingHandler> Options(const UIMenu& menu)
{
    return UISetting{.Handler = nullptr, .Menu = &menu, .Min = 0, .Max = 0, .Scaling = 1, .ZeroText = nullptr,
                     .Format = nullptr, .Template = nullptr};
}

constexpr UISettingOf<UINumberSettingHandler> Number(std::int32_t min, std::int32_t max, const char* format,
                                                     const char* entry, const char* zeroText = nullptr,
                                                     std::int32_t scaling = 1)
{
    return UISetting{.Handler = nullptr, .Menu = nullptr, .Min = min, .Max = max, .Scaling = scaling,
                     .ZeroText = zeroText, .Format = format, .Template = entry};
}

// Timecodes and user bits: eight packed digits, edited digit by digit; as a text, the packed word.
constexpr UISetting PackedDigits()
{
    return {.Handler = nullptr, .Menu = nullptr, .Min = 0, .Max = 0, .Scaling = 1, .ZeroText = nullptr,
            .Format = "%08X", .Template = nullptr};
}

constexpr UISettingOf<UITimecodeSettingHandler> Timecode()
{
    return PackedDigits();
}

constexpr UISettingOf<UIUserBitsSettingHandler> UserBits()
{
    return PackedDigits();
}

// Option tables: the texts of values 0, 1, 2, ... in order.
template <std::size_t N>
struct UIOptions {
    UIMenuItem Items[N];
    UIMenu Menu;
    constexpr operator const UIMenu&() const { return Menu; }
};

template <std::size_t N>
constexpr UIOptions<N> OptionsOf(const UIOptions<N>& self, const char* const (&texts)[N])
{
    UIOptions<N> options{};
    for (std::size_t i = 0; i < N; ++i)
        options.Items[i] = {.Text = texts[i], .Code = static_cast<std::uint32_t>(i), .Color = 0};
    options.Menu = {.NItems = N, .Items = self.Items};
    return options;
}

// Text settings: a character buffer of the device state or of the user interface, holding at most
// Width characters; a read-only text opens no editor.
struct UITextValue {
    UISetting Setting;
    char* Text;
    std::uint32_t Width;
    bool Editable;
};

std::uint32_t UITextValueHandler(void* self, Message* msg);

template <MsgHandler Hook>
std::uint32_t UIHookedTextHandler(void* self, Message* msg)
{
    if (const std::uint32_t result = Hook(self, msg))
        return result;
    return UITextValueHandler(self, msg);
}

template <std::size_t Size>
constexpr UITextValue TextIn(char (&text)[Size], std::uint32_t width, bool editable = true,
                             MsgHandler handler = UITextValueHandler)
{
    static_assert(Size >= 1);
    return {.Setting = {.Handler = handler, .Menu = nullptr, .Min = 0, .Max = 0, .Scaling = 1, .ZeroText = nullptr,
                        .Format = nullptr, .Template = nullptr},
            .Text = text, .Width = width < Size ? width : static_cast<std::uint32_t>(Size - 1), .Editable = editable};
}

// A text the device model's hook answers wholly (a read-only status).
template <MsgHandler Hook>
constexpr UISetting TextBy()
{
    return {.Handler = UIValueHandler<UITextSettingHandler, ReadOnly, Hook>, .Menu = nullptr, .Min = 0, .Max = 0,
            .Scaling = 1, .ZeroText = nullptr, .Format = nullptr, .Template = nullptr};
}

// Matrix data kept by the user interface: a grid of cells, or the device model's through its hook.
struct UICellGrid {
    UISetting Setting;
    std::uint8_t Cells[MAX_MATRIX_ROWS][MAX_MATRIX_COLS];
};

std::uint32_t UICellGridHandler(void* self, Message* msg);

template <MsgHandler Hook>
constexpr UISetting CellsBy(const UIMenu& menu)
{
    return {.Handler = UIValueHandler<UIEnumSettingHandler, InDevice, Hook>, .Menu = &menu, .Min = 0, .Max = 0,
            .Scaling = 1, .ZeroText = nullptr, .Format = nullptr, .Template = nullptr};
}

constexpr UICellGrid CellGrid(const UIMenu& menu)
{
    return {.Setting = {.Handler = UICellGridHandler, .Menu = &menu, .Min = 0, .Max = 0, .Scaling = 1,
                        .ZeroText = nullptr, .Format = nullptr, .Template = nullptr},
            .Cells = {}};
}
