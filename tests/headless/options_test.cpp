#include "headless/options.h"

#include <gtest/gtest.h>

namespace {

std::string Parse(std::vector<const char*> args, HeadlessOptions& options)
{
    args.insert(args.begin(), "/opt/orvel/orvel-headless");
    return ParseOptions(static_cast<int>(args.size()), args.data(), options);
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
    const std::pair<std::vector<const char*>, std::string> cases[] = {
        {{"--fast"}, "unknown argument '--fast'"},
        {{"lite"}, "unknown argument 'lite'"},
        {{"--out"}, "--out needs a value"},
        {{"--tick", "0"}, "--tick takes a number of milliseconds from 1, not '0'"},
        {{"--tick", "5ms"}, "--tick takes a number of milliseconds from 1, not '5ms'"},
        {{"--seed", "-1"}, "--seed takes a number, not '-1'"},
        {{"--seed", ""}, "--seed takes a number, not ''"},
    };
    for (const auto& [args, error] : cases) {
        HeadlessOptions options;
        EXPECT_EQ(Parse(args, options), error);
    }
}
