#pragma once
// The recorder's keys wherever a page does not take them: page keys, back, encoder and focus
// (PageDefaultHandler), the transport keys and the PC keyboard shortcuts.
#include <cstdint>

#include "message/message.h"
#include "uicore/uimain.h"

// The last stop for every message no editor, control or page took.
std::uint32_t PageDefaultHandler(UIPage* page, Message* msg);
// Starts the user interface on the home screen, with PageDefaultHandler as its last stop.
void StartUserInterface();
std::uint32_t TransportKeysHandler(UIPage* page, Message* msg);
std::uint32_t ShortcutKeysHandler(UIPage* page, Message* msg);
// The keyboard shortcuts in table order, for the help: the key code (modifier bits included) and the
// page it opens, or for an action a null page and what the action does.
using ShortcutVisitor = void (*)(std::uint32_t key, const UIPage* page, const char* action, void* context);
void ShortcutWalk(ShortcutVisitor visit, void* context);

// Where transport requests (0 stop, 1 play, 2 record, 3 to 5 the device's own) go: the device model's
// OrvelTransportCmd unless a front end installs another receiver. Null restores it; returns the previous one.
using TransportSink = void (*)(std::uint32_t cmd);
TransportSink TransportSetSink(TransportSink sink);
