#pragma once
// Segment playback as the simulated recorder reports it, and the two pages that answer the
// transport: "FALSE START" (stop while stopped) and "MARK DROPOUT".
#include <cstdint>

#include "message/message.h"
#include "uicore/uimain.h"

extern UIPage FalseStartPage;
extern UIPage MarkDropoutPage;

void PlayReset();
// Chooses the segment being edited, within 1 and the primary card's first folder's segments plus one.
void SegmentSelect(std::int32_t n);
void SegmentSetNote(const char* text);

// Model hooks of the "PLAY SEGMENT: " and "EDIT SEGMENT: " rows.
std::uint32_t PlaySegmentHook(void* self, Message* msg);
std::uint32_t EditSegmentHook(void* self, Message* msg);

std::uint32_t FalseStartHandler(void* self, Message* msg);
std::uint32_t MarkDropoutHandler(void* self, Message* msg);
