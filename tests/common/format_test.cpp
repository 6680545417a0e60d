#include "common/format.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/assert_capture.h"

TEST(FormatText, TruncatesToSizeMinusOneTerminatesAndReturnsTheFullCount)
{
    const struct {
        std::size_t Size;
        const char* Text;
        int Count;
    } cases[] = {{16, "TC 01:02", 8}, {6, "TC 01", 8}, {9, "TC 01:02", 8}, {1, "", 8}};
    for (const auto& c : cases) {
        char buffer[16];
        std::memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(FormatText(buffer, c.Size, "TC %02d:%02d", 1, 2), c.Count) << c.Size;
        EXPECT_STREQ(buffer, c.Text) << c.Size;
        EXPECT_EQ(buffer[c.Size - 1], 0) << "the last byte is zeroed even when the text is shorter";
    }
}

TEST(FormatText, SizeZeroReportsAndWritesNothing)
{
    AssertCapture capture;
    char buffer[2] = {'a', 'b'};
    EXPECT_EQ(FormatText(buffer, 0, "abc"), 0);
    EXPECT_EQ(std::string(buffer, 2), "ab");
    EXPECT_EQ(capture.Expressions(), std::vector<std::string>{"buff_size"});
    EXPECT_EQ(capture.Reports()[0].Module, "common/format");
}
