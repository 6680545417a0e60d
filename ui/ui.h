#pragma once
// The recorder's keys wherever a page does not take them: page keys, back, encoder and focus
// (PageDefaultHandler in uicore/uimain.h), the transport keys and the PC keyboard shortcuts.
#include <cstdint>

#include "message/message.h"
#include "uicore/uimain.h"

std::uint32_t TransportKeysHandler(UIPage* page, Message* msg);
std::uint32_t ShortcutKeysHandler(UIPage* page, Message* msg);
