#pragma once
// Key hooks of the two channel pages: the digit keys choose the channel shown on "CH# SETUP" and on
// "CH# KAVLIN". An editor open on the page is closed around the change and opened again on the same
// setting at the same place, so that it shows the new channel's value.
#include <cstdint>

#include "message/message.h"

// "CH# SETUP": a digit key chooses the input channel (a second press of 7 or 8 on channel 7 or 8
// moves on to 9 or 10); entering the page loads the channel's meter.
std::uint32_t ChSetupPageHook(void* self, Message* msg);
// "CH# KAVLIN": a digit key chooses the link channel.
std::uint32_t ChKavlinPageHook(void* self, Message* msg);
