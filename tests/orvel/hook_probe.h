#pragma once
// Messages sent straight to a model hook, as a setting, list or matrix handler offers them.
#include <gtest/gtest.h>

#include <ostream>

#include "message/message.h"
#include "uicore/uimatrix.h"

struct HookAnswer {
    std::uint32_t Result;
    MsgParam Param;
    bool operator==(const HookAnswer&) const = default;
    friend void PrintTo(const HookAnswer& a, std::ostream* out) { *out << "{" << a.Result << ", " << a.Param << "}"; }
};

inline HookAnswer SendHook(MsgHandler hook, std::uint32_t id, MsgParam param = 0, void* self = nullptr)
{
    Message msg{.Id = id, .Param = param};
    const std::uint32_t result = hook(self, &msg);
    return {result, msg.Param};
}

// The value a hook answers; it must take the query.
inline MsgParam HookGet(MsgHandler hook)
{
    const HookAnswer answer = SendHook(hook, MSG_VALUE_GET);
    EXPECT_EQ(answer.Result, 1U) << "MSG_VALUE_GET not taken";
    return answer.Param;
}

inline void HookSet(MsgHandler hook, MsgParam value)
{
    EXPECT_EQ(SendHook(hook, MSG_VALUE_SET, value).Result, 1U) << "MSG_VALUE_SET not taken";
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

inline UIMatrixCell MakeCell(std::uint8_t row, std::uint8_t col, std::uint32_t value = 0)
{
    return {.Row = row, .Col = col, .Value = value, .Menu = nullptr, .Color = 0};
}

// A cell's value as the hook answers it; Value starts at a number no table holds, so an unanswered
// query shows.
inline std::uint32_t CellGet(MsgHandler hook, std::uint8_t row, std::uint8_t col)
{
    UIMatrixCell cell = MakeCell(row, col, 0xEEEE);
    EXPECT_EQ(SendHook(hook, MSG_CELL_GET, MsgParamOf(&cell)).Result, 1U) << "MSG_CELL_GET not taken";
    return cell.Value;
}

inline void CellSet(MsgHandler hook, std::uint8_t row, std::uint8_t col, std::uint32_t value)
{
    UIMatrixCell cell = MakeCell(row, col, value);
    EXPECT_EQ(SendHook(hook, MSG_CELL_SET, MsgParamOf(&cell)).Result, 1U) << "MSG_CELL_SET not taken";
}
