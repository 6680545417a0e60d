#pragma once
// What the home screen's handler and its drawing share.
#include <cstdint>

#include "message/message.h"
#include "uicore/uimain.h"

extern std::uint32_t HomeRunningTC;  // packed timecode of the last MSG_TIMECODE
extern std::uint32_t HomeEnterTime;  // ms clock at the last MSG_PAGE_ENTER
extern std::uint8_t HomeBlink;       // arm mode: 1 while the blink is on
extern std::int32_t HomeSelectedMeter;

// The key part of the home screen's handler: MSG_TIMER_10MS, MSG_KEY_DOWN and MSG_KEY_UP.
std::uint32_t HomeHolds();
std::uint32_t HomeKeyDown(Message* msg);
std::uint32_t HomeKeyUp(Message* msg);

// The whole home screen for MSG_REDRAW; returns 0 so that the page's controls are drawn too.
std::uint32_t HomeDraw(UIPage* page);

