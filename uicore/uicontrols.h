#pragma once
// The general control kinds pages are built from (title bar, labelled text, value field, button,
// timecode field).
#include <cstdint>

#include "canvas/canvas.h"
#include "canvas/font.h"
#include "uicore/uimain.h"

constexpr std::size_t MAX_UI_TEXT = 64;  // every UI text buffer, terminating zero included

constexpr Colour COLOUR_FOCUS = 0xDB86;

struct UITitle {
    UIControl Control;
    const char* Text;
};

// A label (may be null) followed by a value text that Setting supplies.
struct UIText {
    UIControl Control;
    const char* Text;
    std::int32_t Font;
    std::int32_t Align;
    std::uint32_t Color;  // a colour in a 32-bit slot
    void* Setting;
};

// A focusable label and value field that can be edited; same fields as UIText.
struct UIField {
    UIControl Control;
    const char* Text;
    std::int32_t Font;
    std::int32_t Align;
    std::uint32_t Color;
    void* Setting;
};

struct UIButton {
    UIControl Control;
    const char* Text;
    std::int32_t Font;
    std::int32_t Align;
    std::int32_t Width;  // of the focus bar in pixels
    void* Setting;       // for the page handler; the button itself does not read it
};

// A timecode-valued setting shown as HH:MM:SS:FF, then an optional label.
struct UITimecodeField {
    UIControl Control;
    const char* Text;
    std::int32_t Font;
    std::uint32_t Color;
    void* Setting;
};

std::uint32_t UITitleHandler(void* self, Message* msg);
std::uint32_t UITextHandler(void* self, Message* msg);
std::uint32_t UIFieldHandler(void* self, Message* msg);
std::uint32_t UIButtonHandler(void* self, Message* msg);
std::uint32_t UITimecodeFieldHandler(void* self, Message* msg);
