#pragma once
// The editor overlay slot: at most one editor is open; the main loop offers it every message
// before the focused control and draws it after the page's controls.
#include <cstdint>

#include "message/message.h"
#include "uicore/uicontrols.h"
#include "uicore/uitimer.h"

// The base of every editor record (not a control).
struct UIEditor {
    MsgHandler Handler;
    void* Setting;  // the setting being edited
    std::int32_t X;
    std::int32_t Y;
};

// The number editor's DigitMode bits.
enum UIDigitModeFlag : std::uint8_t {
    UI_DIGIT_MODE_ACTIVE = 1,  // digits are being typed; the buffer no longer follows the value
    UI_DIGIT_MODE_FRESH = 2,   // calculator style: digits enter at the last digit position
    UI_DIGIT_MODE_SHIFT = 4,   // the next digit first moves the entry one place left
};

// Template editor of numbers: digits typed into a template such as "+__dB", or the value stepped.
struct UINumberEditorRec {
    UIEditor Editor;
    std::uint8_t DigitKeys;  // 0: the value can only be stepped
    char Buffer[MAX_UI_TEXT];
    std::uint8_t Cursor;
    std::uint8_t LastDigit;  // typed last at Cursor, 0 for none: the second-press rule
    UITimer Timer;           // the half-second window after a panel digit key
    std::uint8_t DigitMode;  // UI_DIGIT_MODE_* bits
    const char* Template;
};

// Eight-digit editor of timecodes (decimal) and user bits (hexadecimal).
struct UIDigitEditor {
    UIEditor Editor;
    std::uint8_t Hex;
    std::uint8_t Digits[8];  // most significant first
    std::uint8_t Cursor;
    std::uint8_t LastDigit;  // 255 for none
    UITimer Timer;
};

extern UIEditor* UIActiveEditor;
extern UIEditor UIEnumEditor;
extern UINumberEditorRec UINumberEditor;
extern UINumberEditorRec UINumberStepEditor;
extern UIDigitEditor UITimecodeEditor;
extern UIDigitEditor UIUserBitsEditor;

bool UIEditorOpen(UIEditor* editor, void* setting, std::int32_t x, std::int32_t y);
bool UIEditorOpenFor(void* setting, std::int32_t x, std::int32_t y);
void UIEditorClose();
bool UIEditorIsOpen();

// Enumerations: each step changes the value at once.
std::uint32_t UIEnumEditorHandler(void* self, Message* msg);
// Numbers: digits typed into the setting's template, or the value stepped.
std::uint32_t UINumberEditorHandler(void* self, Message* msg);
// Timecodes and user bits: eight digits, committed as one packed word.
std::uint32_t UIDigitEditorHandler(void* self, Message* msg);
