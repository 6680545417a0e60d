#pragma once
// The battery symbol: one of 21 pictures chosen by the charge in percent, with a short text over it.
#include <array>
#include <cstdint>

#include "canvas/canvas.h"
#include "canvas/images.h"
#include "uicore/uimain.h"

struct BatteryPicture {
    std::uint32_t Threshold;  // percent
    const ::Image* Image;
};

extern const std::array<BatteryPicture, BATTERY_IMAGE_COUNT> BatteryImageTbl;

// A control whose Setting answers the charge (MSG_VALUE_GET) and the text (MSG_TEXT_GET).
struct UIBattery {
    UIControl Control;
    void* Setting;
};

const Image* BatteryImage(std::uint32_t percent);
void BatteryDraw(Canvas* c, std::int32_t x, std::int32_t y, std::uint32_t percent, const char* text);
std::uint32_t UIBatteryHandler(void* self, Message* msg);
