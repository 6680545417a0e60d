#include "message/message.h"

#include "common/debug.h"

namespace {

struct ReceiverSlot {
    MsgReceiver Receiver;
    MsgParam Context;
};

// The UI main handler is the only broadcast receiver the recorder ever registers.
ReceiverSlot ReceiverTbl[1];

void Deliver(Message* msg)
{
    for (const ReceiverSlot& slot : ReceiverTbl) {
        if (!slot.Receiver)
            break;
        slot.Receiver(slot.Context, msg);
    }
}

}  // namespace

std::uint32_t MsgDispatch(void* target, Message* msg)
{
    if (!target)
        return 0;
    // A target record begins with its handler, so the record's address is the handler's address.
    const MsgHandler handler = static_cast<MsgTarget*>(target)->Handler;
    return handler ? handler(target, msg) : 0;
}

std::uint32_t MsgSend(void* target, std::uint32_t id)
{
    return MsgSendParam(target, id, 0);
}

std::uint32_t MsgSendParam(void* target, std::uint32_t id, MsgParam param)
{
    Message msg{.Id = id, .Param = param};
    return MsgDispatch(target, &msg);
}

MsgParam MsgQuery(void* target, std::uint32_t id, MsgParam defaultValue)
{
    Message msg{.Id = id, .Param = defaultValue};
    MsgDispatch(target, &msg);
    return msg.Param;
}

void MsgRegister(MsgReceiver receiver, MsgParam context)
{
    for (ReceiverSlot& slot : ReceiverTbl) {
        if (!slot.Receiver) {
            slot = {.Receiver = receiver, .Context = context};
            return;
        }
    }
    ASSERT(0);
}

void MsgBroadcast(std::uint32_t id)
{
    MsgBroadcastParam(id, 0);
}

void MsgBroadcastParam(std::uint32_t id, MsgParam param)
{
    Message msg{.Id = id, .Param = param};
    Deliver(&msg);
}

MsgParam MsgBroadcastQuery(std::uint32_t id, MsgParam param)
{
    Message msg{.Id = id, .Param = param};
    Deliver(&msg);
    return msg.Param;
}

void MsgUnregisterAll()
{
    for (ReceiverSlot& slot : ReceiverTbl)
        slot = {};
}
