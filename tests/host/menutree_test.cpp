// Every page of the menu tree on every model, as the inspector reads it: how many rows each list
// shows, how the track matrices are dealt, and which page each one climbs back to.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <nlohmann/json.hpp>
#include <string>

#include "host/uistate.h"
#include "ui/home_fixture.h"
#include "ui/catalogue.h"
#include "ui/uipages.h"
#include "uicore/uipagekit.h"
#include "uicore/uimatrix.h"
#include "uicore/uisetting.h"

namespace {

using Json = nlohmann::json;

// The models by their command line, the tracks set as the "Orvel 4" to "Orvel 12" menu items do.
struct Model {
    const char* Arg;
    std::uint8_t Tracks;
};
constexpr Model Models[] = {{"12", 4}, {"12", 6}, {"12", 8}, {"10", 10}, {"12", 12}, {"L", 10}};

// The lists ("L" and the rows shown) and matrices ("M" and the cells of each row) of a page.
std::string Shape(const Json& page)
{
    std::string shape;
    for (const Json& control : page["controls"]) {
        std::string part;
        if (control["type"] == "list") {
            part = "L" + std::to_string(control["rows"].size());
        } else if (control["type"] == "matrix") {
            for (const Json& row : control["rows"])
                part += (part.empty() ? "M" : "+") + std::to_string(row["cells"].size());
        }
        if (!part.empty())
            shape += (shape.empty() ? "" : " ") + part;
    }
    return shape;
}

// The shape on the six models in the order above; a single entry holds for all of them. Pages that
// share a title are told apart by their shapes, "|" between them.
struct Expected {
    const char* Parent;
    std::vector<std::string> Shapes;
};

const std::map<std::string, Expected> Tree = {
    {"MAIN MENU", {nullptr, {"L12", "L12", "L12", "L12", "L12", "L11"}}},
    {"META DATA", {"MAIN MENU", {"L1"}}},
    {"PLAYBACK CONTROL", {"MAIN MENU", {"L2"}}},
    {"RECORD ENABLES", {"MAIN MENU", {"M4 M4", "M6 M6", "M8 M8", "M8+2 M8+2", "M8+4 M8+4", "M8+2 M8+2"}}},
    {"RECORD ROUTING", {"MAIN MENU", {"L10"}}},
    {"MIRROR ENABLES", {"MAIN MENU", {"M4", "M6", "M8", "M8+2", "M8+4", "M8+2"}}},
    {"MY ORVEL", {"MAIN MENU", {"L5 L2", "L5 L2", "L5 L2", "L5 L2", "L5 L2", "L4 L2"}}},
    {"FADER ASSIGN", {"MAIN MENU", {"M8+8+8+8+8+8"}}},
    {"EXT FADERS", {"MAIN MENU", {"L8"}}},
    {"MEMORY", {"MAIN MENU", {"L10"}}},
    {"ABOUT ORVEL", {"MAIN MENU", {"L8", "L8", "L8", "L8", "L8", "L7"}}},
    {"MODE", {"MAIN MENU", {"L21", "L21", "L21", "L21", "L21", "L18"}}},
    {"AUTO-MIXER SETUP", {"MAIN MENU", {"L7"}}},
    {"SAMPLE RATE", {"MODE", {"L1 M4", "L1 M6", "L1 M8", "L1 M8+2", "L1 M8+4", "L1 M8+2"}}},
    {"AUTO-MIX ENABLES", {"AUTO-MIXER SETUP", {"M6+4 M6|M6+4+8 M6"}}},
    {"KAVLIN SETUP", {"MAIN MENU", {"L16"}}},
    {"INPUT CONFIGURE", {"MODE", {"L1"}}},
    {"RX CHANNEL SETUP", {"KAVLIN SETUP", {"L6"}}},
    {"BURN KAVLIN SW", {"KAVLIN SETUP", {""}}},
    {"IFB DEBUG", {"KAVLIN SETUP", {""}}},
    {"ENG SETUP", {"MAIN MENU", {"L22", "L22", "L22", "L22", "L22", "L21"}}},
    {"PRIMARY CF", {"MY ORVEL", {"L6"}}},
    {"MIRROR", {"MY ORVEL", {"L10"}}},
    {"STORE MEMORY", {"MEMORY", {""}}},
    {"CLEAR FADERS", {"MEMORY", {""}}},
    {"RECALL MEMORY", {"MEMORY", {""}}},
    {"FACTORY RESET", {"MEMORY", {""}}},
    {"STORE TO MIR", {"MEMORY", {""}}},
    {"RECALL FROM MIR", {"MEMORY", {""}}},
    {"PRIMARY FOLDER", {"PRIMARY CF", {"L50"}}},
    {"DELETE LAST SEG", {"PRIMARY CF", {""}}},
    {"ERASE FOLDER", {"PRIMARY CF", {""}}},
    {"ERASE PRIMARY", {"PRIMARY CF", {""}}},
    {"ISO ATTEN ENABLE", {"PRIMARY CF", {"M4", "M6", "M8", "M8+2", "M8+4", "M8+2"}}},
    {"FOLDER TO MIRROR", {"MIRROR", {"L50"}}},
    {"MIRROR OPTIONS", {"MIRROR", {"L1"}}},
    {"ERASE MIRROR", {"MIRROR", {""}}},
    {"SET TIME DATE", {"ENG SETUP", {"L3 L3"}}},
    {"COMPRESSOR ENABLE", {"ENG SETUP", {"M4 M8", "M6 M8", "M8 M8", "M8+2 M8", "M8+4 M8", "M8+2 M8"}}},
    {"INPUT COMPRESSOR", {"ENG SETUP", {"L4"}}},
    {"OUTPUT COMPRESSOR", {"ENG SETUP", {"L5"}}},
    {"CARD COMPRESSOR", {"ENG SETUP", {"L5"}}},
    {"MON MEM NAMES", {"ENG SETUP", {"L12"}}},
    {"EDIT TRACK NAMES", {"ENG SETUP", {"L4", "L6", "L8", "L10", "L12", "L10"}}},
    {"EDIT TRACK PRESET", {"ENG SETUP", {"L20"}}},
    {"EDIT NOTE PRESET", {"ENG SETUP", {"L20"}}},
    {"WARNINGS SETUP", {"ENG SETUP", {"L8"}}},
    {"INPUT LEVELS", {"ENG SETUP", {"L15", "L15", "L15", "L15", "L15", "L7"}}},
    {"OUTPUT LEVELS", {"ENG SETUP", {"L12"}}},
    {"ADVANCED SETUP", {"ENG SETUP", {"L14", "L14", "L14", "L14", "L14", "L13"}}},
    {"BURN BOOT LOADER", {"ADVANCED SETUP", {""}}},
    {"FACTORY SETUP", {"ADVANCED SETUP", {"L13"}}},
    {"USB STATUS", {"ADVANCED SETUP", {""}}},
    {"LOG SCREEN", {"ADVANCED SETUP", {""}}},
};

// A list's cursor to its last row and every value one up; a matrix's cursor to its last cell and
// its first cell set.
void ChangeEverything(UIControl* control)
{
    if (control->Handler == UIMenuListHandler) {
        auto* list = reinterpret_cast<UIStaticList*>(control);
        UIListSetIndex(&list->List, UIStaticListCount(list) - 1);
        for (std::uint32_t i = 0; i < list->NItems; ++i)
            if (void* setting = list->Items[i].Setting; setting && MsgQuery(setting, MSG_IS_EDITABLE, 1))
                MsgQuery(setting, MSG_VALUE_SET, UISettingValue(setting) + 1);
    } else if (MsgQuery(control, MSG_CONTROL_KIND, UI_CTRL_KIND_UNKNOWN) == UI_CTRL_KIND_MATRIX) {
        auto* matrix = reinterpret_cast<UIMatrix*>(control);
        UIMatrixCell cell = {.Row = 0, .Col = 0, .Value = 1, .Menu = matrix->Menu, .Color = 0};
        MsgSendParam(matrix->Setting, MSG_CELL_SET, MsgParamOf(&cell));
        UIMatrixSetCursor(matrix, -1, -1);
    }
}

class MenuTree : public HomeTest, public testing::WithParamInterface<std::size_t> {
protected:
    static void Visit(UIPage* page, UIPage*, void* seen)
    {
        UIGotoPage(page);
        static_cast<std::vector<Json>*>(seen)->push_back(Json::parse(InspectState()));
    }
};

TEST_P(MenuTree, EveryPageShowsItsRowsAndMatricesForTheModel)
{
    const std::size_t m = GetParam();
    const char* argv[] = {"orvel-sim", Models[m].Arg};
    OrvelPowerOn(2, argv, "orvel-sim");
    OrvelSetNTracks(Models[m].Tracks);
    StartUserInterface();
    std::vector<Json> pages;
    UIWalkPages(&MainMenuPage, Visit, &pages);
    std::set<std::string> seen;
    for (const Json& page : pages) {
        const std::string title = page["page"]["title"];
        seen.insert(title);
        const auto expected = Tree.find(title);
        ASSERT_NE(expected, Tree.end()) << title;
        const std::vector<std::string>& shapes = expected->second.Shapes;
        const std::string shape = shapes.size() == 1 ? shapes[0] : shapes.at(m);
        EXPECT_NE(("|" + shape + "|").find("|" + Shape(page) + "|"), std::string::npos) << title << ": " << Shape(page);
        EXPECT_EQ(page["page"]["parent"], expected->second.Parent ? Json(expected->second.Parent) : Json()) << title;
    }
    EXPECT_EQ(seen.size(), Tree.size()) << "every page of the tree is reached";
}

// The reduced model records through routing instead of enables and has no auto-mixer and no link.
TEST_P(MenuTree, TheMainMenuOffersThePagesOfTheModel)
{
    const std::size_t m = GetParam();
    const char* argv[] = {"orvel-sim", Models[m].Arg};
    OrvelPowerOn(2, argv, "orvel-sim");
    StartUserInterface();
    UIGotoPage(&MainMenuPage);
    const Json menu = Json::parse(InspectState());
    std::string rows;
    for (const Json& row : menu["controls"][1]["rows"])
        rows += row["text"].get<std::string>() + ";";
    const bool lite = Models[m].Arg[0] == 'L';
    for (const char* full : {"RECORD ENABLES;", "AUTO-MIXER;", "KAVLIN SETUP;"})
        EXPECT_EQ(rows.find(full) != std::string::npos, !lite) << full;
    for (const char* reduced : {"RECORD ROUTING;", "MIRROR ENABLES;"})
        EXPECT_EQ(rows.find(reduced) != std::string::npos, lite) << reduced;
}

// Every value row and list cursor of every page changed, then the recorder started again: every page
// shows as after the first start, so no record that changes was left out of the power-on.
TEST_P(MenuTree, PowerOnPutsEveryPageBack)
{
    const char* argv[] = {"orvel-sim", Models[GetParam()].Arg};
    const auto everyPage = [&argv] {
        OrvelPowerOn(2, argv, "orvel-sim");
        StartUserInterface();
        std::vector<Json> pages;
        CatalogueWalk(Visit, &pages);
        return pages;
    };
    const std::vector<Json> fresh = everyPage();
    CatalogueWalk([](UIPage* page, UIPage*, void*) {
        UIGotoPage(page);
        for (std::int32_t c = 0; c < page->NControls && UICurrentPage == page; ++c)  // not a page that refused
            ChangeEverything(page->Controls[c]);
    }, nullptr);
    const std::vector<Json> again = everyPage();
    ASSERT_EQ(again.size(), fresh.size());
    for (std::size_t i = 0; i < fresh.size(); ++i)
        EXPECT_EQ(again[i], fresh[i]) << fresh[i]["page"]["title"];
}

INSTANTIATE_TEST_SUITE_P(Models, MenuTree, testing::Range<std::size_t>(0, std::size(Models)));

}  // namespace
