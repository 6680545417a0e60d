#pragma once
// The slate page: the running timecode in large digits, shown turned by 180 degrees.
#include <cstdint>

#include "canvas/canvas.h"
#include "message/message.h"

// All eight digits of the packed timecode; partial repaints only those that changed.
void UISlateDrawDigits(Canvas* c, std::uint32_t value, bool partial);
// The slate page's handler: keeps the timecode of MSG_TIMECODE and repaints it in place; while the
// page is shown the display is turned by 180 degrees.
std::uint32_t UISlateHandler(void* self, Message* msg);
