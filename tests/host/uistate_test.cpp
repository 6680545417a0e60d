// The inspector reports what the screen shows: a page built here of every control kind, the open
// editors, and the recorder's own home screen and model.
#include "host/uistate.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "common/format.h"
#include "orvel/orvelpages.h"
#include "ui/home_fixture.h"
#include "uicore/stored_setting.h"
#include "uicore/uicontrols.h"
#include "uicore/uieditors.h"
#include "uicore/uilist.h"
#include "uicore/uimatrix.h"
#include "uicore/uipagekit.h"
#include "uicore/uitextedit.h"

namespace {

using Json = nlohmann::json;
using Inspector = HomeTest;

Json Inspect()
{
    return Json::parse(InspectState());
}

std::uint32_t Answer(Message* msg, MsgParam value)
{
    msg->Param = value;
    return 1;
}

std::uint32_t Hidden(void*, Message* msg)
{
    return msg->Id == MSG_IS_VISIBLE ? Answer(msg, 0) : 0;
}

std::uint32_t ChannelTitle(void* self, Message* msg)
{
    if (msg->Id == MSG_TEXT_GET)
        return FormatText(MsgParamPtr<char>(msg), MAX_UI_TEXT, "CH%d SETUP", 3) > 0;
    return UITitleHandler(self, msg);
}

std::uint32_t TwoRows(void* self, Message* msg)
{
    if (msg->Id == MSG_LIST_COUNT)
        return Answer(msg, 2);
    if (msg->Id == MSG_LIST_ROW_TEXT) {
        auto* row = MsgParamPtr<UIListRowText>(msg);
        return FormatText(row->Text, MAX_UI_TEXT, "TAKE %u", row->Index + 1) > 0;
    }
    return UIListHandler(self, msg);
}

// Cell (row, col) holds 5 * row + col: 0 and 1 in the first row, 5 (past the menu) in the second.
std::uint32_t Cells(void*, Message* msg)
{
    if (msg->Id != MSG_CELL_GET)
        return 0;
    auto* cell = MsgParamPtr<UIMatrixCell>(msg);
    cell->Value = 5U * cell->Row + cell->Col;
    return 1;
}

constexpr UIMenuItem OnOffItems[] = {{"OFF"}, {"ON"}};
constexpr UIMenu OnOff = {.NItems = 2, .Items = OnOffItems};
constexpr UIMenuItem RouteItems[] = {{"-"}, {"L"}, {"/R"}};
constexpr UIMenu Routes = {.NItems = 3, .Items = RouteItems};

}  // namespace

TEST_F(Inspector, HandBuiltPageIsReportedAsDrawn)
{
    UITitle targetTitle = {.Control = {.Handler = UITitleHandler}, .Text = "TARGET"};
    UIControl* targetControls[] = {&targetTitle.Control};
    UIPage target = {.Handler = UINullHandler, .ControlIndex = -1, .NControls = 1, .Controls = targetControls};
    StoredSetting mode = StoredEnum(&OnOff, 1), gain = StoredNumber("__", 12, 0, 99);
    StoredSetting tc = StoredTimecode(UITimecodeFromHMSF(1, 2, 3, 4));
    UIStaticListItem items[] = {{.Text = "MODE ", .Setting = &mode}, {.Handler = Hidden, .Text = "HIDDEN"},
                                {.Text = "MORE", .Page = &target}, {.Text = "ABOUT"}};
    UITitle title = {.Control = {.Handler = ChannelTitle}, .Text = "CH# SETUP"};
    UIText text = {.Control = {.Handler = UITextHandler, .X = 4, .Y = 20}, .Text = "GAIN", .Setting = &gain};
    UIButton hidden = {.Control = {.Handler = Hidden, .Flags = UI_CTRL_FLAG_ASKVISIBLE}, .Text = "NO"};
    UITimecodeField clock = {.Control = {.Handler = UITimecodeFieldHandler, .Y = 40}, .Text = "TC", .Setting = &tc};
    UIStaticList menu = {.List = {.Control = {.Handler = UIMenuListHandler, .Flags = UI_CTRL_FLAG_FOCUS, .Y = 60},
                                  .NRows = 2, .Index = 2, .Top = 1}, .NItems = 4, .Items = items};
    UIList takes = {.Control = {.Handler = TwoRows, .Y = 100}, .NRows = 1, .Index = 1, .Top = 1};
    MsgTarget cells = {Cells};
    UIMatrix matrix = {.Control = {.Handler = UIMatrixHandler, .Y = 120}, .Setting = &cells, .NCols = 2,
                       .NRows = 2, .ColsPerRow = {2, 1}, .RowTitles = {"A", "B"}, .ColTitles = {"1"}, .Menu = &Routes,
                       .RowIndex = 1};
    UIControl* controls[] = {&title.Control, &text.Control, &hidden.Control, &clock.Control, &menu.List.Control,
                             &takes.Control, &matrix.Control};
    UIPage page = {.Handler = UINullHandler, .Parent = &target, .ControlIndex = 4, .NControls = 7, .Controls = controls};
    UIGotoPage(&page);

    const Json state = Inspect();
    EXPECT_EQ(state["page"], Json::parse(R"({"title": "CH3 SETUP", "parent": "TARGET"})"));
    EXPECT_EQ(state["focus"], 3);  // the hidden button is not counted
    EXPECT_EQ(state["controls"], Json::parse(R"([
        {"type": "title", "x": 0, "y": 0, "text": "CH3 SETUP", "value": null},
        {"type": "text", "x": 4, "y": 20, "text": "GAIN", "value": "12"},
        {"type": "timecode", "x": 0, "y": 40, "text": "TC", "value": "01:02:03:04"},
        {"type": "list", "x": 0, "y": 60, "text": null, "value": null, "cursor": 2, "top": 1, "rows": [
            {"text": "MODE ", "value": "ON", "opens": null},
            {"text": "MORE", "value": null, "opens": "TARGET"},
            {"text": "ABOUT", "value": null, "opens": null}]},
        {"type": "list", "x": 0, "y": 100, "text": null, "value": null, "cursor": 1, "top": 1, "rows": [
            {"text": "TAKE 1", "value": null, "opens": null}, {"text": "TAKE 2", "value": null, "opens": null}]},
        {"type": "matrix", "x": 0, "y": 120, "text": null, "value": null, "cursor": [1, 0], "columns": ["1", ""],
         "rows": [{"title": "A", "cells": ["-", "L"]}, {"title": "B", "cells": ["/R"]}]}])"));
}

// What each editor shows, as opened over a row and after a digit is typed into it.
TEST_F(Inspector, OpenEditorShowsItsKindAndText)
{
    StoredSetting ratio = StoredNumber("__._:1", 125, 0, 999, nullptr, 10, "%d.%01d:1");
    StoredSetting mode = StoredEnum(&OnOff, 1);
    StoredSetting tc = StoredTimecode(UITimecodeFromHMSF(1, 2, 3, 4));
    StoredSetting bits = StoredTimecode(0x12AB34CD, UIUserBitsSettingHandler);
    const struct {
        UIEditor* Editor;
        StoredSetting* Setting;
        const char* Typed;
        Json Expected;
    } cases[] = {
        {&UINumberStepEditor.Editor, &ratio, "", {{"kind", "number"}, {"text", "12.5:1"}}},
        {&UINumberEditor.Editor, &ratio, "3", {{"kind", "template"}, {"text", "  .3:1"}}},
        {&UIEnumEditor, &mode, "", {{"kind", "enum"}, {"text", "ON"}}},
        {&UITimecodeEditor.Editor, &tc, "9", {{"kind", "timecode"}, {"text", "91:02:03:04"}}},
        {&UIUserBitsEditor.Editor, &bits, "", {{"kind", "userbits"}, {"text", "12:AB:34:CD"}}},
    };
    EXPECT_EQ(Inspect()["editor"], nullptr);
    for (const auto& c : cases) {
        UIEditorOpen(c.Editor, c.Setting, 0, 0);
        Type(c.Typed);
        EXPECT_EQ(Inspect()["editor"], c.Expected);
        UIEditorClose();
    }
    char name[6] = "AB";
    UITextEditBuffer(name, sizeof(name));
    EXPECT_EQ(Inspect()["editor"], Json::parse(R"({"kind": "text", "text": "AB   "})"));
}

// The recorder as powered on: the home screen has no title and no controls; the model follows the
// command line; the confirmation pages are titled.
TEST_F(Inspector, HomeScreenAndModel)
{
    const Json home = Inspect();
    EXPECT_EQ(home["time"], TimeNow());
    EXPECT_EQ(home["page"]["title"], nullptr);
    EXPECT_EQ(home["controls"], Json::array());
    EXPECT_EQ(home["model"], Json::parse(R"({"tracks": 12, "lite": false, "features": {"FeatKavlin": true,
        "FeatDigital": true, "FeatMirror": true, "FeatMp3": true, "FeatLite": false, "FeatFactory": false}})"));
    const char* argv[] = {"orvel-sim", "lite"};
    OrvelPowerOn(2, argv, "orvel-sim");
    UIGotoPage(&FactoryResetPage);
    const Json lite = Inspect();
    EXPECT_EQ(lite["model"]["tracks"], 10);
    EXPECT_EQ(lite["model"]["lite"], true);
    EXPECT_EQ(lite["model"]["features"]["FeatMirror"], false);
    EXPECT_EQ(lite["page"]["title"], "FACTORY RESET");
}
