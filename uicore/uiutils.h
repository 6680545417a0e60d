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
