#pragma once
// "Enter text": the sub-page on which names are typed with an on-screen keyboard or the PC keyboard.
#include <cstdint>

#include "uicore/uimain.h"

struct UITextEditStateRec {
    std::int32_t GridRows;
    std::int32_t GridCols;
    std::int32_t GridRow;  // grid cursor, kept from one use of the page to the next
    std::int32_t GridCol;
    std::uint32_t Lower;   // nonzero: the lower-case set
    std::int32_t Cursor;   // text cursor in Buffer
    char Buffer[65];       // always NChars characters, padded with blanks
    std::uint32_t NChars;
    void* Setting;
    std::uint8_t Active;   // 1 while the page is in use
};

extern UITextEditStateRec UITextEditState;
extern UIPage UITextEdit;

void UITextEditOpen(void* setting);
std::uint32_t UITextEditHandler(void* self, Message* msg);
