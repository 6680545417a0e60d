#include "uicore/uimatrix.h"

#include <algorithm>
#include <cstdlib>

#include "canvas/images.h"
#include "canvas/lcdcanvas.h"
#include "common/debug.h"
#include "uicore/uicontrols.h"
#include "uicore/uikeys.h"
#include "uicore/uisetting.h"

namespace {

// Links followed at most when going round a ring, so that links which never lead back to where
// they started cannot hold the user interface in a loop.
constexpr int MaxRingLinks = 64;

// Reading order over the whole screen: one row of pixels after the other.
constexpr std::int32_t ReadingRowLength = LCD_WIDTH;

struct CellImages {
    const Image* Cell;
    const Image* Cursor;
};

CellImages ImagesOf(const UIMatrix* p)
{
    if (p->NCols < MAX_MATRIX_COLS)
        return {&MatrixCellImage, &MatrixCursorImage};
    return {&MatrixSmallCellImage, &MatrixSmallCursorImage};
}

// Rows and cells as far as the record's arrays reach, whatever the record claims.
std::uint32_t RowCount(const UIMatrix* p)
{
    return std::min(p->NRows, MAX_MATRIX_ROWS);
}

std::uint32_t CellCount(const UIMatrix* p, std::uint32_t row)
{
    return std::min(p->ColsPerRow[row], MAX_MATRIX_COLS);
}

std::uint8_t LastCell(const UIMatrix* p, std::uint32_t row)
{
    return static_cast<std::uint8_t>(std::max<std::uint32_t>(CellCount(p, row), 1) - 1);
}

bool LayoutChecked(const UIMatrix* p)
{
    const bool rows = ASSERT(p->NRows <= MAX_MATRIX_ROWS) && ASSERT(p->NRows);
    const bool cols = ASSERT(p->NCols <= MAX_MATRIX_COLS) && ASSERT(p->NCols);
    return rows && cols;
}

bool CursorChecked(const UIMatrix* p)
{
    if (!LayoutChecked(p) || !ASSERT(p->RowIndex < p->NRows) || !ASSERT(p->ColsPerRow[p->RowIndex]))
        return false;
    return ASSERT(p->ColIndex < p->NCols) && ASSERT(p->ColIndex < p->ColsPerRow[p->RowIndex]);
}

UIMatrix* FirstFocusable(UIMatrix* from, UIMatrix* UIMatrix::*link)
{
    UIMatrix* m = from;
    for (int i = 0; i < MaxRingLinks; ++i) {
        m = m->*link;
        if (!m)
            return nullptr;
        if (UIControlFocusable(m))
            return m;
        if (m == from)
            return nullptr;
    }
    return nullptr;
}

// Hands the cursor to another matrix of the ring (or to this one, round a ring of one).
bool Enter(UIMatrix* m, std::uint32_t row, std::uint32_t col)
{
    if (!m || !UIFocusControl(UICurrentPage, m))
        return false;
    m->RowIndex = static_cast<std::uint8_t>(std::min(row, RowCount(m) - 1));
    m->ColIndex = static_cast<std::uint8_t>(std::min(col, static_cast<std::uint32_t>(LastCell(m, m->RowIndex))));
    return true;
}

bool ColumnForward(UIMatrix* p)
{
    const bool lastRow = p->RowIndex + 1U >= p->NRows;
    if (lastRow && p->ColIndex >= LastCell(p, p->RowIndex))
        return Enter(UIMatrixNext(p), 0, 0);
    if (++p->ColIndex >= p->ColsPerRow[p->RowIndex]) {
        p->ColIndex = 0;
        ++p->RowIndex;
    }
    return true;
}

bool ColumnBack(UIMatrix* p)
{
    if (p->ColIndex > 0) {
        --p->ColIndex;
        return true;
    }
    if (p->RowIndex > 0) {
        --p->RowIndex;
        p->ColIndex = LastCell(p, p->RowIndex);
        return true;
    }
    UIMatrix* prev = UIMatrixPrev(p);
    return prev && Enter(prev, RowCount(prev) - 1, MAX_MATRIX_COLS);
}

// Row moves count as moves even where the cursor stays: at an end of links, or when the other
// matrix refuses the focus.
bool RowMove(UIMatrix* p, bool down)
{
    if (down && p->RowIndex + 1U >= p->NRows) {
        Enter(UIMatrixNext(p), 0, p->ColIndex);
        return true;
    }
    if (!down && p->RowIndex == 0) {
        UIMatrix* prev = UIMatrixPrev(p);
        if (prev)
            Enter(prev, RowCount(prev) - 1, p->ColIndex);
        return true;
    }
    p->RowIndex = static_cast<std::uint8_t>(down ? p->RowIndex + 1 : p->RowIndex - 1);
    p->ColIndex = std::min(p->ColIndex, LastCell(p, p->RowIndex));
    return true;
}

bool Move(UIMatrix* p, std::uint32_t direction)
{
    switch (direction) {
    case UI_NAV_LEFT:
        return ColumnBack(p);
    case UI_NAV_RIGHT:
        return ColumnForward(p);
    case UI_NAV_UP:
        return RowMove(p, false);
    case UI_NAV_DOWN:
        return RowMove(p, true);
    default:
        return ASSERT(direction <= UI_NAV_DOWN);
    }
}

std::uint32_t Navigate(UIMatrix* p, std::uint32_t direction)
{
    if (!CursorChecked(p) || !Move(p, direction))
        return 0;
    UIRedraw();
    return 1;
}

UIMatrixCell CellAt(const UIMatrix* p, std::uint32_t row, std::uint32_t col)
{
    return {.Row = static_cast<std::uint8_t>(row), .Col = static_cast<std::uint8_t>(col), .Value = 0,
            .Menu = p->Menu, .Color = p->ColColors[col]};
}

// MENU released: the cursor cell shows the next item of its menu, after the last the first.
std::uint32_t CycleCell(UIMatrix* p)
{
    if (!CursorChecked(p))
        return 1;
    UIMatrixCell cell = CellAt(p, p->RowIndex, p->ColIndex);
    MsgSendParam(p, MSG_CELL_MENU, MsgParamOf(&cell));
    const UIMenu* menu = cell.Menu;
    if (ASSERT(menu)) {
        cell.Value = 0;
        MsgSendParam(p, MSG_CELL_GET, MsgParamOf(&cell));
        cell.Value = cell.Value + 1 >= menu->NItems ? 0 : cell.Value + 1;
        MsgSendParam(p, MSG_CELL_SET, MsgParamOf(&cell));
    }
    UIRedraw();
    KeyHoldStop(KEY_MENU);
    return 1;
}

std::uint32_t ArrowKey(UIMatrix* p, std::uint32_t key)
{
    switch (key) {
    case KEY_LEFT:
        return MsgSendParam(p, MSG_NAVIGATE, UI_NAV_LEFT);
    case KEY_RIGHT:
        return MsgSendParam(p, MSG_NAVIGATE, UI_NAV_RIGHT);
    case KEY_UP:
        return MsgSendParam(p, MSG_NAVIGATE, UI_NAV_UP);
    case KEY_DOWN:
        return MsgSendParam(p, MSG_NAVIGATE, UI_NAV_DOWN);
    default:
        return 0;
    }
}

// Turning with MENU held moves between rows; the release of MENU then must not cycle the cell.
std::uint32_t Encoder(UIMatrix* p, std::int32_t step)
{
    std::uint32_t direction = step > 0 ? UI_NAV_RIGHT : UI_NAV_LEFT;
    if (KeyIsDown(KEY_MENU)) {
        KeyIgnoreRelease(KEY_MENU);
        direction = step < 1 ? UI_NAV_UP : UI_NAV_DOWN;
    }
    return MsgSendParam(p, MSG_NAVIGATE, direction);
}

std::uint32_t NavBegin(UIMatrix* p, UIMatrixNav* m)
{
    m->Origin = p;
    UIMatrixCellPos(p, p->RowIndex, p->ColIndex, &m->X, &m->Y);
    return 1;
}

std::int32_t ReadingKey(std::int32_t x, std::int32_t y)
{
    return x + ReadingRowLength * y;
}

// Up and down reach only cells in the very pixel column of the origin; the nearest row wins.
bool NearerInColumn(const UIMatrixNav* m, std::int32_t cx, std::int32_t cy, bool up)
{
    if (cx != m->X || (up ? cy >= m->Y : cy <= m->Y))
        return false;
    if (!m->Target.Ctrl || (up ? cy > m->Target.Y : cy < m->Target.Y))
        return true;
    return cy == m->Target.Y && std::abs(cx - m->X) < std::abs(m->Target.X - m->X);
}

// Left and right go to the nearest cell before or after the origin in reading order.
bool Candidate(const UIMatrixNav* m, std::int32_t cx, std::int32_t cy)
{
    const std::int32_t k = ReadingKey(cx, cy);
    const std::int32_t ko = ReadingKey(m->X, m->Y);
    const std::int32_t kt = ReadingKey(m->Target.X, m->Target.Y);
    switch (m->Direction) {
    case UI_NAV_LEFT:
        return k < ko && (!m->Target.Ctrl || k > kt);
    case UI_NAV_RIGHT:
        return k > ko && (!m->Target.Ctrl || k < kt);
    case UI_NAV_UP:
        return NearerInColumn(m, cx, cy, true);
    case UI_NAV_DOWN:
        return NearerInColumn(m, cx, cy, false);
    default:
        return ASSERT(m->Direction <= UI_NAV_DOWN);
    }
}

std::uint32_t NavSearch(UIMatrix* p, UIMatrixNav* m)
{
    for (std::uint32_t row = 0; row < RowCount(p); ++row) {
        for (std::uint32_t col = 0; col < CellCount(p, row); ++col) {
            std::int32_t cx = 0;
            std::int32_t cy = 0;
            UIMatrixCellPos(p, row, col, &cx, &cy);
            if (Candidate(m, cx, cy))
                m->Target = {.Ctrl = &p->Control, .X = cx, .Y = cy, .Row = row, .Col = col};
        }
    }
    return 1;
}

std::uint32_t NavTarget(UIMatrix* p, UIMatrixNav* m)
{
    ASSERT(&p->Control == m->Target.Ctrl);
    UIMatrixSetCursor(p, static_cast<std::int32_t>(m->Target.Row), static_cast<std::int32_t>(m->Target.Col));
    return 1;
}

void SearchRing(UIMatrix* first, UIMatrixNav* nav)
{
    MsgSendParam(first, MSG_NAV_SEARCH, MsgParamOf(nav));
    UIMatrix* m = UIMatrixNext(first);
    for (int i = 0; m && m != first && i < MaxRingLinks; ++i) {
        MsgSendParam(m, MSG_NAV_SEARCH, MsgParamOf(nav));
        m = UIMatrixNext(m);
    }
}

// Nothing found in the direction: the search starts again from the opposite edge of the screen.
void MoveOriginToFarEdge(UIMatrixNav* nav)
{
    switch (nav->Direction) {
    case UI_NAV_LEFT:
        nav->X = LCD_WIDTH;
        nav->Y = LCD_HEIGHT;
        break;
    case UI_NAV_RIGHT:
        nav->X = 0;
        nav->Y = 0;
        break;
    case UI_NAV_UP:
        nav->Y = LCD_HEIGHT;
        break;
    default:
        nav->Y = 0;
        break;
    }
}

std::uint32_t NavigateSpatially(UIMatrix* p, std::uint32_t direction)
{
    UIMatrixNav nav = {.Direction = direction, .Origin = p, .X = 0, .Y = 0, .Target = {}};
    MsgSendParam(p, MSG_NAV_BEGIN, MsgParamOf(&nav));
    SearchRing(p, &nav);
    if (!nav.Target.Ctrl) {
        MoveOriginToFarEdge(&nav);
        SearchRing(p, &nav);
    }
    if (nav.Target.Ctrl)
        MsgSendParam(nav.Target.Ctrl, MSG_NAV_TARGET, MsgParamOf(&nav));
    return 1;
}

// Column titles centred over the cells of the first row; the grid's top, below them when there are any.
std::int32_t DrawColumnTitles(Canvas* c, const UIMatrix* p, const Image* cell)
{
    std::int32_t x = p->Control.X + cell->Width / 2;
    bool drawn = false;
    for (std::uint32_t col = 0; col < CellCount(p, 0); ++col, x += cell->Width - 1) {
        if (!p->ColTitles[col])
            continue;
        DrawText(c, x, p->Control.Y + p->TitleY + 3, UI_ALIGN_CENTRE, 0, p->ColColors[col], p->ColTitles[col]);
        drawn = true;
    }
    return drawn ? p->Control.Y + FontHeight(c, 0) + 2 : p->Control.Y;
}

// An unanswered cell shows item 0; a value past the menu shows its last item.
const char* CellText(const UIMenu* menu, std::uint32_t value)
{
    return menu->NItems ? menu->Items[std::min(value, menu->NItems - 1)].Text : nullptr;
}

void DrawCell(Canvas* c, UIMatrix* p, std::uint32_t row, std::uint32_t col, std::int32_t x, std::int32_t y)
{
    const CellImages images = ImagesOf(p);
    const bool cursor = UIIsFocused(p) && row == p->RowIndex && col == p->ColIndex;
    UIMatrixCell cell = CellAt(p, row, col);
    MsgSendParam(p, MSG_CELL_GET, MsgParamOf(&cell));
    c->DrawImage(c, x, y, cursor ? images.Cursor : images.Cell, 0);
    const char* text = CellText(p->Menu, cell.Value);
    if (!ASSERT(text))
        return;
    const std::int32_t centre = x + images.Cell->Width / 2;
    const auto colour = static_cast<Colour>(cell.Color);
    // a leading '/' puts a bar over the letter
    if (text[0] == '/') {
        DrawText(c, centre + 1, y + 1 - FontHeight(c, 2), UI_ALIGN_CENTRE, 2, colour, "_");
        ++text;
    }
    DrawText(c, centre, y + 2, UI_ALIGN_CENTRE, 2, colour, text);
}

void DrawMatrix(Canvas* c, UIMatrix* p)
{
    const UIMenu* menu = p->Menu;
    if (!LayoutChecked(p) || !ASSERT(menu))
        return;
    const Image* cell = ImagesOf(p).Cell;
    const std::int32_t h = cell->Height;
    std::int32_t y = DrawColumnTitles(c, p, cell);
    const std::int32_t mid = y + (p->NRows * h - FontHeight(c, 1)) / 2;
    std::int32_t right = p->Control.X;
    for (std::uint32_t row = 0; row < RowCount(p); ++row) {
        std::int32_t x = p->Control.X;
        for (std::uint32_t col = 0; col < CellCount(p, row); ++col, x += cell->Width - 1)
            DrawCell(c, p, row, col, x, y);
        if (const char* title = p->RowTitles[row]) {
            DrawText(c, x + 2, y + (h - FontHeight(c, 0)) / 2, UI_ALIGN_LEFT, 0, COLOUR_BLACK, title);
            y += h - 1;
            x += TextWidth(c, 0, title);
        }
        if (y >= mid)
            right = std::max(right, x);
    }
    if (p->Legend)
        DrawText(c, right + cell->Width + 4, mid, UI_ALIGN_LEFT, 1, COLOUR_BLACK, p->Legend);
}

}  // namespace

std::uint32_t UIMatrixHandler(void* self, Message* msg)
{
    auto* p = static_cast<UIMatrix*>(self);
    switch (msg->Id) {
    case MSG_KEY_DOWN:
        return ArrowKey(p, MsgParamUnsigned(msg));
    case MSG_KEY_UP:
        return MsgParamUnsigned(msg) == KEY_MENU ? CycleCell(p) : 0;
    case MSG_ENCODER:
        return Encoder(p, MsgParamInt(msg));
    case MSG_DRAW:
        DrawMatrix(&LcdCanvas, p);
        return 1;
    case MSG_FOCUS_LOST:
        KeyIgnoreRelease(KEY_MENU);
        return 0;
    case MSG_CELL_GET:
    case MSG_CELL_SET:
        return MsgDispatch(p->Setting, msg);
    case MSG_NAVIGATE:
        return Navigate(p, MsgParamUnsigned(msg));
    case MSG_NAV_BEGIN:
        return NavBegin(p, MsgParamPtr<UIMatrixNav>(msg));
    case MSG_NAV_SEARCH:
        return NavSearch(p, MsgParamPtr<UIMatrixNav>(msg));
    case MSG_NAV_TARGET:
        return NavTarget(p, MsgParamPtr<UIMatrixNav>(msg));
    case MSG_CONTROL_KIND:
        return UIAnswerKind(msg, UI_CTRL_KIND_MATRIX);
    default:
        return 0;
    }
}

std::uint32_t UIMatrixNavigateHandler(void* self, Message* msg)
{
    if (msg->Id != MSG_NAVIGATE)
        return 0;
    return NavigateSpatially(static_cast<UIMatrix*>(self), MsgParamUnsigned(msg));
}

void UIMatrixSetCells(UIMatrix* p, std::uint32_t ncells)
{
    ASSERT(ncells > 0);
    std::uint8_t row = 0;
    for (; row < MAX_MATRIX_ROWS && ncells > 0; ++row) {
        p->ColsPerRow[row] = static_cast<std::uint8_t>(std::min<std::uint32_t>(ncells, p->NCols));
        ncells -= p->ColsPerRow[row];
    }
    p->NRows = row;
    // fewer cells than before (a model with fewer tracks) must not leave the cursor on a cell that is gone
    if (row > 0 && p->RowIndex >= row)
        p->RowIndex = static_cast<std::uint8_t>(row - 1);
    p->ColIndex = std::min(p->ColIndex, LastCell(p, p->RowIndex));
}

void UIMatrixSetColColor(UIMatrix* p, std::uint32_t col, Colour colour)
{
    if (col < MAX_MATRIX_COLS)
        p->ColColors[col] = colour;
}

bool UIMatrixSetCursor(UIMatrix* p, std::int32_t row, std::int32_t col)
{
    if (row < 0) {
        ASSERT(row == -1);
        row = p->NRows - 1;
    }
    if (row < 0 || row >= p->NRows || row >= MAX_MATRIX_ROWS)
        return false;
    if (col < 0) {
        ASSERT(col == -1);
        col = p->ColsPerRow[row] - 1;
    }
    if (col < 0 || col >= p->ColsPerRow[row])
        return false;
    p->RowIndex = static_cast<std::uint8_t>(row);
    p->ColIndex = static_cast<std::uint8_t>(col);
    UIFocusControl(UICurrentPage, p);
    UIRedraw();
    return true;
}

UIMatrix* UIMatrixNext(UIMatrix* p)
{
    return FirstFocusable(p, &UIMatrix::Next);
}

UIMatrix* UIMatrixPrev(UIMatrix* p)
{
    return FirstFocusable(p, &UIMatrix::Prev);
}

void UIMatrixCellPos(const UIMatrix* p, std::uint32_t row, std::uint32_t col, std::int32_t* x, std::int32_t* y)
{
    const Image* cell = ImagesOf(p).Cell;
    *x = p->Control.X + static_cast<std::int32_t>(col) * cell->Width;
    *y = p->Control.Y + static_cast<std::int32_t>(row) * cell->Height;
}
