#include "headless/options.h"

#include <gtest/gtest.h>

namespace {

std::string Parse(std::vector<const char*> args, HeadlessOptions& options)
{
    args.insert(args.begin(), "/opt/orvel/orvel-headless");
    return ParseOptions(static_cast<int>(args.size()), args.data(), options);
}

std::string ErrorOf(std::vector<const char*> args)
{
    HeadlessOptions options;
    return Parse(std::move(args), options);
}

}  // namespace

TEST(HeadlessOptions, DefaultsReadStandardInputIntoTheCurrentFolder)
{
    HeadlessOptions options;
    ASSERT_EQ(Parse({}, options), "");
    EXPECT_EQ(options.ScriptPath, "-");
    EXPECT_EQ(options.OutDir, "");
    EXPECT_EQ(options.TickMs, 10U);
    EXPECT_EQ(options.Seed, DEFAULT_SEED);
    EXPECT_FALSE(options.Quiet);
    EXPECT_EQ(options.ProgramPath, "/opt/orvel/orvel-headless");
    EXPECT_TRUE(options.DeviceArgs.empty());
}

TEST(HeadlessOptions, EveryOptionAndTheDevicesOwnArguments)
{
    HeadlessOptions options;
    ASSERT_EQ(Parse({"--script", "demo.orvel", "--out", "shots", "--tick", "16", "--seed", "4242", "--quiet", "--panel",
                     "art", "--", "10", "--quiet"},
                    options),
              "");
    EXPECT_EQ(options.ScriptPath, "demo.orvel");
    EXPECT_EQ(options.OutDir, "shots");
    EXPECT_EQ(options.TickMs, 16U);
    EXPECT_EQ(options.Seed, 4242U);
    EXPECT_TRUE(options.Quiet);
    EXPECT_EQ(options.PanelDir, "art");
    EXPECT_EQ(options.DeviceArgs, (std::vector<std::string>{"10", "--quiet"}));  // after "--" all belong to the device
}

TEST(HeadlessOptions, MistakesAreNamed)
{
    EXPECT_EQ(ErrorOf({"--fast"}), "unknown argument '--fast'");
    EXPECT_EQ(ErrorOf({"lite"}), "unknown argument 'lite'");
    EXPECT_EQ(ErrorOf({"--out"}), "--out needs a value");
    EXPECT_EQ(ErrorOf({"--tick", "0"}), "--tick takes a number of milliseconds from 1, not '0'");
    EXPECT_EQ(ErrorOf({"--tick", "5ms"}), "--tick takes a number of milliseconds from 1, not '5ms'");
    EXPECT_EQ(ErrorOf({"--seed", "-1"}), "--seed takes a number, not '-1'");
    EXPECT_EQ(ErrorOf({"--seed", ""}), "--seed takes a number, not ''");
}
