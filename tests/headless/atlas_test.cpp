// The atlas of the 12-track and the lite model, made as --atlas makes it: every page reached by its
// script, its picture against its golden, and the set of pages with their key paths against the
// reviewed one.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <nlohmann/json.hpp>
#include <sstream>

#include "headless/atlasdoc.h"
#include "headless/atlasrun.h"
#include "headless_fixture.h"
#include "support/golden.h"
#include "ui/catalogue.h"
#include "uicore/uimain.h"

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

// Made on first use, removed when the program ends; the models are crawled side by side.
struct MadeAtlas {
    MadeAtlas() : Dir(fs::temp_directory_path() / ("orvel-atlas-" + std::to_string(getpid())))
    {
        HeadlessOptions options;
        options.AtlasDir = Dir.string();
        options.Models = {"12", "lite"};
        std::ostringstream err;
        Status = AtlasRun(options, err);
        Errors = err.str();
        std::ifstream file(Dir / "atlas.json");
        Document = Json::parse(file, nullptr, false);
    }
    ~MadeAtlas() { fs::remove_all(Dir); }

    fs::path Dir;
    int Status;
    std::string Errors;
    Json Document;
};

const MadeAtlas& TheAtlas()
{
    static const MadeAtlas atlas;
    EXPECT_EQ(atlas.Status, 0) << atlas.Errors;
    return atlas;
}

std::string PathText(const Json& page)
{
    if (!page["reached"].get<bool>())
        return "(no key reaches it)";
    std::string text;
    for (const Json& line : page["path"])
        text += (text.empty() ? "" : "; ") + line.get<std::string>();
    return text.empty() ? "(the home screen)" : text;
}

// "KEY on MODEL, reached by PATH"
std::string Told(const Json& model, const std::string& key, const std::string& path, const char* how = "reached by")
{
    return key + " on " + model["name"].get<std::string>() + ", " + how + " " + path;
}

// The pages of the reviewed atlas, each with its key path: "KEY<tab>PATH" a line.
fs::path IndexFile(const std::string& model)
{
    return fs::path(ORVEL_SOURCE_DIR) / "tests" / "golden" / "atlas" / model / "pages.txt";
}

std::map<std::string, std::string> ReadIndex(const std::string& model)
{
    std::map<std::string, std::string> index;
    std::ifstream file(IndexFile(model));
    for (std::string line; std::getline(file, line);)
        if (const std::size_t tab = line.find('\t'); tab != std::string::npos)
            index[line.substr(0, tab)] = line.substr(tab + 1);
    return index;
}

// The 2x picture of the atlas as the display shows it, one pixel of each square of four.
RgbPicture Halved(const RgbPicture& twice)
{
    RgbPicture once{.Width = twice.Width / 2, .Height = twice.Height / 2, .Pixels = {}};
    once.Pixels.resize(static_cast<std::size_t>(once.Width * once.Height * 3));
    for (int y = 0; y < once.Height; ++y)
        for (int x = 0; x < once.Width; ++x)
            once.Set(x, y, twice.At(2 * x, 2 * y));
    return once;
}

// New, changed and missing pages of one model, with their key paths; with UPDATE_GOLDEN=1 the goldens
// and the index are written again and the pictures of pages gone removed.
void CompareWithGoldens(const fs::path& dir, const Json& model)
{
    const std::string id = model["id"];
    std::map<std::string, std::string> listed = ReadIndex(id);
    std::ostringstream index;
    std::set<std::string> slugs;
    for (const Json& page : model["pages"]) {
        const std::string key = page["key"];
        slugs.insert(page["slug"].get<std::string>());
        const std::string golden = "atlas/" + id + "/" + page["slug"].get<std::string>();
        RgbPicture picture;
        ASSERT_TRUE(PngRead((dir / page["picture"].get<std::string>()).string(), picture)) << key;
        const auto was = listed.find(key);
        if (was == listed.end() && !UpdatingGoldens()) {
            ADD_FAILURE() << "new page " << Told(model, key, PathText(page));
            (void)PictureMatchesGolden(Halved(picture), golden);  // its picture for a review
            continue;
        }
        if (was != listed.end() && was->second != PathText(page) && !UpdatingGoldens())
            ADD_FAILURE() << "page " << Told(model, key, PathText(page)) << ", before by " << was->second;
        EXPECT_TRUE(PictureMatchesGolden(Halved(picture), golden))
            << "changed page " << Told(model, key, PathText(page));
        if (was != listed.end())
            listed.erase(was);
        index << key << "\t" << PathText(page) << "\n";
    }
    if (!UpdatingGoldens()) {
        for (const auto& [key, path] : listed)
            ADD_FAILURE() << "missing page " << Told(model, key, path, "which was reached by");
        return;
    }
    std::ofstream(IndexFile(id)) << index.str();
    for (const fs::directory_entry& file : fs::directory_iterator(IndexFile(id).parent_path()))
        if (file.path().extension() == ".png" && !slugs.contains(file.path().stem().string()))
            fs::remove(file.path());
}

TEST(Atlas, AnUnknownModelStopsTheRunBeforeAnything)
{
    HeadlessOptions options;
    options.AtlasDir = (fs::temp_directory_path() / "orvel-atlas-never").string();
    options.Models = {"12", "9"};
    std::ostringstream err;
    EXPECT_EQ(AtlasRun(options, err), 2);
    EXPECT_EQ(err.str(), "orvel-headless: no model '9'; the models are 4, 6, 8, 10, 12 and lite\n");
    EXPECT_FALSE(fs::exists(options.AtlasDir));
}

class AtlasPages : public HeadlessTest {
protected:
    // Found breadth first: home first with no path, each page after the one that led there and with a
    // longer path; the unreached last, without path or script. Each script, run on a fresh recorder of
    // the model, shows its page.
    void CheckOrderAndScripts(const fs::path& dir, const Json& model)
    {
        std::map<std::string, std::size_t> order;
        options.DeviceArgs = model["args"];
        for (const Json& page : model["pages"]) {
            const std::string key = page["key"];
            const std::size_t at = order.size();
            order[key] = at;
            if (!page["reached"].get<bool>()) {
                EXPECT_TRUE(page["path"].is_null() && page["script"].is_null()) << key;
                continue;
            }
            EXPECT_EQ(page["from"].is_null(), at == 0) << key;
            if (!page["from"].is_null()) {
                ASSERT_TRUE(order.contains(page["from"])) << key << " before the page that leads there";
                EXPECT_GT(page["path"].size(), model["pages"][order[page["from"]]]["path"].size()) << key;
            }
            const std::string script = Read(dir / page["script"].get<std::string>());
            EXPECT_EQ(script.substr(0, script.find('\n')), "# " + key + " on " + model["name"].get<std::string>());
            EXPECT_EQ(ScriptReaches(script), key) << PathText(page);
        }
        EXPECT_EQ(order.size(), model["pages"].size()) << "a page listed twice";
    }

    // The key of the page the script leaves a fresh recorder on.
    std::string ScriptReaches(const std::string& script)
    {
        Stop();
        Start();
        EXPECT_EQ(Run(script), 0);
        char key[MAX_UI_TEXT];
        CataloguePageKey(UICurrentPage, key);
        return key;
    }
};

TEST_F(AtlasPages, EveryPageOfTheTwelveTrackAndTheLiteModelIsReachedByItsScriptAndLooksAsReviewed)
{
    const MadeAtlas& atlas = TheAtlas();
    ASSERT_EQ(atlas.Document["models"].size(), 2U);
    for (const Json& model : atlas.Document["models"]) {
        CheckOrderAndScripts(atlas.Dir, model);
        CompareWithGoldens(atlas.Dir, model);
    }
}

}  // namespace
