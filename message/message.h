#pragma once
// Messages: a two-word record handed synchronously to a message target (any record whose first
// field is its Handler) or broadcast to the registered receivers. No queue: a send completes,
// with every nested send it causes, before it returns.
#include <cstdint>

enum MessageId : std::uint32_t {
    MSG_STARTUP = 1,
    MSG_SHUTDOWN = 2,
    MSG_TICK = 3,
    MSG_TIMER_100MS = 4,
    MSG_TIMER_10MS = 5,
    MSG_TIMECODE = 6,
    MSG_TIMER_100MS_2 = 7,
    MSG_BLINK_ON = 8,
    MSG_BLINK_OFF = 9,
    MSG_TIMER_1S = 10,
    MSG_TIMER_10S = 11,
    MSG_KEY_DOWN = 12,
    MSG_KEY_UP = 13,
    MSG_ENCODER = 14,
    MSG_PAGE_ENTER = 16,
    MSG_PAGE_LEAVE = 17,
    MSG_PAGE_REDIRECT = 18,
    MSG_REDRAW = 19,
    MSG_DRAW = 20,
    MSG_REFRESH = 21,
    MSG_IS_VISIBLE = 22,
    MSG_FOCUS_GAINED = 23,
    MSG_FOCUS_LOST = 24,
    MSG_EDITOR_OPEN = 25,
    MSG_EDITOR_CLOSE = 26,
    MSG_VALUE_GET = 27,
    MSG_VALUE_SET = 28,
    MSG_VALUE_STEP = 29,
    MSG_VALUE_NEXT = 30,
    MSG_CELL_GET = 31,
    MSG_CELL_SET = 32,
    MSG_CELL_MENU = 33,
    MSG_NAVIGATE = 34,
    MSG_METER_DATA = 35,
    MSG_TEXT_GET = 36,
    MSG_TEXT_ATTR_GET = 37,
    MSG_VALUE_COUNT = 38,
    MSG_IS_EDITABLE = 39,
    MSG_EDITOR_GET = 40,
    MSG_TEXT_SET = 41,
    MSG_FIELD_WIDTH = 42,
    MSG_IS_FOCUSABLE = 43,
    MSG_LIST_COUNT = 44,
    MSG_LIST_ROW_TEXT = 45,
    MSG_LIST_TITLE = 46,
    MSG_LIST_DRAW_ROW = 47,
    MSG_LIST_SELECT = 48,
    MSG_EDIT = 49,
    MSG_ACTIVATE = 50,
    MSG_NAV_BEGIN = 51,
    MSG_NAV_SEARCH = 52,
    MSG_NAV_TARGET = 53,
    MSG_CONTROL_KIND = 54,
};

// Param is pointer-sized so that it can carry a record or buffer; as a number it keeps its 32-bit
// meaning (-1 for a redraw without clearing, key codes, values), read through the accessors below.
using MsgParam = std::intptr_t;

struct Message {
    std::uint32_t Id;
    MsgParam Param;
};

// A target's handler: nonzero means handled (for some messages the value is itself a result).
using MsgHandler = std::uint32_t (*)(void* self, Message* msg);

// The shape every message target starts with.
struct MsgTarget {
    MsgHandler Handler;
};

// A broadcast receiver; its handled flag is not passed on (a broadcast's result is always 0).
using MsgReceiver = std::uint32_t (*)(MsgParam context, Message* msg);

inline std::int32_t MsgParamInt(const Message* msg)
{
    return static_cast<std::int32_t>(msg->Param);
}

inline std::uint32_t MsgParamUnsigned(const Message* msg)
{
    return static_cast<std::uint32_t>(msg->Param);
}

template <typename T>
T* MsgParamPtr(const Message* msg)
{
    return reinterpret_cast<T*>(msg->Param);
}

template <typename T>
MsgParam MsgParamOf(T* record)
{
    return reinterpret_cast<MsgParam>(record);
}

std::uint32_t MsgDispatch(void* target, Message* msg);
std::uint32_t MsgSend(void* target, std::uint32_t id);
std::uint32_t MsgSendParam(void* target, std::uint32_t id, MsgParam param);
MsgParam MsgQuery(void* target, std::uint32_t id, MsgParam defaultValue);

void MsgRegister(MsgReceiver receiver, MsgParam context);
void MsgBroadcast(std::uint32_t id);
void MsgBroadcastParam(std::uint32_t id, MsgParam param);
MsgParam MsgBroadcastQuery(std::uint32_t id, MsgParam param);

// Frees every receiver slot, so that a front end can start the recorder anew in one process.
void MsgUnregisterAll();
