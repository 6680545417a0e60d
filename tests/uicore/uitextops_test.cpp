#include "uicore/uitextops.h"

#include <gtest/gtest.h>

#include "common/format.h"
#include "uicore/uicontrols.h"

TEST(TextOps, IncrementCountsTheLastLetterOrNumberUpAndTrimKeepsTheFirstCharacter)
{
    const std::tuple<const char*, std::uint32_t, const char*> cases[] = {
        {"TAKE09", 10, "TAKE10"}, {"A", 10, "B"}, {"TAKE9", 6, "TAKE10"}, {"V2.TAKE", 10, "V2.TAKF"},
        {"SCENE99", 7, "CENE100"}, {"TAKE099", 7, "AKE100"}, {"SCENE Z", 10, "SCENE Z"}, {"take z", 10, "take z"},
        {"", 10, "1"}, {"TAKE1   ", 8, "TAKE2"}, {"TAKE1.", 10, "TAKE2"}, {"00", 10, "01"}, {"X0999", 10, "X1000"},
        {"B00007", 10, "B8"}, {"99", 2, "10"}, {"9", 1, "9"}, {"---", 10, "---"}, {"TOOLONG1", 7, "TOOLONG1"},
        {"12345678901234567899", 30, "12345678901234567900"}};
    for (const auto& [before, max, after] : cases) {
        char text[MAX_UI_TEXT];
        FormatText(text, sizeof(text), "%s", before);
        UITextIncrement(text, max);
        EXPECT_STREQ(text, after) << before << " with max " << max;
    }
    char blanks[] = "   ";
    UITextTrimRight(blanks);
    EXPECT_STREQ(blanks, " ");
}
