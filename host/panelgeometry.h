#pragma once
// Where things sit on the recorder's front panel, in picture coordinates (right and bottom exclusive).
// The front ends hit-test the key rectangles and show a held key by copying its rectangle from the lit
// picture; the generator of the panel pictures draws each key inside its own rectangle and each LED's
// glow inside its area, everything else the same in both pictures. Platform-free, so that the host,
// the generator and the tests all read this one table.
#include <cstdint>

#include "uicore/uikeys.h"

struct PanelRect {
    std::int32_t Left;
    std::int32_t Top;
    std::int32_t Right;  // exclusive
    std::int32_t Bottom;  // exclusive
};

struct PanelKeyPlace {
    std::int32_t Key;
    const char* Label;  // the key's name in scripts and options; the star key shows an asterisk
    std::int32_t Digit;  // the digit printed beside the key; 0 for none
    PanelRect Rect;
    const char* Help;  // what the key does on the recorder, for the help
};

enum class LedColour : std::uint8_t { Green, Amber, Red };

struct PanelLed {
    const char* Label;
    LedColour Colour;
    float Radius;  // of the lens
    PanelRect Area;  // the lens is centred in it; the lit glow fades out before its edge
};

constexpr int PANEL_WIDTH = 932;
constexpr int PANEL_HEIGHT = 198;

// The simulator draws the small LCD into this opening.
constexpr PanelRect PANEL_LCD_AREA = {647, 44, 783, 156};

inline constexpr PanelKeyPlace PanelKeyTbl[] = {
    {.Key = KEY_TC, .Label = "TC", .Digit = 1, .Rect = {131, 52, 177, 81},
     .Help = "slate page; as a transport key: record"},
    {.Key = KEY_AMIX, .Label = "A-MIX", .Digit = 2, .Rect = {222, 50, 266, 80},
     .Help = "meta data or auto-mixer setup page (the MP3 marker with MP3 support); as a transport key: play"},
    {.Key = KEY_KLIN, .Label = "KLIN", .Digit = 3, .Rect = {312, 54, 354, 80},
     .Help = "Kavlin page (meta data without Kavlin); as a transport key: stop"},
    {.Key = KEY_BUS, .Label = "BUS", .Digit = 4, .Rect = {402, 52, 444, 80},
     .Help = "bus routing page"},
    {.Key = KEY_PFL, .Label = "PFL", .Digit = 5, .Rect = {489, 53, 533, 79},
     .Help = "as a transport key: PFL"},
    {.Key = KEY_SETUP, .Label = "SETUP", .Digit = 6, .Rect = {580, 50, 623, 80},
     .Help = "channel setup page; held: the setup request"},
    {.Key = KEY_COM, .Label = "COM", .Digit = 7, .Rect = {608, 88, 639, 114},
     .Help = "digit 7 in the editors"},
    {.Key = KEY_SLT, .Label = "SLT", .Digit = 8, .Rect = {607, 132, 638, 155},
     .Help = "digit 8 in the editors"},
    {.Key = KEY_HP, .Label = "HP", .Digit = 0, .Rect = {804, 47, 843, 83},
     .Help = "back: the page's parent, or the home screen"},
    {.Key = KEY_STAR, .Label = "STAR", .Digit = 0, .Rect = {818, 89, 851, 116},
     .Help = "the next choice on the home screen"},
    {.Key = KEY_MENU, .Label = "MENU", .Digit = 0, .Rect = {800, 118, 844, 160},
     .Help = "select / enter; the shift of the transport keys"},
};

inline constexpr PanelLed PanelLedTbl[] = {
    {.Label = "POWER", .Colour = LedColour::Green, .Radius = 3.0F, .Area = {22, 131, 40, 149}},
    {.Label = "SIGNAL", .Colour = LedColour::Green, .Radius = 3.0F, .Area = {452, 131, 470, 149}},
    {.Label = "CARD", .Colour = LedColour::Amber, .Radius = 3.0F, .Area = {496, 131, 514, 149}},
    {.Label = "REC", .Colour = LedColour::Red, .Radius = 4.0F, .Area = {539, 130, 559, 150}},
};

// The rotary encoder, right of the key cluster beside the LCD.
inline constexpr float PanelEncoderX = 891.5F;
inline constexpr float PanelEncoderY = 102.0F;
inline constexpr float PanelEncoderRadius = 25.0F;
