#pragma once
// Model hooks: functions through which the simulated recorder answers the settings, lists and
// matrices of the pages before their own handlers do. A hook returns nonzero when it took the message.
// The value hooks answer MSG_VALUE_GET and MSG_VALUE_SET from the device state; some adjust what they
// store. Matrix cells are in orvel/orvelcells.h, lists and folders in orvel/orvellisthooks.h.
#include <cstdint>

#include "canvas/canvas.h"
#include "message/message.h"

// Auto-mix enables: the first row holds one byte per input of a group.
extern std::uint8_t AutoMix[8][8];

// Whether input n takes part in the auto-mix; the group (0 analog, 4 returns, 10 digital) does
// not change the answer.
std::uint32_t AutoMixEnabled(std::uint32_t group, std::uint32_t n);

// "SAMPLE RATE ": the option index; a set also chooses the rate in Hz.
std::uint32_t SampleRateHook(void* self, Message* msg);
// "MIRROR DRIVE: ": only "(USB)" and "(MirCF)" can be stored.
std::uint32_t MirrorDriveHook(void* self, Message* msg);
// "Dynamic 48V ": "---" cannot be chosen.
std::uint32_t Dynamic48VHook(void* self, Message* msg);
// "METERPEAK HOLD ": each set moves one step of 200 ms towards the new value, within 400..8000.
std::uint32_t MeterPeakHoldHook(void* self, Message* msg);
std::uint32_t IsoAttenuationHook(void* self, Message* msg);
std::uint32_t PanCopy34Hook(void* self, Message* msg);
std::uint32_t PanCopy56Hook(void* self, Message* msg);
std::uint32_t Mp3SupportHook(void* self, Message* msg);
std::uint32_t Mp3MixHook(void* self, Message* msg);
std::uint32_t AMixModeHook(void* self, Message* msg);
std::uint32_t YearHook(void* self, Message* msg);
std::uint32_t MonthHook(void* self, Message* msg);
std::uint32_t DayHook(void* self, Message* msg);
std::uint32_t HoursHook(void* self, Message* msg);
std::uint32_t MinutesHook(void* self, Message* msg);
std::uint32_t SecondsHook(void* self, Message* msg);

// "TYPE " and "DELAY " of "CH# SETUP": the current input channel's.
std::uint32_t ChannelTypeHook(void* self, Message* msg);
std::uint32_t ChannelDelayHook(void* self, Message* msg);
// "WTU FREQUENCY " of "CH# KAVLIN": the current link channel's, in tenths of MHz, shown as at least
// 540.0 MHz; edited with the number editor.
std::uint32_t WtuFrequencyHook(void* self, Message* msg);

// "TRIM " of "CH# SETUP" and of "CH# KAVLIN", and "CDScal ": the values are the rows' own; the hooks
// choose the number editor.
std::uint32_t SetupTrimHook(void* self, Message* msg);
std::uint32_t KavlinTrimHook(void* self, Message* msg);
std::uint32_t CDScalHook(void* self, Message* msg);

// "CPU USAGE ": read only.
std::uint32_t CpuUsageHook(void* self, Message* msg);

// "TIME CODE": the reader and generator timecodes move on one frame each time they are read, so that
// they run while the page is redrawn; the reader's user bits are fixed.
std::uint32_t ReaderTcHook(void* self, Message* msg);
std::uint32_t GenTcHook(void* self, Message* msg);
std::uint32_t ReaderUbHook(void* self, Message* msg);

// Fixed texts: the label beside the reader timecode, "Primary status: " and "Mirror status: ".
std::uint32_t ReaderTcLabelHook(void* self, Message* msg);
std::uint32_t PrimaryStatusHook(void* self, Message* msg);
std::uint32_t MirrorStatusHook(void* self, Message* msg);

// Colour of the home screen's "MP3" tag while recording.
constexpr Colour COLOUR_MP3_RECORDING = 0x0017;

// The STAR flag: v >= 0 stores v, v < 0 toggles it between 0 and 1. A set flag hides the "MP3" tag.
void StarFlagSet(std::int32_t v);
// Shows or hides the "MP3" tag; showing it also clears the STAR flag.
void Mp3MuteToggle();
// Writes "MP3" into text (MAX_UI_TEXT bytes) while MP3 support is on and the tag is not hidden, else
// an empty text; returns the tag's colour.
Colour Mp3Tag(char* text);
std::uint32_t Mp3SupportGet();
std::uint32_t AMixModeGet();
