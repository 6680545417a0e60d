// "KAVLIN SETUP" worked by its keys: the link channels start at the band's lowest, the editor keeps
// them in the band, and every receive channel keeps a value of its own.
#include <gtest/gtest.h>

#include <string>

#include "menu_fixture.h"
#include "support/golden.h"
#include "ui/menu/menu.h"

namespace {

using KavlinSetup = MenuTest;

TEST_F(KavlinSetup, LinkChannelsStayInTheBandEachWithItsOwnValue)
{
    UIPage& rx = *Find(KavlinSetupPage, "RX CHANNELS").Item->Page;
    const auto rxFreq = [](int n) { return "RX FREQ" + std::to_string(n) + " "; };
    EXPECT_EQ(ValueText(KavlinSetupPage, "TX CHANNEL "), "2403");
    EXPECT_EQ(ValueText(rx, "RX FREQ3 "), "2403");
    Edit(KavlinSetupPage, "TX CHANNEL ", -2);
    EXPECT_EQ(ValueText(KavlinSetupPage, "TX CHANNEL "), "2403");
    for (int n = 1; n <= 6; ++n)
        Edit(rx, rxFreq(n), n);
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(ValueText(rx, rxFreq(n)), std::to_string(2403 + n));
}

TEST_F(KavlinSetup, LowerRowsShowTheWidestValues)
{
    Edit(KavlinSetupPage, "POWER-ROLL MODE ", 2);
    Edit(KavlinSetupPage, "SEND PRU DELAY ", 500);
    Tap({KEY_DOWN, KEY_DOWN, KEY_DOWN, KEY_DOWN});  // the last rows scrolled in
    UIRedraw();
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "ui/menu/kavlin_setup"));
}

}  // namespace
