#pragma once
// Lists: rows of text under an optional title row, one row highlighted as the cursor, scrolled so
// that the cursor row is always shown. A UIList knows nothing about its rows and asks its own
// handler for the count, the title, the row texts and what a chosen row does; a UIStaticList takes
// its rows from a table of items, each of which may show a setting's value, lead to a page, or be
// hidden. All list text is font 0; a row is one font height plus 1 pixel.
#include <cstdint>

#include "canvas/canvas.h"
#include "uicore/uimain.h"

constexpr Colour COLOUR_LIST_TITLE = 0xCE59;
constexpr Colour COLOUR_LIST_MARKED = 0x2104;  // background of a marked row

struct UIList {
    UIControl Control;     // focusable
    std::uint32_t NRows;   // rows shown, at least 1
    std::uint32_t Index;   // the cursor row, counted over all rows
    std::uint32_t Top;     // the first row shown
};

struct UIStaticListItem {
    MsgHandler Handler;    // optional: asked MSG_IS_VISIBLE, receives MSG_ACTIVATE when chosen
    const char* Text;      // a text that carries a value ends in a blank ("IFB MODE ")
    void* Setting;         // its value text is shown in the row; may be null
    UIPage* Page;          // opened when the row is chosen; may be null
    std::int32_t ValueX;   // where the value starts, from the text's start; 0: 2 pixels after the text
    std::uint8_t Visible;  // refreshed on MSG_REFRESH; only visible items are rows
};

struct UIStaticList {
    UIList List;
    std::uint32_t NItems;  // at least 1
    UIStaticListItem* Items;
};

// The parameter of MSG_LIST_DRAW_ROW.
struct UIListDraw {
    ::Canvas* Canvas;
    std::uint32_t Index;
    std::int32_t X;
    std::int32_t Y;
    std::uint8_t Selected;  // the cursor row of a list that has the focus
};

enum UIListMark : std::uint8_t {
    UI_LIST_ROW_UNMARKED = 0,  // not marked, but the space of the mark is kept free
    UI_LIST_ROW_MARKED = 1,    // dark background and the check image
    UI_LIST_ROW_PLAIN = 2,
};

// The parameter of MSG_LIST_ROW_TEXT.
struct UIListRowText {
    std::uint32_t Index;
    char* Text;         // MAX_UI_TEXT bytes, empty on entry
    std::uint8_t Mark;  // UI_LIST_ROW_PLAIN on entry
};

std::uint32_t UIListHandler(void* self, Message* msg);
// Answers the row messages of a static list; its own handler passes the rest to UIListHandler.
std::uint32_t UIStaticListHandler(void* self, Message* msg);

// Moves the cursor one row (delta >= 1 down, < 0 up, 0 only brings Index and Top into range) and
// scrolls; false only when a requested move was impossible. The cursor never wraps.
bool UIListMove(UIList* list, std::int32_t delta);
void UIListSetIndex(UIList* list, std::uint32_t index);
std::uint32_t UIListCount(UIList* list);
// The cursor row was chosen: MSG_LIST_SELECT to the list itself, then a redraw.
void UIListSelect(UIList* list);

std::uint32_t UIStaticListCount(const UIStaticList* list);
// The index-th visible item.
UIStaticListItem* UIStaticListItemAt(UIStaticList* list, std::int32_t index);
