#pragma once
// The front panel as input: PC keys and mouse clicks on the panel picture become the recorder's
// key events, held keys show lit, the panel's LCD area toggles the LCD views, and the region capture
// appends measured rectangles to "regions.txt".
#include <array>
#include <cstdint>
#include <iterator>

#include "host/panelgeometry.h"
#include "host/pngfile.h"

// Win32 virtual-key codes, which both front ends map their keys to.
enum VirtualKey : int {
    VK_BACK = 8,
    VK_RETURN = 13,
    VK_CONTROL = 17,
    VK_ESCAPE = 27,
    VK_LEFT = 37,
    VK_UP = 38,
    VK_RIGHT = 39,
    VK_DOWN = 40,
    VK_F1 = 112,
    VK_F12 = 123,
};

struct KeyMods {
    bool Ctrl;
    bool Shift;
    bool Alt;
};

struct PanelRegion {
    std::int32_t Key;  // a negative key ends the table
    PanelRect Rect;
    std::uint8_t Pressed;
    std::uint8_t Shown;  // the state drawn in the panel picture
    const char* Label;
};

// The keys of the panel table, and their state, up to the end marker.
extern std::array<PanelRegion, std::size(PanelKeyTbl) + 1> PanelRegions;

struct PanelPoint {
    std::int32_t X;
    std::int32_t Y;
};

struct PanelMouse {
    PanelPoint A;  // corners of the region capture
    PanelPoint B;
    bool Capture;
    std::int32_t HeldKey;  // pressed with the mouse, -1 for none
};

extern PanelMouse PanelMouseState;

bool PanelContains(const PanelRect& rect, std::int32_t x, std::int32_t y);
// The first region containing the point, or null.
PanelRegion* PanelHit(std::int32_t x, std::int32_t y);
// The device key of a virtual-key code from the keyboard table, or -1.
std::int32_t PanelKeyOfVirtualKey(int vk);
std::uint32_t PanelModifierBits(const KeyMods& mods);

void PanelPress(std::int32_t key);
void PanelRelease(std::int32_t key);
void PanelReleaseAll();
// Brings the panel picture in line with the pressed keys and asks for a repaint.
void PanelRefresh();
void PanelReset();

// Window events, with the modifiers held when they happened.
void HostKeyDown(int vk, const KeyMods& mods, bool autoRepeat);
void HostKeyUp(int vk, const KeyMods& mods);
void HostChar(std::uint32_t code);
void HostMouseDown(std::int32_t x, std::int32_t y, const KeyMods& mods);
void HostMouseMove(std::int32_t x, std::int32_t y);
void HostMouseUp(std::int32_t x, std::int32_t y, const KeyMods& mods);
// A panel key pressed and released by itself, as a finger does, beside the pointer's key: several can
// be held at once, and a release of a key this way did not hold is ignored. With Ctrl the release
// keeps the key down until Ctrl comes up, as with the pointer.
void HostPanelKeyDown(std::int32_t key);
void HostPanelKeyUp(std::int32_t key, const KeyMods& mods);
// The window lost the keyboard: it will not hear the releases of the keys held now.
void HostFocusLost();
void HostRightDown(std::int32_t x, std::int32_t y);
void HostLcdWindowMouseMove(std::int32_t x, std::int32_t y);
// A left click in the LCD window or its close box hides it.
void HostLcdWindowHide();

// The client picture with the captured region shaded (a checkerboard in the highlight colour).
RgbPicture PanelShadedClient(std::uint32_t highlight);
