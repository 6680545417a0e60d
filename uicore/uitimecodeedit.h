#pragma once
// "ENTER TIME CODE": a sub-page shared by every timecode and user-bits setting. It shows the value
// in large digits, opens the eight-digit editor over it at once, and returns to its caller a few
// tenths of a second after the editor closes.
#include <cstdint>

#include "uicore/uicontrols.h"
#include "uicore/uimain.h"

extern UIPage UITimecodeEdit;
extern UITimecodeField UITimecodeEditControl;

void UITimecodeEditOpen(void* setting);
std::uint32_t UITimecodeEditHandler(void* self, Message* msg);
