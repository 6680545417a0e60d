#pragma once
// The page kit: menu pages built as static records by constexpr makers, so that a page reads the
// way the LCD shows it. A list page is one aggregate (title, list, rows, control list); a page with
// other controls names them in drawing order. Rows say what they show and where they lead; the list
// gives every value row its column once. The page a row opens gets that row's page as its Parent
// when the tree is linked at start, so the tree says each parent once.
//
//     UIMenuPage<2> Playback = MenuPage("PLAYBACK CONTROL", Playback, {.X = 2, .Y = 44, .Rows = 2, .Column = 116}, {
//         Row("PLAY SEGMENT: ", PlaySegment),
//         Row("SCRUB: ", Scrub),
//     });
//     UIPage PlaybackControlPage = PageOf(Playback, PlaybackControlHandler);
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "uicore/uicontrols.h"
#include "uicore/uilist.h"
#include "uicore/uimain.h"
#include "uicore/uimatrix.h"

// Static rows first, then the list's own keys and drawing: the handler of every kit list.
std::uint32_t UIMenuListHandler(void* self, Message* msg);

// Visits root, then every page a row of a kit list opens, each once, nearest first; openedFrom is
// the page whose row led there first (null for root).
using UIPageVisitor = void (*)(UIPage* page, UIPage* openedFrom, void* context);
void UIWalkPages(UIPage* root, UIPageVisitor visit, void* context);

// The title a page shows in its title bar, as drawn (a handler may fill in a number); false, and an
// empty text, for a page without one. text holds MAX_UI_TEXT bytes.
bool UIPageTitle(const UIPage* page, char* text);
bool UITitleText(UIControl* bar, char* text);

// Sets the Parent of every page that a row of a kit list opens, below root, where none is set yet;
// the first row found on the shortest way from root wins.
void UILinkParents(UIPage* root);

// Where a list stands and how it shows: 9 rows at (0, 24) unless said otherwise; Column is the x of
// every value in it, from the row text's start.
struct UIListPlace {
    std::int32_t X = 0;
    std::int32_t Y = 24;
    std::uint32_t Rows = 9;
    std::int32_t Column = 0;
    std::uint32_t Flags = UI_CTRL_FLAG_FOCUS;
};

// Rows. A setting is any record whose first field is its handler.
constexpr UIStaticListItem Row(const char* text, void* setting = nullptr)
{
    return {.Handler = nullptr, .Text = text, .Setting = setting, .Page = nullptr, .ValueX = 0, .Visible = 1};
}

template <typename Setting>
constexpr UIStaticListItem Row(const char* text, Setting& setting)
{
    return Row(text, static_cast<void*>(&setting));
}

constexpr UIStaticListItem Opens(const char* text, UIPage& page)
{
    UIStaticListItem item = Row(text);
    item.Page = &page;
    return item;
}

// A row that does something when chosen: handler answers MSG_ACTIVATE.
constexpr UIStaticListItem Action(const char* text, MsgHandler handler)
{
    UIStaticListItem item = Row(text);
    item.Handler = handler;
    return item;
}

// A row whose value stands at its own column rather than at the list's.
constexpr UIStaticListItem ValueAt(std::int32_t column, UIStaticListItem item)
{
    item.ValueX = column;
    return item;
}

// A row shown only while condition answers MSG_IS_VISIBLE with nonzero.
constexpr UIStaticListItem When(MsgHandler condition, UIStaticListItem item)
{
    item.Handler = condition;
    return item;
}

template <std::size_t N>
struct UIMenuList {
    UIStaticList List;
    UIStaticListItem Items[N];
};

template <std::size_t N>
constexpr UIMenuList<N> MenuList(UIMenuList<N>& self, UIListPlace place, const UIStaticListItem (&items)[N])
{
    UIMenuList<N> menu{};
    menu.List = {.List = {.Control = {.Handler = UIMenuListHandler, .Flags = place.Flags, .X = place.X, .Y = place.Y},
                          .NRows = place.Rows, .Index = 0, .Top = 0},
                 .NItems = N, .Items = self.Items};
    for (std::size_t i = 0; i < N; ++i) {
        menu.Items[i] = items[i];
        if (menu.Items[i].Setting && menu.Items[i].ValueX == 0)
            menu.Items[i].ValueX = place.Column;
    }
    return menu;
}

// A list whose rows come from its own handler (a provider).
constexpr UIList ListAt(MsgHandler handler, UIListPlace place = {})
{
    return {.Control = {.Handler = handler, .Flags = place.Flags, .X = place.X, .Y = place.Y}, .NRows = place.Rows,
            .Index = 0, .Top = 0};
}

// The title bar every menu page starts with.
constexpr UITitle TitleAt(const char* text)
{
    return {.Control = {.Handler = UITitleHandler, .Flags = 0, .X = 0, .Y = 0}, .Text = text};
}

// A page of a title and one list.
template <std::size_t N>
struct UIMenuPage {
    UITitle Title;
    UIMenuList<N> Menu;
    UIControl* Controls[2];
};

template <std::size_t N>
constexpr UIMenuPage<N> MenuPage(const char* title, UIMenuPage<N>& self, UIListPlace place,
                                 const UIStaticListItem (&items)[N])
{
    return {.Title = TitleAt(title), .Menu = MenuList(self.Menu, place, items),
            .Controls = {&self.Title.Control, &self.Menu.List.List.Control}};
}

// A page of a title and other controls, listed in drawing order.
template <std::size_t N>
struct UIPageControls {
    UITitle Title;
    UIControl* Controls[N + 1];
};

template <std::size_t N>
constexpr UIPageControls<N> PageControls(const char* title, UIPageControls<N>& self, UIControl* const (&controls)[N])
{
    UIPageControls<N> page{.Title = TitleAt(title), .Controls = {&self.Title.Control}};
    for (std::size_t i = 0; i < N; ++i)
        page.Controls[i + 1] = controls[i];
    return page;
}

template <typename Control>
constexpr UIControl* ControlOf(Control& control)
{
    return &control.Control;
}

template <std::size_t N>
constexpr UIControl* ControlOf(UIMenuList<N>& menu)
{
    return &menu.List.List.Control;
}

// A page's Parent is left for the tree to link unless it is opened from outside the tree.
template <typename Controls>
constexpr UIPage PageOf(Controls& controls, MsgHandler handler = UINullHandler, UIPage* parent = nullptr)
{
    return {.Handler = handler, .Flags = 0, .Parent = parent, .ControlIndex = -1,
            .NControls = static_cast<std::int32_t>(std::size(controls.Controls)), .Controls = controls.Controls};
}

// Labelled values: a text shows its setting's value after the label; a field can be edited.
constexpr UIText TextAt(std::int32_t x, std::int32_t y, const char* label, void* setting = nullptr)
{
    return {.Control = {.Handler = UITextHandler, .Flags = 0, .X = x, .Y = y}, .Text = label, .Font = 0,
            .Align = UI_ALIGN_LEFT, .Color = 0, .Setting = setting};
}

constexpr UIField FieldAt(std::int32_t x, std::int32_t y, const char* label, void* setting,
                          MsgHandler handler = UIFieldHandler)
{
    return {.Control = {.Handler = handler, .Flags = UI_CTRL_FLAG_FOCUS, .X = x, .Y = y}, .Text = label, .Font = 0,
            .Align = UI_ALIGN_LEFT, .Color = 0, .Setting = setting};
}

// Right-aligned at x: how pages without a title name themselves in a corner.
constexpr UIText TextRightAt(std::int32_t x, std::int32_t y, const char* label, void* setting = nullptr)
{
    UIText text = TextAt(x, y, label, setting);
    text.Align = UI_ALIGN_RIGHT;
    return text;
}

// A page without a title bar that paints the background picture; controls in drawing order.
template <std::size_t N>
constexpr UIPage BackgroundPage(UIControl* const (&controls)[N], MsgHandler handler, UIPage* parent = nullptr)
{
    return {.Handler = handler, .Flags = UI_PAGE_FLAG_BACKGROUND, .Parent = parent, .ControlIndex = -1,
            .NControls = static_cast<std::int32_t>(N), .Controls = controls};
}

// Matrices: rows with their titles and cell counts, column titles, the cell values' menu and the
// setting that keeps the cells. Matrices of one page form a ring through Next and Prev; a lone
// matrix is its own ring.
struct UIMatrixRow {
    const char* Title;
    std::uint8_t Cells;
};

struct UIMatrixPlace {
    std::int32_t X;
    std::int32_t Y;
    void* Setting;
    const UIMenu* Menu;
    UIMatrix* Next = nullptr;  // the page's ring; null: a lone matrix
    UIMatrix* Prev = nullptr;  // null: Next, which closes a ring of two
    MsgHandler Handler = UIMatrixHandler;
};

template <std::size_t NRows>
constexpr UIMatrix MatrixAt(UIMatrix& self, UIMatrixPlace place, const UIMatrixRow (&rows)[NRows])
{
    static_assert(NRows <= MAX_MATRIX_ROWS);
    UIMatrix m{};
    m.Control = {.Handler = place.Handler, .Flags = UI_CTRL_FLAG_FOCUS, .X = place.X, .Y = place.Y};
    m.Setting = place.Setting;
    m.NRows = static_cast<std::uint8_t>(NRows);
    for (std::size_t r = 0; r < NRows; ++r) {
        m.ColsPerRow[r] = rows[r].Cells;
        m.RowTitles[r] = rows[r].Title;
        m.NCols = rows[r].Cells > m.NCols ? rows[r].Cells : m.NCols;
    }
    m.Menu = place.Menu;
    m.Next = place.Next ? place.Next : &self;
    m.Prev = place.Prev ? place.Prev : m.Next;
    return m;
}

template <std::size_t NRows, std::size_t NCols>
constexpr UIMatrix MatrixAt(UIMatrix& self, UIMatrixPlace place, const UIMatrixRow (&rows)[NRows],
                            const char* const (&cols)[NCols])
{
    static_assert(NCols <= MAX_MATRIX_COLS);
    UIMatrix m = MatrixAt(self, place, rows);
    for (std::size_t c = 0; c < NCols; ++c)
        m.ColTitles[c] = cols[c];
    return m;
}
