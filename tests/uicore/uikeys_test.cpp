#include "uicore/uikeys.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "support/assert_capture.h"
#include "uicore/uimain.h"

namespace {

class Keys : public testing::Test {
protected:
    void SetUp() override
    {
        UIReset();
    }

    static std::uint32_t Send(std::uint32_t id, std::uint32_t code)
    {
        Message msg{.Id = id, .Param = code};
        return KeyFilter(nullptr, &msg);
    }
    static std::uint32_t Down(std::uint32_t code) { return Send(MSG_KEY_DOWN, code); }
    static std::uint32_t Up(std::uint32_t code) { return Send(MSG_KEY_UP, code); }
};

}  // namespace

TEST_F(Keys, KeysAreTrackedWithoutModifiersAndAPageSwitchSwallowsTheReleasesOfKeysPressedBeforeIt)
{
    EXPECT_EQ(Down(KEY_MOD_CTRL | KEY_MOD_SHIFT | +KEY_HP), 0U);
    EXPECT_TRUE(KeyIsHeld(KEY_HP));
    KeyIgnoreAllReleases();  // what every page switch does
    EXPECT_TRUE(KeyIsDown(KEY_HP));
    EXPECT_FALSE(KeyIsHeld(KEY_HP));
    EXPECT_EQ(Up(KEY_MOD_CTRL | +KEY_HP), 1U);
    EXPECT_FALSE(KeyIsDown(KEY_HP));
    // a fresh press passes both ways; other keys keep their mark
    EXPECT_EQ(Down(KEY_HP), 0U);
    EXPECT_EQ(Up(KEY_HP), 0U);
    EXPECT_EQ(Up(KEY_SLT), 1U);

    EXPECT_EQ(Down(154), 0U);
    AssertCapture capture;
    EXPECT_FALSE(KeyIsDown(154));
    EXPECT_FALSE(KeyIsHeld(154));
    EXPECT_EQ(capture.Expressions(), (std::vector<std::string>{"key < numberof(KeyPressTbl)",
                                                               "key < numberof(KeyReleaseIgnoreTbl)"}));
}

TEST(KeyDigits, PanelKeysCharactersAndKeypadLayouts)
{
    using Reading = std::int32_t (*)(std::uint32_t);
    const Reading isNumber = [](std::uint32_t key) { return std::int32_t{KeyIsNumber(key)}; };
    const struct {
        const char* What;
        Reading Read;
        std::vector<std::pair<std::uint32_t, std::int32_t>> KeyAndWant;
    } cases[] = {
        {"number", KeyNumber, {{KEY_TC, 1}, {KEY_SLT, 8}, {KEY_HP, -1}, {0, -1}}},
        {"is number", isNumber, {{KEY_KLIN, 1}, {'1', 0}}},
        {"digit", KeyDigit, {{3, 3}, {'7', 7}, {'0', 0}, {KEY_HP, -1}, {'a', -1}}},
        {"hex", KeyHexDigit, {{'f', 15}, {'A', 10}, {'9', 9}, {'g', -1}, {KEY_PFL, 5}}},
        {"keypad", KeyKeypadDigit, {{KEY_COM, 9}, {KEY_SLT, 0}, {KEY_TC, -1}}},
        {"keypad hex", KeyKeypadHex, {{KEY_TC, 10}, {KEY_SETUP, 15}, {KEY_COM, 9}, {KEY_SLT, 0}, {KEY_HP, -1}}},
    };
    for (const auto& k : cases)
        for (const auto& [key, want] : k.KeyAndWant) {
            SCOPED_TRACE(testing::Message() << k.What << " of key " << key);
            EXPECT_EQ(k.Read(key), want);
        }
}
