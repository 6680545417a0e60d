// "BUS ROUTING" and its pages worked from the keys: the chains BUS leads along on each model, where
// each matrix keeps its cells, the on/off columns, STAR, and two pictures.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "canvas/lcdcanvas.h"
#include "headless_fixture.h"
#include "orvel/orvel.h"
#include "orvel/orvelcells.h"
#include "support/golden.h"
#include "ui/pages/bus.h"

namespace {

using Json = nlohmann::json;

std::string Times(const std::string& step, std::size_t n)
{
    return n ? step + Times(step, n - 1) : "";
}

// A page by its title and first text: an untitled page's corner text, a mix page's heading.
std::string Shown(const Json& state)
{
    const std::string title = state["page"]["title"].is_null() ? "" : state["page"]["title"];
    for (const Json& control : state["controls"])
        if (control["type"] == "text")
            return (title.empty() ? "" : title + " ") + control["text"].get<std::string>();
    return title;
}

class Bus : public HeadlessTest {
protected:
    // "BUS ROUTING" at the row, on the model of the command line with the tracks of a "&Configure" item.
    Json AtRow(const char* args, int row, const char* tracks = "")
    {
        options.DeviceArgs = {args};
        Start();
        const std::string menu = *tracks ? std::string("menu ") + tracks + "\n" : "";
        return After(menu + "press BUS\n" + Times("press DOWN\n", row));
    }

    Json After(const std::string& steps)
    {
        out.str("");
        EXPECT_EQ(Run(steps + "inspect\n"), 0) << steps;
        return Json::parse(out.str());
    }
};

// Rows: those "BUS ROUTING" shows; Key chooses the row and leads on; Title: none for the bus assign pages,
// which name themselves in the corner; Pages: 2 for a model without digital inputs (a full one made so).
struct ChainCase { const char* Args; const char* Tracks; std::size_t Rows; int Row; const char* Key; const char* Title;
                   std::size_t Pages; };

const ChainCase ChainTbl[] = {
    {"12", "", 10, 0, "BUS", "", 3},                 {"L", "", 7, 0, "B", "", 2},
    {"12", "Orvel 4", 8, 7, "B", "CARD MIX 1-4", 3}, {"12", "Orvel 8", 9, 8, "BUS", "CARD MIX 5-8", 3},
    {"10", "", 10, 9, "BUS", "CARD MIX 9-10", 3},    {"12", "", 10, 9, "B", "CARD MIX 9-12", 2},
};
const char* const Corners[] = {"ANALOG INPUTS  ", "AUX INPUTS", "DIGITAL INPUTS "};
const char* const Headings[] = {"ANALOG INPUTS", "AUX INPUTS", "DIGITAL INPUTS"};

// The key chooses the row and leads along the chain; past its last page it returns to "BUS ROUTING",
// and HP climbs back the way it came.
TEST_F(Bus, ChainsLeadOnWithBusAndClimbBackWithHp)
{
    for (const ChainCase& chain : ChainTbl) {
        SCOPED_TRACE(std::string(chain.Title) + " on " + chain.Args);
        EXPECT_EQ(AtRow(chain.Args, chain.Row, chain.Tracks)["controls"][1]["rows"].size(), chain.Rows);
        Orvel.FeatDigital = chain.Pages == 3;
        std::vector<std::string> pages, seen;
        for (std::size_t i = 0; i < chain.Pages; ++i)
            pages.push_back(*chain.Title ? std::string(chain.Title) + " " + Headings[i] : Corners[i]);
        std::vector<std::string> expected = pages;
        expected.push_back("BUS ROUTING");
        expected.insert(expected.end(), pages.begin(), pages.end());
        expected.insert(expected.end(), pages.rbegin() + 1, pages.rend());
        expected.push_back("BUS ROUTING");
        const std::string key = std::string("press ") + chain.Key + "\n";
        for (std::size_t i = 0; i < expected.size(); ++i)
            seen.push_back(Shown(After(i <= chain.Pages * 2 ? key : "press HP\n")));
        EXPECT_EQ(seen, expected);
        EXPECT_EQ(UIGotoPage(&CardMix5to8Page) != 0, OrvelGetNTracks() > 4);
    }
}

// Forward: BUS presses after the row is chosen; Model: where the model keeps the first cell, if it does.
struct CellCase { const char* Args; int Row, Forward; const std::uint8_t* Model; };

const CellCase CellTbl[] = {
    {"12", 0, 0, &OutMix[0][0]},         {"12", 0, 1, &OutMixRet[0][0]},         {"12", 0, 2, &OutMixDig[0][0]},
    {"12", 1, 0, nullptr},               {"12", 2, 0, nullptr},                  {"12", 3, 0, nullptr},
    {"12", 4, 0, &CardTone[0]},          {"12", 5, 0, &CardSlate[0]},            {"12", 6, 0, &CardCom[0]},
    {"12", 7, 0, &CardMix1to4[0][0]},    {"12", 7, 1, &CardMix1to4Ret[0][0]},    {"12", 7, 2, &CardMix1to4Dig[0][0]},
    {"12", 8, 0, &CardMix5to8[0][0]},    {"12", 8, 1, &CardMix5to8Ret[0][0]},    {"12", 8, 2, &CardMix5to8Dig[0][0]},
    {"12", 9, 0, &CardMix9to12[0][0]},   {"12", 9, 1, &CardMix9to12Ret[0][0]},   {"10", 9, 2, &CardMix9to12Dig[0][0]},
};

// MENU sets the first cell of the page's first matrix where the page says; STAR toggles on the bus
// pages, not on the card enables (rows 4 to 6).
TEST_F(Bus, MatricesKeepTheirCellsWhereTheModelHasThemAndStarTogglesOnBusPages)
{
    for (const CellCase& cell : CellTbl) {
        SCOPED_TRACE(std::to_string(cell.Row) + " +" + std::to_string(cell.Forward) + " on " + cell.Args);
        AtRow(cell.Args, cell.Row);
        const Json state = After("press MENU\n" + Times("press BUS\n", cell.Forward) + "press MENU\n");
        EXPECT_EQ(state["controls"][state["focus"].get<int>()]["rows"][0]["cells"][0], "X");
        EXPECT_EQ(cell.Model ? *cell.Model : 1, 1);
        for (const int star : {1, 0}) {
            Run("press STAR\n");
            EXPECT_EQ(Orvel.StarFlag, cell.Row < 4 || cell.Row > 6 ? star : 0);
        }
    }
}

// Slate, com and tone are on or off; the returns take every routing value.
TEST_F(Bus, OnOffColumnsCycleThroughTwoValues)
{
    AtRow("12", 0);
    const Json state = After("press BUS\npress BUS\n" + Times("press MENU\npress MENU\npress RIGHT\n", 5));
    const Json& matrix = state["controls"][0];
    EXPECT_EQ(matrix["columns"], Json({"R3", "R4", "S", "C", "T"}));
    EXPECT_EQ(matrix["rows"][0]["cells"], Json({"/X", "/X", " ", " ", " "}));
}

// The digital bus assign: inputs 3 to 8 greyed, values with their bars. The card mix aux page: returns
// 3 and 4 greyed, and returns 1 and 2, greyed on the visit before, black again.
TEST_F(Bus, Pictures)
{
    AtRow("12", 0);
    OutMixDig[0][0] = 1, OutMixDig[1][1] = 2, OutMixDig[2][3] = 3, OutMixDig[5][7] = 4;
    UIGotoPage(&BusAssignDigitalPage);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "ui/pages/bus_assign_digital"));
    Orvel.IOConfig = 13;
    UIGotoPage(&CardMix1to4AuxPage);
    UIGoBack();
    Orvel.IOConfig = 7;
    CardMix1to4Ret[0][4] = 1, CardMix1to4Ret[3][7] = 2, CardMix1to4Ret[2][0] = 3;
    UIGotoPage(&CardMix1to4AuxPage);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "ui/pages/card_mix_aux"));
}

}  // namespace
