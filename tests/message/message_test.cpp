#include "message/message.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "support/assert_capture.h"

namespace {

// A target that answers a query with its own value and counts what it saw.
struct Answerer {
    MsgHandler Handler;
    MsgParam Answer;
    std::uint32_t Result;
    int Calls;
};

std::uint32_t AnswererHandler(void* self, Message* msg)
{
    auto* target = static_cast<Answerer*>(self);
    ++target->Calls;
    if (msg->Id == MSG_VALUE_GET)
        msg->Param = target->Answer;
    return target->Result;
}

std::vector<std::pair<Message, MsgParam>> Received;  // with the context

std::uint32_t Recorder(MsgParam context, Message* msg)
{
    Received.emplace_back(*msg, context);
    if (msg->Id == MSG_KEY_DOWN)
        msg->Param = 0x55;
    return 1;
}

}  // namespace

TEST(Dispatch, SendsQueriesAndForwardsButANullTargetOrHandlerHandlesNothing)
{
    Answerer silent{.Handler = nullptr, .Answer = 5, .Result = 1, .Calls = 0};
    EXPECT_EQ(MsgSend(nullptr, MSG_REFRESH) + MsgSend(&silent, MSG_REFRESH), 0U);
    EXPECT_EQ(MsgQuery(nullptr, MSG_IS_VISIBLE, 1), 1);
    EXPECT_EQ(MsgQuery(&silent, MSG_VALUE_GET, 7), 7);
    Answerer setting{.Handler = AnswererHandler, .Answer = -42, .Result = 9, .Calls = 0};
    EXPECT_EQ(MsgSendParam(&setting, MSG_REFRESH, 3), 9U);
    EXPECT_EQ(MsgQuery(&setting, MSG_VALUE_GET, 0), -42);  // the answer, not the result
    EXPECT_EQ(MsgQuery(&setting, MSG_IS_FOCUSABLE, 1), 1);  // handled without an answer: the default
    EXPECT_EQ(setting.Calls, 3);
    Message msg{.Id = MSG_VALUE_GET, .Param = 0};
    EXPECT_EQ(MsgDispatch(&setting, &msg), 9U);
    EXPECT_EQ(msg.Param, -42);
}

TEST(Broadcast, OneReceiverGetsContextMessageAndQueriesASecondIsRefused)
{
    MsgUnregisterAll();
    Received.clear();
    MsgBroadcast(MSG_TICK);
    EXPECT_EQ(MsgBroadcastQuery(MSG_KEY_DOWN, 7), 7);
    EXPECT_TRUE(Received.empty());
    MsgRegister(Recorder, 77);
    {
        AssertCapture capture;
        MsgRegister(Recorder, 2);
        EXPECT_EQ(capture.Expressions(), std::vector<std::string>{"0"});
        EXPECT_EQ(capture.Reports()[0].Module, "message/message");
    }
    MsgBroadcast(MSG_TIMER_10MS);
    MsgBroadcastParam(MSG_TIMECODE, 0x01020304);
    EXPECT_EQ(MsgBroadcastQuery(MSG_KEY_DOWN, 11), 0x55);
    EXPECT_EQ(MsgBroadcastQuery(MSG_KEY_UP, 11), 11);
    ASSERT_EQ(Received.size(), 4U);
    EXPECT_EQ(std::tuple(Received[0].first.Id, Received[0].first.Param, Received[1].first.Param),
              std::tuple(MSG_TIMER_10MS, MsgParam{0}, MsgParam{0x01020304}));
    for (const auto& [msg, context] : Received)
        EXPECT_EQ(context, 77);
    MsgUnregisterAll();
}
