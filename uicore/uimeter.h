#pragma once
// Level meters: a column of up to twelve horizontal bars with names, peak markers, a scale and fader
// knobs, the one record that holds what they show, the control that draws it, the operations that lay
// out, select and step the meters, and the simulation that makes the levels move.
#include <cstddef>
#include <cstdint>

#include "canvas/canvas.h"
#include "message/message.h"
#include "uicore/uimain.h"

constexpr std::uint32_t MAX_METERS = 12;
constexpr std::uint32_t MAX_METER_NAME = 17;  // 16 characters and the terminating zero

// What a meter measures; indexes MeterSrceTbl.
enum MeterSrceIndex : std::uint8_t {
    METER_SRCE_NONE = 0,
    METER_SRCE_INPUT = 1,
    METER_SRCE_INDIG = 2,
    METER_SRCE_OUT = 3,
    METER_SRCE_CH = 4,
    METER_SRCE_PLAY = 5,
};

struct MeterSrce {
    const char* Name;
    std::uint16_t Colour;  // of the meter's lower scale segments
};

inline constexpr MeterSrce MeterSrceTbl[] = {
    {.Name = "-", .Colour = 0x0000},     {.Name = "INPUT", .Colour = 0xFFC0}, {.Name = "INDIG", .Colour = 0xFDC0},
    {.Name = "OUT", .Colour = 0x3FC7},   {.Name = "Ch", .Colour = 0xF9DF},    {.Name = "PLAY", .Colour = 0xF9DF},
};

// Per-meter MFlags.
enum MeterFlag : std::uint8_t {
    METER_FLAG_HATCHED = 1,         // three lines across the bar, no channel icon
    METER_FLAG_GAP_BEFORE = 2,      // half a row of space before the meter
    METER_FLAG_GAP_AFTER = 4,       // half a row of space after it
    METER_FLAG_SELECTABLE = 8,
    METER_FLAG_SELECTED = 16,
    METER_FLAG_SHOWN_SELECTED = 32,  // drawn as selected
};

enum MeterKnob : std::uint8_t {
    METER_KNOB_NONE = 0,
    METER_KNOB_CHANNEL = 1,
    METER_KNOB_VIRTUAL = 2,
    METER_KNOB_THIRD = 3,
};

// The record's Flags whenever a meter carries the virtual fader.
constexpr std::uint8_t METER_RECORD_FLAG_VFADER = 6;

// Per-meter arrays are indexed by the position from the top. Field names hold the type names apart:
// Colour here is the field, so its type is spelled std::uint16_t.
struct UIMeters {
    std::uint8_t NMeters;
    std::uint8_t Flags;
    std::uint8_t MeterLevel[MAX_METERS];  // 255 full scale
    std::uint8_t Peak[MAX_METERS];        // 0: no peak marker
    std::uint8_t Hold[MAX_METERS];        // simulation steps the peak still holds
    std::uint8_t Reduction[MAX_METERS];   // bar growing from the right end
    std::uint8_t Fader[MAX_METERS];       // knob position along the meter
    std::uint8_t Kind[MAX_METERS];        // MeterKnob
    std::uint8_t Srce[MAX_METERS];        // MeterSrceIndex
    std::uint8_t Chan[MAX_METERS];        // 0-based within the source
    std::uint8_t MFlags[MAX_METERS];      // MeterFlag bits
    std::uint16_t Colour[MAX_METERS];     // of the lower three segments; 0: the scale's own
    char Name[MAX_METERS][MAX_METER_NAME];
};

// Shared by the home screen and the channel set-up page.
extern UIMeters OrvelMeters;

// What the meters learn from the device behind them. The device model registers its answers at
// power-on; without them meters carry their source's name and number, no icons, and knobs stay put.
struct UIMeterDevice {
    // Writes the name when the device has one for the meter (a named track, the playback); false
    // leaves the source's name and number.
    bool (*Name)(std::uint32_t srce, std::uint8_t chan, char* name, std::size_t size);
    // The channel's trim in dB, which its knob follows; false for a channel without one.
    bool (*Trim)(std::uint8_t chan, std::int32_t* db);
    bool (*Isolated)(std::uint8_t chan);
    bool (*InAutoMix)(std::uint32_t group, std::uint8_t chan);
    // The host's level keys.
    void (*LevelStep)(std::int32_t step);
};

// null: no device.
void MeterSetDevice(const UIMeterDevice* device);
const UIMeterDevice* MeterDevice();

// Draws at its X, Y whatever record MSG_METER_DATA answers.
struct UIMeter {
    UIControl Control;
};

// Default handler of the meter control: MSG_DRAW asks the control itself for the record; a
// MSG_METER_DATA that arrives here goes on to the current page.
std::uint32_t UIMeterHandler(void* self, Message* msg);

void MeterDraw(Canvas* c, const UIMeters* meters, std::int32_t x, std::int32_t y);

// Level, peak and fader stay as they are.
void MeterSetup(UIMeters* p, std::uint32_t index, std::uint32_t srce, std::uint8_t chan, std::uint8_t mflags,
                std::uint8_t kind);
// One meter: the input of the channel.
void MeterSetupChannel(std::uint8_t chan);

std::int32_t MeterSelected();
bool MeterAnySelected();
void MeterDeselectAll();
// Selects the next selectable meter from index on (past it when it is the selected one), wrapping;
// -1 when none may be selected.
std::int32_t MeterSelectNext(std::int32_t index);
// Moves the selected meter's knob by 4 x d; without a selection the level step of the host instead.
void MeterFaderStep(std::int32_t d);
// The host's level keys: the virtual fader shows its fixed channel; the step changes nothing shown.
void SimLevelStep(std::int32_t step);
void MeterFadersFromTrims();
std::int32_t DbToFader(std::int32_t db);
void MeterSimulate(UIMeters* meters);

// The meter part of the channel set-up page's handler: levels move on every third 10 ms tick, and
// MSG_METER_DATA answers the shared record.
std::uint32_t MeterPageHandler(void* self, Message* msg);

