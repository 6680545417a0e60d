#include "headless/scriptwrite.h"

#include <gtest/gtest.h>

#include <tuple>

#include "host/hostapp.h"
#include "uicore/uikeys.h"

namespace {

// As ParseScript leaves the fields a command does not use.
ScriptCommand Command(ScriptOp op)
{
    return {.Op = op, .Line = 1, .Mods = {}, .Key = {}, .X = 0, .Y = 0, .Ms = 0, .Zoom = 0, .MenuCommand = 0,
            .AnswerOk = true, .Text = {}, .Nth = 0};
}

ScriptCommand Key(ScriptOp op, ScriptKeyKind kind, std::int32_t code, KeyMods mods = {})
{
    ScriptCommand cmd = Command(op);
    cmd.Key = {kind, code};
    cmd.Mods = mods;
    return cmd;
}

ScriptCommand With(ScriptOp op, void (*fill)(ScriptCommand&))
{
    ScriptCommand cmd = Command(op);
    fill(cmd);
    return cmd;
}

auto Fields(const ScriptCommand& c)
{
    return std::tuple(c.Op, c.Mods.Ctrl, c.Mods.Shift, c.Mods.Alt, c.Key.Kind, c.Key.Code, c.X, c.Y, c.Ms, c.Zoom,
                      c.MenuCommand, c.AnswerOk, c.Text, c.Nth);
}

constexpr KeyMods Ctrl = {.Ctrl = true, .Shift = false, .Alt = false};
constexpr KeyMods All = {.Ctrl = true, .Shift = true, .Alt = true};
constexpr KeyMods ShiftCtrl = {.Ctrl = true, .Shift = true, .Alt = false};

}  // namespace

TEST(ScriptWrite, EveryCommandReadsBackAsItself)
{
    using enum ScriptOp;
    using enum ScriptKeyKind;
    std::vector<ScriptCommand> cases = {
        Key(Press, Pc, VK_F1), Key(Down, Pc, VK_F12, All), Key(Up, Pc, VK_CONTROL), Key(Press, Char, 'a'),
        Key(Press, Char, '+', Ctrl), Key(Down, Char, '#', Ctrl), Key(Press, Char, '~'), Key(Up, Panel, KEY_MENU, Ctrl),
        With(Type, [](ScriptCommand& c) { c.Text = "  #12 take  "; }),
        With(Click, [](ScriptCommand& c) { c.X = -5, c.Y = 700; }),
        With(MouseDown, [](ScriptCommand& c) { c.X = 10, c.Y = 20, c.Mods = ShiftCtrl; }),
        With(MouseUp, [](ScriptCommand& c) { c.X = 0, c.Y = 0, c.Mods = Ctrl; }),
        With(Move, [](ScriptCommand& c) { c.X = 931, c.Y = 197; }),
        With(Wait, [](ScriptCommand& c) { c.Ms = MAX_WAIT_MS; }), Command(SaveLcd),
        With(Shot, [](ScriptCommand& c) { c.Text = "a.png", c.Zoom = 1; }),
        With(Shot, [](ScriptCommand& c) { c.Text = "out/b.png", c.Zoom = 8; }),
        With(Answer, [](ScriptCommand& c) { c.AnswerOk = false; }), Command(Answer), Command(Inspect),
        With(Inspect, [](ScriptCommand& c) { c.Text = "state.json"; }),
        With(Goto, [](ScriptCommand& c) { c.Text = "CH# SETUP", c.Nth = 1; }),
        With(Goto, [](ScriptCommand& c) { c.Text = "INPUT CONFIGURE", c.Nth = 2; }),
        With(Goto, [](ScriptCommand& c) { c.Text = "CORNER  ", c.Nth = 1; }),  // its own trailing blanks
        With(Goto, [](ScriptCommand& c) { c.Text = "PAGE #5", c.Nth = 1; }),    // a name that looks numbered
    };
    for (const PanelRegion* r = PanelRegions.data(); r->Key >= 0; ++r)
        cases.push_back(Key(Press, Panel, r->Key));
    for (const int vk : {VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT, VK_RETURN, VK_ESCAPE, VK_BACK})
        cases.push_back(Key(Press, Pc, vk));
    for (const int item : {CMD_ORVEL_4, CMD_ORVEL_6, CMD_ORVEL_8, CMD_ORVEL_12, CMD_SAVE_LCD})
        cases.push_back(With(Menu, [](ScriptCommand&) {})), cases.back().MenuCommand = item;
    for (const ScriptCommand& cmd : cases) {
        const std::string line = ScriptCommandText(cmd);
        const ScriptParse parse = ParseScript(line);
        ASSERT_EQ(parse.Error, "") << line;
        ASSERT_EQ(parse.Commands.size(), 1U) << line;
        EXPECT_EQ(Fields(parse.Commands[0]), Fields(cmd)) << line;
    }
}

TEST(ScriptWrite, CommandsNoLineGivesHaveNone)
{
    using enum ScriptOp;
    using enum ScriptKeyKind;
    const ScriptCommand cases[] = {
        Key(Press, Char, ' '), Key(Down, Char, '#'), Key(Press, Char, '\t'), Key(Press, Panel, 99),
        Key(Press, Pc, 200), Command(Type), With(Type, [](ScriptCommand& c) { c.Text = "a\tb"; }),
        With(Shot, [](ScriptCommand& c) { c.Text = "a.png", c.Zoom = 9; }),
        With(Shot, [](ScriptCommand& c) { c.Text = "my shot.png", c.Zoom = 1; }), Command(Menu),
        With(Goto, [](ScriptCommand& c) { c.Text = "MAIN MENU", c.Nth = 0; }),
    };
    for (const ScriptCommand& cmd : cases)
        EXPECT_EQ(ScriptCommandText(cmd), "") << static_cast<int>(cmd.Op);
}
