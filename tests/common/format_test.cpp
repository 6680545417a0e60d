#include "common/format.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/assert_capture.h"

TEST(FormatText, FitsAndTerminates)
{
    char buffer[16];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(FormatText(buffer, sizeof buffer, "TC %02d:%02d", 1, 2), 8);
    EXPECT_STREQ(buffer, "TC 01:02");
    EXPECT_EQ(buffer[15], 0);  // the last byte is zeroed even when the text is shorter
}

TEST(FormatText, TruncatesToSizeMinusOneAndReturnsFullCount)
{
    char buffer[6] = "zzzzz";
    EXPECT_EQ(FormatText(buffer, sizeof buffer, "%s", "ABCDEFGH"), 8);
    EXPECT_STREQ(buffer, "ABCDE");
}

TEST(FormatText, ExactFitKeepsEveryCharacter)
{
    char buffer[4];
    EXPECT_EQ(FormatText(buffer, sizeof buffer, "%d", 123), 3);
    EXPECT_STREQ(buffer, "123");
}

TEST(FormatText, SizeOneGivesEmptyText)
{
    char buffer[1] = {'q'};
    EXPECT_EQ(FormatText(buffer, 1, "abc"), 3);
    EXPECT_EQ(buffer[0], 0);
}

TEST(FormatText, SizeZeroReportsAndWritesNothing)
{
    AssertCapture capture;
    char buffer[2] = {'a', 'b'};
    EXPECT_EQ(FormatText(buffer, 0, "abc"), 0);
    EXPECT_EQ(buffer[0], 'a');
    EXPECT_EQ(buffer[1], 'b');
    EXPECT_EQ(capture.Expressions(), std::vector<std::string>{"buff_size"});
    EXPECT_EQ(capture.Reports()[0].Module, "common/format");
}
