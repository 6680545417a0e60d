#include "uicore/uiutils.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "uicore/uicontrols.h"

namespace {

std::string Text(std::uint32_t value)
{
    char text[MAX_TC_STRING];
    UITimecodeToText(text, value);
    return text;
}

}  // namespace

TEST(Timecode, PacksSplitsShowsHexDigitsAndIncrementsCarryingAndWrappingAtADay)
{
    const std::uint8_t digits[NUM_TC_DIGITS] = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(UITimecodePack(digits), 0x12345678U);
    std::uint8_t hours = 0, minutes = 0, frames = 0;
    UITimecodeSplit(UITimecodeFromHMSF(17, 45, 30, 12), &hours, &minutes, nullptr, &frames);
    EXPECT_EQ(std::vector<int>({hours, minutes, frames}), (std::vector<int>{17, 45, 12}));
    EXPECT_EQ(Text(0xDEADBEEFU), "DE:AD:BE:EF");  // user bits use all sixteen digit values

    const std::pair<std::uint32_t, std::uint32_t> increments[] = {
        {UITimecodeFromHMSF(0, 0, 0, 28), UITimecodeFromHMSF(0, 0, 0, 29)},
        {UITimecodeFromHMSF(0, 0, 0, 29), UITimecodeFromHMSF(0, 0, 1, 0)},
        {UITimecodeFromHMSF(1, 59, 59, 29), UITimecodeFromHMSF(2, 0, 0, 0)},
        {UITimecodeFromHMSF(23, 59, 59, 29), 0},
    };
    for (const auto& [from, to] : increments)
        EXPECT_EQ(Text(UITimecodeIncrement(from, 30)), Text(to));
    EXPECT_EQ(UITimecodeIncrement(UITimecodeFromHMSF(23, 59, 59, 24), 25), 0U);
}

TEST(SizeText, WholeMegabytesBelowAThousandElseWholeGigabytesAtLeastTwoWide)
{
    const std::tuple<float, const char*, std::string> cases[] = {{1500, " ", " 2 GB"}, {999, " ", "999 MB"},
        {1000, " ", " 1 GB"}, {5, " ", " 5 MB"}, {12400, " ", "12 GB"}, {64, "", "64MB"}};
    for (const auto& [megabytes, separator, shown] : cases) {
        char text[MAX_UI_TEXT];
        UIFormatSize(text, megabytes, separator);
        EXPECT_EQ(std::string(text), shown) << megabytes;
    }
}
