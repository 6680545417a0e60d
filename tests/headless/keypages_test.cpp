// The time code chain and the channel pages, worked by their keys and read with the inspector.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "canvas/lcdcanvas.h"
#include "headless_fixture.h"
#include "orvel/orvel.h"
#include "support/golden.h"
#include "ui/pages/timecode.h"

namespace {

using Json = nlohmann::json;
using Keys = std::vector<std::string>;

class KeyPages : public HeadlessTest {
protected:
    // Presses the keys one after another (a digit or letter as typed), then reads the screen.
    Json After(const Keys& keys)
    {
        std::string script;
        for (const std::string& key : keys)
            script += "press " + key + "\nwait 50\n";
        out.str("");
        EXPECT_EQ(Run(script + "inspect\n"), 0);
        return Json::parse(out.str());
    }

    static Json Rows(const Json& state) { return state["controls"][1]["rows"]; }
};

// From the slate each of the three keys leads round the chain; every page climbs back to its parent.
TEST_F(KeyPages, TimeCodeKeysLeadRoundTheChain)
{
    const Json chain = Json::parse(R"([{"title": "TIME CODE", "parent": null},
        {"title": "ENTER TIME CODE", "parent": "TIME CODE"}, {"title": "TIME CODE SETUP", "parent": "ENTER TIME CODE"},
        {"title": "TIME CODE", "parent": null}])");
    Start();
    for (const char* key : {"TC", "T", "F1"}) {
        After({"T"});
        EXPECT_EQ(UICurrentPage, &SlatePage) << key;
        for (const Json& page : chain)
            EXPECT_EQ(After({key})["page"], page) << key;
        After({"ESC"});
    }
}

// JAM UB copies the reader's user bits to the generator's; each ENTER button puts its value into the
// field and edits it there, and an entered time code runs on from where it was set.
TEST_F(KeyPages, JamAndEnterWorkOnTheGeneratorValues)
{
    Start();
    Orvel.GenTc = 0x01020300;
    EXPECT_EQ(After({"T", "T", "DOWN", "DOWN", "ENTER"})["controls"][5]["value"], "66:77:88:99");
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "ui/pages/time_code_ub_jammed"));
    EXPECT_EQ(After({"T"})["controls"][1]["value"].get<std::string>().substr(0, 8), "01:02:03");
    EXPECT_EQ(After({"DOWN", "ENTER"})["editor"], Json::parse(R"({"kind": "userbits", "text": "66:77:88:99"})"));
    After({"ESC", "UP", "ENTER", "1", "2", "3", "4", "5", "6", "0", "0"});
    EXPECT_EQ(Orvel.GenTc >> 8, 0x123456U);
}

// "TYPE " and "PHANTOM " only on the analog channels, "CDScal " only on the factory's recorders and
// "PNL8 TRIM " only with the link; a channel key works the rows out again, the cursor kept within them.
TEST_F(KeyPages, ChannelSetupRowsFollowChannelAndModel)
{
    const struct { Keys Args; std::uint32_t Factory; const char *Key, *Title; std::size_t Rows; } cases[] = {
        {{}, 0, "6", "CH6 SETUP", 13}, {{}, 0, "7", "CH7 SETUP", 11}, {{}, 0, "0", "CH10 SETUP", 11},
        {{}, 1, "1", "CH1 SETUP", 14}, {{"L"}, 0, "1", "CH1 SETUP", 12}, {{"L"}, 0, "9", "CH9 SETUP", 10}};
    for (const auto& c : cases) {
        Stop();
        options.DeviceArgs = c.Args;
        Start();
        Orvel.FeatFactory = c.Factory;
        After({"S"});
        After(Keys(13, "DOWN"));  // to the last row
        const Json state = After({c.Key});
        EXPECT_EQ(state["page"]["title"], c.Title);
        ASSERT_EQ(Rows(state).size(), c.Rows) << c.Title;
        EXPECT_EQ(state["controls"][1]["cursor"], c.Rows - 1) << c.Title;
    }
}

// A channel key closes the open editor and opens it again on the same row with the new channel's value;
// a number editor takes the digit itself. The filters stay as they are whatever the channel.
TEST_F(KeyPages, ChannelKeysKeepTheEditorAndThePageValues)
{
    Start();
    Orvel.Setup.Channel[2].Trim = 9;
    EXPECT_EQ(After({"S", "DOWN", "ENTER", "RIGHT", "3"})["editor"], Json::parse(R"({"kind": "enum", "text": "MIC"})"));
    EXPECT_EQ(After({"1"})["editor"], Json::parse(R"({"kind": "enum", "text": "LINE"})"));
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "ui/pages/ch_setup_type_editor"));
    EXPECT_EQ(After({"ESC", "UP", "ENTER", "2", "ESC"})["page"]["title"], "CH1 SETUP") << "typed into TRIM";
    After(Keys(7, "DOWN"));  // to "HPF FREQ "
    const Json state = After({"ENTER", "RIGHT", "ENTER", "3"});
    EXPECT_EQ(Rows(state)[0]["value"], "9dB");
    EXPECT_EQ(Rows(state)[7], Json::parse(R"({"text": "HPF FREQ ", "value": "101Hz", "opens": null})"));
}

}  // namespace
