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

// A target that forwards every message to another, the way controls pass queries on to settings.
struct Forwarder {
    MsgHandler Handler;
    void* Next;
};

std::uint32_t ForwarderHandler(void* self, Message* msg)
{
    return MsgDispatch(static_cast<Forwarder*>(self)->Next, msg);
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

class Broadcast : public testing::Test {
protected:
    void SetUp() override
    {
        MsgUnregisterAll();
        Received.clear();
        Contexts.clear();
    }
    void TearDown() override { MsgUnregisterAll(); }
};

}  // namespace

TEST(Dispatch, NullTargetAndNullHandlerAreNotHandled)
{
    Answerer silent{.Handler = nullptr, .Answer = 5, .Result = 1, .Calls = 0};
    EXPECT_EQ(MsgSend(nullptr, MSG_REFRESH), 0U);
    EXPECT_EQ(MsgSend(&silent, MSG_REFRESH), 0U);
    EXPECT_EQ(MsgQuery(nullptr, MSG_IS_VISIBLE, 1), 1);
    EXPECT_EQ(MsgQuery(&silent, MSG_VALUE_GET, 7), 7);
}

TEST(Dispatch, SendReturnsHandlerResultAndPassesParam)
{
    Answerer target{.Handler = AnswererHandler, .Answer = 0, .Result = 9, .Calls = 0};
    EXPECT_EQ(MsgSendParam(&target, MSG_REFRESH, 3), 9U);
    EXPECT_EQ(MsgSend(&target, MSG_REFRESH), 9U);
    EXPECT_EQ(target.Calls, 2);
}

TEST(Dispatch, QueryReturnsAnswerAndIgnoresResult)
{
    Answerer target{.Handler = AnswererHandler, .Answer = -42, .Result = 0, .Calls = 0};
    EXPECT_EQ(MsgQuery(&target, MSG_VALUE_GET, 0), -42);
}

TEST(Dispatch, QueryHandledWithoutAnswerKeepsDefault)
{
    Answerer target{.Handler = AnswererHandler, .Answer = 0, .Result = 1, .Calls = 0};
    EXPECT_EQ(MsgQuery(&target, MSG_IS_FOCUSABLE, 1), 1);
    EXPECT_EQ(target.Calls, 1);
}

TEST(Dispatch, ForwardedQueryCarriesTheFinalAnswerBack)
{
    Answerer setting{.Handler = AnswererHandler, .Answer = 1234, .Result = 1, .Calls = 0};
    Forwarder control{.Handler = ForwarderHandler, .Next = &setting};
    Message msg{.Id = MSG_VALUE_GET, .Param = 0};
    EXPECT_EQ(MsgDispatch(&control, &msg), 1U);
    EXPECT_EQ(msg.Param, 1234);
}

TEST(Dispatch, ParamCarriesPointersAndNegativeNumbers)
{
    char buffer[8] = "text";
    const Message pointer{.Id = MSG_TEXT_GET, .Param = MsgParamOf(buffer)};
    EXPECT_EQ(MsgParamPtr<char>(&pointer), buffer);
    const Message redraw{.Id = MSG_REDRAW, .Param = -1};
    EXPECT_EQ(MsgParamInt(&redraw), -1);
    const Message key{.Id = MSG_KEY_DOWN, .Param = 0x800B};
    EXPECT_EQ(MsgParamUnsigned(&key), 0x800BU);
}

TEST_F(Broadcast, EmptyTableDeliversNothing)
{
    MsgBroadcast(MSG_TICK);
    EXPECT_EQ(MsgBroadcastQuery(MSG_KEY_DOWN, 7), 7);
    EXPECT_TRUE(Received.empty());
}

TEST_F(Broadcast, RegisteredReceiverGetsContextAndMessage)
{
    MsgRegister(Recorder, 77);
    MsgBroadcast(MSG_TIMER_10MS);
    MsgBroadcastParam(MSG_TIMECODE, 0x01020304);
    ASSERT_EQ(Received.size(), 2U);
    EXPECT_EQ(Received[0].Id, MSG_TIMER_10MS);
    EXPECT_EQ(Received[0].Param, 0);
    EXPECT_EQ(Received[1].Param, 0x01020304);
    EXPECT_EQ(Contexts, (std::vector<MsgParam>{77, 77}));
}

TEST_F(Broadcast, QueryReturnsReceiverAnswer)
{
    MsgRegister(Recorder, 0);
    EXPECT_EQ(MsgBroadcastQuery(MSG_KEY_DOWN, 11), 0x55);
    EXPECT_EQ(MsgBroadcastQuery(MSG_KEY_UP, 11), 11);
}

TEST_F(Broadcast, SecondRegistrationIsRefusedWithReport)
{
    MsgRegister(Recorder, 1);
    {
        AssertCapture capture;
        MsgRegister(Recorder, 2);
        ASSERT_EQ(capture.Reports().size(), 1U);
        EXPECT_EQ(capture.Reports()[0].Expression, "0");
        EXPECT_EQ(capture.Reports()[0].Module, "message/message");
    }
    MsgBroadcast(MSG_STARTUP);
    EXPECT_EQ(Contexts, std::vector<MsgParam>{1});
}
