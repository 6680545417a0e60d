#include "matrix_fixture.h"

std::uint32_t CellStoreHandler(void* self, Message* msg)
{
    auto* table = static_cast<CellStore*>(self)->Table;
    if (msg->Id == MSG_CELL_GET)
        UICellGetByte(table, MAX_MATRIX_ROWS, MAX_MATRIX_COLS, MsgParamPtr<UIMatrixCell>(msg));
    else if (msg->Id == MSG_CELL_SET)
        UICellSetByte(table, MAX_MATRIX_ROWS, MAX_MATRIX_COLS, MsgParamPtr<UIMatrixCell>(msg));
    return msg->Id == MSG_CELL_GET || msg->Id == MSG_CELL_SET;
}

UIMatrix MakeMatrix(std::int32_t x, std::int32_t y, std::initializer_list<std::uint8_t> cellsPerRow,
                    CellStore* store)
{
    UIMatrix m = {.Control = {.Handler = UIMatrixHandler, .Flags = UI_CTRL_FLAG_FOCUS, .X = x, .Y = y},
                  .Setting = store, .NCols = 0, .NRows = 0, .Legend = nullptr, .ColsPerRow = {}, .RowTitles = {},
                  .ColTitles = {}, .TitleY = 0, .Menu = &RoutingMenu, .Next = nullptr, .Prev = nullptr,
                  .ColIndex = 0, .RowIndex = 0, .ColColors = {}};
    for (const std::uint8_t cells : cellsPerRow) {
        m.RowTitles[m.NRows] = "";
        m.ColsPerRow[m.NRows++] = cells;
        m.NCols = std::max(m.NCols, cells);
    }
    return m;
}

void Ring(std::initializer_list<UIMatrix*> ring)
{
    UIMatrix* const* first = ring.begin();
    const std::size_t n = ring.size();
    for (std::size_t i = 0; i < n; ++i) {
        first[i]->Next = first[(i + 1) % n];
        first[(i + 1) % n]->Prev = first[i];
    }
}

void MatrixTest::Show(std::initializer_list<UIControl*> shown, std::int32_t focus)
{
    controls.assign(shown);
    page = ProbePage(0, controls.data(), static_cast<std::int32_t>(controls.size()));
    page.ControlIndex = focus;
    Name(&page, "page");
    // what the matrices pass on ends at the page, so that the recorder's global keys stay out of these tests
    for (const std::uint32_t id : {MSG_KEY_DOWN, MSG_KEY_UP, MSG_ENCODER})
        Answer(&page, id, {});
    UICurrentPage = nullptr;  // entered anew, even over the page shown before
    UIGotoPage(&page);
    Log().clear();
}
