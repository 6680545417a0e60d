#include "orvel/orvel.h"

#include <gtest/gtest.h>

#include <string>

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
        const char* Arg;
        const char* Name;
        std::int32_t Tracks;
        std::uint32_t Features;  // none but on the reduced model
        const char* Path = "/usr/bin/orvel-sim";
    };
    const Case cases[] = {
        {nullptr, "Orvel 12", 12, 4}, {"10", "Orvel 10", 10, 4},     {"12", "Orvel 12", 12, 4},
        {"l", "Orvel Lite", 10, 0},   {"Lite", "Orvel Lite", 10, 0}, {"LX", "Orvel Lite", 10, 0},
        {"10", "Orvel Lite", 10, 0, "/opt/ORVEL-LITE/orvel-sim"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.Arg ? c.Arg : "no argument") << " " << c.Path);
        c.Arg ? Start({c.Arg}, c.Path) : Start({}, c.Path);
        EXPECT_STREQ(Orvel.ModelName, c.Name);
        EXPECT_EQ(OrvelGetNTracks(), c.Tracks);
        EXPECT_EQ(Orvel.FeatKavlin + Orvel.FeatDigital + Orvel.FeatMirror + Orvel.FeatMp3, c.Features);
        EXPECT_EQ(Orvel.FeatLite, c.Features == 0 ? 1U : 0U);
        EXPECT_EQ(Orvel.FeatFactory, 0U);
    }
}

TEST(OrvelModel, MenuTrackCountKeepsNameAndFlags)
{
    Start({"lite"});
    OrvelSetNTracks(4);
    EXPECT_EQ(OrvelGetNTracks(), 4);
    EXPECT_STREQ(Orvel.ModelName, "Orvel Lite");
    EXPECT_EQ(Orvel.FeatLite, 1U);
    AssertCapture capture;
    OrvelSetNTracks(13);
    EXPECT_EQ(capture.Expressions(),
              (std::vector<std::string>{"ntracks > 0 && ntracks <= 12", "ntracks <= numberof(Orvel.Setup.Tracks)"}));
}

// The preset tables are copied in whole and the slots after them left empty.
TEST(OrvelDefaults, PresetsAndTablesFilledOnStart)
{
    Start({});
    EXPECT_STREQ(Orvel.Setup.NotePresets[0], "Aircraft");
    EXPECT_STREQ(Orvel.Setup.NotePresets[18], "VO");
    EXPECT_STREQ(Orvel.Setup.NotePresets[19], "");
    EXPECT_STREQ(Orvel.Setup.TrackPresets[10], "Playback");
    EXPECT_STREQ(Orvel.Setup.TrackPresets[11], "");
    EXPECT_EQ(Orvel.Setup.Channel[9].Trim, 18);
    EXPECT_EQ(Orvel.TransportKeys, 1);
    EXPECT_EQ(Orvel.Settings.HomePageVariant[0], 3);
    EXPECT_EQ(Orvel.Settings.HomePageVariant[1], 2);
    EXPECT_STREQ(Orvel.HphMon.Mem[13].Name, "HP 14");
    EXPECT_EQ(Orvel.HphMon.Mem[13].Index, 13);
}

TEST(OrvelDefaults, StartingAgainForgetsEarlierChanges)
{
    Start({});
    Orvel.Transport = 2;
    ExtFaders[3] = 7;
    Start({});
    EXPECT_EQ(Orvel.Transport, 0);
    EXPECT_EQ(ExtFaders[3], 0U);
}

TEST(OrvelFolders, FirstFolderAfterStart)
{
    Start({});
    const OrvelFolderDetails one = OrvelFolderInfo(1);
    EXPECT_STREQ(one.Name, "Z001");
    EXPECT_EQ(one.NSegs, 5U);
    EXPECT_EQ(one.Bytes, 221353984U);
    EXPECT_EQ(one.Current, 1U);
    OrvelSetFolderNum(7);
    EXPECT_STREQ(OrvelFolderInfo(31).Name, "Z031");
    EXPECT_EQ(OrvelFolderInfo(31).Current, 7U);
    AssertCapture capture;
    OrvelFolderInfo(32);
    OrvelFolderInfo(0);
    EXPECT_EQ(capture.Reports().size(), 2U);
    EXPECT_EQ(capture.Expressions()[0], "(fnum>=1) && (fnum < numberof(Orvel.Folder))");
}

TEST(OrvelHome, VariantsArmBitsAndTransport)
{
    Start({});
    OrvelSetHomeVariant(12);
    EXPECT_EQ(OrvelGetHomeVariant(), 8);
    OrvelSetHomePage(1);
    EXPECT_EQ(OrvelGetHomeVariant(), 2);
    OrvelSetArmBit(3);
    EXPECT_EQ(OrvelGetArmMask(), 0x08);
    OrvelToggleArmBit(0);
    OrvelToggleArmBit(3);
    EXPECT_EQ(OrvelGetArmMask(), 0x01);
    OrvelToggleArmBit(8);
    OrvelToggleArmBit(256);  // taken modulo 256: bit 0
    EXPECT_EQ(OrvelGetArmMask(), 0x00);
    Orvel.Transport = 1;
    OrvelTransportCmd(3);
    EXPECT_EQ(OrvelGetTransport(), 1);
    OrvelTransportCmd(0);
    EXPECT_EQ(OrvelGetTransport(), 0);
}

TEST(OrvelHeadphones, StepsWrapAndSkipEmptyMemories)
{
    Start({});
    Orvel.HphMon.Index = 13;
    OrvelHphMonStep(true, true);
    EXPECT_EQ(Orvel.HphMon.Index, 0);
    OrvelHphMonStep(false, true);
    EXPECT_EQ(Orvel.HphMon.Index, 13);
    Orvel.HphMon.Mem[12] = {};
    Orvel.HphMon.Mem[11] = {};
    OrvelHphMonStep(false, true);
    EXPECT_EQ(Orvel.HphMon.Index, 10);
    OrvelHphMonStep(true, false);
    EXPECT_EQ(Orvel.HphMon.Index, 11);
    EXPECT_EQ(OrvelHphMonCurrent(), &Orvel.HphMon.Mem[11]);
    char name[7];
    OrvelHphMonCopyName(name, 4);
    EXPECT_STREQ(name, "HP 5");

    // all empty: a full circle and back where it started
    for (HphMonMem& memory : Orvel.HphMon.Mem)
        memory = {};
    Orvel.HphMon.Index = 5;
    OrvelHphMonStep(true, true);
    EXPECT_EQ(Orvel.HphMon.Index, 5);
}

TEST(OrvelTables, RecordTracksOfTheReducedModel)
{
    Start({"lite"});
    EXPECT_EQ(RecTrackSet(9, 4), 1U);
    EXPECT_EQ(RecTrackGet(9), 4U);
    AssertCapture capture;
    EXPECT_EQ(RecTrackGet(10), 0U);
    EXPECT_EQ(ExtFaderGet(10), 0U);
    EXPECT_EQ(capture.Expressions(),
              (std::vector<std::string>{"DiskChannel < numberof(RecTrackLITE)", "fad < numberof(ExtFaders)"}));
}
