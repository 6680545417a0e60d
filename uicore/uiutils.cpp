#include "uicore/uiutils.h"

#include "common/debug.h"
#include "common/format.h"
#include "uicore/uicontrols.h"
#include "uicore/uimatrix.h"

namespace {

std::uint32_t Shift(std::uint32_t index)
{
    return (NUM_TC_DIGITS - 1 - index) * 4;
}

std::uint8_t Pair(const std::uint8_t* digits, std::uint32_t first)
{
    return static_cast<std::uint8_t>(digits[first] * 10 + digits[first + 1]);
}

}  // namespace

std::uint32_t UITimecodePack(const std::uint8_t* digits)
{
    if (!ASSERT(digits))
        return 0;
    std::uint32_t value = 0;
    for (std::uint32_t i = 0; i < NUM_TC_DIGITS; ++i)
        value |= static_cast<std::uint32_t>(digits[i] & 15) << Shift(i);
    return value;
}

void UITimecodeUnpack(std::uint8_t* digits, std::uint32_t value)
{
    for (std::uint32_t i = 0; i < NUM_TC_DIGITS; ++i)
        digits[i] = static_cast<std::uint8_t>((value >> Shift(i)) & 15);
}

std::uint32_t UITimecodeDigit(std::uint32_t value, std::uint32_t index)
{
    if (!ASSERT(index < NUM_TC_DIGITS))
        return 0;
    return (value >> Shift(index)) & 15;
}

void UITimecodeDigitsToText(char* text, const std::uint8_t* digits)
{
    static constexpr char DigitChars[] = "0123456789ABCDEF";
    char* out = text;
    for (std::uint32_t i = 0; i < NUM_TC_DIGITS; ++i) {
        *out++ = DigitChars[digits[i] & 15];
        if (i == 1 || i == 3 || i == 5)
            *out++ = ':';
    }
    *out = 0;
}

void UITimecodeToText(char* text, std::uint32_t value)
{
    std::uint8_t digits[NUM_TC_DIGITS];
    UITimecodeUnpack(digits, value);
    UITimecodeDigitsToText(text, digits);
}

void UITimecodeDigitsFromHMSF(std::uint8_t* digits, std::uint8_t h, std::uint8_t m, std::uint8_t s, std::uint8_t f)
{
    const std::uint8_t pairs[] = {h, m, s, f};
    for (std::uint32_t i = 0; i < 4; ++i) {
        digits[i * 2] = static_cast<std::uint8_t>(pairs[i] / 10);
        digits[i * 2 + 1] = static_cast<std::uint8_t>(pairs[i] % 10);
    }
}

std::uint32_t UITimecodeFromHMSF(std::uint8_t h, std::uint8_t m, std::uint8_t s, std::uint8_t f)
{
    std::uint8_t digits[NUM_TC_DIGITS];
    UITimecodeDigitsFromHMSF(digits, h, m, s, f);
    return UITimecodePack(digits);
}

void UITimecodeSplit(std::uint32_t value, std::uint8_t* h, std::uint8_t* m, std::uint8_t* s, std::uint8_t* f)
{
    std::uint8_t digits[NUM_TC_DIGITS];
    UITimecodeUnpack(digits, value);
    std::uint8_t* outputs[] = {h, m, s, f};
    for (std::uint32_t i = 0; i < 4; ++i)
        if (outputs[i])
            *outputs[i] = Pair(digits, i * 2);
}

std::uint32_t UITimecodeIncrement(std::uint32_t value, std::uint8_t fps)
{
    std::uint8_t h, m, s, f;
    UITimecodeSplit(value, &h, &m, &s, &f);
    if (++f >= fps) {
        f = 0;
        ++s;
    }
    if (s >= 60) {
        s = 0;
        ++m;
    }
    if (m >= 60) {
        m = 0;
        ++h;
    }
    if (h >= 24)
        h = 0;
    return UITimecodeFromHMSF(h, m, s, f);
}

void UICellGetByte(const std::uint8_t* table, std::uint32_t nrows, std::uint32_t ncols, UIMatrixCell* cell)
{
    if (!ASSERT(table) || !ASSERT(cell) || !ASSERT(cell->Row < nrows) || !ASSERT(cell->Col < ncols))
        return;
    cell->Value = table[cell->Row * ncols + cell->Col];
}

void UICellSetByte(std::uint8_t* table, std::uint32_t nrows, std::uint32_t ncols, const UIMatrixCell* cell)
{
    if (!ASSERT(table) || !ASSERT(cell) || !ASSERT(cell->Row < nrows) || !ASSERT(cell->Col < ncols))
        return;
    table[cell->Row * ncols + cell->Col] = static_cast<std::uint8_t>(cell->Value);
}

std::uint32_t UICellGetBit(const std::uint16_t* rows, std::uint32_t nrows, UIMatrixCell* cell)
{
    if (!ASSERT(rows) || !ASSERT(cell) || !ASSERT(cell->Row < nrows) || !ASSERT(cell->Col < 16))
        return 0;
    cell->Value = (rows[cell->Row] >> cell->Col) & 1U;
    return cell->Value;
}

void UICellSetBit(std::uint16_t* rows, std::uint32_t nrows, const UIMatrixCell* cell)
{
    if (!ASSERT(rows) || !ASSERT(cell) || !ASSERT(cell->Row < nrows) || !ASSERT(cell->Col < 16))
        return;
    const auto bit = static_cast<std::uint16_t>(1U << cell->Col);
    rows[cell->Row] = static_cast<std::uint16_t>(cell->Value ? rows[cell->Row] | bit : rows[cell->Row] & ~bit);
}

void UIFormatSize(char* text, float megabytes, const char* separator)
{
    if (megabytes >= 1000)
        FormatText(text, MAX_UI_TEXT, "%2.0f%sGB", static_cast<double>(megabytes / 1000), separator);
    else
        FormatText(text, MAX_UI_TEXT, "%2.0f%sMB", static_cast<double>(megabytes), separator);
}
