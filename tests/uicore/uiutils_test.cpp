#include "uicore/uiutils.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Text(std::uint32_t value)
{
    char text[MAX_TC_STRING];
    UITimecodeToText(text, value);
    return text;
}

}  // namespace

TEST(Timecode, PacksDigitsMostSignificantFirst)
{
    const std::uint8_t digits[NUM_TC_DIGITS] = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(UITimecodePack(digits), 0x12345678U);
    std::uint8_t back[NUM_TC_DIGITS];
    UITimecodeUnpack(back, 0xFEDCBA98U);
    EXPECT_EQ(back[0], 15);
    EXPECT_EQ(back[7], 8);
    EXPECT_EQ(UITimecodeDigit(0x12345678U, 6), 7U);
    EXPECT_EQ(UITimecodeFromHMSF(23, 59, 58, 29), 0x23595829U);
}

TEST(Timecode, TextFormShowsHexDigitsOfUserBits)
{
    EXPECT_EQ(Text(0x01020304U), "01:02:03:04");
    EXPECT_EQ(Text(0xDEADBEEFU), "DE:AD:BE:EF");
}

TEST(Timecode, SplitSkipsMissingOutputs)
{
    std::uint8_t minutes = 0;
    std::uint8_t frames = 0;
    UITimecodeSplit(0x10203040U, nullptr, &minutes, nullptr, &frames);
    EXPECT_EQ(minutes, 20);
    EXPECT_EQ(frames, 40);
}

TEST(Timecode, IncrementCarriesAndWrapsAtADay)
{
    EXPECT_EQ(UITimecodeIncrement(UITimecodeFromHMSF(0, 0, 0, 28), 30), UITimecodeFromHMSF(0, 0, 0, 29));
    EXPECT_EQ(UITimecodeIncrement(UITimecodeFromHMSF(0, 0, 0, 29), 30), UITimecodeFromHMSF(0, 0, 1, 0));
    EXPECT_EQ(UITimecodeIncrement(UITimecodeFromHMSF(1, 59, 59, 29), 30), UITimecodeFromHMSF(2, 0, 0, 0));
    EXPECT_EQ(UITimecodeIncrement(UITimecodeFromHMSF(23, 59, 59, 24), 25), 0U);
}
