#pragma once
// The meter layouts of the home-screen variants and the virtual fader: the last meter of some layouts,
// which shows either a fixed channel or a set of channels the user cycles through.
#include <cstdint>

#include "message/message.h"

enum VFaderDisplay : std::int32_t {
    VFADER_NONE = 0,
    VFADER_FIXED = 1,    // the channel Chan
    VFADER_CYCLING = 2,  // the channel Num, stepped by the virtual-fader key
};

// Gives the meters of the UI core the device's names, trims, icons and level keys.
void OrvelMetersConnect();

// Rebuilds the shared meter record for home-screen variant -1..8; others count as 0.
void MeterLayout(std::int32_t variant);
void MeterLayoutDefault();

std::int32_t VFaderDisplayMode();
// The channel index shown; -1 (255 as a channel) without a virtual fader.
std::int32_t VFaderChannel();
void VFaderSetChan(std::uint8_t channel);
void VFaderSetMode(std::int32_t mode);
// Switches to the fixed channel; the current page is shown again and redrawn when that is a change.
void VFaderShowChannel();
// The meter position that carries the virtual fader, -1 for none.
void VFaderSetSel(std::int32_t i);
std::uint32_t VFaderAdvance();
// The home screen's virtual-fader key.
void VFaderKey();

// Model hooks of the "VFADER CYCLE " and "VFADER MODE " rows.
std::uint32_t VFaderCycleHook(void* self, Message* msg);
std::uint32_t VFaderModeHook(void* self, Message* msg);
