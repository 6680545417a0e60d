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

TEST(HeadlessOptions, DefaultsReadStandardInputIntoTheCurrentFolderAndEveryOptionIsTaken)
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
}

TEST(HeadlessOptions, TheAtlasTakesItsFolderModelsAndOldAtlas)
{
    HeadlessOptions options;
    ASSERT_EQ(Parse({"--atlas", "out", "--models", "12,lite", "--compare", "old"}, options), "");
    EXPECT_EQ(std::tuple(options.AtlasDir, options.Models, options.CompareDir),
              std::tuple("out", std::vector<std::string>{"12", "lite"}, "old"));
}
