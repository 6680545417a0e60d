#pragma once
// The powered-on recorder, with and without a user interface, and messages sent straight to a model hook as its control would.
#include <gtest/gtest.h>

#include "message/message.h"
#include "orvel/orvel.h"
#include "uicore/ui_fixture.h"
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

// The powered-on recorder on the test's LCD, its main handler taking what the test sends; the home
// screen is not started.
class PoweredOnUI : public UITest {
protected:
    void SetUp() override
    {
        UITest::SetUp();
        Start();
        MsgRegister(UIMainHandler, 0);
    }
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

// As the recorder builds its records: the model hook first, then the kind's default handler.
template <MsgHandler Hook, MsgHandler Default> std::uint32_t HookFirst(void* self, Message* msg)
{
    if (const std::uint32_t taken = Hook(self, msg))
        return taken;
    return Default(self, msg);
}

// A cell as the hook answers (MSG_CELL_GET) or stores (MSG_CELL_SET) it; 0xEEEE is in no table.
inline std::uint32_t Cell(MsgHandler hook, std::uint32_t id, std::uint8_t row, std::uint8_t col,
                          std::uint32_t value = 0xEEEE)
{
    UIMatrixCell cell = {.Row = row, .Col = col, .Value = value, .Menu = nullptr, .Color = 0};
    EXPECT_EQ(SendHook(hook, id, MsgParamOf(&cell)), 1U) << "message " << id << " not taken";
    return cell.Value;
}
