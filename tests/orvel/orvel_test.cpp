// The recorder's model: the variant started, its tracks, and the input and output configurations.
#include "orvel/orvel.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "orvel/orvelconfig.h"
#include "support/assert_capture.h"
#include "support/golden.h"
#include "uicore/ui_fixture.h"
#include "uicore/uimatrix.h"

namespace {

void Start(std::initializer_list<const char*> args, const char* path = "/usr/bin/orvel-sim")
{
    std::vector<const char*> argv = {path};
    argv.insert(argv.end(), args);
    OrvelPowerOn(static_cast<int>(argv.size()), argv.data(), path);
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

// Lite, by argument or by the program's path, wins over ten tracks.
TEST(OrvelModel, FirstArgumentOrProgramPathChoosesTheModel)
{
    struct Case {
        const char *Arg, *Name;
        std::int32_t Tracks;
        std::uint32_t Features;  // none but on the reduced model
        const char* Path = "/usr/bin/orvel-sim";
    };
    const Case cases[] = {{nullptr, "Orvel 12", 12, 4}, {"10", "Orvel 10", 10, 4}, {"Lite", "Orvel Lite", 10, 0},
                          {"LX", "Orvel Lite", 10, 0}, {"10", "Orvel Lite", 10, 0, "/opt/ORVEL-LITE/orvel-sim"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.Arg ? c.Arg : "no argument") << " " << c.Path);
        c.Arg ? Start({c.Arg}, c.Path) : Start({}, c.Path);
        EXPECT_STREQ(Orvel.ModelName, c.Name);
        EXPECT_EQ(OrvelGetNTracks(), c.Tracks);
        EXPECT_EQ(Orvel.FeatKavlin + Orvel.FeatDigital + Orvel.FeatMirror + Orvel.FeatMp3, c.Features);
        EXPECT_EQ(Orvel.FeatLite, c.Features == 0 ? 1U : 0U);
    }
}

// Each bank keeps its own variant; arm bits are taken modulo 256; headphone steps wrap.
TEST(OrvelModel, HomeVariantsArmBitsAndHeadphoneStepsWrap)
{
    Start({});
    OrvelSetHomeVariant(12);
    EXPECT_EQ(OrvelGetHomeVariant(), 8);
    OrvelSetHomePage(1);
    EXPECT_EQ(OrvelGetHomeVariant(), 2);
    OrvelToggleArmBit(3);
    OrvelToggleArmBit(256);
    EXPECT_EQ(OrvelGetArmMask(), 0x09);

    Orvel.HphMon.Index = 13;
    OrvelHphMonStep(true, true);
    EXPECT_EQ(Orvel.HphMon.Index, 0);
}

// The track count chosen in the menu keeps the model's name and flags.
TEST(OrvelModel, TrackCountAndRecordTracksOfTheReducedModel)
{
    Start({"lite"});
    OrvelSetNTracks(4);
    EXPECT_EQ(OrvelGetNTracks(), 4);
    EXPECT_STREQ(Orvel.ModelName, "Orvel Lite");
    EXPECT_EQ(RecTrackSet(9, 4), 1U);
    EXPECT_EQ(RecTrackGet(9), 4U);
    AssertCapture capture;
    OrvelSetNTracks(13);
    EXPECT_EQ(RecTrackGet(10), 0U);
    EXPECT_EQ(ExtFaderGet(10), 0U);
    EXPECT_EQ(capture.Expressions(),
              (std::vector<std::string>{"ntracks > 0 && ntracks <= 12", "ntracks <= numberof(Orvel.Setup.Tracks)",
                                        "DiskChannel < numberof(RecTrackLITE)", "fad < numberof(ExtFaders)"}));
}

// The head-saver configurations have masks of their own.
TEST(IOConfig, InputsFollowTheirGroupsAndUnavailableColumnsAreGreyed)
{
    Start({});
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
    Start({});
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
