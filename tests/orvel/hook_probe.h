#pragma once
// The powered-on recorder, and messages sent straight to a model hook as a setting, list or matrix
// handler offers them.
#include <gtest/gtest.h>

#include "message/message.h"
#include "orvel/orvel.h"
#include "uicore/uimatrix.h"

inline void Start()
{
    const char* argv[] = {"orvel-sim"};
    OrvelPowerOn(1, argv, "orvel-sim");
}

class PoweredOn : public testing::Test {
protected:
    void SetUp() override { Start(); }
};

// The hook's result; the message's parameter after it goes to *param.
inline std::uint32_t SendHook(MsgHandler hook, std::uint32_t id, MsgParam param = 0, void* self = nullptr,
                              MsgParam* answer = nullptr)
{
    Message msg{.Id = id, .Param = param};
    const std::uint32_t result = hook(self, &msg);
    if (answer)
        *answer = msg.Param;
    return result;
}

// The value a hook answers; it must take the query.
inline MsgParam HookGet(MsgHandler hook)
{
    MsgParam value = 0;
    EXPECT_EQ(SendHook(hook, MSG_VALUE_GET, 0, nullptr, &value), 1U) << "MSG_VALUE_GET not taken";
    return value;
}

inline void HookSet(MsgHandler hook, MsgParam value)
{
    EXPECT_EQ(SendHook(hook, MSG_VALUE_SET, value), 1U) << "MSG_VALUE_SET not taken";
}

// A handler as the recorder's records are built: the model hook is offered every message first, then
// the kind's default handler.
template <MsgHandler Hook, MsgHandler Default>
std::uint32_t HookFirst(void* self, Message* msg)
{
    if (const std::uint32_t taken = Hook(self, msg))
        return taken;
    return Default(self, msg);
}

// A cell's value as the hook answers it; Value starts at a number no table holds, so an unanswered
// query shows.
inline std::uint32_t CellGet(MsgHandler hook, std::uint8_t row, std::uint8_t col)
{
    UIMatrixCell cell = {.Row = row, .Col = col, .Value = 0xEEEE, .Menu = nullptr, .Color = 0};
    EXPECT_EQ(SendHook(hook, MSG_CELL_GET, MsgParamOf(&cell)), 1U) << "MSG_CELL_GET not taken";
    return cell.Value;
}

inline void CellSet(MsgHandler hook, std::uint8_t row, std::uint8_t col, std::uint32_t value)
{
    UIMatrixCell cell = {.Row = row, .Col = col, .Value = value, .Menu = nullptr, .Color = 0};
    EXPECT_EQ(SendHook(hook, MSG_CELL_SET, MsgParamOf(&cell)), 1U) << "MSG_CELL_SET not taken";
}
