#pragma once
// Key codes, the table of held keys, swallowing of releases that belong to a page no longer shown,
// the one-key hold timer for short versus long presses, and key-to-digit conversions.
#include <cstdint>

#include "message/message.h"

struct UIPage;

// Key code: low byte the key, next byte modifier flags set by the host from the PC keyboard.
enum KeyModifier : std::uint32_t {
    KEY_MOD_CTRL = 0x8000,
    KEY_MOD_ALT = 0x4000,
    KEY_MOD_SHIFT = 0x1000,
};

enum KeyValue : std::uint32_t {
    KEY_TC = 1,
    KEY_AMIX = 2,
    KEY_KLIN = 3,
    KEY_BUS = 4,
    KEY_PFL = 5,
    KEY_SETUP = 6,
    KEY_COM = 7,
    KEY_SLT = 8,
    KEY_HP = 9,  // the back key
    KEY_STAR = 10,
    KEY_MENU = 11,  // select / enter
    KEY_F1 = 12,
    KEY_F2 = 13,
    KEY_F3 = 14,
    KEY_F4 = 15,
    KEY_F5 = 16,
    KEY_F6 = 17,
    KEY_F7 = 18,
    KEY_F8 = 19,
    KEY_F9 = 20,
    KEY_F10 = 21,
    KEY_F11 = 22,
    KEY_F12 = 23,
    // 32 to 127: typed PC characters
    KEY_UP = 140,
    KEY_DOWN = 141,
    KEY_LEFT = 142,
    KEY_RIGHT = 143,
    KEY_BACKSPACE = 151,
};

constexpr std::uint32_t NUM_KEYS = 154;
constexpr std::uint32_t KEY_VALUE_MASK = 0xFF;

extern std::uint8_t KeyPressTbl[NUM_KEYS];
extern std::uint8_t KeyReleaseIgnoreTbl[NUM_KEYS];

// First stage of key routing: records the key's state and swallows (returns 1) a release marked
// to be ignored. Called for MSG_KEY_DOWN and MSG_KEY_UP only.
std::uint32_t KeyFilter(UIPage* page, Message* msg);

bool KeyIsDown(std::uint32_t key);
// Down, and pressed on the current page (its release is not to be swallowed).
bool KeyIsHeld(std::uint32_t key);
void KeyIgnoreRelease(std::uint32_t key);
void KeyIgnoreAllReleases();

void KeyHoldStart(std::uint32_t key, std::uint16_t ms);
void KeyHoldStop(std::uint32_t key);
void KeyHoldCancel();
// True once, at the first call after the period ran out, for the remembered key.
bool KeyHoldExpired(std::uint32_t key);
bool KeyHoldRunning(std::uint32_t key);


// Panel keys 1 to 8 double as digits 1 to 8.
std::int32_t KeyNumber(std::uint32_t key);
bool KeyIsNumber(std::uint32_t key);
std::int32_t KeyDigit(std::uint32_t key);
std::int32_t KeyHexDigit(std::uint32_t key);
// The keypad layout of the digit editors: key 7 is 9, key 8 is 0.
std::int32_t KeyKeypadDigit(std::uint32_t key);
std::int32_t KeyKeypadHex(std::uint32_t key);
