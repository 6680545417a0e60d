#pragma once
// The soak's random events, each a script command, from a seeded generator: panel keys pressed and
// held (several at once, let go in any order), PC keys and characters, Ctrl with keys, encoder steps
// (the arrow keys), mouse clicks on and off the panel, region captures answered OK or Cancel, model
// switches, LCD captures, goto of catalogue pages, and waits, mostly short. The same seed and pages
// always give the same events, whatever the recorder does with them.
#include <cstdint>
#include <deque>
#include <random>
#include <string>
#include <vector>

#include "host/script.h"
#include "headless/soakcheck.h"

class SoakEvents {
public:
    SoakEvents(std::uint64_t seed, std::vector<SoakPage> pages);

    ScriptCommand Next();

    // The file the shot events write, in the output folder.
    static constexpr const char* SHOT_FILE = "soak.png";

private:
    std::uint32_t Below(std::uint32_t n);
    std::int32_t Between(std::int32_t low, std::int32_t high);  // both included
    std::uint32_t ShortWait();
    std::uint32_t HoldWait();
    ScriptKey AnyHeldKey();
    char AnyCharacter();
    ScriptCommand& Add(ScriptOp op);
    void AddKey(ScriptOp op, ScriptKey key, KeyMods mods = {});
    void AddWait(std::uint32_t ms);
    void AddMouse(ScriptOp op, std::int32_t x, std::int32_t y, KeyMods mods = {});
    void AnyPoint(std::int32_t& x, std::int32_t& y);

    void WaitAlone();
    void PanelPress();
    void Holds();
    void PcPress();
    void EncoderSteps();
    void CharacterPress();
    void TypeText();
    void CtrlKeys();
    void CtrlHolds();
    void Click();
    void Drag();
    void RegionCapture();
    void ModelSwitch();
    void Capture();
    void Goto();

    struct Group {
        unsigned Weight;
        void (SoakEvents::*Make)();
    };
    static const Group GroupTbl[];

    std::mt19937_64 random_;
    std::vector<SoakPage> pages_;
    std::deque<ScriptCommand> pending_;  // the rest of the group under way
};
