#include "uicore/uiutils.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/golden.h"
#include "ui_fixture.h"
#include "uicore/uicontrols.h"
#include "uicore/uikeys.h"

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

// The run crosses a second, so the repaint changes several digits before it is compared with a full redraw;
// the display is turned only while the slate is shown, and the slate takes the MENU key alone.
TEST_F(UITest, SlateRunningTimecodeLooksAsIfTheWholePageWereDrawn)
{
    MsgRegister(UIMainHandler, 0);
    UIPage slate = {.Handler = UISlateHandler, .Flags = 0, .Parent = nullptr, .ControlIndex = -1, .NControls = 0,
                    .Controls = nullptr};
    UIGotoPage(&slate);
    std::uint32_t timecode = UITimecodeFromHMSF(10, 24, 36, 25);
    MsgBroadcastParam(MSG_TIMECODE, timecode);
    UIRedraw();
    for (int frame = 0; frame < 17; ++frame)
        MsgBroadcastParam(MSG_TIMECODE, timecode = UITimecodeIncrement(timecode, 30));
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/slate_running_timecode"));
    const Picture repainted = buffer;
    UIRedraw();
    EXPECT_TRUE(buffer == repainted);
    EXPECT_EQ(MsgSendParam(&slate, MSG_KEY_DOWN, KEY_MENU) + MsgSendParam(&slate, MSG_KEY_DOWN, KEY_TC), 1U);
    UIPage other = ProbePage(0, nullptr, 0);
    UIGotoPage(&other);
    EXPECT_EQ(LcdCanvas.Rotated, 0);
}
