#pragma once
// Pages of matrices with the recorder's routing menu and cells kept one byte each, as the device model keeps them.
#include <initializer_list>
#include <vector>

#include "ui_fixture.h"
#include "uicore/uimatrix.h"
#include "uicore/uisetting.h"
#include "uicore/uiutils.h"

inline constexpr UIMenuItem RoutingItems[] = {{" ", 0, 0}, {"X", 1, 0}, {"/X", 2, 0}, {"P", 3, 0}, {"/P", 4, 0}};
inline constexpr UIMenu RoutingMenu = {.NItems = std::size(RoutingItems), .Items = RoutingItems};

struct CellStore {
    MsgHandler Handler;
    std::uint8_t Table[MAX_MATRIX_ROWS * MAX_MATRIX_COLS];

    std::uint8_t& At(std::uint32_t row, std::uint32_t col) { return Table[row * MAX_MATRIX_COLS + col]; }
};

std::uint32_t CellStoreHandler(void* self, Message* msg);

// A matrix at (x, y) of the routing menu with the given cells per row and empty row titles; linked to nothing.
UIMatrix MakeMatrix(std::int32_t x, std::int32_t y, std::initializer_list<std::uint8_t> cellsPerRow,
                    CellStore* store);

// Links the matrices into a ring in the order given (Next forward, Prev backward).
void Ring(std::initializer_list<UIMatrix*> ring);

class MatrixTest : public UITest {
protected:
    void SetUp() override
    {
        UITest::SetUp();
        MsgRegister(UIMainHandler, 0);
    }

    // Makes a page of the controls current, with the focus on the control at index focus (-1: the first focusable).
    void Show(std::initializer_list<UIControl*> shown, std::int32_t focus = -1);
    static UIControl* Ctl(UIMatrix& m) { return &m.Control; }

    struct Cursor {
        std::uint32_t Row, Col;
        bool operator==(const Cursor&) const = default;
        friend void PrintTo(const Cursor& c, std::ostream* out) { *out << "(" << c.Row << ", " << c.Col << ")"; }
    };
    static Cursor CursorOf(const UIMatrix& m) { return {m.RowIndex, m.ColIndex}; }

    CellStore store{.Handler = CellStoreHandler, .Table = {}};
    std::vector<UIControl*> controls;
    UIPage page{};
};
