#include "headless/options.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

std::string Parse(std::vector<const char*> args, HeadlessOptions& options)
{
    args.insert(args.begin(), "/opt/orvel/orvel-headless");
    return ParseOptions(static_cast<int>(args.size()), args.data(), options);
}

auto Fields(const HeadlessOptions& o)
{
    return std::tuple(o.ScriptPath, o.OutDir, o.TickMs, o.Seed, o.Quiet, o.PanelDir, o.DeviceArgs);
}

}  // namespace

TEST(HeadlessOptions, DefaultsReadStandardInputIntoTheCurrentFolderEveryOptionIsTakenAndMistakesNamed)
{
    HeadlessOptions options;
    ASSERT_EQ(Parse({}, options), "");
    EXPECT_EQ(options.ProgramPath, "/opt/orvel/orvel-headless");
    EXPECT_EQ(Fields(options), Fields({.ScriptPath = "-", .OutDir = "", .TickMs = 10, .Seed = DEFAULT_SEED,
                                       .Quiet = false, .PanelDir = "", .DeviceArgs = {}}));
    ASSERT_EQ(Parse({"--script", "demo.orvel", "--out", "shots", "--tick", "16", "--seed", "4242", "--quiet", "--panel",
                     "art", "--", "10", "--quiet"},
                    options),
              "");
    // after "--" all belong to the device
    EXPECT_EQ(Fields(options), Fields({.ScriptPath = "demo.orvel", .OutDir = "shots", .TickMs = 16, .Seed = 4242,
                                       .Quiet = true, .PanelDir = "art", .DeviceArgs = {"10", "--quiet"}}));
    const std::pair<std::vector<const char*>, std::string> mistakes[] = {
        {{"--fast"}, "unknown argument '--fast'"}, {{"lite"}, "unknown argument 'lite'"},
        {{"--out"}, "--out needs a value"}, {{"--tick", "0"}, "--tick takes a number of milliseconds from 1, not '0'"},
        {{"--tick", "5ms"}, "--tick takes a number of milliseconds from 1, not '5ms'"},
        {{"--seed", "-1"}, "--seed takes a number, not '-1'"}, {{"--seed", ""}, "--seed takes a number, not ''"},
    };
    for (const auto& [args, error] : mistakes)
        EXPECT_EQ(Parse(args, options), error);
}

TEST(HeadlessOptions, TheAtlasTakesItsFolderModelsAndOldAtlasAndRefusesWhatDoesNotGoWithIt)
{
    HeadlessOptions options;
    ASSERT_EQ(Parse({"--atlas", "out", "--models", "12,lite", "--compare", "old"}, options), "");
    EXPECT_EQ(std::tuple(options.AtlasDir, options.Models, options.CompareDir),
              std::tuple("out", std::vector<std::string>{"12", "lite"}, "old"));
    const std::pair<std::vector<const char*>, std::string> mistakes[] = {
        {{"--models", "all"}, "--models needs --atlas"},
        {{"--compare", "old"}, "--compare needs --atlas"},
        {{"--atlas", "out", "--models", "12,"}, "--models takes all or model ids parted by commas, not '12,'"},
        {{"--atlas", "out", "--models", "all", "--", "10"}, "--models takes no device args: each model has its own"},
    };
    for (const auto& [args, error] : mistakes) {
        HeadlessOptions fresh;
        EXPECT_EQ(Parse(args, fresh), error);
    }
}
