#include "orvel/orvelconfig.h"

#include <gtest/gtest.h>

#include "orvel/orvel.h"
#include "support/golden.h"
#include "uicore/ui_fixture.h"
#include "uicore/uimatrix.h"

namespace {

void Start(const char* arg = nullptr)
{
    const char* argv[] = {"orvel-sim", arg};
    OrvelInit(arg ? 2 : 1, argv, "orvel-sim");
}

class InputConfigure : public UITest {
protected:
    void SetUp() override
    {
        UITest::SetUp();
        Start();
        MsgRegister(UIMainHandler, 0);
    }

    void Show(std::uint32_t index)
    {
        Orvel.IOConfig = index;
        UIReset();
        UIGotoPage(&page);
    }

    UIPage page = {.Handler = InputConfigPageHandler, .Flags = 0, .Parent = nullptr, .ControlIndex = -1,
                   .NControls = 0, .Controls = nullptr};
};

}  // namespace

TEST(IOConfig, SpecialConfigurationsUseTheirOwnMasks)
{
    Start();
    Orvel.IOConfig = 13;
    EXPECT_EQ(OrvelIOConfigMask(), 0x14FU);
    EXPECT_EQ(OrvelIOConfigHas(IO_RET_12), 0U);
    Orvel.IOConfig = 14;
    EXPECT_EQ(OrvelIOConfigMask(), 0x11FU);
    EXPECT_EQ(OrvelIOConfigHas(IO_RET_12), 1U);
    Orvel.IOConfig = 4;
    EXPECT_EQ(OrvelIOConfigMask(), 0x053U);
}

TEST(IOConfig, InputColumnsFollowTheirGroups)
{
    Start();
    Orvel.IOConfig = 7;  // AES 1..8 and returns 1,2
    const std::uint32_t expected[20] = {1, 1, 1, 1, 0, 0, 1, 1, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    for (std::uint32_t n = 0; n < 20; ++n)
        EXPECT_EQ(OrvelInputAvailable(n), expected[n]) << n;
    Orvel.IOConfig = 0;  // 0x071: AES 1,2, returns and analog 5,6
    EXPECT_EQ(OrvelInputAvailable(4), 1U);
    EXPECT_EQ(OrvelInputAvailable(12), 0U);
}

TEST(IOConfig, ExternalFaderSourcesTheModelLacksAreStoredAsTheNearest)
{
    Start();
    ExtFaderSet(0, 21);
    EXPECT_EQ(ExtFaderGet(0), 21U);
    Start("lite");
    ExtFaderSet(0, 21);
    EXPECT_EQ(ExtFaderGet(0), 10U);
    ExtFaderSet(1, 9);
    EXPECT_EQ(ExtFaderGet(1), 9U);
    Start();
    Orvel.FeatKavlin = 0;
    ExtFaderSet(2, 20);
    EXPECT_EQ(ExtFaderGet(2), 18U);
}

// The head-saver configurations have fixed lines.
TEST_F(InputConfigure, SummaryListsEachGroupOrTheHeadSaverLines)
{
    Show(7);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "orvel/input_configure_groups"));
    Show(13);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "orvel/input_configure_headsaver"));
}

TEST_F(InputConfigure, RowValueIsTheConfigurationIndex)
{
    EXPECT_EQ(MsgQuery(&page, MSG_VALUE_GET, 0), 0);
    EXPECT_EQ(MsgSendParam(&page, MSG_VALUE_SET, 11), 1U);
    EXPECT_EQ(Orvel.IOConfig, 11U);
    EXPECT_EQ(MsgQuery(&page, MSG_VALUE_GET, 0), 11);
}

TEST(IOConfig, UnavailableColumnsOfRoutingMatricesAreGreyed)
{
    Start();
    Orvel.IOConfig = 7;  // analog 5,6 and returns 3,4 off; AES all on
    UIMatrix analog{};
    analog.NCols = 8;
    EXPECT_EQ(ColourAnalogColumns(&analog), 0U);
    EXPECT_EQ(analog.ColColors[3], 0);
    EXPECT_EQ(analog.ColColors[4], COLOUR_UNAVAILABLE);
    EXPECT_EQ(analog.ColColors[5], COLOUR_UNAVAILABLE);
    EXPECT_EQ(analog.ColColors[6], 0);

    UIMatrix returns{};
    returns.NCols = 8;
    ColourOutputReturnColumns(&returns);  // columns 4..7 are inputs 6..9: returns 1,2 on, 3,4 off
    EXPECT_EQ(returns.ColColors[5], 0);
    EXPECT_EQ(returns.ColColors[6], COLOUR_UNAVAILABLE);

    Orvel.IOConfig = 0;  // AES 1,2 only
    UIMatrix digital{};
    digital.NCols = 8;
    ColourDigitalColumns(&digital);
    EXPECT_EQ(digital.ColColors[1], 0);
    EXPECT_EQ(digital.ColColors[2], COLOUR_UNAVAILABLE);
    EXPECT_EQ(digital.ColColors[7], COLOUR_UNAVAILABLE);
}
