#include "headless/script.h"

#include <gtest/gtest.h>

#include <tuple>

#include "host/hostapp.h"
#include "uicore/uikeys.h"

namespace {

ScriptCommand Only(const std::string& text)
{
    const ScriptParse parse = ParseScript(text);
    EXPECT_EQ(parse.Error, "");
    EXPECT_EQ(parse.Commands.size(), 1U) << text;
    return parse.Commands.empty() ? ScriptCommand{} : parse.Commands[0];
}

}  // namespace

TEST(Script, KeysArePanelLabelsPcKeysOrOneCharacterWithModifiers)
{
    using enum ScriptKeyKind;
    const struct {
        const char* Line;
        ScriptKeyKind Kind;
        std::int32_t Code;
        bool Ctrl = false, Alt = false, Shift = false;
    } cases[] = {
        {"press a-mix", Panel, KEY_AMIX},  // names in any case
        {"press F1", Pc, VK_F1}, {"press f12", Pc, VK_F12}, {"press DOWN", Pc, VK_DOWN}, {"press Left", Pc, VK_LEFT},
        {"press RIGHT", Pc, VK_RIGHT}, {"press ENTER", Pc, VK_RETURN}, {"press ESC", Pc, VK_ESCAPE},
        {"press BACKSPACE", Pc, VK_BACK}, {"up CTRL", Pc, VK_CONTROL},
        {"press a", Char, 'a'}, {"press A", Char, 'A'}, {"press >", Char, '>'}, {"press F", Char, 'F'},
        {"press CTRL+R", Char, 'R', true}, {"press ctrl+alt+shift+F5", Pc, VK_F1 + 4, true, true, true},
        {"down ALT+1", Char, '1', false, true}, {"press SHIFT+MENU", Panel, KEY_MENU, false, false, true},
        {"press CTRL++", Char, '+', true},  // the last '+' is the key
    };
    for (const auto& c : cases) {
        const ScriptCommand command = Only(c.Line);
        EXPECT_EQ(command.Key.Kind, c.Kind) << c.Line;
        EXPECT_EQ(command.Key.Code, c.Code) << c.Line;
        EXPECT_EQ(std::tuple(command.Mods.Ctrl, command.Mods.Alt, command.Mods.Shift), std::tuple(c.Ctrl, c.Alt, c.Shift))
            << c.Line;
    }
    for (const PanelRegion* r = PanelRegions.data(); r->Key >= 0; ++r)
        EXPECT_EQ(Only(std::string("press ") + r->Label).Key.Code, r->Key) << r->Label;
    const ScriptCommand click = Only("SHIFT+CTRL+mousedown 10 20");
    EXPECT_EQ(click.Op, ScriptOp::MouseDown);
    EXPECT_TRUE(click.Mods.Ctrl && click.Mods.Shift && !click.Mods.Alt);
    EXPECT_EQ(std::pair(click.X, click.Y), std::pair(10, 20));
}

TEST(Script, CommentsAndBlankLinesCountAsLinesButRunNothing)
{
    const ScriptParse parse =
        ParseScript("# the home screen\n\n   \t\n  wait 100   # settle\ntype #12 take  \r\nPRESS menu\r\nshot a.png");
    ASSERT_EQ(parse.Error, "");
    ASSERT_EQ(parse.Commands.size(), 4U);
    EXPECT_EQ(parse.Commands[0].Line, 4);
    EXPECT_EQ(parse.Commands[0].Ms, 100U);
    EXPECT_EQ(parse.Commands[1].Text, "#12 take  ");  // typed text is the rest of the line as written
    EXPECT_EQ(parse.Commands[2].Line, 6);
    EXPECT_EQ(parse.Commands[2].Key.Code, static_cast<std::int32_t>(KEY_MENU));
    EXPECT_EQ(parse.Commands[3].Text, "a.png");  // the last line needs no line end
    EXPECT_TRUE(ParseScript("").Commands.empty());
    EXPECT_EQ(ParseScript("").ErrorLine, 0);
}
