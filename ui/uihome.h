#pragma once
// The home screen: transport state, running timecode, headphone memory, battery, card status and
// the level meters of the current layout, in two banks of nine variants (variant 0 the pan page).
#include <cstdint>

#include "canvas/canvas.h"
#include "message/message.h"
#include "uicore/uimain.h"

// The mirror key: the home screen opens "MIRROR"; there and on a few menu pages it leads home.
constexpr std::uint32_t KEY_MIRROR = 136;

extern UIPage UIHomePage;
extern UIPage HomePanPage;

// Flags of the current meter layout as the home screen reads them.
enum HomeFlag : std::uint32_t {
    HOME_FLAG_SHIFT_INVERTED = 1,  // keys 1 to 6 act with the shift inverted
    HOME_FLAG_METER_LEVEL = 2,     // the encoder sets the selected meter's level; MENU selects the next
    HOME_FLAG_MENU_HOLD = 4,       // holding MENU opens "MAIN MENU"
    HOME_FLAG_VFADER = 8,          // a short MENU switches the virtual-fader display
};

std::uint32_t HomePageHandler(void* self, Message* msg);
void HomeSelect(std::uint32_t bank, std::int32_t direction);
std::uint32_t HomeMeterFlags();
void TransportStatus(std::uint32_t state, const char** text, Colour* colour);

std::uint32_t MetaDataBoxHandler(void* page, Message* msg);
std::uint32_t PlaybackDisplayHandler(void* page, Message* msg);
std::uint32_t AuditionDisplayHandler(void* page, Message* msg);
std::uint32_t IfbDebugPageHandler(void* page, Message* msg);
