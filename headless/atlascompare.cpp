// The comparison of two atlases, page by page by model and key.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "headless/atlasdoc.h"
#include "headless/atlashtml.h"
#include "headless/headlessui.h"
#include "host/pngfile.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t UNREADABLE = static_cast<std::size_t>(-1);

struct PageChange {
    const AtlasDocModel* Model;  // the new atlas's, or the old one's for a missing page
    const AtlasDocPage* Page;  // the new atlas's page, or the old one's for a missing page
    std::size_t Pixels = 0;  // of the 2x picture; UNREADABLE when a picture cannot be read
    std::string OldPicture;  // the old picture's copy in the new atlas, relative to it; "" when none
    std::string Diff;  // the difference picture, relative to the new atlas
};

class AtlasComparer {
public:
    AtlasComparer(const std::string& dir, const std::string& oldDir) : dir_(dir), oldDir_(oldDir) {}
    // False after a message on err when an atlas cannot be read or a file cannot be written.
    bool Run(std::ostream& err);
    bool AnyChange() const { return !changed_.empty() || !added_.empty() || !missing_.empty(); }
    void Summary(std::ostream& err) const;

private:
    void ComparePage(const AtlasDocModel& model, const AtlasDocPage& page, const AtlasDocPage& old);
    void FindMissing();
    std::string CopyOld(const AtlasDocModel& model, const AtlasDocPage& old);
    // Its folder made, kept (relative to the new atlas) when the file was written; else "".
    bool MakeFolder(const std::string& kept);
    std::string Written(const std::string& kept, const WriteResult& written);
    void Failed(const std::string& path, const std::string& reason);  // the first failure is the one told
    // Where the comparison keeps a picture of the page, relative to the new atlas.
    static std::string Kept(const AtlasDocModel& model, const AtlasDocPage& page, const char* suffix);
    bool WriteHtml(std::ostream& err) const;
    void WriteHeader(std::ostream& out) const;
    void WriteChanged(std::ostream& out) const;
    void WriteListed(std::ostream& out, const char* heading, const std::vector<PageChange>& pages, bool isNew) const;
    static void WriteTitle(std::ostream& out, const PageChange& change);

    fs::path dir_, oldDir_;
    Atlas atlas_, old_;
    std::vector<PageChange> changed_, added_, missing_;
    std::size_t compared_ = 0;
    WriteFailure failed_;
};

void Figure(std::ostream& out, const std::string& picture, const char* caption)
{
    out << "<figure>";
    HtmlThumb(out, picture);
    out << "<figcaption>" << caption << "</figcaption></figure>";
}

std::string Plural(std::size_t n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

bool AtlasComparer::Run(std::ostream& err)
{
    if (!ReadAtlas(dir_.string(), atlas_, err) || !ReadAtlas(oldDir_.string(), old_, err))
        return false;
    std::error_code error;
    fs::remove_all(dir_ / "compare", error);  // the pictures of an earlier comparison
    for (const AtlasDocModel& model : atlas_.Models) {
        const AtlasDocModel* oldModel = old_.Find(model.Id);
        for (const AtlasDocPage& page : model.Pages) {
            const AtlasDocPage* old = oldModel ? oldModel->Find(page.Key) : nullptr;
            if (old)
                ComparePage(model, page, *old);
            else
                added_.push_back({.Model = &model, .Page = &page});
        }
    }
    FindMissing();
    if (!failed_.Reason.empty())
        return ReportWrite(failed_.Path, {.Reason = failed_.Reason}, err);
    return WriteHtml(err);
}

void AtlasComparer::ComparePage(const AtlasDocModel& model, const AtlasDocPage& page, const AtlasDocPage& old)
{
    ++compared_;
    RgbPicture before, after;
    PageChange change{.Model = &model, .Page = &page, .Pixels = UNREADABLE};
    if (PngRead((oldDir_ / old.Picture).string(), before) && PngRead((dir_ / page.Picture).string(), after)) {
        const PictureDifference diff = ComparePictures(before, after);
        if (diff.Changed == 0)
            return;
        change.Pixels = diff.Changed;
        const std::string kept = Kept(model, page, "_diff.png");
        if (MakeFolder(kept))
            change.Diff = Written(kept, PngWrite((dir_ / kept).string(), diff.Picture));
    }
    change.OldPicture = CopyOld(model, old);
    changed_.push_back(change);
}

// The pages of the old atlas that the new one lacks, models and all.
void AtlasComparer::FindMissing()
{
    for (const AtlasDocModel& oldModel : old_.Models) {
        const AtlasDocModel* model = atlas_.Find(oldModel.Id);
        for (const AtlasDocPage& old : oldModel.Pages)
            if (!model || !model->Find(old.Key))
                missing_.push_back({.Model = &oldModel, .Page = &old, .OldPicture = CopyOld(oldModel, old)});
    }
}

// A copy, so that the comparison shows the old picture however far the old atlas is, or after it is gone.
// An old picture that cannot be read is left out.
std::string AtlasComparer::CopyOld(const AtlasDocModel& model, const AtlasDocPage& old)
{
    std::ifstream in(oldDir_ / old.Picture, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    if (!in)
        return {};
    const std::string kept = Kept(model, old, "_old.png");
    return MakeFolder(kept) ? Written(kept, WriteWholeFile((dir_ / kept).string(), bytes)) : std::string();
}

bool AtlasComparer::MakeFolder(const std::string& kept)
{
    const fs::path folder = (dir_ / kept).parent_path();
    std::error_code error;
    if (fs::create_directories(folder, error) || !error)
        return true;
    Failed(folder.string(), error.message());
    return false;
}

std::string AtlasComparer::Written(const std::string& kept, const WriteResult& written)
{
    if (written)
        return kept;
    Failed((dir_ / kept).string(), written.Reason);
    return {};
}

void AtlasComparer::Failed(const std::string& path, const std::string& reason)
{
    if (failed_.Reason.empty())
        failed_ = {path, reason};
}

std::string AtlasComparer::Kept(const AtlasDocModel& model, const AtlasDocPage& page, const char* suffix)
{
    return "compare/" + SlugOf(model.Id) + (*suffix ? "/" + SlugOf(page.Slug) + suffix : "");
}

void AtlasComparer::Summary(std::ostream& err) const
{
    err << "atlas compare: ";
    if (!AnyChange())
        err << "nothing changed in " << Plural(compared_, "page", "pages");
    else
        err << changed_.size() << " changed, " << added_.size() << " new, " << missing_.size() << " missing, "
            << Plural(compared_, "page", "pages") << " on both; see " << (dir_ / "compare.html").string();
    err << "\n";
}

bool AtlasComparer::WriteHtml(std::ostream& err) const
{
    std::ostringstream out;
    HtmlBegin(out, "Atlas comparison");
    WriteHeader(out);
    out << "<main>\n";
    if (!AnyChange())
        out << "<p class=none>Nothing changed: every page is on both and looks the same.</p>\n";
    WriteChanged(out);
    WriteListed(out, "New pages", added_, true);
    WriteListed(out, "Missing pages", missing_, false);
    out << "</main>\n";
    HtmlEnd(out);
    const std::string file = (dir_ / "compare.html").string();
    return ReportWrite(file, WriteWholeFile(file, out.str()), err);
}

void AtlasComparer::WriteHeader(std::ostream& out) const
{
    out << "<header>\n<h1>Atlas comparison</h1>\n<p class=sub><b>" << Html(dir_.string()) << "</b> against <b>"
        << Html(oldDir_.string()) << "</b>: " << Plural(compared_, "page", "pages") << " on both, "
        << Plural(changed_.size(), "picture", "pictures") << " changed, " << Plural(added_.size(), "page", "pages")
        << " new, " << missing_.size() << " missing.</p>\n";
    out << "<p class=sub>The difference shows the changed pixels in red over a faded copy of the old picture.</p>\n"
        << "</header>\n";
}

void AtlasComparer::WriteChanged(std::ostream& out) const
{
    if (changed_.empty())
        return;
    out << "<h2>Changed pictures (" << changed_.size() << ")</h2>\n";
    for (const PageChange& change : changed_) {
        out << "<div class=change>";
        WriteTitle(out, change);
        out << (change.Pixels == UNREADABLE
                    ? "<span class=count>a picture cannot be read</span>"
                    : "<span class=count>" + Plural(change.Pixels, "pixel differs", "pixels differ") + "</span>")
            << "</div>\n";
        HtmlKeyPath(out, *change.Page);
        HtmlFacts(out, *change.Page, true);
        out << "<div class=pictures>";
        if (!change.OldPicture.empty())
            Figure(out, change.OldPicture, "old");
        Figure(out, change.Page->Picture, "new");
        if (!change.Diff.empty())
            Figure(out, change.Diff, "difference");
        out << "</div></div>\n";
    }
}

void AtlasComparer::WriteListed(std::ostream& out, const char* heading, const std::vector<PageChange>& pages,
                                bool isNew) const
{
    if (pages.empty())
        return;
    out << "<h2>" << heading << " (" << pages.size() << ")</h2>\n<table>\n";
    for (const PageChange& change : pages) {
        out << "<tr><td class=page style=\"--d:0\"><div class=node>";
        const std::string& picture = isNew ? change.Page->Picture : change.OldPicture;
        if (!picture.empty())
            HtmlThumb(out, picture);
        out << "<div class=info>";
        WriteTitle(out, change);
        out << "</div>\n";
        HtmlKeyPath(out, *change.Page);
        HtmlFacts(out, *change.Page, isNew);  // an old page's files do not resolve from here
        out << "</div></div></td></tr>\n";
    }
    out << "</table>\n";
}

// Opens the title line; the caller closes it.
void AtlasComparer::WriteTitle(std::ostream& out, const PageChange& change)
{
    const AtlasDocPage& page = *change.Page;
    out << "<div class=title><span class=model>" << Html(change.Model->Name) << "</span>" << Html(PageLabel(page));
    if (page.Key != PageLabel(page))
        out << "<span class=key>" << Html(page.Key) << "</span>";
}

int CompareAtlases(const std::string& dir, const std::string& oldDir, std::ostream& err)
{
    AtlasComparer comparer(dir, oldDir);
    if (!comparer.Run(err))
        return 2;
    comparer.Summary(err);
    return comparer.AnyChange() ? 1 : 0;
}
