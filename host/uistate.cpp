#include "host/uistate.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <utility>

#include "canvas/images.h"
#include "canvas/lcdcanvas.h"
#include "orvel/orvel.h"
#include "uicore/uicontrols.h"
#include "uicore/uieditors.h"
#include "uicore/uilist.h"
#include "uicore/uipagekit.h"
#include "uicore/uimatrix.h"
#include "uicore/uisetting.h"
#include "uicore/uitextedit.h"
#include "uicore/uitimer.h"
#include "uicore/uiutils.h"

namespace {

// Keys in the order they are written, so that a reader sees the clock and the page first.
using Json = nlohmann::ordered_json;

constexpr std::pair<const char*, std::uint32_t OrvelState::*> FeatureTbl[] = {
    {"FeatKavlin", &OrvelState::FeatKavlin}, {"FeatDigital", &OrvelState::FeatDigital},
    {"FeatMirror", &OrvelState::FeatMirror}, {"FeatMp3", &OrvelState::FeatMp3},
    {"FeatLite", &OrvelState::FeatLite},     {"FeatFactory", &OrvelState::FeatFactory},
};

Json TextOrNull(const char* text)
{
    return text ? Json(text) : Json(nullptr);
}

// Every control kind embeds UIControl as its first member.
template <typename Kind>
Kind* As(UIControl* control)
{
    return reinterpret_cast<Kind*>(control);
}

std::uint32_t KindOf(void* control)
{
    return static_cast<std::uint32_t>(MsgQuery(control, MSG_CONTROL_KIND, UI_CTRL_KIND_UNKNOWN));
}

// What a row or an editor draws for a setting: its text, empty when it does not answer.
Json SettingText(void* setting)
{
    char text[MAX_UI_TEXT] = "";
    if (!setting)
        return nullptr;
    MsgSendParam(setting, MSG_TEXT_GET, MsgParamOf(text));
    return text;
}

// A page's title is its title bar's text as drawn.
Json PageTitle(const UIPage* page)
{
    char text[MAX_UI_TEXT];
    return UIPageTitle(page, text) ? Json(text) : Json(nullptr);
}

// The value after a label, asked as texts and fields ask when they draw: the attribute first (which
// may bring its own text), then the text. byText tells which answered.
Json LabelledValue(UIControl* control, bool* byText)
{
    char value[MAX_UI_TEXT] = "";
    UITextAttr attr = {.Text = value, .Align = UI_ALIGN_LEFT, .Font = 0, .Color = COLOUR_BLACK};
    *byText = false;
    if (MsgSendParam(control, MSG_TEXT_ATTR_GET, MsgParamOf(&attr)))
        return TextOrNull(attr.Text);
    *byText = MsgSendParam(control, MSG_TEXT_GET, MsgParamOf(value)) != 0;
    return *byText ? Json(value) : Json(nullptr);
}

void DescribeTitle(UIControl* c, Json& j)
{
    char text[MAX_UI_TEXT];
    j["text"] = UITitleText(c, text) ? Json(text) : Json(nullptr);
}

void DescribeText(UIControl* c, Json& j)
{
    bool byText = false;
    j["text"] = TextOrNull(As<UIText>(c)->Text);
    j["value"] = LabelledValue(c, &byText);
}

// A field without a setting draws a value only when its own handler answers the text.
void DescribeField(UIControl* c, Json& j)
{
    bool byText = false;
    j["text"] = TextOrNull(As<UIField>(c)->Text);
    j["value"] = LabelledValue(c, &byText);
    if (!As<UIField>(c)->Setting && !byText)
        j["value"] = nullptr;
}

void DescribeButton(UIControl* c, Json& j)
{
    j["text"] = TextOrNull(As<UIButton>(c)->Text);
}

void DescribeTimecode(UIControl* c, Json& j)
{
    auto* p = As<UITimecodeField>(c);
    j["text"] = TextOrNull(p->Text);
    if (!p->Setting)
        return;
    char value[MAX_UI_TEXT];
    UITimecodeToText(value, static_cast<std::uint32_t>(MsgQuery(p->Setting, MSG_VALUE_GET, 0)));
    UITextAttr attr = {.Text = value, .Align = UI_ALIGN_LEFT, .Font = p->Font, .Color = COLOUR_BLACK};
    MsgSendParam(p, MSG_TEXT_ATTR_GET, MsgParamOf(&attr));
    j["value"] = TextOrNull(attr.Text);
}

Json Row(Json text, Json value, Json opens)
{
    return {{"text", std::move(text)}, {"value", std::move(value)}, {"opens", std::move(opens)}};
}

// The list's title row is its "text"; the cursor and the first row shown count over all rows.
void DescribeList(UIControl* c, Json& j, Json rows)
{
    auto* p = As<UIList>(c);
    char title[MAX_UI_TEXT] = "";
    if (MsgSendParam(p, MSG_LIST_TITLE, MsgParamOf(title)))
        j["text"] = title;
    j["rows"] = std::move(rows);
    j["cursor"] = p->Index;
    j["top"] = p->Top;
}

void DescribeProviderList(UIControl* c, Json& j)
{
    auto* p = As<UIList>(c);
    Json rows = Json::array();
    const std::uint32_t count = UIListCount(p);
    for (std::uint32_t i = 0; i < count; ++i) {
        char text[MAX_UI_TEXT] = "";
        UIListRowText row = {.Index = i, .Text = text, .Mark = UI_LIST_ROW_PLAIN};
        MsgSendParam(p, MSG_LIST_ROW_TEXT, MsgParamOf(&row));
        rows.push_back(Row(text, nullptr, nullptr));
    }
    DescribeList(c, j, std::move(rows));
}

// Only the items visible by their condition are rows.
void DescribeStaticList(UIControl* c, Json& j)
{
    auto* p = As<UIStaticList>(c);
    Json rows = Json::array();
    const auto count = static_cast<std::int32_t>(UIStaticListCount(p));
    for (std::int32_t i = 0; i < count; ++i) {
        const UIStaticListItem* item = UIStaticListItemAt(p, i);
        rows.push_back(Row(TextOrNull(item->Text), SettingText(item->Setting), PageTitle(item->Page)));
    }
    DescribeList(c, j, std::move(rows));
}

// The item a cell shows, as the matrix draws it: a value past the menu shows its last item.
Json CellText(const UIMenu* menu, std::uint32_t value)
{
    if (!menu || menu->NItems == 0)
        return nullptr;
    return TextOrNull(menu->Items[std::min(value, menu->NItems - 1)].Text);
}

Json MatrixRow(UIMatrix* p, std::uint8_t row)
{
    Json cells = Json::array();
    for (std::uint8_t col = 0; col < std::min(p->ColsPerRow[row], MAX_MATRIX_COLS); ++col) {
        UIMatrixCell cell = {.Row = row, .Col = col, .Value = 0, .Menu = p->Menu, .Color = p->ColColors[col]};
        MsgSendParam(p, MSG_CELL_GET, MsgParamOf(&cell));
        cells.push_back(CellText(p->Menu, cell.Value));
    }
    return {{"title", TextOrNull(p->RowTitles[row])}, {"cells", std::move(cells)}};
}

// The legend is its "text"; a column without a title has an empty one.
void DescribeMatrix(UIControl* c, Json& j)
{
    auto* p = As<UIMatrix>(c);
    Json rows = Json::array();
    for (std::uint8_t row = 0; row < std::min(p->NRows, MAX_MATRIX_ROWS); ++row)
        rows.push_back(MatrixRow(p, row));
    Json columns = Json::array();
    for (std::uint8_t col = 0; col < std::min(p->NCols, MAX_MATRIX_COLS); ++col)
        columns.push_back(p->ColTitles[col] ? p->ColTitles[col] : "");
    j["text"] = TextOrNull(p->Legend);
    j["rows"] = std::move(rows);
    j["columns"] = std::move(columns);
    j["cursor"] = {p->RowIndex, p->ColIndex};
}

void DescribeNothingMore(UIControl*, Json&) {}

// ---- the boxes the controls draw in, from what the inspector read of them (j)

std::string TextOf(const Json& text)
{
    return text.is_string() ? text.get<std::string>() : std::string();
}

LcdRect Union(const LcdRect& a, const LcdRect& b)
{
    const std::int32_t left = std::min(a.X, b.X), top = std::min(a.Y, b.Y);
    const std::int32_t right = std::max(a.X + a.Width, b.X + b.Width);
    const std::int32_t bottom = std::max(a.Y + a.Height, b.Y + b.Height);
    return {left, top, right - left, bottom - top};
}

LcdRect TextBox(std::int32_t x, std::int32_t y, std::int32_t align, std::int32_t font, const std::string& text)
{
    const std::int32_t width = TextWidth(&LcdCanvas, font, text.c_str());
    if (align == UI_ALIGN_CENTRE)
        x -= width / 2;
    else if (align == UI_ALIGN_RIGHT)
        x -= width;
    // the last glyph may reach one pixel past its advance
    return {x, y, width + 1, FontHeight(&LcdCanvas, font)};
}

// No blank after a label that ends in ':', as the controls draw it.
std::string Labelled(const Json& label, const Json& value)
{
    std::string text = TextOf(label);
    if (label.is_string() && !(text.ends_with(':')))
        text += ' ';
    return text + TextOf(value);
}

LcdRect TitleArea(UIControl* c, const Json&)
{
    return {c->X, c->Y, TitleBarImage.Width, TitleBarImage.Height};
}

LcdRect TextArea(UIControl* c, const Json& j)
{
    const auto* p = As<UIText>(c);
    return TextBox(c->X, c->Y, p->Align, p->Font, Labelled(j["text"], j["value"]));
}

// The label in the ordinary font, then the value at the field's own font and alignment.
LcdRect FieldArea(UIControl* c, const Json& j)
{
    const auto* p = As<UIField>(c);
    const LcdRect label = TextBox(c->X, c->Y, UI_ALIGN_LEFT, 0, Labelled(j["text"], nullptr));
    const std::int32_t x = c->X + label.Width;
    const LcdRect value = Union(label, TextBox(x, c->Y, p->Align, p->Font, TextOf(j["value"])));
    if (!p->Setting)
        return value;
    // the focus bar spans the setting's whole field
    const auto chars = static_cast<std::int32_t>(MsgQuery(p->Setting, MSG_FIELD_WIDTH, 1));
    return Union(value, {x, c->Y, TextWidth(&LcdCanvas, 0, " ") * chars + 1, FontHeight(&LcdCanvas, 0)});
}

// The focus bar (its right edge included) counts even while the button has no focus.
LcdRect ButtonArea(UIControl* c, const Json& j)
{
    const auto* p = As<UIButton>(c);
    const LcdRect text = TextBox(c->X, c->Y, p->Align, p->Font, TextOf(j["text"]));
    return Union(text, {c->X, c->Y, p->Width + 1, FontHeight(&LcdCanvas, 0)});
}

LcdRect TimecodeArea(UIControl* c, const Json& j)
{
    const auto* p = As<UITimecodeField>(c);
    const LcdRect value = TextBox(c->X, c->Y, UI_ALIGN_LEFT, p->Font, TextOf(j["value"]));
    if (!j["text"].is_string())
        return value;
    return Union(value, TextBox(c->X + value.Width + 4, c->Y, UI_ALIGN_LEFT, 0, TextOf(j["text"])));
}

// The rows shown (and the title row), from the cursor bar's lead to the right edge.
LcdRect ListArea(UIControl* c, const Json& j)
{
    const auto* p = As<UIList>(c);
    const std::size_t count = j["rows"].size();
    const auto shown = static_cast<std::int32_t>(count > p->Top ? std::min<std::size_t>(count - p->Top, p->NRows) : 0);
    const std::int32_t rows = std::max(shown, 1) + (j["text"].is_string() ? 1 : 0);
    const std::int32_t left = std::max(c->X - 2, 0);
    return {left, c->Y, LCD_WIDTH - left, rows * (FontHeight(&LcdCanvas, 0) + 1)};
}

// The grid with the column titles above and the row titles after each row.
LcdRect MatrixArea(UIControl* c, const Json&)
{
    const auto* p = As<UIMatrix>(c);
    const Image& cell = p->NCols < MAX_MATRIX_COLS ? MatrixCellImage : MatrixSmallCellImage;
    std::int32_t widest = 0;
    bool columnTitles = false;
    for (std::uint8_t row = 0; row < std::min(p->NRows, MAX_MATRIX_ROWS); ++row)
        if (p->RowTitles[row])
            widest = std::max(widest, TextWidth(&LcdCanvas, 0, p->RowTitles[row]) + 2);
    for (std::uint8_t col = 0; col < std::min(p->NCols, MAX_MATRIX_COLS); ++col)
        columnTitles = columnTitles || p->ColTitles[col];
    const std::int32_t titles = columnTitles ? FontHeight(&LcdCanvas, 0) + 2 : 0;
    const std::int32_t rows = std::min(p->NRows, MAX_MATRIX_ROWS);
    return {c->X, c->Y, p->NCols * (cell.Width - 1) + 1 + widest, titles + rows * (cell.Height - 1) + 1};
}

// The scale and labels reach left of the meters' position: the rows below it, across the LCD.
LcdRect MeterArea(UIControl* c, const Json&)
{
    return {0, c->Y, LCD_WIDTH, LCD_HEIGHT - c->Y};
}

// A kind of its own: one line of text to the right edge.
LcdRect OtherArea(UIControl* c, const Json&)
{
    return {c->X, c->Y, LCD_WIDTH - c->X, FontHeight(&LcdCanvas, 0)};
}

struct KindEntry {
    UIControlKind Kind;
    const char* Type;
    void (*Describe)(UIControl* control, Json& j);
    LcdRect (*Area)(UIControl* control, const Json& j);
};

constexpr KindEntry KindTbl[] = {
    {UI_CTRL_KIND_TITLE, "title", DescribeTitle, TitleArea},
    {UI_CTRL_KIND_TEXT, "text", DescribeText, TextArea},
    {UI_CTRL_KIND_FIELD, "field", DescribeField, FieldArea},
    {UI_CTRL_KIND_BUTTON, "button", DescribeButton, ButtonArea},
    {UI_CTRL_KIND_TIMECODE, "timecode", DescribeTimecode, TimecodeArea},
    {UI_CTRL_KIND_LIST, "list", DescribeProviderList, ListArea},
    {UI_CTRL_KIND_STATIC_LIST, "list", DescribeStaticList, ListArea},
    {UI_CTRL_KIND_MATRIX, "matrix", DescribeMatrix, MatrixArea},
    {UI_CTRL_KIND_METER, "meter", DescribeNothingMore, MeterArea},
};

constexpr KindEntry OtherKind = {UI_CTRL_KIND_UNKNOWN, "other", DescribeNothingMore, OtherArea};

const KindEntry& EntryOf(std::uint32_t kind)
{
    const auto* entry = std::ranges::find(KindTbl, kind, &KindEntry::Kind);
    return entry == std::end(KindTbl) ? OtherKind : *entry;
}

Json ControlState(UIControl* c)
{
    const KindEntry& kind = EntryOf(KindOf(c));
    Json j = {{"type", kind.Type}, {"x", c->X}, {"y", c->Y}, {"text", nullptr}, {"value", nullptr}};
    kind.Describe(c, j);
    return j;
}

// The controls shown, in drawing order (those hidden by their condition left out).
std::vector<UIControl*> ShownControls(UIPage* page)
{
    std::vector<UIControl*> shown;
    for (std::int32_t i = 0; page && i < page->NControls; ++i)
        if (UIControlVisible(page->Controls[i]))
            shown.push_back(page->Controls[i]);
    return shown;
}

// Focus becomes the index of the focused control among those shown.
Json Controls(UIPage* page, std::int32_t* focus)
{
    Json controls = Json::array();
    const UIControl* focused = UIFocusedControl(page);
    for (UIControl* c : ShownControls(page)) {
        if (c == focused)
            *focus = static_cast<std::int32_t>(controls.size());
        controls.push_back(ControlState(c));
    }
    return controls;
}

Json Editor(const char* kind, Json text)
{
    return {{"kind", kind}, {"text", std::move(text)}};
}

// What the open editor shows; a number editor keeps in its buffer what it drew last.
Json EditorState()
{
    if (UICurrentPage == &UITextEdit)
        return Editor("text", UITextEditState.Buffer);
    UIEditor* editor = UIActiveEditor;
    if (!editor)
        return nullptr;
    if (editor->Handler == UIEnumEditorHandler)
        return Editor("enum", SettingText(editor->Setting));
    if (editor->Handler == UINumberEditorHandler) {
        const auto* number = reinterpret_cast<UINumberEditorRec*>(editor);
        return Editor(number->DigitKeys ? "template" : "number", number->Buffer);
    }
    if (editor->Handler == UIDigitEditorHandler) {
        const auto* digits = reinterpret_cast<UIDigitEditor*>(editor);
        char text[MAX_TC_STRING];
        UITimecodeDigitsToText(text, digits->Digits);
        return Editor(digits->Hex ? "userbits" : "timecode", text);
    }
    return Editor("other", nullptr);
}

Json Model()
{
    Json features = Json::object();
    for (const auto& [name, flag] : FeatureTbl)
        features[name] = Orvel.*flag != 0;
    return {{"tracks", OrvelGetNTracks()}, {"lite", Orvel.FeatLite != 0}, {"features", std::move(features)}};
}

}  // namespace

std::string InspectState(int indent)
{
    UIPage* page = UICurrentPage;
    std::int32_t focus = -1;
    Json controls = Controls(page, &focus);
    const Json state = {
        {"time", TimeNow()},
        {"model", Model()},
        {"page", {{"title", PageTitle(page)}, {"parent", PageTitle(page ? page->Parent : nullptr)}}},
        {"editor", EditorState()},
        {"focus", focus},
        {"controls", std::move(controls)},
    };
    // a text the recorder holds is not always UTF-8; a stray byte must not lose the whole document
    return state.dump(indent, ' ', false, Json::error_handler_t::replace);
}

std::vector<LcdRect> InspectRects()
{
    std::vector<LcdRect> rects;
    for (UIControl* c : ShownControls(UICurrentPage))
        rects.push_back(EntryOf(KindOf(c)).Area(c, ControlState(c)));
    return rects;
}

std::int32_t InspectControlAt(std::int32_t x, std::int32_t y)
{
    const std::vector<LcdRect> rects = InspectRects();
    for (auto i = static_cast<std::int32_t>(rects.size()) - 1; i >= 0; --i)
        if (rects[static_cast<std::size_t>(i)].Contains(x, y))
            return i;
    return -1;
}
