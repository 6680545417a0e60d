#include "orvel/orvelconfig.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "orvel/orvel.h"
#include "support/golden.h"
#include "uicore/ui_fixture.h"
#include "uicore/uimatrix.h"

namespace {

void Start(const char* arg = nullptr)
{
    const char* argv[] = {"orvel-sim", arg};
    OrvelPowerOn(arg ? 2 : 1, argv, "orvel-sim");
}

// The greyed columns of a matrix of eight.
std::vector<int> Greyed(std::uint32_t (*colour)(UIMatrix*))
{
    UIMatrix matrix{};
    matrix.NCols = 8;
    EXPECT_EQ(colour(&matrix), 0U) << "the matrix goes on with the refresh";
    std::vector<int> greyed;
    for (int col = 0; col < 8; ++col)
        if (matrix.ColColors[col] == COLOUR_UNAVAILABLE)
            greyed.push_back(col);
    return greyed;
}

}  // namespace

// The head-saver configurations have masks of their own.
TEST(IOConfig, InputsFollowTheirGroupsAndUnavailableColumnsAreGreyed)
{
    Start();
    Orvel.IOConfig = 13;
    EXPECT_EQ(OrvelIOConfigHas(IO_RET_12), 0U);
    Orvel.IOConfig = 14;
    EXPECT_EQ(OrvelIOConfigHas(IO_RET_12), 1U);

    Orvel.IOConfig = 7;  // AES 1..8 and returns 1,2; analog 5,6 and returns 3,4 off
    std::vector<int> off;
    for (std::uint32_t n = 0; n < 20; ++n)
        if (!OrvelInputAvailable(n))
            off.push_back(static_cast<int>(n));
    EXPECT_EQ(off, (std::vector<int>{4, 5, 8, 9}));
    EXPECT_EQ(Greyed(ColourAnalogColumns), (std::vector<int>{4, 5}));
    EXPECT_EQ(Greyed(ColourOutputReturnColumns), (std::vector<int>{6, 7}));  // columns 4..7 are inputs 6..9

    Orvel.IOConfig = 0;  // AES 1,2 only
    EXPECT_EQ(Greyed(ColourDigitalColumns), (std::vector<int>{2, 3, 4, 5, 6, 7}));
}

using InputConfigure = UITest;

// The page's value is the configuration index; the head-saver configurations have fixed lines.
TEST_F(InputConfigure, SummaryListsEachGroupOrTheHeadSaverLines)
{
    Start();
    MsgRegister(UIMainHandler, 0);
    UIPage page = {.Handler = InputConfigPageHandler, .Flags = 0, .Parent = nullptr, .ControlIndex = -1,
                   .NControls = 0, .Controls = nullptr};
    for (const auto& [index, golden] : {std::pair{7U, "groups"}, std::pair{13U, "headsaver"}}) {
        EXPECT_EQ(MsgSendParam(&page, MSG_VALUE_SET, index), 1U);
        UICurrentPage = nullptr;  // entered anew
        UIGotoPage(&page);
        EXPECT_EQ(Orvel.IOConfig, index);
        EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, std::string("orvel/input_configure_") + golden));
    }
    EXPECT_EQ(MsgQuery(&page, MSG_VALUE_GET, 0), 13);
}
