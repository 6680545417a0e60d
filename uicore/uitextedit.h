#pragma once
// "Enter text": the sub-page on which names are typed with an on-screen keyboard or the PC keyboard.
// A grid of 5 x 9 keys under the text line: the encoder walks the grid, a short MENU press types
// the key under the grid cursor, a long one switches between the upper- and lower-case sets; a
// short HP press leaves without saving, a long one (or the grid's OK key) saves.
#include <cstdint>

#include "uicore/uimain.h"
#include "uicore/uisetting.h"
#include "uicore/uitextops.h"

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

// Edits any setting that answers MSG_TEXT_GET, MSG_TEXT_SET and MSG_FIELD_WIDTH.
void UITextEditOpen(void* setting);
std::uint32_t UITextEditHandler(void* self, Message* msg);

// The adapter through which a plain char buffer is edited: NameEditBufLen counts the terminating zero.
extern UISetting NameEdit;
extern char* NameEditPtr;
extern std::uint32_t NameEditBufLen;

// Edits nbuf - 1 characters of buf and writes at most that many back, always terminated.
void UITextEditBuffer(char* buf, std::uint32_t nbuf);
