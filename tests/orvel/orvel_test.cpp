#include "orvel/orvel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/assert_capture.h"

namespace {

void Start(std::initializer_list<const char*> args, const char* path = "/usr/bin/orvel-sim")
{
    std::vector<const char*> argv = {path};
    argv.insert(argv.end(), args);
    OrvelPowerOn(static_cast<int>(argv.size()), argv.data(), path);
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

// Each bank keeps its own variant; arm bits are taken modulo 256; with every memory empty a headphone
// step goes full circle and back where it started.
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
    for (HphMonMem& memory : Orvel.HphMon.Mem)
        memory = {};
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
