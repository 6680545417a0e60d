#include "headless/atlas.h"

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <map>
#include <nlohmann/json.hpp>
#include <set>

#include "common/debug.h"
#include "headless/runner.h"
#include "host/uistate.h"
#include "orvel/orvel.h"
#include "ui/catalogue.h"
#include "uicore/uimain.h"

namespace {

using Commands = std::vector<ScriptCommand>;
using Lines = std::vector<std::string>;

// What one key or hold does, as script lines and parsed once.
struct Action {
    Lines Text;
    Commands Run;
};

constexpr std::size_t PROGRESS_EVERY = 25;  // pages looked through between progress lines
const std::string HOLD_WAIT = "wait 1100";  // past the panel keys' one-second holds

// Tried on every page; ENTER (the PC's MENU) is tried per row of the focused list, or once.
const char* const EveryPageKeysTbl[] = {"TC", "A-MIX", "KLIN", "BUS", "PFL", "SETUP", "COM", "SLT", "STAR",
                                        "ESC", "B", "T", "<", ">"};
const char* const HeldKeysTbl[] = {"TC", "A-MIX", "KLIN", "BUS", "PFL", "SETUP", "COM", "SLT", "STAR", "MENU", "ESC"};

Action MakeAction(Lines text)
{
    std::string script;
    for (const std::string& line : text)
        script += line + "\n";
    ScriptParse parse = ParseScript(script);
    ASSERT(parse.ErrorLine == 0);
    return {std::move(text), std::move(parse.Commands)};
}

Action Press(const std::string& key)
{
    return MakeAction({"press " + key});
}

std::vector<Action> EveryPageActions()
{
    std::vector<Action> actions;
    for (const char* key : EveryPageKeysTbl)
        actions.push_back(Press(key));
    return actions;
}

// The home screen's keyboard shortcuts and holds, besides the keys of every page.
std::vector<Action> HomeActions()
{
    std::vector<Action> actions;
    std::set<std::string> tried(std::begin(EveryPageKeysTbl), std::end(EveryPageKeysTbl));
    auto add = [&](const std::string& key) {
        if (tried.insert(key).second)
            actions.push_back(Press(key));
    };
    for (int f = 1; f <= 12; ++f)
        add("F" + std::to_string(f));
    for (char c = '0'; c <= '9'; ++c)
        add(std::string(1, c));
    for (char c = 'A'; c <= 'Z'; ++c)
        for (const char* mods : {"", "ALT+", "CTRL+"})
            add(mods + std::string(1, c));
    for (const char* key : HeldKeysTbl)
        actions.push_back(MakeAction({std::string("down ") + key, HOLD_WAIT, std::string("up ") + key}));
    actions.push_back(MakeAction({"down MENU", "press ESC", "up MENU"}));
    return actions;
}

bool MayTakeFocus(const nlohmann::json& control)
{
    const std::string type = control["type"];
    return type == "field" || type == "button" || type == "timecode" || type == "list";
}

int FocusableBetween(const nlohmann::json& controls, int first, int end)
{
    int count = 0;
    for (int i = std::max(first, 0); i < end; ++i)
        count += MayTakeFocus(controls[static_cast<std::size_t>(i)]) ? 1 : 0;
    return count;
}

// The keys pressed steps times in one direction, then the key that works what is there.
Action MoveThen(int steps, const char* move, const char* key)
{
    Lines text(static_cast<std::size_t>(steps), std::string("press ") + move);
    text.push_back(std::string("press ") + key);
    return MakeAction(std::move(text));
}

// ENTER on each row of the focused list, the cursor moved there with UP and DOWN (lists do not wrap);
// past the list's ends the same keys move the focus to the other controls, worked with ENTER and with
// PFL (the pickers). A matrix keeps the arrows for its cells.
std::vector<Action> FocusActions(const nlohmann::json& state)
{
    const nlohmann::json& controls = state["controls"];
    const int focus = state["focus"].get<int>();
    const auto count = static_cast<int>(controls.size());
    const nlohmann::json none;
    const nlohmann::json& focused = focus >= 0 ? controls[static_cast<std::size_t>(focus)] : none;
    std::vector<Action> actions = {Press("ENTER")};
    if (focused.is_object() && focused["type"] == "matrix")
        return actions;
    const bool list = focused.is_object() && focused["type"] == "list";
    const int above = list ? focused["cursor"].get<int>() : 0;
    const int below = list ? static_cast<int>(focused["rows"].size()) - 1 - above : 0;
    const struct {
        const char* Key;
        int Rows;
        int Controls;
    } ways[] = {{"DOWN", below, FocusableBetween(controls, focus + 1, count)},
                {"UP", above, FocusableBetween(controls, 0, focus)}};
    for (const auto& way : ways) {
        for (int steps = 1; steps <= way.Rows + way.Controls; ++steps) {
            actions.push_back(MoveThen(steps, way.Key, "ENTER"));
            if (steps > way.Rows)
                actions.push_back(MoveThen(steps, way.Key, "PFL"));
        }
    }
    return actions;
}

struct Found {
    CrawlPage Page;
    Commands Path;
};

HeadlessOptions CrawlOptions(const HeadlessOptions& options, const CrawlModel& model)
{
    HeadlessOptions crawl = options;
    crawl.DeviceArgs = model.Args;
    crawl.Quiet = true;
    return crawl;
}

// What a trial in a child process reports back.
struct Outcome {
    UIPage* Page;      // the same address here: the child is a copy of this process
    unsigned Reports;  // assertion reports on the way
};

unsigned ChildReports;

void CountReport(const AssertReport&)
{
    ++ChildReports;
}

class Crawler {
public:
    Crawler(const CrawlModel& model, const HeadlessOptions& options)
        : model_(model), options_(CrawlOptions(options, model)), runner_(options_, discard_, discard_),
          setup_(MakeAction(model.Setup).Run)
    {
    }

    void Crawl(const CrawlPageShown& shown, std::ostream* progress);
    void AddUnreached(const CrawlPageShown& shown);
    std::vector<CrawlPage> Pages();

private:
    // A fresh recorder after the setup and the parts.
    void Replay(std::initializer_list<const Commands*> parts);
    UIPage* Settle();
    // The page the action leads to from the end of the path, where the recorder stays.
    UIPage* Try(const Found& from, const Action& action);
    bool TryInChild(const Action& action, Outcome& outcome);
    const std::string& KeyOf(UIPage* page);
    void Add(UIPage* page, const Found* from, const Action* action);
    std::vector<Action> ActionsOn(std::size_t index) const;
    void LookThrough(std::size_t index, const CrawlPageShown& shown);

    const CrawlModel& model_;
    HeadlessOptions options_;
    std::ostream discard_{nullptr};  // message boxes are answered OK; what they say does not matter here
    HeadlessRunner runner_;
    Commands setup_;
    std::vector<Action> everyPage_ = EveryPageActions();
    std::vector<Found> found_;
    std::map<std::string, std::size_t> byKey_;
    std::map<const UIPage*, std::string> keys_;
};

void Crawler::Replay(std::initializer_list<const Commands*> parts)
{
    runner_.Stop();
    if (!runner_.Start())
        return;
    runner_.Run(setup_);
    for (const Commands* part : parts)
        runner_.Run(*part);
}

UIPage* Crawler::Settle()
{
    runner_.Wait(ATLAS_SETTLE_MS);
    return UICurrentPage;
}

// The child is a copy of this process with the recorder at the end of the path: the action runs there,
// and the path is replayed once per page rather than once per action.
bool Crawler::TryInChild(const Action& action, Outcome& outcome)
{
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        AssertSetSink(CountReport);
        runner_.Run(action.Run);
        const Outcome result = {Settle(), ChildReports};
        _exit(write(fds[1], &result, sizeof result) == sizeof result ? 0 : 1);
    }
    close(fds[1]);
    const bool got = pid > 0 && read(fds[0], &outcome, sizeof outcome) == sizeof outcome;
    close(fds[0]);
    if (pid > 0)
        waitpid(pid, nullptr, 0);
    return got;
}

// An action that made the recorder report an assertion runs again here, so that the report reaches
// this process's sink; so does every action when no child can be made.
UIPage* Crawler::Try(const Found& from, const Action& action)
{
    Outcome outcome = {nullptr, 0};
    if (TryInChild(action, outcome) && outcome.Reports == 0)
        return outcome.Page;
    Replay({&from.Path, &action.Run});
    UIPage* page = Settle();
    Replay({&from.Path});
    return page;
}

// Page keys are worked out once per page: each walks the whole catalogue.
const std::string& Crawler::KeyOf(UIPage* page)
{
    auto [it, added] = keys_.try_emplace(page);
    if (added && page) {
        char key[MAX_UI_TEXT];
        CataloguePageKey(page, key);
        it->second = key;
    }
    return it->second;
}

// Pages outside the catalogue (the text editor's page) have no key and are passed through.
void Crawler::Add(UIPage* page, const Found* from, const Action* action)
{
    const std::string& key = KeyOf(page);
    if (key.empty() || byKey_.contains(key))
        return;
    char name[MAX_UI_TEXT];
    CataloguePageName(page, name);
    Found found = {.Page = {.Key = key, .Name = name, .From = {}, .Reached = true, .Path = {}, .State = {}},
                   .Path = {}};
    if (from) {
        found.Page.From = from->Page.Key;
        found.Page.Path = from->Page.Path;
        found.Page.Path.insert(found.Page.Path.end(), action->Text.begin(), action->Text.end());
        found.Path = from->Path;
        found.Path.insert(found.Path.end(), action->Run.begin(), action->Run.end());
    }
    byKey_[key] = found_.size();
    found_.push_back(std::move(found));
}

// What is tried on the page: the keys of every page, its rows and fields, and on the home screen its
// shortcuts and holds.
std::vector<Action> Crawler::ActionsOn(std::size_t index) const
{
    std::vector<Action> actions = everyPage_;
    std::vector<Action> focus = FocusActions(nlohmann::json::parse(found_[index].Page.State));
    actions.insert(actions.end(), focus.begin(), focus.end());
    if (index == 0) {
        std::vector<Action> home = HomeActions();
        actions.insert(actions.end(), home.begin(), home.end());
    }
    return actions;
}

// The page as its script leaves it, read first (reading a running time code moves it on); then each
// action from the end of the path.
void Crawler::LookThrough(std::size_t index, const CrawlPageShown& shown)
{
    Replay({&found_[index].Path});
    Settle();
    found_[index].Page.State = InspectState(2);
    if (shown)
        shown(found_[index].Page);
    const std::vector<Action> actions = ActionsOn(index);
    Replay({&found_[index].Path});
    for (const Action& action : actions)
        Add(Try(found_[index], action), &found_[index], &action);
}

void Crawler::Crawl(const CrawlPageShown& shown, std::ostream* progress)
{
    Replay({});
    Add(Settle(), nullptr, nullptr);
    for (std::size_t i = 0; i < found_.size(); ++i) {
        LookThrough(i, shown);
        if (progress && (i + 1) % PROGRESS_EVERY == 0)
            *progress << "atlas: " << model_.Name << ": " << found_.size() << " pages found, " << i + 1
                      << " looked through\n" << std::flush;
    }
}

void Crawler::AddUnreached(const CrawlPageShown& shown)
{
    std::vector<UIPage*> catalogue;
    CatalogueWalk([](UIPage* page, UIPage*, void* all) { static_cast<std::vector<UIPage*>*>(all)->push_back(page); },
                  &catalogue);
    for (UIPage* page : catalogue) {
        const std::string key = KeyOf(page);
        if (byKey_.contains(key))
            continue;
        Replay({});
        UIGotoPage(page);
        Settle();
        char name[MAX_UI_TEXT];
        CataloguePageName(page, name);
        byKey_[key] = found_.size();
        found_.push_back({.Page = {.Key = key, .Name = name, .From = {}, .Reached = false, .Path = {},
                                   .State = InspectState(2)},
                          .Path = {}});
        if (shown)
            shown(found_.back().Page);
    }
    runner_.Stop();
}

std::vector<CrawlPage> Crawler::Pages()
{
    std::vector<CrawlPage> pages;
    for (Found& f : found_)
        pages.push_back(std::move(f.Page));
    return pages;
}

}  // namespace

const std::vector<CrawlModel>& AtlasModels()
{
    static const std::vector<CrawlModel> models = {
        {"4", "Orvel 4", {}, {"menu Orvel 4"}}, {"6", "Orvel 6", {}, {"menu Orvel 6"}},
        {"8", "Orvel 8", {}, {"menu Orvel 8"}}, {"10", "Orvel 10", {"10"}, {}},
        {"12", "Orvel 12", {}, {}},             {"lite", "Orvel Lite", {"lite"}, {}},
    };
    return models;
}

CrawlModel AtlasModelOf(const HeadlessOptions& options)
{
    HeadlessOptions quiet = options;
    quiet.Quiet = true;
    std::ostream discard(nullptr);
    HeadlessRunner runner(quiet, discard, discard);
    const bool lite = runner.Start() && Orvel.FeatLite;
    const std::string tracks = std::to_string(OrvelGetNTracks());
    return {lite ? "lite" : tracks, lite ? "Orvel Lite" : "Orvel " + tracks, options.DeviceArgs, {}};
}

AtlasCrawl AtlasCrawlModel(const CrawlModel& model, const HeadlessOptions& options, const CrawlPageShown& shown,
                           std::ostream* progress)
{
    const auto start = std::chrono::steady_clock::now();
    Crawler crawler(model, options);
    crawler.Crawl(shown, progress);
    crawler.AddUnreached(shown);
    AtlasCrawl crawl = {.Model = model, .Pages = crawler.Pages(), .Seconds = 0};
    crawl.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return crawl;
}
