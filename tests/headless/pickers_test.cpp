// The preset pickers worked by the keys: PFL on a track name or on the note opens the presets, and
// the chosen one lands in that track or in the note.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "headless_fixture.h"

namespace {

using Pickers = HeadlessTest;

TEST_F(Pickers, PresetsLandInTheTrackOrTheNoteTheyWereOpenedFor)
{
    const struct {
        const char* Keys;
        const char* Page;
        int Control;   // the list or field that shows the result
        const char* Key;  // where in it: the third row's text, or the field's value
        const char* Shown;
    } cases[] = {
        {"press F10\npress DOWN\npress DOWN\npress PFL\npress DOWN\npress ENTER\n", "EDIT TRACK NAMES", 1, "row", " 3: Mix-L"},
        {"press F2\npress DOWN\npress DOWN\npress DOWN\npress PFL\npress DOWN\npress DOWN\npress ENTER\n", "META DATA", 7,
         "value", "Circle Take"},
    };
    Start();
    for (const auto& c : cases) {
        out.str("");
        ASSERT_EQ(Run(std::string(c.Keys) + "wait 50\ninspect\n"), 0);
        const nlohmann::json state = nlohmann::json::parse(out.str());
        EXPECT_EQ(state["page"]["title"], c.Page);
        const nlohmann::json& control = state["controls"][c.Control];
        EXPECT_EQ(std::string(c.Key) == "row" ? control["rows"][2]["text"] : control["value"], c.Shown) << c.Page;
    }
}

}  // namespace
