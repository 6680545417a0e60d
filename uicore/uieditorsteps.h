#pragma once
// What the three editor kinds share: stepping the setting from the arrow keys and the encoder,
// closing with a redraw, and the half-second window of a panel digit key.
#include <cstdint>

#include "uicore/uieditors.h"

// Step keys that only a keypad would produce (the simulator host never sends them).
constexpr std::uint32_t KEY_STEP_UP_10 = 147;
constexpr std::uint32_t KEY_STEP_DOWN_10 = 148;

// How long a panel digit key waits for its second press before the entry moves on.
constexpr std::uint16_t UI_DIGIT_WINDOW_MS = 500;

// Steps the setting when the key is an arrow or a step key, then redraws; 0 for any other key.
std::uint32_t UIEditorStepKey(UIEditor* editor, std::uint32_t key);
// One encoder step, by 10 while MENU is held on a setting with many values (that MENU's release
// is then swallowed); redraws unless the setting reports that nothing changed.
std::uint32_t UIEditorTurn(UIEditor* editor, std::int32_t step, bool manyValues);
// Closes the open editor and redraws the page without it.
std::uint32_t UIEditorCloseRedraw();
