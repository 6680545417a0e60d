#include "uicore/uikeys.h"

#include <gtest/gtest.h>

#include "support/assert_capture.h"
#include "uicore/uitimer.h"

namespace {

class KeyTest : public testing::Test {
protected:
    void SetUp() override
    {
        KeyInputReset();
        VirtualClockSet(0x10000);
    }

    static std::uint32_t Down(std::uint32_t code)
    {
        Message msg{.Id = MSG_KEY_DOWN, .Param = code};
        return KeyFilter(nullptr, &msg);
    }

    static std::uint32_t Up(std::uint32_t code)
    {
        Message msg{.Id = MSG_KEY_UP, .Param = code};
        return KeyFilter(nullptr, &msg);
    }
};

}  // namespace

TEST_F(KeyTest, PressAndReleasePassAndTrackTheKey)
{
    EXPECT_EQ(Down(KEY_MENU), 0U);
    EXPECT_TRUE(KeyIsDown(KEY_MENU));
    EXPECT_TRUE(KeyIsHeld(KEY_MENU));
    EXPECT_EQ(Up(KEY_MENU), 0U);
    EXPECT_FALSE(KeyIsDown(KEY_MENU));
}

TEST_F(KeyTest, ModifiersAreStrippedForTheTables)
{
    Down(KEY_MOD_CTRL | KEY_MOD_SHIFT | 'a');
    EXPECT_TRUE(KeyIsDown('a'));
    Up(KEY_MOD_CTRL | 'a');
    EXPECT_FALSE(KeyIsDown('a'));
}

TEST_F(KeyTest, ReleaseAfterPageSwitchIsSwallowed)
{
    Down(KEY_HP);
    KeyIgnoreAllReleases();  // what every page switch does
    EXPECT_TRUE(KeyIsDown(KEY_HP));
    EXPECT_FALSE(KeyIsHeld(KEY_HP));
    EXPECT_EQ(Up(KEY_HP), 1U);
    EXPECT_FALSE(KeyIsDown(KEY_HP));
    EXPECT_EQ(KeyReleaseIgnoreTbl[KEY_HP], 0);
}

TEST_F(KeyTest, FreshPressAfterPageSwitchPassesBothWays)
{
    KeyIgnoreAllReleases();
    EXPECT_EQ(Down(KEY_COM), 0U);
    EXPECT_TRUE(KeyIsHeld(KEY_COM));
    EXPECT_EQ(Up(KEY_COM), 0U);
    // other keys keep their mark
    EXPECT_EQ(Up(KEY_SLT), 1U);
}

TEST_F(KeyTest, IgnoredReleaseOfOneKeyAfterLongPress)
{
    Down(KEY_SETUP);
    KeyIgnoreRelease(KEY_SETUP);
    EXPECT_EQ(Up(KEY_SETUP), 1U);
    Down(KEY_SETUP);
    EXPECT_EQ(Up(KEY_SETUP), 0U);
}

TEST_F(KeyTest, CodesBeyondTheTablePassUnrecorded)
{
    EXPECT_EQ(Down(154), 0U);
    EXPECT_EQ(Up(200), 0U);
    AssertCapture capture;
    EXPECT_FALSE(KeyIsDown(154));
    EXPECT_FALSE(KeyIsHeld(154));
    EXPECT_EQ(capture.Expressions(), (std::vector<std::string>{"key < numberof(KeyPressTbl)",
                                                               "key < numberof(KeyReleaseIgnoreTbl)"}));
    EXPECT_EQ(capture.Reports()[0].Module, "uicore/uikeys");
}

TEST_F(KeyTest, HoldExpiryIsReportedOnceAfterThePeriod)
{
    KeyHoldStart(KEY_TC, 1000);
    EXPECT_TRUE(KeyHoldRunning(KEY_TC));
    VirtualClockAdvance(1000);
    EXPECT_FALSE(KeyHoldExpired(KEY_TC));
    VirtualClockAdvance(10);
    EXPECT_FALSE(KeyHoldExpired(KEY_AMIX));  // another key never sees it
    EXPECT_TRUE(KeyHoldExpired(KEY_TC));
    EXPECT_FALSE(KeyHoldExpired(KEY_TC));
    EXPECT_FALSE(KeyHoldRunning(KEY_TC));
}

TEST_F(KeyTest, HoldIsForOneKeyAtATime)
{
    KeyHoldStart(KEY_TC, 1000);
    KeyHoldStart(KEY_BUS, 1000);
    EXPECT_FALSE(KeyHoldRunning(KEY_TC));
    KeyHoldStop(KEY_TC);  // not the remembered key: no effect
    EXPECT_TRUE(KeyHoldRunning(KEY_BUS));
    KeyHoldStop(KEY_BUS);
    VirtualClockAdvance(2000);
    EXPECT_FALSE(KeyHoldExpired(KEY_BUS));
}

TEST_F(KeyTest, CancelledHoldNeverExpires)
{
    KeyHoldStart(KEY_MENU, 500);
    KeyHoldCancel();
    VirtualClockAdvance(600);
    EXPECT_FALSE(KeyHoldRunning(KEY_MENU));
    EXPECT_FALSE(KeyHoldExpired(KEY_MENU));
}

TEST_F(KeyTest, ShortAndLongPressPattern)
{
    // long: the hold runs out while the key is down
    Down(KEY_SETUP);
    KeyHoldStart(KEY_SETUP, 1000);
    VirtualClockAdvance(1001);
    EXPECT_TRUE(KeyHoldExpired(KEY_SETUP) && KeyIsDown(KEY_SETUP));
    KeyIgnoreRelease(KEY_SETUP);
    EXPECT_EQ(Up(KEY_SETUP), 1U);
    // short: released while the hold still runs
    Down(KEY_SETUP);
    KeyHoldStart(KEY_SETUP, 1000);
    VirtualClockAdvance(300);
    EXPECT_EQ(Up(KEY_SETUP), 0U);
    EXPECT_TRUE(KeyHoldRunning(KEY_SETUP));
}

TEST(KeyDigits, PanelKeysAndCharacters)
{
    EXPECT_EQ(KeyNumber(KEY_TC), 1);
    EXPECT_EQ(KeyNumber(KEY_SLT), 8);
    EXPECT_EQ(KeyNumber(KEY_HP), -1);
    EXPECT_EQ(KeyNumber(0), -1);
    EXPECT_TRUE(KeyIsNumber(KEY_KLIN));
    EXPECT_FALSE(KeyIsNumber('1'));
    EXPECT_EQ(KeyDigit(3), 3);
    EXPECT_EQ(KeyDigit('7'), 7);
    EXPECT_EQ(KeyDigit('0'), 0);
    EXPECT_EQ(KeyDigit(KEY_HP), -1);
    EXPECT_EQ(KeyDigit('a'), -1);
    EXPECT_EQ(KeyHexDigit('f'), 15);
    EXPECT_EQ(KeyHexDigit('A'), 10);
    EXPECT_EQ(KeyHexDigit('9'), 9);
    EXPECT_EQ(KeyHexDigit('g'), -1);
    EXPECT_EQ(KeyHexDigit(KEY_PFL), 5);
}

TEST(KeyDigits, KeypadLayouts)
{
    EXPECT_EQ(KeyKeypadDigit(KEY_COM), 9);
    EXPECT_EQ(KeyKeypadDigit(KEY_SLT), 0);
    EXPECT_EQ(KeyKeypadDigit(KEY_TC), -1);
    EXPECT_EQ(KeyKeypadHex(KEY_TC), 10);
    EXPECT_EQ(KeyKeypadHex(KEY_SETUP), 15);
    EXPECT_EQ(KeyKeypadHex(KEY_COM), 9);
    EXPECT_EQ(KeyKeypadHex(KEY_SLT), 0);
    EXPECT_EQ(KeyKeypadHex(KEY_HP), -1);
}
