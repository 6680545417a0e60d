#pragma once
// Where things sit on the recorder's front panel, in picture coordinates (right and bottom exclusive).
// The front end hit-tests the key rectangles and shows a held key by copying its rectangle from the lit
// picture, so a key's cap, label and glow stay inside its own rectangle and an LED's glow inside its
// area; everything else is drawn the same in both pictures. No Qt here: the tests read these tables too.
#include <cstdint>

struct PanelBox {
    int Left;
    int Top;
    int Right;
    int Bottom;
};

struct PanelKey {
    const char* Label;
    int Digit;  // the digit the key types in the editors; 0 for none
    PanelBox Box;
};

enum class LedColour : std::uint8_t { Green, Amber, Red };

struct PanelLed {
    const char* Label;
    LedColour Colour;
    float Radius;  // of the lens
    PanelBox Area;  // the lens is centred in it; the lit glow fades out before its edge
};

inline constexpr int PanelWidth = 932;
inline constexpr int PanelHeight = 198;

inline constexpr PanelKey PanelKeyTbl[] = {
    {.Label = "TC", .Digit = 1, .Box = {131, 52, 177, 81}},
    {.Label = "A-MIX", .Digit = 2, .Box = {222, 50, 266, 80}},
    {.Label = "KLIN", .Digit = 3, .Box = {312, 54, 354, 80}},
    {.Label = "BUS", .Digit = 4, .Box = {402, 52, 444, 80}},
    {.Label = "PFL", .Digit = 5, .Box = {489, 53, 533, 79}},
    {.Label = "SETUP", .Digit = 6, .Box = {580, 50, 623, 80}},
    {.Label = "COM", .Digit = 7, .Box = {608, 88, 639, 114}},
    {.Label = "SLT", .Digit = 8, .Box = {607, 132, 638, 155}},
    {.Label = "HP", .Digit = 0, .Box = {804, 47, 843, 83}},
    {.Label = "*", .Digit = 0, .Box = {818, 89, 851, 116}},
    {.Label = "MENU", .Digit = 0, .Box = {800, 118, 844, 160}},
};

// The simulator draws the small LCD into this opening.
inline constexpr PanelBox LcdOpening = {647, 44, 783, 156};

inline constexpr PanelLed PanelLedTbl[] = {
    {.Label = "POWER", .Colour = LedColour::Green, .Radius = 3.0F, .Area = {22, 131, 40, 149}},
    {.Label = "SIGNAL", .Colour = LedColour::Green, .Radius = 3.0F, .Area = {452, 131, 470, 149}},
    {.Label = "CARD", .Colour = LedColour::Amber, .Radius = 3.0F, .Area = {496, 131, 514, 149}},
    {.Label = "REC", .Colour = LedColour::Red, .Radius = 4.0F, .Area = {539, 130, 559, 150}},
};

// The rotary encoder, right of the key cluster beside the LCD.
inline constexpr float EncoderX = 891.5F;
inline constexpr float EncoderY = 102.0F;
inline constexpr float EncoderRadius = 25.0F;
