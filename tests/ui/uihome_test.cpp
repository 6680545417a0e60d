#include "ui/uihome.h"

#include <gtest/gtest.h>

#include "canvas/images.h"
#include "home_fixture.h"
#include "ui/uipages.h"
#include "uicore/uikeys.h"

namespace {

constexpr std::uint32_t KEY_NEXT_VARIANT = 147;
constexpr std::uint32_t KEY_PREV_VARIANT = 148;
constexpr std::uint32_t KEY_PAN = 139;

using HomeSelection = HomeTest;

TEST_F(HomeSelection, VariantsWrapThroughThePanPage)
{
    ShowVariant(12, 8);
    ASSERT_EQ(UICurrentPage, &UIHomePage);
    Orvel.Settings.HomePage = 1;
    Orvel.Settings.HomePageVariant[1] = 8;
    Tap(KEY_NEXT_VARIANT);
    EXPECT_EQ(Orvel.Settings.HomePageVariant[1], 0);
    EXPECT_EQ(UICurrentPage, &HomePanPage);
    EXPECT_EQ(OrvelMeters.NMeters, 3);  // the pan page's own meters
    Tap(KEY_PREV_VARIANT);
    EXPECT_EQ(Orvel.Settings.HomePageVariant[1], 8);
    EXPECT_EQ(UICurrentPage, &UIHomePage);
    Tap(KEY_STAR);
    Tap(KEY_STAR);
    EXPECT_EQ(Orvel.Settings.HomePageVariant[1], 1);
    EXPECT_EQ(Orvel.Settings.HomePageVariant[0], 8);  // the other bank keeps its own
}

TEST_F(HomeSelection, MenuWithComOrSltKeepsTheNewBanksVariantAndStepsTheCurrentOne)
{
    ASSERT_EQ(Orvel.Settings.HomePage, 0);
    const std::uint8_t bank0 = Orvel.Settings.HomePageVariant[0];
    const std::uint8_t bank1 = Orvel.Settings.HomePageVariant[1];
    Press(KEY_MENU);
    Tap(KEY_SLT);
    EXPECT_EQ(Orvel.Settings.HomePage, 1);
    EXPECT_EQ(Orvel.Settings.HomePageVariant[1], bank1);
    Tap(KEY_SLT);
    EXPECT_EQ(Orvel.Settings.HomePageVariant[1], bank1 + 1);
    Tap(KEY_COM);
    EXPECT_EQ(Orvel.Settings.HomePage, 0);
    EXPECT_EQ(Orvel.Settings.HomePageVariant[0], bank0);
    Release(KEY_MENU);
    EXPECT_EQ(UICurrentPage, &UIHomePage);  // MENU's release no longer opens the main menu

    // COM held first and MENU pressed while it is down does the same.
    Press(KEY_COM);
    Press(KEY_MENU);
    EXPECT_EQ(Orvel.Settings.HomePageVariant[0], bank0 + 1);
    Release(KEY_MENU);
    Release(KEY_COM);
    EXPECT_EQ(UICurrentPage, &UIHomePage);
}

using HomeArming = HomeTest;

TEST_F(HomeArming, ShortPressArmsOnlyThatTrackAndAHoldTogglesIt)
{
    Tap(KEY_PFL);
    ASSERT_EQ(Orvel.ArmMode, 1);
    Orvel.ArmMask = 0b1001;
    Tap(KEY_KLIN);
    EXPECT_EQ(Orvel.ArmMask, 0b0100);

    Orvel.ArmMask = 0b1001;
    Press(KEY_KLIN);
    Advance(690);
    EXPECT_EQ(Orvel.ArmMask, 0b1001);
    Advance(20);
    EXPECT_EQ(Orvel.ArmMask, 0b1101);
    Release(KEY_KLIN);
    EXPECT_EQ(Orvel.ArmMask, 0b1101);
    Press(KEY_KLIN);
    Advance(710);
    Release(KEY_KLIN);
    EXPECT_EQ(Orvel.ArmMask, 0b1001);
}

TEST_F(HomeArming, AltOrCtrlWithADigitArmsOutsideTheEightTracksNothing)
{
    Orvel.ArmMask = 0b101;
    Tap(KEY_MOD_ALT | '9');
    EXPECT_EQ(Orvel.ArmMode, 1);
    EXPECT_EQ(Orvel.ArmMask, 0b101);

    Orvel.ArmMode = 0;
    Press(KEY_MOD_CTRL | '8');
    EXPECT_EQ(Orvel.ArmMode, 1);
    EXPECT_EQ(Orvel.ArmMask, 0b10000101);
    Release(KEY_MOD_CTRL | '8');
    Orvel.ArmMode = 0;
    Tap(KEY_MOD_ALT | '0');
    EXPECT_EQ(Orvel.ArmMode, 1);
    EXPECT_EQ(Orvel.ArmMask, 0b10000000);  // the release of Ctrl+"8" in arm mode armed track 8 alone
}

TEST_F(HomeArming, HpLeavesArmModeAndLeavingTheHomePageClearsIt)
{
    Tap(KEY_PFL);
    ASSERT_EQ(Orvel.ArmMode, 1);
    const std::int32_t memory = Orvel.HphMon.Index;
    Advance(1100);
    Tap(KEY_HP);
    EXPECT_EQ(Orvel.ArmMode, 0);
    EXPECT_EQ(Orvel.HphMon.Index, memory);  // its release is not a memory step
    Tap(KEY_PFL);
    UIGotoPage(&MainMenuPage);
    EXPECT_EQ(Orvel.ArmMode, 0);
}

using HomeHeadphones = HomeTest;

TEST_F(HomeHeadphones, HpStepsTheMemoryOnlyAfterTheFirstSecondAndWithMenuOpensTheRouting)
{
    const std::int32_t first = Orvel.HphMon.Index;
    Tap(KEY_HP);
    Press(KEY_HP);
    Advance(600);
    Release(KEY_HP);
    EXPECT_EQ(Orvel.HphMon.Index, first);

    Advance(500);
    Tap(KEY_HP);
    const std::int32_t next = Orvel.HphMon.Index;
    EXPECT_NE(next, first);
    EXPECT_STRNE(OrvelHphMonName(next), "");
    Press(KEY_HP);
    Advance(490);
    EXPECT_EQ(Orvel.HphMon.Index, next);
    Advance(20);
    EXPECT_EQ(Orvel.HphMon.Index, first);  // held: one memory back
    Release(KEY_HP);
    EXPECT_EQ(Orvel.HphMon.Index, first);

    Press(KEY_MENU);
    Press(KEY_HP);
    EXPECT_EQ(UICurrentPage, &HphRoutingPage) << "HP with MENU opens the routing";
}

using HomeMenu = HomeTest;

TEST_F(HomeMenu, HoldingMenuOpensTheMainMenuWhereTheLayoutAllowsIt)
{
    ShowVariant(12, 8);
    ASSERT_TRUE(HomeMeterFlags() & HOME_FLAG_MENU_HOLD);
    Press(KEY_MENU);
    Advance(790);
    EXPECT_EQ(UICurrentPage, &UIHomePage);
    Advance(20);
    EXPECT_EQ(UICurrentPage, &MainMenuPage);
}

TEST_F(HomeMenu, ShortMenuSelectsTheNextSelectableMeterAndHpClearsIt)
{
    ShowVariant(12, 6);
    ASSERT_TRUE(HomeMeterFlags() & HOME_FLAG_METER_LEVEL);
    Tap(KEY_MENU);
    const std::int32_t first = MeterSelected();
    ASSERT_GE(first, 0);
    EXPECT_TRUE(OrvelMeters.MFlags[first] & METER_FLAG_SELECTABLE);
    Tap(KEY_MENU);
    EXPECT_GT(MeterSelected(), first);
    const std::uint8_t fader = OrvelMeters.Fader[MeterSelected()];
    Turn(+1);
    EXPECT_EQ(OrvelMeters.Fader[MeterSelected()], fader + 4);
    Tap(KEY_HP);
    EXPECT_FALSE(MeterAnySelected());
    EXPECT_EQ(UICurrentPage, &UIHomePage);
}

TEST_F(HomeMenu, ShortMenuOpensTheMainMenuOnPlainLayouts)
{
    ShowVariant(12, 3);
    ASSERT_EQ(HomeMeterFlags() & (HOME_FLAG_METER_LEVEL | HOME_FLAG_VFADER), 0U);
    Tap(KEY_MENU);
    EXPECT_EQ(UICurrentPage, &MainMenuPage);
}

using HomePan = HomeTest;

TEST_F(HomePan, BusEntersPanEditOnThePanPageOnlyAndHpLeavesIt)
{
    ShowVariant(12, 3);
    Tap(KEY_BUS);
    EXPECT_EQ(Orvel.Settings.PanEdit, 0);

    ShowVariant(12, 0);
    ASSERT_EQ(UICurrentPage, &HomePanPage);
    UIControl* matrix = HomePanPage.Controls[0];
    EXPECT_FALSE(UIControlFocusable(matrix));
    Tap(KEY_BUS);
    EXPECT_EQ(Orvel.Settings.PanEdit, 1);
    EXPECT_TRUE(UIControlFocusable(matrix));
    Tap(KEY_HP);
    EXPECT_EQ(Orvel.Settings.PanEdit, 0);
    EXPECT_EQ(UICurrentPage, &HomePanPage);

    Tap(KEY_BUS);
    Tap(KEY_BUS);
    EXPECT_EQ(UICurrentPage, &BusRoutingPage);
}

TEST_F(HomePan, ComAndThePanKeyStepTheFirstPosition)
{
    Tap(KEY_COM);
    EXPECT_EQ(PanPos[0], 1U);
    Tap(KEY_PAN);
    EXPECT_EQ(PanPos[0], 2U);
    Press(KEY_PAN);
    Advance(410);
    Release(KEY_PAN);
    EXPECT_EQ(PanPos[0], 1U);  // held: one back, and the release adds nothing
    Tap(KEY_MOD_CTRL | '-');
    Tap(KEY_MOD_CTRL | '-');
    EXPECT_EQ(PanPos[0], 3U);  // wraps below " "
}

// The meters' scale labels start at their top: the "-20" label's columns show bare background just
// above the top and label pixels right below it.
constexpr int LABEL_LEFT = 100;
constexpr int LABEL_RIGHT = 120;
constexpr int LABEL_ROWS = 6;

class HomeLayout : public HomeTest {
protected:
    bool RowBare(int y)
    {
        Picture store{};
        Canvas background{};
        LcdCanvasInit(&background, store.data(), LCD_WIDTH, LCD_HEIGHT);
        background.DrawImage(&background, 0, 0, &BackgroundImage, 0);
        for (int x = LABEL_LEFT; x < LABEL_RIGHT; ++x)
            if (At(x, y) != background.PixelGet(&background, x, y))
                return false;
        return true;
    }

    bool MetersStartAt(int top)
    {
        bool labelled = false;
        for (int y = top; y < top + LABEL_ROWS; ++y)
            labelled = labelled || !RowBare(y);
        return RowBare(top - 1) && labelled;
    }
};

TEST_F(HomeLayout, SixMetersStandBelowTheLeftColumnTwelveBelowTheTopBand)
{
    ShowVariant(6, 3);
    ASSERT_EQ(OrvelMeters.NMeters, 6);
    EXPECT_TRUE(MetersStartAt(66));

    ShowVariant(12, 3);
    ASSERT_EQ(OrvelMeters.NMeters, 12);
    EXPECT_TRUE(MetersStartAt(33));
    EXPECT_FALSE(MetersStartAt(66));
}

}  // namespace
