#pragma once
// Small shared helpers of the UI core. A packed timecode is eight 4-bit digits in one word, digit 0 in
// the top bits: H H M M S S F F for a timecode, up to 15 per digit for user bits.
#include <cstdint>

constexpr std::uint32_t NUM_TC_DIGITS = 8;
constexpr std::uint32_t MAX_TC_STRING = 12;  // "HH:MM:SS:FF" and its terminating zero

std::uint32_t UITimecodePack(const std::uint8_t* digits);
void UITimecodeUnpack(std::uint8_t* digits, std::uint32_t value);
std::uint32_t UITimecodeDigit(std::uint32_t value, std::uint32_t index);
void UITimecodeDigitsToText(char* text, const std::uint8_t* digits);
void UITimecodeToText(char* text, std::uint32_t value);
void UITimecodeDigitsFromHMSF(std::uint8_t* digits, std::uint8_t h, std::uint8_t m, std::uint8_t s, std::uint8_t f);
std::uint32_t UITimecodeFromHMSF(std::uint8_t h, std::uint8_t m, std::uint8_t s, std::uint8_t f);
// Each output is optional (null is skipped).
void UITimecodeSplit(std::uint32_t value, std::uint8_t* h, std::uint8_t* m, std::uint8_t* s, std::uint8_t* f);
// One frame later, carrying into seconds, minutes and hours; 24 hours wrap to 0.
std::uint32_t UITimecodeIncrement(std::uint32_t value, std::uint8_t fps);

// Matrix cells kept in tables of the device model: one byte per cell in rows of ncols, or one bit
// per cell in a 16-bit word per row.
struct UIMatrixCell;

void UICellGetByte(const std::uint8_t* table, std::uint32_t nrows, std::uint32_t ncols, UIMatrixCell* cell);
void UICellSetByte(std::uint8_t* table, std::uint32_t nrows, std::uint32_t ncols, const UIMatrixCell* cell);
// Value 1 when the cell's bit is set, else 0; also returned.
std::uint32_t UICellGetBit(const std::uint16_t* rows, std::uint32_t nrows, UIMatrixCell* cell);
// Sets the cell's bit for any nonzero Value.
void UICellSetBit(std::uint16_t* rows, std::uint32_t nrows, const UIMatrixCell* cell);

// The size of a folder or take in whole megabytes below 1000, else in whole gigabytes; the number is
// at least two characters wide, then the separator and the unit. text holds MAX_UI_TEXT bytes.
void UIFormatSize(char* text, float megabytes, const char* separator);
