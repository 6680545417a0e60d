// The headphone routing pages worked from the keys: the memory stepped to, the page that shows it,
// the values a cell offers, when HP goes back, and how the pages follow the model.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "canvas/lcdcanvas.h"
#include "headless_fixture.h"
#include "orvel/orvel.h"
#include "support/golden.h"

namespace {

using Json = nlohmann::json;
using Headphones = HeadlessTest;

// Each matrix row's title and cell count, then the texts' values: the memory's name.
std::string Shown(const Json& state)
{
    std::string shown;
    for (const Json& control : state["controls"]) {
        for (const Json& row : control.value("rows", Json::array()))
            shown += row["title"].get<std::string>() + std::to_string(row["cells"].size()) + " ";
        shown += control["value"].is_string() ? control["value"].get<std::string>() : "";
    }
    return shown;
}

const std::string Routing = "CRD10 OUT6 RET4 CRD10 OUT6 RET4 KLIN6 E1 HP ", Tracks = "8 4 8 4 E1 HP ";
const std::string To11 = "type >>>>>>>>>>\n", AllValuesHeld = "down HP\npress MENU\npress MENU\nup HP\n";

TEST_F(Headphones, KeysStepMemoriesSwitchPagesAndFollowTheModel)
{
    // FirstCell: of the first matrix, null on the home page.
    const struct { const char* Model; std::string Keys; int Index; const char* FirstCell; std::string Shown;
                   const char* Golden = nullptr; } cases[] = {
        {"12", "type >>", 2, " ", Routing + "3"},
        {"12", "type <", 13, " ", Tracks + "14"},
        {"12", "press HP", 1, " ", Routing + "2"},  // released early
        {"12", To11, 10, " ", Tracks + "11"},
        {"12", To11 + "type <", 9, " ", Routing + "10"},
        {"12", To11 + "press HP", 11, " ", Tracks + "12"},
        {"12", "press ALT+H", 0, nullptr, ""},
        {"12", "down HP\nwait 600\nup HP", 0, nullptr, ""},
        {"12", "press MENU\npress MENU", 0, " ", Routing + "1"},  // on and off again: two values
        {"12", "press MENU\npress RIGHT\n" + AllValuesHeld, 0, "X", Routing + "1", "ui/pages/headphones_routing"},
        {"12", To11 + "press RIGHT\npress MENU\npress LEFT\n" + AllValuesHeld, 10, "/X", Tracks + "11",
         "ui/pages/headphones_card_tracks"},
        {"12", "down HP\npress MENU\nwait 600\nup HP", 0, "X", Routing + "1"},  // HP as a shift does not go back
        {"L", "", 0, " ", "CRD10 OUT6 RET4 CRD10 OUT6 RET4 E1 HP 1"},
        {"10", To11, 10, " ", "8 2 8 2 E1 HP 11"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Model + (" " + c.Keys));
        options.DeviceArgs = {c.Model};
        Stop();
        out.str("");
        Start();
        ASSERT_EQ(Run("press H\n" + c.Keys + "\nwait 20\ninspect\n"), 0);
        const Json state = Json::parse(out.str());
        EXPECT_EQ(Orvel.HphMon.Index, c.Index);
        EXPECT_EQ(Shown(state), c.Shown);
        if (c.FirstCell) {
            EXPECT_EQ(state["controls"][0]["rows"][0]["cells"][0], c.FirstCell);
        }
        if (c.Golden) {
            EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, c.Golden));
        }
    }
}

}  // namespace
