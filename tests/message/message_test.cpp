#include "message/message.h"

#include <gtest/gtest.h>

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

std::vector<Message> Received;
std::vector<MsgParam> Contexts;

std::uint32_t Recorder(MsgParam context, Message* msg)
{
    Received.push_back(*msg);
    Contexts.push_back(context);
    if (msg->Id == MSG_KEY_DOWN)
        msg->Param = 0x55;
    return 1;
}

}  // namespace

TEST(Dispatch, SendsQueriesAndForwardsButANullTargetOrHandlerHandlesNothing)
{
    Answerer silent{.Handler = nullptr, .Answer = 5, .Result = 1, .Calls = 0};
    EXPECT_EQ(MsgSend(nullptr, MSG_REFRESH), 0U);
    EXPECT_EQ(MsgSend(&silent, MSG_REFRESH), 0U);
    EXPECT_EQ(MsgQuery(nullptr, MSG_IS_VISIBLE, 1), 1);
    EXPECT_EQ(MsgQuery(&silent, MSG_VALUE_GET, 7), 7);

    Answerer setting{.Handler = AnswererHandler, .Answer = -42, .Result = 9, .Calls = 0};
    EXPECT_EQ(MsgSendParam(&setting, MSG_REFRESH, 3), 9U);
    EXPECT_EQ(MsgQuery(&setting, MSG_VALUE_GET, 0), -42);  // the answer, not the result
    EXPECT_EQ(MsgQuery(&setting, MSG_IS_FOCUSABLE, 1), 1);  // handled without an answer: the default
    EXPECT_EQ(setting.Calls, 3);
    // a target that forwards every message to another, the way controls pass queries on to settings
    struct Forwarder {
        MsgHandler Handler;
        void* Next;
    } control{.Handler = [](void* self, Message* m) { return MsgDispatch(static_cast<Forwarder*>(self)->Next, m); },
              .Next = &setting};
    Message msg{.Id = MSG_VALUE_GET, .Param = 0};
    EXPECT_EQ(MsgDispatch(&control, &msg), 9U);
    EXPECT_EQ(msg.Param, -42);
}

TEST(Broadcast, OneReceiverGetsContextMessageAndQueriesASecondIsRefused)
{
    MsgUnregisterAll();
    Received.clear();
    Contexts.clear();
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
    EXPECT_EQ(Received[0].Id, MSG_TIMER_10MS);
    EXPECT_EQ(Received[0].Param, 0);
    EXPECT_EQ(Received[1].Param, 0x01020304);
    EXPECT_EQ(Contexts, (std::vector<MsgParam>{77, 77, 77, 77}));
    MsgUnregisterAll();
}
