#pragma once
// A started user interface on the test's own LCD, recording what probe pages and controls receive, counting flushes.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <initializer_list>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "canvas/lcdcanvas.h"
#include "uicore/uimain.h"

struct Received {
    std::string Who;
    std::uint32_t Id;
    bool operator==(const Received&) const = default;
    friend void PrintTo(const Received& r, std::ostream* out) { *out << "{" << r.Who << ", " << r.Id << "}"; }
};

// How a probe answers one message: its handler result, and for queries the answer left in Param.
struct ProbeAnswer {
    std::uint32_t Result = 1;
    bool SetsParam = false;
    MsgParam Param = 0;
};

class UITest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

public:
    // A message target that records what it receives under a name and answers as configured.
    static std::uint32_t ProbeHandler(void* self, Message* msg);
    static void Name(const void* target, const std::string& name) { Names[target] = name; }
    static void Answer(const void* target, std::uint32_t id, ProbeAnswer answer) { Answers[{target, id}] = answer; }
    static std::vector<Received> Log(std::uint32_t id);  // only messages of this id
    static std::vector<Received>& Log() { return Messages; }
    static int Flushes() { return FlushCount; }

    // Input as the host delivers it: broadcasts through the UI main handler (which must be registered).
    static void Press(std::uint32_t key) { MsgBroadcastQuery(MSG_KEY_DOWN, key); }
    static void Release(std::uint32_t key) { MsgBroadcastQuery(MSG_KEY_UP, key); }
    static void Tap(std::uint32_t key) { Press(key); Release(key); }  // no time between
    static void Tap(std::initializer_list<std::uint32_t> keys) { for (const std::uint32_t k : keys) Tap(k); }
    static void Type(const char* keys) { for (; *keys; ++keys) Tap(static_cast<std::uint8_t>(*keys)); }  // PC keys
    static void Turn(std::int32_t step) { MsgBroadcastQuery(MSG_ENCODER, step); }  // below 1: one step down
    static void Turn(std::initializer_list<std::int32_t> steps) { for (const std::int32_t s : steps) Turn(s); }
    // Moves the virtual clock on in 10 ms ticks with the host timer's broadcasts (the 100 ms ones every tenth).
    static void Advance(std::uint32_t ms);

    static inline std::map<const void*, std::string> Names;
    static inline std::map<std::pair<const void*, std::uint32_t>, ProbeAnswer> Answers;
    static inline std::vector<Received> Messages;
    static inline int FlushCount;

protected:

    using Picture = std::array<Colour, LCD_WIDTH * LCD_HEIGHT>;
    // What a drawing makes on a cleared LCD of its own, to compare with what the controls drew.
    static Picture Expected(const std::function<void(Canvas*)>& draw);

    Picture buffer{};
};

inline UIControl ProbeControl(std::uint32_t flags)
{
    return {.Handler = UITest::ProbeHandler, .Flags = flags, .X = 0, .Y = 0};
}
inline UIPage ProbePage(std::uint32_t flags, UIControl* const* controls, std::int32_t count)
{
    return {.Handler = UITest::ProbeHandler, .Flags = flags, .Parent = nullptr, .ControlIndex = -1,
            .NControls = count, .Controls = controls};
}
