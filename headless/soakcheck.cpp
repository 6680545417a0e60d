#include "headless/soakcheck.h"

#include <algorithm>
#include <string_view>

#include "canvas/lcdcanvas.h"
#include "host/hostapp.h"
#include "ui/catalogue.h"
#include "uicore/uilist.h"
#include "uicore/uimatrix.h"
#include "uicore/uitextedit.h"

namespace {

// The first report's texts are copied: the module's name lives only while the report is made.
struct Reports {
    unsigned Count;
    std::string Expression;
    std::string Module;
    unsigned Line;
};

Reports Pending;  // since the last check

void CollectReport(const AssertReport& report)
{
    if (Pending.Count++ == 0)
        Pending = {1, report.Expression, report.Module, report.Line};
}

std::string PageName(const UIPage* page)
{
    char key[MAX_UI_TEXT] = "";
    if (page)
        CataloguePageKey(page, key);
    if (key[0] == '\0')
        CataloguePageName(page, key);
    return key;
}

std::string Values(std::initializer_list<std::pair<const char*, long long>> values)
{
    std::string text;
    for (const auto& [name, value] : values)
        text += std::string(text.empty() ? "" : ", ") + name + " " + std::to_string(value);
    return text;
}

SoakFault Fault(const UIPage* page, std::string invariant, const std::string& values)
{
    return {std::move(invariant), "on " + PageName(page) + ": " + values};
}

std::uint32_t KindOf(UIControl* control)
{
    return static_cast<std::uint32_t>(MsgQuery(control, MSG_CONTROL_KIND, UI_CTRL_KIND_UNKNOWN));
}

// The cursor row is a row (0 while there is none) and shown in the list's window.
SoakFault CheckList(const UIPage* page, UIList* list)
{
    const std::uint32_t count = UIListCount(list);
    const bool cursor = count == 0 ? list->Index == 0 : list->Index < count;
    if (cursor && list->Top <= list->Index && list->Index < list->Top + list->NRows)
        return {};
    return Fault(page, "a list's cursor is one of its rows, in its window",
                 Values({{"cursor", list->Index}, {"rows", count}, {"top", list->Top}, {"shown", list->NRows}}));
}

SoakFault CheckMatrix(const UIPage* page, const UIMatrix* matrix)
{
    const std::uint8_t row = matrix->RowIndex;
    if (matrix->NRows <= MAX_MATRIX_ROWS && row < matrix->NRows &&
        matrix->ColIndex < std::min(matrix->ColsPerRow[row], MAX_MATRIX_COLS))
        return {};
    return Fault(page, "a matrix's cursor is one of its cells",
                 Values({{"row", row}, {"rows", matrix->NRows}, {"column", matrix->ColIndex},
                         {"columns", row < MAX_MATRIX_ROWS ? matrix->ColsPerRow[row] : -1}}));
}

// A matrix's column titles stand above its grid, which may place the matrix itself above the screen.
std::int32_t TopOf(UIControl* control)
{
    if (KindOf(control) != UI_CTRL_KIND_MATRIX)
        return control->Y;
    const auto* matrix = reinterpret_cast<const UIMatrix*>(control);
    const auto columns = std::min(matrix->ColsPerRow[0], MAX_MATRIX_COLS);
    const bool titled = std::any_of(matrix->ColTitles, matrix->ColTitles + columns, [](const char* t) { return t; });
    return titled ? control->Y + FontHeight(&LcdCanvas, 0) + 2 : control->Y;
}

SoakFault CheckControl(const UIPage* page, std::int32_t index)
{
    UIControl* control = page->Controls[index];
    const std::int32_t top = TopOf(control);
    if (control->X < 0 || control->X >= LCD_WIDTH || top < 0 || top >= LCD_HEIGHT)
        return Fault(page, "a control stands on the screen",
                     Values({{"control", index}, {"x", control->X}, {"y", control->Y}, {"top", top}}));
    if (!UIControlVisible(control))
        return {};
    switch (KindOf(control)) {
    case UI_CTRL_KIND_LIST:
    case UI_CTRL_KIND_STATIC_LIST:
        return CheckList(page, reinterpret_cast<UIList*>(control));
    case UI_CTRL_KIND_MATRIX:
        return CheckMatrix(page, reinterpret_cast<UIMatrix*>(control));
    default:
        return {};
    }
}

SoakFault CheckControls(const UIPage* page)
{
    if (page->ControlIndex < -1 || page->ControlIndex >= page->NControls)
        return Fault(page, "the focus is one of the page's controls or none",
                     Values({{"focus", page->ControlIndex}, {"controls", page->NControls}}));
    for (std::int32_t i = 0; i < page->NControls; ++i)
        if (SoakFault fault = CheckControl(page, i))
            return fault;
    return {};
}

bool Sized(const RgbPicture& picture, int width, int height)
{
    return picture.Width == width && picture.Height == height &&
           picture.Pixels.size() == static_cast<std::size_t>(width * height * 3);
}

// The LCD canvas and the pictures the views show keep their sizes; the client shows the LCD or not.
SoakFault CheckPictures()
{
    const int client = Host.Ui ? Host.Ui->ClientHeight() : 0;
    if (LcdCanvas.Width == LCD_WIDTH && LcdCanvas.Height == LCD_HEIGHT && LcdCanvas.Buffer &&
        Sized(Host.Client, CLIENT_WIDTH, CLIENT_HEIGHT) && Sized(Host.LcdWindow, LCD_WINDOW_WIDTH, LCD_WINDOW_HEIGHT) &&
        (client == CLIENT_HEIGHT || client == PANEL_ONLY_HEIGHT))
        return {};
    return {"the LCD picture and its views keep the screen's size",
            Values({{"canvas width", LcdCanvas.Width}, {"canvas height", LcdCanvas.Height},
                    {"client width", Host.Client.Width}, {"client height", Host.Client.Height},
                    {"shown height", client}})};
}

std::string_view Trimmed(std::string_view name)
{
    return name.substr(0, name.find_last_not_of(' ') + 1);
}

struct Walk {
    std::vector<const UIPage*>* Pages;
    std::vector<SoakPage>* Names;
};

// Goto finds a page by its name without trailing blanks, counting the pages of that name before it.
void AddPage(UIPage* page, UIPage*, void* context)
{
    auto* walk = static_cast<Walk*>(context);
    walk->Pages->push_back(page);
    char name[MAX_UI_TEXT] = "";
    CataloguePageName(page, name);
    const std::string trimmed(Trimmed(name));
    const auto same = std::ranges::count(*walk->Names, trimmed, &SoakPage::Name);
    const SoakPage named = {trimmed, static_cast<std::size_t>(same) + 1};
    if (!trimmed.empty() && CatalogueFind(named.Name, named.Nth) == page)
        walk->Names->push_back(named);
}

}  // namespace

SoakInvariants::SoakInvariants() : previous_(AssertSetSink(CollectReport))
{
    Walk walk = {&catalogue_, &names_};
    CatalogueWalk(AddPage, &walk);
    std::ranges::sort(catalogue_);
    shown_.assign(catalogue_.size(), false);
    Forget();
}

SoakInvariants::~SoakInvariants()
{
    AssertSetSink(previous_);
}

void SoakInvariants::Forget()
{
    Pending.Count = 0;
}

std::size_t SoakInvariants::PagesShown() const
{
    return static_cast<std::size_t>(std::ranges::count(shown_, true));
}

SoakFault SoakInvariants::Check()
{
    if (Pending.Count) {
        const Reports r = Pending;
        Forget();
        return {"no assertion report: \"" + r.Expression + "\" in " + r.Module + ":" + std::to_string(r.Line),
                "on " + PageName(UICurrentPage) + ": " + std::to_string(r.Count) + " report" + (r.Count == 1 ? "" : "s")};
    }
    if (SoakFault fault = CheckPage())
        return fault;
    if (SoakFault fault = CheckControls(UICurrentPage))
        return fault;
    return CheckPictures();
}

// The text editor's page opens over any page and belongs to none: it is no page of the catalogue.
SoakFault SoakInvariants::CheckPage()
{
    const UIPage* page = UICurrentPage;
    const auto found = std::ranges::lower_bound(catalogue_, page);
    const bool listed = found != catalogue_.end() && *found == page;
    if (listed)
        shown_[static_cast<std::size_t>(found - catalogue_.begin())] = true;
    if (listed || page == &UITextEdit)
        return {};
    return {"the current page is a page of the catalogue",
            page ? "a page named \"" + PageName(page) + "\"" : std::string("no current page")};
}
