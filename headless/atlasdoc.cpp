#include "headless/atlasdoc.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <utility>

namespace {

using Json = nlohmann::json;

// One style sheet for the index and the comparison: system fonts, LCD pictures never smoothed.
constexpr const char* STYLE = R"(
:root { --ink: #1f2328; --muted: #636c76; --line: #d0d7de; --soft: #f6f8fa; --link: #0969da;
        --ok: #1a7f37; --gone: #cf222e; --warn: #fff8e0; }
* { box-sizing: border-box; }
body { margin: 0; color: var(--ink); background: #fff;
       font: 14px/1.45 system-ui, -apple-system, "Segoe UI", "Noto Sans", "DejaVu Sans", sans-serif; }
a { color: var(--link); text-decoration: none; }
a:hover { text-decoration: underline; }
header { padding: 18px 24px 14px; border-bottom: 1px solid var(--line); background: var(--soft); }
h1 { font-size: 20px; margin: 0 0 2px; }
h2 { font-size: 16px; margin: 28px 0 8px; }
.sub { color: var(--muted); margin: 0; }
.sub b { color: var(--ink); }
main { padding: 0 24px 48px; }
table { border-collapse: collapse; width: 100%; }
th { text-align: left; font-weight: 600; }
thead th { position: sticky; top: 0; z-index: 1; background: #fff; border-bottom: 2px solid var(--line);
           padding: 8px 6px; font-size: 12px; color: var(--muted); }
td { vertical-align: top; padding: 6px; border-bottom: 1px solid #eaeef2; }
tr.section th { padding: 22px 6px 6px; font-size: 15px; border-bottom: 2px solid var(--line); }
tr.section th span { font-weight: 400; color: var(--muted); font-size: 13px; margin-left: 8px; }
td.page { padding-left: calc(var(--d) * 24px + 6px);
          background: repeating-linear-gradient(90deg, var(--line) 0 1px, transparent 1px 24px)
                      12px 0 / calc(var(--d) * 24px) 100% no-repeat; }
.node { display: flex; gap: 14px; align-items: flex-start; }
.thumb { flex: none; line-height: 0; }
.thumb img { width: 220px; height: 176px; image-rendering: pixelated; border: 1px solid var(--line);
             border-radius: 3px; background: var(--soft); }
.info { min-width: 0; padding-top: 2px; }
.title { font-weight: 600; font-size: 15px; }
.key { color: var(--muted); font-size: 12px; margin-left: 6px; font-weight: 400; }
.path { display: flex; flex-wrap: wrap; gap: 4px 3px; align-items: center; margin: 8px 0 6px; }
kbd, code { font: 12px/1 ui-monospace, "DejaVu Sans Mono", monospace; }
kbd { background: var(--soft); border: 1px solid var(--line); border-bottom-width: 2px; border-radius: 4px;
      padding: 3px 5px; }
kbd i { font-style: normal; color: var(--muted); margin-left: 3px; }
.arrow { color: var(--muted); font-size: 11px; }
.note { color: var(--muted); font-style: italic; font-size: 13px; }
button.copy { font: 11px system-ui, sans-serif; color: var(--muted); background: #fff; border: 1px solid var(--line);
              border-radius: 4px; padding: 2px 6px; margin-left: 6px; cursor: pointer; }
button.copy:hover { color: var(--ink); border-color: var(--muted); }
.meta { color: var(--muted); font-size: 12px; }
.meta > * + *::before { content: "\00b7"; color: var(--muted); margin: 0 6px; display: inline-block; }
th.m, td.m { width: 64px; text-align: center; font-size: 12px; }
td.m { padding-top: 10px; }
td.m .marks { font-size: 13px; }
td.m .shape { display: block; color: var(--muted); font-size: 11px; }
.present { color: var(--ok); font-weight: 600; }
.hidden { color: var(--muted); font-style: italic; }
.absent { color: var(--gone); }
tr.differs td.m { background: var(--warn); }
.outline { margin: 14px 0 4px; }
.outline summary { cursor: pointer; color: var(--link); }
.cols { columns: 200px; column-gap: 28px; margin: 8px 0 4px; font-size: 13px; line-height: 1.6; }
.cols a { display: block; padding-left: calc(var(--d) * 14px); white-space: nowrap; overflow: hidden;
          text-overflow: ellipsis; color: var(--ink); }
.cols a.unreached { color: var(--muted); font-style: italic; }
figure { margin: 0; }
figcaption { font-size: 12px; color: var(--muted); margin-top: 2px; }
.change { border: 1px solid var(--line); border-radius: 6px; padding: 10px 12px; margin: 10px 0; }
.pictures { display: flex; gap: 16px; flex-wrap: wrap; margin-top: 8px; }
.count { color: var(--gone); font-size: 12px; margin-left: 8px; }
.model { display: inline-block; font-size: 11px; color: var(--muted); border: 1px solid var(--line);
         border-radius: 10px; padding: 0 7px; margin-right: 6px; font-weight: 400; }
.none { color: var(--ok); font-size: 15px; margin: 24px 0; }
)";

// The copy buttons: the clipboard where the browser allows it, a selected text area elsewhere.
constexpr const char* SCRIPT = R"(
document.addEventListener('click', function (e) {
  var b = e.target.closest('button.copy');
  if (!b) return;
  var done = function () { b.textContent = 'copied'; setTimeout(function () { b.textContent = 'copy'; }, 1200); };
  var select = function () {
    var t = document.createElement('textarea');
    t.value = b.dataset.copy; document.body.appendChild(t); t.select();
    document.execCommand('copy'); t.remove(); done();
  };
  if (navigator.clipboard && window.isSecureContext) navigator.clipboard.writeText(b.dataset.copy).then(done, select);
  else select();
});
)";

std::string Text(const Json& j, const char* name)
{
    const auto it = j.find(name);
    return it != j.end() && it->is_string() ? it->get<std::string>() : std::string();
}

std::vector<int> Numbers(const Json& j)
{
    std::vector<int> numbers;
    if (j.is_array())
        for (const Json& n : j)
            numbers.push_back(n.is_number_integer() ? n.get<int>() : 0);
    return numbers;
}

std::vector<std::string> Lines(const Json& j)
{
    std::vector<std::string> lines;
    if (j.is_array())
        for (const Json& line : j)
            lines.push_back(line.is_string() ? line.get<std::string>() : std::string());
    return lines;
}

const Json& Member(const Json& j, const char* name)
{
    static const Json none;
    const auto it = j.find(name);
    return it == j.end() ? none : *it;
}

// A page needs at least its key and its picture.
bool ReadPage(const Json& j, AtlasDocPage& page)
{
    if (!j.is_object())
        return false;
    page.Key = Text(j, "key");
    page.Name = Text(j, "name");
    page.Slug = Text(j, "slug");
    page.Title = Text(j, "title");
    page.From = Text(j, "from");
    page.Reached = Member(j, "reached").is_boolean() && Member(j, "reached").get<bool>();
    page.Path = Lines(Member(j, "path"));
    page.Picture = Text(j, "picture");
    page.State = Text(j, "state");
    page.Script = Text(j, "script");
    page.Lists = Numbers(Member(j, "lists"));
    if (Member(j, "matrices").is_array())
        for (const Json& matrix : Member(j, "matrices"))
            page.Matrices.push_back(Numbers(matrix));
    if (page.Name.empty())
        page.Name = page.Key;
    if (page.Slug.empty())
        page.Slug = SlugOf(page.Key);
    return !page.Key.empty() && !page.Picture.empty();
}

// Why j is not an atlas, or "".
std::string ReadModels(const Json& j, Atlas& atlas)
{
    if (!j.is_object() || !Member(j, "models").is_array())
        return "no list of models";
    atlas.Generator = Text(j, "generator");
    for (const Json& m : Member(j, "models")) {
        AtlasDocModel model{.Id = Text(m, "id"), .Name = Text(m, "name"), .Pages = {}};
        if (model.Id.empty() || !Member(m, "pages").is_array())
            return "a model without an id or pages";
        for (const Json& p : Member(m, "pages"))
            if (!ReadPage(p, model.Pages.emplace_back()))
                return "a page of model " + model.Id + " without a key or a picture";
        if (model.Name.empty())
            model.Name = model.Id;
        atlas.Models.push_back(std::move(model));
    }
    return atlas.Models.empty() ? "no models" : "";
}

std::string Shape(const std::vector<int>& cells)
{
    if (std::ranges::all_of(cells, [&](int n) { return n == cells.front(); }))
        return std::to_string(cells.size()) + "x" + std::to_string(cells.front());
    std::string shape;
    for (const int n : cells) {
        if (!shape.empty())
            shape += '/';  // apart: a prefix inserted before the number sets off a false overflow warning
        shape += std::to_string(n);
    }
    return shape;
}

// Runs of the same line as one key cap with a count: seven steps down read as one.
void HtmlSteps(std::ostream& out, const std::vector<std::string>& path)
{
    for (std::size_t i = 0; i < path.size();) {
        std::size_t run = 1;
        while (i + run < path.size() && path[i + run] == path[i])
            ++run;
        const std::string& line = path[i];
        const bool press = line.starts_with("press ");
        out << (i ? "<span class=arrow>&#8250;</span>" : "") << (press ? "<kbd>" : "<kbd><code>")
            << Html(press ? line.substr(6) : line) << (run > 1 ? "<i>&times;" + std::to_string(run) + "</i>" : "")
            << (press ? "</kbd>" : "</code></kbd>");
        i += run;
    }
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

}  // namespace

const AtlasDocPage* AtlasDocModel::Find(std::string_view key) const
{
    const auto it = std::ranges::find(Pages, key, &AtlasDocPage::Key);
    return it == Pages.end() ? nullptr : &*it;
}

const AtlasDocModel* Atlas::Find(std::string_view id) const
{
    const auto it = std::ranges::find(Models, id, &AtlasDocModel::Id);
    return it == Models.end() ? nullptr : &*it;
}

bool ReadAtlas(const std::string& dir, Atlas& atlas, std::ostream& err)
{
    const std::string file = (std::filesystem::path(dir) / "atlas.json").string();
    std::ifstream in(file);
    if (!in) {
        err << "cannot read " << file << "\n";
        return false;
    }
    const Json j = Json::parse(in, nullptr, false);
    const std::string why = j.is_discarded() ? "not JSON" : ReadModels(j, atlas);
    if (!why.empty())
        err << file << " is not an atlas: " << why << "\n";
    return why.empty();
}

const std::string& PageLabel(const AtlasDocPage& page)
{
    return page.Title.empty() ? page.Name : page.Title;
}

std::string PageShape(const AtlasDocPage& page)
{
    std::string lists, matrices;
    for (const int rows : page.Lists)
        lists += (lists.empty() ? "" : ", ") + std::to_string(rows);
    for (const std::vector<int>& matrix : page.Matrices)
        matrices += (matrices.empty() ? "" : ", ") + (matrix.empty() ? "0" : Shape(matrix));
    if (!lists.empty())
        lists += page.Lists.size() == 1 && page.Lists.front() == 1 ? " row" : " rows";
    if (!matrices.empty())
        matrices = (page.Matrices.size() == 1 ? "matrix " : "matrices ") + matrices;
    return lists + (lists.empty() || matrices.empty() ? "" : ", ") + matrices;
}

std::string SlugOf(std::string_view text)
{
    std::string slug;
    bool gap = false;
    for (const char c : text) {
        const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        const bool kept = (lower >= 'a' && lower <= 'z') || (lower >= '0' && lower <= '9');
        if (kept && gap && !slug.empty())
            slug += '-';
        if (kept)
            slug += lower;
        gap = !kept;
    }
    return slug;
}

std::string Html(std::string_view text)
{
    constexpr std::pair<char, const char*> ENTITIES[]
        = {{'&', "&amp;"}, {'<', "&lt;"}, {'>', "&gt;"}, {'"', "&quot;"}, {'\'', "&#39;"}};
    std::string html;
    for (const char c : text) {
        const auto* entity = std::ranges::find(ENTITIES, c, &std::pair<char, const char*>::first);
        if (entity != std::end(ENTITIES))
            html += entity->second;
        else
            html += c;
    }
    return html;
}

std::string HtmlHref(std::string_view path)
{
    constexpr const char* HEX = "0123456789ABCDEF";
    std::string href;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) || std::string_view("-._~/").find(c) != std::string_view::npos) {
            href += c;
        } else {
            href += '%';
            href += HEX[byte >> 4];
            href += HEX[byte & 15];
        }
    }
    return href;
}

void HtmlBegin(std::ostream& out, std::string_view title)
{
    out << "<!DOCTYPE html>\n<html lang=en>\n<head>\n<meta charset=utf-8>\n"
        << "<meta name=viewport content=\"width=device-width, initial-scale=1\">\n<title>" << Html(title)
        << "</title>\n<style>" << STYLE << "</style>\n</head>\n<body>\n";
}

void HtmlEnd(std::ostream& out)
{
    out << "<script>" << SCRIPT << "</script>\n</body>\n</html>\n";
}

void HtmlKeyPath(std::ostream& out, const AtlasDocPage& page, std::string_view note)
{
    out << "<div class=path>";
    if (!page.Reached)
        out << "<span class=note>no key reaches it:</span><kbd><code>goto " << Html(page.Key) << "</code></kbd>";
    else if (page.Path.empty())
        out << "<span class=note>the screen at power-on</span>";
    else
        HtmlSteps(out, page.Path);
    const std::string lines = page.Reached ? Joined(page.Path) : "goto " + page.Key + "\n";
    if (!page.Reached || !page.Path.empty())
        out << "<button class=copy type=button title=\"copy the script lines\" data-copy=\"" << Html(lines)
            << "\">copy</button>";
    out << (note.empty() ? "" : "<span class=note>" + Html(note) + "</span>") << "</div>\n";
}

void HtmlFacts(std::ostream& out, const AtlasDocPage& page, bool links)
{
    const std::string shape = PageShape(page);
    out << "<div class=meta>" << (shape.empty() ? "" : "<span>" + Html(shape) + "</span>");
    const std::pair<const char*, const std::string*> files[] = {{"state", &page.State}, {"script", &page.Script}};
    for (const auto& [label, file] : files)
        if (links && !file->empty())
            out << "<a href=\"" << HtmlHref(*file) << "\">" << label << "</a>";
    out << "</div>\n";
}

void HtmlThumb(std::ostream& out, std::string_view picture)
{
    out << "<a class=thumb href=\"" << HtmlHref(picture) << "\"><img src=\"" << HtmlHref(picture)
        << "\" width=220 height=176 alt=\"\" loading=lazy></a>";
}
