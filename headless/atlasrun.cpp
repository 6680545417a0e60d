#include "headless/atlasrun.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <nlohmann/json.hpp>
#include <optional>

#include "canvas/lcdcanvas.h"
#include "common/debug.h"
#include "headless/atlasdoc.h"
#include "headless/atlashtml.h"
#include "headless/headlessui.h"
#include "host/inputcheck.h"
#include "host/pngfile.h"

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

constexpr int ATLAS_ZOOM = 2;

Json OrNull(const std::string& text)
{
    return text.empty() ? Json(nullptr) : Json(text);
}

std::string PageFile(const CrawlModel& model, const CrawlPage& page, const char* extension)
{
    return model.Id + "/" + SlugOf(page.Key) + extension;
}

// For each list its row count, for each matrix its cells per row, as the inspector read them.
void Counts(const nlohmann::json& state, Json& lists, Json& matrices)
{
    for (const nlohmann::json& control : state["controls"]) {
        if (control["type"] == "list")
            lists.push_back(control["rows"].size());
        if (control["type"] != "matrix")
            continue;
        Json cells = Json::array();
        for (const nlohmann::json& row : control["rows"])
            cells.push_back(row["cells"].size());
        matrices.push_back(std::move(cells));
    }
}

Json PageJson(const CrawlModel& model, const CrawlPage& page)
{
    const nlohmann::json state = nlohmann::json::parse(page.State);
    Json lists = Json::array();
    Json matrices = Json::array();
    Counts(state, lists, matrices);
    return {{"key", page.Key},
            {"name", page.Name},
            {"slug", SlugOf(page.Key)},
            {"title", state["page"]["title"]},
            {"parent", state["page"]["parent"]},
            {"from", OrNull(page.From)},
            {"reached", page.Reached},
            {"path", page.Reached ? Json(page.Path) : Json(nullptr)},
            {"picture", PageFile(model, page, ".png")},
            {"state", PageFile(model, page, ".json")},
            {"script", page.Reached ? Json(PageFile(model, page, ".orvel")) : Json(nullptr)},
            {"lists", std::move(lists)},
            {"matrices", std::move(matrices)}};
}

Json ModelJson(const AtlasCrawl& crawl)
{
    Json pages = Json::array();
    for (const CrawlPage& page : crawl.Pages)
        pages.push_back(PageJson(crawl.Model, page));
    return {{"id", crawl.Model.Id},
            {"name", crawl.Model.Name},
            {"args", crawl.Model.Args},
            {"setup", crawl.Model.Setup},
            {"pages", std::move(pages)}};
}

// False after naming the file and the reason on err.
bool WriteText(const fs::path& path, const std::string& text, std::ostream& err)
{
    return ReportWrite(path.string(), WriteWholeFile(path.string(), text), err);
}

// The picture, the inspector's document and the script of the page the recorder shows.
bool WritePageFiles(const fs::path& dir, const CrawlModel& model, const CrawlPage& page, std::ostream& err)
{
    const fs::path picture = dir / PageFile(model, page, ".png");
    const fs::path state = dir / PageFile(model, page, ".json");
    const fs::path script = dir / PageFile(model, page, ".orvel");
    return ReportWrite(picture.string(), PngWrite(picture.string(), CanvasPicture(&LcdCanvas, ATLAS_ZOOM)), err) &&
           WriteText(state, page.State + "\n", err) &&
           (!page.Reached || WriteText(script, AtlasScript(model, page), err));
}

std::size_t UnreachedCount(const Json& model)
{
    return static_cast<std::size_t>(
        std::ranges::count_if(model["pages"], [](const Json& page) { return !page["reached"].get<bool>(); }));
}

unsigned Reports;
AssertSink PassOn;

void CountAndPassOn(const AssertReport& report)
{
    ++Reports;
    PassOn(report);
}

// The model's pages into DIR/<id>/, emptied first so that no page of an earlier run stays; its part of
// atlas.json, or nothing after a message on err.
std::optional<Json> CrawlInto(const fs::path& dir, const CrawlModel& model, const HeadlessOptions& options,
                              std::ostream& err)
{
    std::error_code error;
    fs::remove_all(dir / model.Id, error);
    if (!fs::create_directories(dir / model.Id, error) && error) {
        err << "orvel-headless: cannot create " << (dir / model.Id).string() << ": " << error.message() << "\n";
        return std::nullopt;
    }
    bool written = true;
    Reports = 0;
    PassOn = AssertSetSink(CountAndPassOn);  // a report is a fault the crawl found: the run fails
    const AtlasCrawl crawl = AtlasCrawlModel(
        model, options, [&](const CrawlPage& page) { written = written && WritePageFiles(dir, model, page, err); },
        &err);
    AssertSetSink(PassOn);
    if (Reports)
        err << "orvel-headless: " << model.Name << ": the recorder reported " << Reports << " failed assertion"
            << (Reports == 1 ? "" : "s") << "\n";
    if (!written || Reports)
        return std::nullopt;
    Json json = ModelJson(crawl);
    const std::size_t unreached = UnreachedCount(json);
    err << "atlas: " << model.Name << ": " << crawl.Pages.size() - unreached << " pages reached by keys, " << unreached
        << " not, in " << std::fixed << std::setprecision(2) << crawl.Seconds << " s\n" << std::flush;
    return json;
}

fs::path PartFile(const fs::path& dir, const CrawlModel& model)
{
    return dir / (".part-" + model.Id + ".json");
}

// What a child process does: the model's files and its part of atlas.json, for the parent to gather.
int CrawlChild(const fs::path& dir, const CrawlModel& model, const HeadlessOptions& options, std::ostream& err)
{
    const std::optional<Json> json = CrawlInto(dir, model, options, err);
    if (!json)
        return 1;
    return WriteText(PartFile(dir, model), json->dump(), err) ? 0 : 1;
}

// Each model in a child process of its own, as many at a time as there are processors; a model is
// crawled here when no process can be made.
bool CrawlInChildren(const fs::path& dir, const std::vector<CrawlModel>& models, const HeadlessOptions& options,
                     std::ostream& err)
{
    const auto processors = static_cast<std::size_t>(std::max(1L, sysconf(_SC_NPROCESSORS_ONLN)));
    std::size_t running = 0;
    bool ok = true;
    for (std::size_t next = 0; next < models.size() || running > 0;) {
        if (next < models.size() && running < processors) {
            err.flush();
            const pid_t pid = fork();
            if (pid == 0)
                _exit(CrawlChild(dir, models[next], options, err));
            ok = (pid > 0 || CrawlChild(dir, models[next], options, err) == 0) && ok;
            running += pid > 0 ? 1 : 0;
            ++next;
            continue;
        }
        int status = 0;
        if (wait(&status) < 0)
            return false;
        ok = ok && WIFEXITED(status) && WEXITSTATUS(status) == 0;
        --running;
    }
    return ok;
}

// The parts the children left, in the order of the models.
bool GatherParts(const fs::path& dir, const std::vector<CrawlModel>& models, Json& parts, std::ostream& err)
{
    for (const CrawlModel& model : models) {
        std::ifstream file(PartFile(dir, model), std::ios::binary);
        Json part = Json::parse(file, nullptr, false);
        file.close();
        fs::remove(PartFile(dir, model));
        if (part.is_discarded()) {
            err << "orvel-headless: the crawl of " << model.Name << " left no result\n";
            return false;
        }
        parts.push_back(std::move(part));
    }
    return true;
}

bool CrawlModels(const fs::path& dir, const std::vector<CrawlModel>& models, const HeadlessOptions& options,
                 Json& parts, std::ostream& err)
{
    if (models.size() > 1) {
        const bool crawled = CrawlInChildren(dir, models, options, err);
        return GatherParts(dir, models, parts, err) && crawled;  // the parts are removed either way
    }
    const std::optional<Json> json = CrawlInto(dir, models.front(), options, err);
    if (json)
        parts.push_back(*json);
    return json.has_value();
}

void Summary(const fs::path& dir, const Json& models, double seconds, std::ostream& err)
{
    std::size_t pages = 0;
    std::size_t unreached = 0;
    for (const Json& model : models) {
        pages += model["pages"].size();
        unreached += UnreachedCount(model);
    }
    err << "atlas: " << models.size() << (models.size() == 1 ? " model, " : " models, ") << pages - unreached
        << " pages reached by keys, " << unreached << " not, in " << std::fixed << std::setprecision(2) << seconds
        << " s: " << (dir / "atlas.json").string() << "\n";
}

// All six, the ones named, or the one the device args choose; false after a message on err.
bool ChosenModels(const HeadlessOptions& options, std::vector<CrawlModel>& models, std::ostream& err)
{
    if (options.Models.empty()) {
        models = {AtlasModelOf(options)};
        return true;
    }
    if (options.Models == std::vector<std::string>{"all"}) {
        models = AtlasModels();
        return true;
    }
    for (const std::string& id : options.Models) {
        const auto model = std::ranges::find(AtlasModels(), id, &CrawlModel::Id);
        if (model == AtlasModels().end()) {
            err << "orvel-headless: no model " << Quoted(id) << "; the models are 4, 6, 8, 10, 12 and lite\n";
            return false;
        }
        models.push_back(*model);
    }
    return true;
}

}  // namespace

std::string AtlasScript(const CrawlModel& model, const CrawlPage& page)
{
    std::string script = "# " + page.Key + " on " + model.Name + "\n";
    for (const std::string& line : model.Setup)
        script += line + "\n";
    for (const std::string& line : page.Path)
        script += line + "\n";
    return script + "wait " + std::to_string(ATLAS_SETTLE_MS) + "\n";
}

int AtlasRun(const HeadlessOptions& options, std::ostream& err)
{
    const auto start = std::chrono::steady_clock::now();
    const fs::path dir = options.AtlasDir;
    std::vector<CrawlModel> models;
    if (!ChosenModels(options, models, err))
        return 2;
    std::error_code error;
    if (!fs::create_directories(dir, error) && error) {
        err << "orvel-headless: cannot create " << dir.string() << ": " << error.message() << "\n";
        return 1;
    }
    Json parts = Json::array();
    if (!CrawlModels(dir, models, options, parts, err))
        return 1;
    const Json atlas = {{"generator", "orvel-headless --atlas"}, {"models", parts}};
    if (!WriteText(dir / "atlas.json", atlas.dump(2) + "\n", err) || !WriteAtlasIndex(dir.string(), err))
        return 1;
    Summary(dir, parts, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), err);
    return options.CompareDir.empty() ? 0 : CompareAtlases(dir.string(), options.CompareDir, err);
}
