// goto: any page of the catalogue by its name, the Nth of several of one name, an unknown name refused
// before the script runs.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "canvas/lcdcanvas.h"
#include "headless_fixture.h"
#include "support/golden.h"

namespace {

using Goto = HeadlessTest;

TEST_F(Goto, ShowsThePageOfThatNameAsAPageSwitchDoes)
{
    const struct {
        const char* Line;
        const char* Title;
        const char* FirstRow;  // of the page's first list, or null
    } cases[] = {
        {"goto PLAY OUT ROUTER", "PLAY OUT ROUTER", nullptr},
        {"goto INPUT CONFIGURE", "INPUT CONFIGURE", "INPUT TYPE   "},
        {"goto INPUT CONFIGURE #2  ", "INPUT CONFIGURE", "AES 1/2 "},
        {"goto CH1 SETUP", "CH1 SETUP", nullptr},
        {"goto SKYPOST", "SKYPOST", ""},
        {"goto ANALOG INPUTS", nullptr, nullptr},  // named by its corner text, which ends in blanks
    };
    Start();
    for (const auto& c : cases) {
        out.str("");
        ASSERT_EQ(Run(std::string(c.Line) + "\ninspect\n"), 0) << c.Line;
        const nlohmann::json state = nlohmann::json::parse(out.str());
        EXPECT_EQ(state["page"]["title"], c.Title ? nlohmann::json(c.Title) : nlohmann::json()) << c.Line;
        if (c.FirstRow) {
            EXPECT_EQ(state["controls"][1]["rows"][0]["text"], c.FirstRow) << c.Line;
        }
    }
}

// Four matrices side by side, two of them dealt by the track count.
TEST_F(Goto, PageWithoutAWayToItAsItShows)
{
    Start();
    ASSERT_EQ(Run("goto MP3 ROUTING\npress RIGHT\n"), 0);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "ui/pages/mp3_routing"));
}

}  // namespace
