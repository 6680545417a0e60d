#include "headless/atlashtml.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>

#include "headless/atlasdoc.h"
#include "headless/headlessui.h"

namespace {

// One page of the tree: the pages of that key on every model.
struct IndexEntry {
    std::vector<const AtlasDocPage*> Models;  // one per model of the atlas, null where the model lacks it
    const AtlasDocPage* Shown = nullptr;  // the first model's that a key reaches, else the first model's
    std::vector<std::size_t> Children;
    bool Placed = false;
};

struct IndexRow {
    std::size_t Entry;
    int Depth;
};

class AtlasIndex {
public:
    AtlasIndex(const Atlas& atlas, std::ostream& out) : atlas_(atlas), out_(out) { Collect(); }
    void Write();

private:
    void Collect();
    std::vector<std::size_t> LinkTree();
    // The tree depth first, home first, then the pages no key reaches.
    std::vector<IndexRow> Order();
    void Place(std::size_t entry, int depth, std::vector<IndexRow>& order);
    void WriteHeader();
    void WriteOutline(const std::vector<IndexRow>& order);
    void WriteSection(const char* heading, const char* note, std::size_t count);
    void WriteRow(const IndexEntry& entry, int depth);
    void WriteModelCell(const AtlasDocPage* page, const AtlasDocModel& model, bool shape);
    bool Several() const { return atlas_.Models.size() > 1; }

    const Atlas& atlas_;
    std::ostream& out_;
    std::vector<IndexEntry> entries_;  // in the order the first model found them, then the others'
    std::map<std::string, std::size_t, std::less<>> byKey_;
};

enum class Presence { Absent, Hidden, Present };

Presence PresenceOf(const AtlasDocPage* page)
{
    return !page ? Presence::Absent : page->Reached ? Presence::Present : Presence::Hidden;
}

// Whether the models disagree on the page: one lacks it or no key reaches it there, or its lists or
// matrices have other sizes.
bool ModelsDiffer(const IndexEntry& entry)
{
    const AtlasDocPage* first = entry.Models.front();
    return std::ranges::any_of(entry.Models, [&](const AtlasDocPage* page) {
        return PresenceOf(page) != PresenceOf(first)
            || (page && first && (page->Lists != first->Lists || page->Matrices != first->Matrices));
    });
}

// Where the models reach the page by other keys, which model's path is shown.
std::string PathNote(const IndexEntry& entry, const Atlas& atlas)
{
    const AtlasDocPage* shown = entry.Shown;
    const bool differ = std::ranges::any_of(
        entry.Models, [&](const AtlasDocPage* page) { return page && page->Reached && page->Path != shown->Path; });
    const auto model = static_cast<std::size_t>(std::ranges::find(entry.Models, shown) - entry.Models.begin());
    return differ ? "on " + atlas.Models[model].Name : "";
}

bool ShapesDiffer(const IndexEntry& entry)
{
    const AtlasDocPage* shown = entry.Shown;
    return std::ranges::any_of(entry.Models, [&](const AtlasDocPage* page) {
        return page && (page->Lists != shown->Lists || page->Matrices != shown->Matrices);
    });
}

}  // namespace

void AtlasIndex::Collect()
{
    for (std::size_t m = 0; m < atlas_.Models.size(); ++m) {
        for (const AtlasDocPage& page : atlas_.Models[m].Pages) {
            const auto [it, added] = byKey_.try_emplace(page.Key, entries_.size());
            if (added)
                entries_.push_back({.Models = std::vector<const AtlasDocPage*>(atlas_.Models.size()), .Shown = &page});
            IndexEntry& entry = entries_[it->second];
            if (entry.Models[m])
                continue;  // a key twice on one model: the first counts
            entry.Models[m] = &page;
            if (page.Reached && !entry.Shown->Reached)
                entry.Shown = &page;
        }
    }
}

// Each reached page under the page it was reached from; the roots, home first.
std::vector<std::size_t> AtlasIndex::LinkTree()
{
    std::vector<std::size_t> roots;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const AtlasDocPage& page = *entries_[i].Shown;
        if (!page.Reached)
            continue;
        const auto from = byKey_.find(page.From);
        if (from != byKey_.end() && from->second != i)
            entries_[from->second].Children.push_back(i);
        else
            roots.push_back(i);
    }
    std::stable_partition(roots.begin(), roots.end(), [&](std::size_t i) { return entries_[i].Shown->Path.empty(); });
    return roots;
}

std::vector<IndexRow> AtlasIndex::Order()
{
    std::vector<IndexRow> order;
    for (const std::size_t root : LinkTree())
        Place(root, 0, order);
    // A page whose "from" leads round in a circle has no root above it: it is shown all the same.
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].Shown->Reached)
            Place(i, 0, order);
    for (std::size_t i = 0; i < entries_.size(); ++i)
        Place(i, 0, order);
    return order;
}

void AtlasIndex::Place(std::size_t i, int depth, std::vector<IndexRow>& order)
{
    if (entries_[i].Placed)
        return;
    entries_[i].Placed = true;
    order.push_back({.Entry = i, .Depth = depth});
    for (const std::size_t child : entries_[i].Children)
        Place(child, depth + 1, order);
}

void AtlasIndex::Write()
{
    const std::vector<IndexRow> order = Order();
    const auto reached = static_cast<std::size_t>(
        std::ranges::count_if(entries_, [](const IndexEntry& e) { return e.Shown->Reached; }));
    HtmlBegin(out_, atlas_.Models.size() == 1 ? "Menu atlas: " + atlas_.Models.front().Name : "Menu atlas");
    WriteHeader();
    out_ << "<main>\n";
    WriteOutline(order);
    out_ << "<table>\n<thead><tr><th>Page</th>";
    for (const AtlasDocModel& model : atlas_.Models)
        out_ << (Several() ? "<th class=m>" + Html(model.Name) + "</th>" : "");
    out_ << "</tr></thead>\n<tbody>\n";
    WriteSection("Menu tree", "each under the page it is first reached from", reached);
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (i == reached)
            WriteSection("Pages no key reaches", "shown with goto", order.size() - reached);
        WriteRow(entries_[order[i].Entry], order[i].Depth);
    }
    out_ << "</tbody>\n</table>\n</main>\n";
    HtmlEnd(out_);
}

void AtlasIndex::WriteHeader()
{
    out_ << "<header>\n<h1>Menu atlas</h1>\n<p class=sub>";
    for (const AtlasDocModel& model : atlas_.Models) {
        const auto reached = std::ranges::count_if(model.Pages, &AtlasDocPage::Reached);
        out_ << (&model == &atlas_.Models.front() ? "" : " &middot; ") << "<b>" << Html(model.Name) << "</b> "
             << model.Pages.size() << " pages, " << reached << " reached by keys";
    }
    out_ << "</p>\n<p class=sub>Click a picture for the LCD at twice its size; <i>copy</i> gives a key path as "
            "script lines for orvel-headless.";
    if (Several())
        out_ << " Per model: <span class=present>&#10003;</span> reached by keys, <span class=hidden>hidden</span>"
                " there but no key reaches it, <span class=absent>absent</span> not on that model; the rows"
                " where the models differ are marked.";
    out_ << (atlas_.Generator.empty() ? "" : " Written by <code>" + Html(atlas_.Generator) + "</code>.")
         << "</p>\n</header>\n";
}

void AtlasIndex::WriteSection(const char* heading, const char* note, std::size_t count)
{
    out_ << "<tr class=section><th colspan=" << (Several() ? atlas_.Models.size() + 1 : 1) << ">" << heading << "<span>"
         << count << (count == 1 ? " page, " : " pages, ") << note << "</span></th></tr>\n";
}

// Every page's name as a link to its row, indented as in the tree: the atlas at a glance.
void AtlasIndex::WriteOutline(const std::vector<IndexRow>& order)
{
    out_ << "<details class=outline><summary>All " << order.size() << " pages by name</summary><div class=cols>\n";
    for (const IndexRow& row : order) {
        const AtlasDocPage& page = *entries_[row.Entry].Shown;
        out_ << "<a href=\"#" << Html(SlugOf(page.Key)) << "\" style=\"--d:" << row.Depth << "\""
             << (page.Reached ? "" : " class=unreached") << ">" << Html(page.Key) << "</a>\n";
    }
    out_ << "</div></details>\n";
}

void AtlasIndex::WriteRow(const IndexEntry& entry, int depth)
{
    const AtlasDocPage& page = *entry.Shown;
    out_ << "<tr id=\"" << Html(SlugOf(page.Key)) << "\"" << (Several() && ModelsDiffer(entry) ? " class=differs" : "")
         << "><td class=page style=\"--d:" << depth << "\"><div class=node>";
    HtmlThumb(out_, page.Picture);
    out_ << "<div class=info><div class=title>" << Html(PageLabel(page));
    if (page.Key != PageLabel(page))
        out_ << "<span class=key>" << Html(page.Key) << "</span>";
    out_ << "</div>\n";
    HtmlKeyPath(out_, page, PathNote(entry, atlas_));
    HtmlFacts(out_, page, true);
    out_ << "</div></div></td>";
    const bool shapes = ShapesDiffer(entry);
    for (std::size_t m = 0; Several() && m < atlas_.Models.size(); ++m)
        WriteModelCell(entry.Models[m], atlas_.Models[m], shapes);
    out_ << "</tr>\n";
}

void AtlasIndex::WriteModelCell(const AtlasDocPage* page, const AtlasDocModel& model, bool shape)
{
    out_ << "<td class=m><span class=marks>";
    if (!page) {
        out_ << "<span class=absent title=\"not on " << Html(model.Name) << "\">absent</span></span></td>";
        return;
    }
    out_ << "<a class=" << (page->Reached ? "present" : "hidden") << " href=\"" << HtmlHref(page->Picture)
         << "\" title=\"the page on " << Html(model.Name) << "\">" << (page->Reached ? "&#10003;" : "hidden")
         << "</a></span>";
    if (shape)
        out_ << "<span class=shape>" << Html(PageShape(*page)) << "</span>";
    out_ << "</td>";
}

bool WriteAtlasIndex(const std::string& dir, std::ostream& err)
{
    Atlas atlas;
    if (!ReadAtlas(dir, atlas, err))
        return false;
    std::ostringstream out;
    AtlasIndex(atlas, out).Write();
    const std::string file = (std::filesystem::path(dir) / "index.html").string();
    return ReportWrite(file, WriteWholeFile(file, out.str()), err);
}
