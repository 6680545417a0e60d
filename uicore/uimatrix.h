#pragma once
// Matrix menus: a grid of square cells, each showing the text of one menu item, with column titles
// above, a title right of each row and an optional legend. The matrix keeps no cell values: it asks
// for them with MSG_CELL_GET and hands changes over with MSG_CELL_SET. Matrices of one page are
// linked into a ring through which the cursor passes; pages that place matrices side by side use
// the spatial navigation instead, which moves to the nearest cell on screen.
#include <cstdint>

#include "canvas/canvas.h"
#include "message/message.h"
#include "uicore/uimain.h"

struct UIMenu;

constexpr std::uint8_t MAX_MATRIX_ROWS = 10;
constexpr std::uint8_t MAX_MATRIX_COLS = 10;

// Parameter of MSG_NAVIGATE and the Direction of a navigation.
enum UINavDirection : std::uint32_t {
    UI_NAV_LEFT = 0,
    UI_NAV_RIGHT = 1,
    UI_NAV_UP = 2,
    UI_NAV_DOWN = 3,
};

struct UIMatrix {
    UIControl Control;
    void* Setting;                           // answers MSG_CELL_GET and MSG_CELL_SET passed on; may be null
    std::uint8_t NCols;                      // of the widest row; below MAX_MATRIX_COLS the cells are large
    std::uint8_t NRows;
    const char* Legend;                      // right of the grid at its vertical middle; may be null
    std::uint8_t ColsPerRow[MAX_MATRIX_ROWS];
    const char* RowTitles[MAX_MATRIX_ROWS];  // rows of a multi-row matrix need one (possibly empty)
    const char* ColTitles[MAX_MATRIX_COLS];
    std::int32_t TitleY;                     // extra offset of the column titles
    const UIMenu* Menu;                      // item texts of the cell values
    UIMatrix* Next;                          // the page's ring; itself for a lone matrix; may be null
    UIMatrix* Prev;
    std::uint8_t ColIndex;                   // the cursor
    std::uint8_t RowIndex;
    Colour ColColors[MAX_MATRIX_COLS];       // of a column's title and cell texts
};

// Parameter of MSG_CELL_GET, MSG_CELL_SET and MSG_CELL_MENU.
struct UIMatrixCell {
    std::uint8_t Row;
    std::uint8_t Col;
    std::uint32_t Value;   // index of the menu item shown
    const UIMenu* Menu;    // filled before MSG_CELL_MENU; a handler may choose another for one cell
    std::uint32_t Color;   // a colour in a 32-bit slot, filled before MSG_CELL_GET; a handler may change it
};

// The cell a spatial navigation found.
struct UIMatrixNavTarget {
    UIControl* Ctrl;  // null while none
    std::int32_t X;
    std::int32_t Y;
    std::uint32_t Row;
    std::uint32_t Col;
};

// Parameter of MSG_NAV_BEGIN, MSG_NAV_SEARCH and MSG_NAV_TARGET.
struct UIMatrixNav {
    std::uint32_t Direction;
    UIMatrix* Origin;  // holds the cursor
    std::int32_t X;    // of the cursor cell
    std::int32_t Y;
    UIMatrixNavTarget Target;
};

std::uint32_t UIMatrixHandler(void* self, Message* msg);
// For pages with matrices side by side: offered each message before UIMatrixHandler, it takes
// MSG_NAVIGATE only, and always.
std::uint32_t UIMatrixNavigateHandler(void* self, Message* msg);

// Deals ncells cells into rows of NCols, at most MAX_MATRIX_ROWS rows.
void UIMatrixSetCells(UIMatrix* p, std::uint32_t ncells);
void UIMatrixSetColColor(UIMatrix* p, std::uint32_t col, Colour colour);
// row -1: the last row; col -1: the last cell of the row. False when the cell does not exist;
// otherwise the matrix also takes the focus and the screen is redrawn.
bool UIMatrixSetCursor(UIMatrix* p, std::int32_t row, std::int32_t col);
// The first focusable matrix along Next (Prev), at most once around; null when the links end first.
UIMatrix* UIMatrixNext(UIMatrix* p);
UIMatrix* UIMatrixPrev(UIMatrix* p);
// The cell's position for comparisons during a navigation.
void UIMatrixCellPos(const UIMatrix* p, std::uint32_t row, std::uint32_t col, std::int32_t* x, std::int32_t* y);
