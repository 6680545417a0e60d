#include "headless/soakevents.h"

#include <algorithm>
#include <iterator>
#include <numeric>

#include "host/hostapp.h"

namespace {

constexpr KeyMods NoMods = {.Ctrl = false, .Shift = false, .Alt = false};
constexpr KeyMods CtrlMods = {.Ctrl = true, .Shift = false, .Alt = false};
constexpr KeyMods ShiftCtrlMods = {.Ctrl = true, .Shift = true, .Alt = false};

constexpr int PcKeyTbl[] = {VK_RETURN, VK_ESCAPE, VK_BACK, VK_F1,     VK_F1 + 1, VK_F1 + 2, VK_F1 + 3, VK_F1 + 4,
                            VK_F1 + 5, VK_F1 + 6, VK_F1 + 7, VK_F1 + 8, VK_F1 + 9, VK_F1 + 10, VK_F12};
constexpr int ArrowTbl[] = {VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT};
constexpr int ModelTbl[] = {CMD_ORVEL_4, CMD_ORVEL_6, CMD_ORVEL_8, CMD_ORVEL_12};

constexpr std::uint32_t PanelKeyCount = std::size(PanelKeyTbl);

PanelPoint Centre(const PanelRect& rect)
{
    return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
}

}  // namespace

// Relative weights; waits come alone and inside the holds.
const SoakEvents::Group SoakEvents::GroupTbl[] = {
    {260, &SoakEvents::WaitAlone},   {110, &SoakEvents::PanelPress},    {40, &SoakEvents::Holds},
    {110, &SoakEvents::PcPress},     {120, &SoakEvents::EncoderSteps},  {110, &SoakEvents::CharacterPress},
    {40, &SoakEvents::TypeText},     {35, &SoakEvents::CtrlKeys},       {15, &SoakEvents::CtrlHolds},
    {60, &SoakEvents::Click},        {20, &SoakEvents::Drag},           {15, &SoakEvents::RegionCapture},
    {10, &SoakEvents::ModelSwitch},  {5, &SoakEvents::Capture},         {15, &SoakEvents::Goto},
};

SoakEvents::SoakEvents(std::uint64_t seed, std::vector<SoakPage> pages) : random_(seed), pages_(std::move(pages)) {}

ScriptCommand SoakEvents::Next()
{
    static const unsigned total = std::accumulate(std::begin(GroupTbl), std::end(GroupTbl), 0U,
                                                  [](unsigned sum, const Group& g) { return sum + g.Weight; });
    while (pending_.empty()) {
        auto pick = static_cast<unsigned>(Below(total));
        const Group* group = GroupTbl;
        for (; pick >= group->Weight; ++group)
            pick -= group->Weight;
        (this->*group->Make)();
    }
    ScriptCommand cmd = std::move(pending_.front());
    pending_.pop_front();
    return cmd;
}

// Plain modulo over 64 bits: the same numbers on every standard library, unlike its distributions.
std::uint32_t SoakEvents::Below(std::uint32_t n)
{
    return static_cast<std::uint32_t>(random_() % n);
}

std::int32_t SoakEvents::Between(std::int32_t low, std::int32_t high)
{
    return low + static_cast<std::int32_t>(Below(static_cast<std::uint32_t>(high - low + 1)));
}

// Mostly within a few ticks, so that a run is fast; now and then past the holds and timeouts.
std::uint32_t SoakEvents::ShortWait()
{
    const std::uint32_t pick = Below(1000);
    if (pick < 700)
        return Below(21);
    if (pick < 950)
        return static_cast<std::uint32_t>(Between(20, 300));
    if (pick < 995)
        return static_cast<std::uint32_t>(Between(300, 1500));
    return static_cast<std::uint32_t>(Between(2000, 8000));
}

// A short press, around the holds of 400 to 800 ms, or past the one-second hold.
std::uint32_t SoakEvents::HoldWait()
{
    constexpr std::int32_t Ranges[][2] = {{0, 100}, {300, 900}, {900, 1500}};
    const auto& range = Ranges[Below(std::size(Ranges))];
    return static_cast<std::uint32_t>(Between(range[0], range[1]));
}

ScriptKey SoakEvents::AnyHeldKey()
{
    const std::uint32_t pick = Below(PanelKeyCount + std::size(ArrowTbl) + 4);
    if (pick < PanelKeyCount)
        return {ScriptKeyKind::Panel, PanelKeyTbl[pick].Key};
    if (pick < PanelKeyCount + std::size(ArrowTbl))
        return {ScriptKeyKind::Pc, ArrowTbl[pick - PanelKeyCount]};
    return {ScriptKeyKind::Pc, PcKeyTbl[Below(std::size(PcKeyTbl))]};
}

// A character a key line can name: printable, no blank, no '#'.
char SoakEvents::AnyCharacter()
{
    char c = '#';
    while (c == '#')
        c = static_cast<char>(Between('!', '~'));
    return c;
}

ScriptCommand& SoakEvents::Add(ScriptOp op)
{
    return pending_.emplace_back(ScriptCommand{.Op = op, .Line = 0, .Mods = NoMods, .Key = {}, .X = 0, .Y = 0,
                                               .Ms = 0, .Zoom = 0, .MenuCommand = 0, .AnswerOk = true, .Text = {},
                                               .Nth = 0});
}

void SoakEvents::AddKey(ScriptOp op, ScriptKey key, KeyMods mods)
{
    ScriptCommand& cmd = Add(op);
    cmd.Key = key;
    cmd.Mods = mods;
}

void SoakEvents::AddWait(std::uint32_t ms)
{
    Add(ScriptOp::Wait).Ms = ms;
}

void SoakEvents::AddMouse(ScriptOp op, std::int32_t x, std::int32_t y, KeyMods mods)
{
    ScriptCommand& cmd = Add(op);
    cmd.X = x;
    cmd.Y = y;
    cmd.Mods = mods;
}

// On a key, anywhere on the panel, on its LCD, or off the panel (the LCD view below it, or outside).
void SoakEvents::AnyPoint(std::int32_t& x, std::int32_t& y)
{
    const std::uint32_t pick = Below(4);
    PanelPoint point = Centre(PanelKeyTbl[Below(PanelKeyCount)].Rect);
    if (pick == 1)
        point = {Between(0, PANEL_WIDTH - 1), Between(0, PANEL_HEIGHT - 1)};
    if (pick == 2)
        point = {Between(PANEL_LCD_AREA.Left, PANEL_LCD_AREA.Right - 1),
                 Between(PANEL_LCD_AREA.Top, PANEL_LCD_AREA.Bottom - 1)};
    if (pick == 3)
        point = {Between(-100, CLIENT_WIDTH + 100), Between(PANEL_HEIGHT, CLIENT_HEIGHT + 100)};
    x = point.X;
    y = point.Y;
}

void SoakEvents::WaitAlone()
{
    AddWait(ShortWait());
}

void SoakEvents::PanelPress()
{
    AddKey(ScriptOp::Press, {ScriptKeyKind::Panel, PanelKeyTbl[Below(PanelKeyCount)].Key});
}

// One to three keys down, one after the other, then up in any order, with hold times between.
void SoakEvents::Holds()
{
    std::vector<ScriptKey> keys;
    for (std::uint32_t n = 1 + Below(3); keys.size() < n;) {
        const ScriptKey key = AnyHeldKey();
        if (std::ranges::none_of(keys, [&](const ScriptKey& k) { return k.Kind == key.Kind && k.Code == key.Code; }))
            keys.push_back(key);
    }
    for (const ScriptKey& key : keys) {
        AddKey(ScriptOp::Down, key);
        AddWait(HoldWait());
    }
    for (std::size_t i = keys.size(); i > 1; --i)
        std::swap(keys[i - 1], keys[Below(static_cast<std::uint32_t>(i))]);
    for (const ScriptKey& key : keys) {
        AddKey(ScriptOp::Up, key);
        if (Below(2))
            AddWait(HoldWait());
    }
}

void SoakEvents::PcPress()
{
    AddKey(ScriptOp::Press, {ScriptKeyKind::Pc, PcKeyTbl[Below(std::size(PcKeyTbl))]});
}

// Turns of the encoder, a few steps one way, some at once and some a tick apart.
void SoakEvents::EncoderSteps()
{
    const int arrow = ArrowTbl[Below(std::size(ArrowTbl))];
    for (std::uint32_t n = 1 + Below(8); n > 0; --n) {
        AddKey(ScriptOp::Press, {ScriptKeyKind::Pc, arrow});
        if (n > 1 && Below(2))
            AddWait(Below(31));
    }
}

// A character alone, with Alt, with Shift or with both.
void SoakEvents::CharacterPress()
{
    const std::uint32_t mods = Below(8);
    AddKey(ScriptOp::Press, {ScriptKeyKind::Char, AnyCharacter()},
           {.Ctrl = false, .Shift = mods == 1 || mods == 3, .Alt = mods == 2 || mods == 3});
}

// Any printable text, the blank and '#' included.
void SoakEvents::TypeText()
{
    std::string& text = Add(ScriptOp::Type).Text;
    for (std::uint32_t n = 1 + Below(8); n > 0; --n)
        text += static_cast<char>(Between(' ', '~'));
}

// The recorder's Ctrl shortcuts, and Ctrl with the arrows, which step the simulated meter levels.
void SoakEvents::CtrlKeys()
{
    if (Below(4) == 0)
        AddKey(ScriptOp::Press, {ScriptKeyKind::Pc, Below(2) ? VK_UP : VK_DOWN}, CtrlMods);
    else
        AddKey(ScriptOp::Press, {ScriptKeyKind::Char, AnyCharacter()}, CtrlMods);
}

// Panel keys clicked with Ctrl stay held until Ctrl is let go.
void SoakEvents::CtrlHolds()
{
    for (std::uint32_t n = 1 + Below(3); n > 0; --n) {
        const ScriptKey key = {ScriptKeyKind::Panel, PanelKeyTbl[Below(PanelKeyCount)].Key};
        AddKey(ScriptOp::Down, key, CtrlMods);
        AddKey(ScriptOp::Up, key, CtrlMods);
        AddWait(HoldWait());
    }
    AddKey(ScriptOp::Up, {ScriptKeyKind::Pc, VK_CONTROL});
}

void SoakEvents::Click()
{
    std::int32_t x = 0, y = 0;
    AnyPoint(x, y);
    AddMouse(ScriptOp::Click, x, y);
}

// Pressed at one point, let go at another.
void SoakEvents::Drag()
{
    std::int32_t x = 0, y = 0;
    AnyPoint(x, y);
    AddMouse(ScriptOp::MouseDown, x, y);
    AnyPoint(x, y);
    AddMouse(ScriptOp::Move, x, y);
    AddWait(ShortWait());
    AddMouse(ScriptOp::MouseUp, x, y);
}

// Shift+Ctrl drags a region; its box is answered OK (the region is written) or Cancel.
void SoakEvents::RegionCapture()
{
    Add(ScriptOp::Answer).AnswerOk = Below(2) != 0;
    std::int32_t x = 0, y = 0;
    AnyPoint(x, y);
    AddMouse(ScriptOp::MouseDown, x, y, ShiftCtrlMods);
    AnyPoint(x, y);
    AddMouse(ScriptOp::Move, x, y);
    AddMouse(ScriptOp::MouseUp, x, y, ShiftCtrlMods);
}

void SoakEvents::ModelSwitch()
{
    Add(ScriptOp::Menu).MenuCommand = ModelTbl[Below(std::size(ModelTbl))];
}

// "Save LCD", or a shot mostly small: a large one costs its pixels.
void SoakEvents::Capture()
{
    if (Below(2)) {
        Add(ScriptOp::SaveLcd);
        return;
    }
    ScriptCommand& cmd = Add(ScriptOp::Shot);
    cmd.Text = SHOT_FILE;
    cmd.Zoom = Below(8) == 0 ? Between(MIN_SHOT_ZOOM, MAX_SHOT_ZOOM) : Between(1, 2);
}

void SoakEvents::Goto()
{
    if (pages_.empty())
        return WaitAlone();
    const SoakPage& page = pages_[Below(static_cast<std::uint32_t>(pages_.size()))];
    ScriptCommand& cmd = Add(ScriptOp::Goto);
    cmd.Text = page.Name;
    cmd.Nth = page.Nth;
}
