#include "headless/atlashtml.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <tuple>

#include "host/pngfile.h"

namespace {

namespace fs = std::filesystem;

struct TestPage {
    std::string Key;
    std::string From;  // "" for home and the unreached
    std::vector<std::string> Path;
    bool Reached = true;
    int Rows = 4;
};

const std::vector<TestPage> HOME_MENU_MODE = {
    {.Key = "(home)"},
    {.Key = "MAIN MENU", .From = "(home)", .Path = {"press MENU"}},
    {.Key = "MODE", .From = "MAIN MENU", .Path = {"press MENU", "press DOWN", "press DOWN", "press MENU"}},
    {.Key = "PLAY OUT ROUTER #2", .Reached = false},
};

constexpr std::uint32_t GREY = 0xC0C0C0;

class AtlasHtml : public testing::Test {
protected:
    void SetUp() override
    {
        const std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
        root = fs::temp_directory_path() / ("orvel-atlas-" + std::to_string(::getpid()) + "-" + test);
        fs::remove_all(root);
    }
    void TearDown() override { fs::remove_all(root); }

    // An atlas of one model per entry of models, with a small plain picture per page.
    static void Write(const fs::path& dir, const std::vector<std::pair<std::string, std::vector<TestPage>>>& models)
    {
        nlohmann::json atlas = {{"generator", "orvel-headless --atlas"}, {"models", nlohmann::json::array()}};
        for (const auto& [id, pages] : models) {
            fs::create_directories(dir / id);
            nlohmann::json list = nlohmann::json::array();
            for (const TestPage& page : pages)
                list.push_back(WritePage(dir, id, page));
            atlas["models"].push_back({{"id", id}, {"name", "Orvel " + id}, {"pages", list}});
        }
        std::ofstream(dir / "atlas.json") << atlas.dump(2);
    }

    static nlohmann::json WritePage(const fs::path& dir, const std::string& id, const TestPage& page)
    {
        std::string slug = page.Key;
        std::ranges::transform(slug, slug.begin(), [](unsigned char c) { return std::tolower(c); });
        slug = std::regex_replace(slug, std::regex("[^a-z0-9]+"), "-");
        slug = std::regex_replace(slug, std::regex("^-|-$"), "");
        const std::string base = id + "/" + slug;
        RgbPicture picture{.Width = 8, .Height = 6, .Pixels = std::vector<std::uint8_t>(8 * 6 * 3, 0xC0)};
        EXPECT_TRUE(PngWrite((dir / (base + ".png")).string(), picture));
        std::ofstream(dir / (base + ".json")) << "{}";
        if (page.Reached)
            std::ofstream(dir / (base + ".orvel")) << "# " << page.Key << "\n";
        return {{"key", page.Key},
                {"slug", slug},
                {"title", page.Key},
                {"from", page.From.empty() ? nlohmann::json() : nlohmann::json(page.From)},
                {"reached", page.Reached},
                {"path", page.Reached ? nlohmann::json(page.Path) : nlohmann::json()},
                {"picture", base + ".png"},
                {"state", base + ".json"},
                {"script", page.Reached ? nlohmann::json(base + ".orvel") : nlohmann::json()},
                {"lists", {page.Rows}},
                {"matrices", nlohmann::json::array()}};
    }

    static std::string Read(const fs::path& file)
    {
        std::ostringstream text;
        text << std::ifstream(file).rdbuf();
        return text.str();
    }

    // Every link and picture of the page resolves to a file of the atlas, and nothing comes from the network.
    static void ExpectSelfContained(const fs::path& dir, const std::string& html)
    {
        EXPECT_EQ(html.find("http"), std::string::npos);
        const std::regex link(R"((?:href|src)="([^"#][^"]*)\")");
        int links = 0;
        for (std::sregex_iterator it(html.begin(), html.end(), link), end; it != end; ++it, ++links)
            EXPECT_TRUE(fs::exists(dir / (*it)[1].str())) << (*it)[1];
        EXPECT_GT(links, 0);
    }

    // The table row of the page with that slug.
    static std::string Row(const std::string& html, const std::string& slug)
    {
        const std::size_t start = html.find("<tr id=\"" + slug + "\"");
        return start == std::string::npos ? "" : html.substr(start, html.find("</tr>", start) - start);
    }

    static std::size_t At(const std::string& html, const std::string& text)
    {
        const std::size_t at = html.find(text);
        EXPECT_NE(at, std::string::npos) << text;
        return at;
    }

    fs::path root;
    std::ostringstream err;
};

}  // namespace

TEST_F(AtlasHtml, IndexShowsTheTreeHomeFirstTheUnreachedApartAndWhereTheModelsDiffer)
{
    std::vector<TestPage> lite = HOME_MENU_MODE;
    lite.erase(lite.begin() + 2);  // no MODE
    lite[1].Rows = 3;
    Write(root, {{"12", HOME_MENU_MODE}, {"lite", lite}});
    ASSERT_TRUE(WriteAtlasIndex(root.string(), err)) << err.str();
    const std::string html = Read(root / "index.html");
    ExpectSelfContained(root, html);
    EXPECT_NE(html.find("data-copy=\"press MENU\npress DOWN\npress DOWN\npress MENU\n\""), std::string::npos);
    EXPECT_NE(html.find("data-copy=\"goto PLAY OUT ROUTER #2\n\""), std::string::npos);
    const std::size_t menu = At(html, "<tr id=\"main-menu\""), apart = At(html, "Pages no key reaches");
    EXPECT_TRUE(At(html, "<tr id=\"home\"") < menu && menu < At(html, "<tr id=\"mode\"")
                && At(html, "<tr id=\"mode\"") < apart && apart < At(html, "<tr id=\"play-out-router-2\""));
    const std::tuple<const char*, int, bool, std::vector<const char*>> rows[] = {
        {"home", 0, false, {"&#10003;"}},
        {"main-menu", 1, true, {"class=shape>4 rows<", "class=shape>3 rows<"}},
        {"mode", 2, true, {"absent"}},
        {"play-out-router-2", 0, false, {"hidden"}},
    };
    for (const auto& [slug, depth, differs, cells] : rows) {
        const std::string row = Row(html, slug);
        EXPECT_NE(row.find("--d:" + std::to_string(depth) + "\""), std::string::npos) << slug;
        EXPECT_EQ(row.starts_with("<tr id=\"" + std::string(slug) + "\" class=differs>"), differs) << slug;
        for (const char* cell : cells)
            EXPECT_NE(row.find(cell), std::string::npos) << slug << ": " << cell;
    }
}

TEST_F(AtlasHtml, ComparingAnAtlasWithItsCopyFindsNothing)
{
    Write(root / "new", {{"12", HOME_MENU_MODE}});
    fs::copy(root / "new", root / "old", fs::copy_options::recursive);
    EXPECT_EQ(CompareAtlases((root / "new").string(), (root / "old").string(), err), 0);
    EXPECT_NE(err.str().find("nothing changed in 4 pages"), std::string::npos) << err.str();
    const std::string html = Read(root / "new" / "compare.html");
    EXPECT_EQ(html.find("Changed pictures"), std::string::npos);
    EXPECT_EQ(html.find("class=change"), std::string::npos);
}

TEST_F(AtlasHtml, ComparisonMarksTheChangedPixelsAndListsNewAndMissingPages)
{
    std::vector<TestPage> pages = HOME_MENU_MODE;
    Write(root / "old", {{"12", pages}});
    pages.back() = {.Key = "SAMPLE RATE", .From = "MODE", .Path = {"press MENU"}};
    Write(root / "new", {{"12", pages}});
    RgbPicture mode;
    ASSERT_TRUE(PngRead((root / "new/12/mode.png").string(), mode));
    mode.Set(3, 2, 0x000000);
    ASSERT_TRUE(PngWrite((root / "new/12/mode.png").string(), mode));

    EXPECT_EQ(CompareAtlases((root / "new").string(), (root / "old").string(), err), 1);
    EXPECT_NE(err.str().find("1 changed, 1 new, 1 missing, 3 pages on both"), std::string::npos) << err.str();
    RgbPicture diff;
    ASSERT_TRUE(PngRead((root / "new/compare/12/mode_diff.png").string(), diff));
    for (int y = 0; y < diff.Height; ++y)
        for (int x = 0; x < diff.Width; ++x)
            EXPECT_EQ(diff.At(x, y) == 0xFF0000, x == 3 && y == 2) << x << "," << y;
    EXPECT_NE(diff.At(0, 0), GREY);  // the rest faded, not copied
    const std::string html = Read(root / "new" / "compare.html");
    ExpectSelfContained(root / "new", html);
    const std::size_t changed = At(html, "Changed pictures (1)"), added = At(html, "New pages (1)"),
                      missing = At(html, "Missing pages (1)");
    EXPECT_TRUE(changed < At(html, "MODE") && At(html, "MODE") < added);
    EXPECT_TRUE(added < At(html, "SAMPLE RATE") && At(html, "SAMPLE RATE") < missing);
    EXPECT_LT(missing, At(html, "PLAY OUT ROUTER #2"));
    EXPECT_NE(html.find("compare/12/mode_old.png"), std::string::npos);
}

TEST_F(AtlasHtml, AnAtlasThatCannotBeReadStopsTheComparison)
{
    Write(root / "good", {{"12", HOME_MENU_MODE}});
    const std::pair<const char*, const char*> broken[] = {
        {"none", nullptr},
        {"text", "not json"},
        {"models", R"({"models": []})"},
        {"keyless", R"({"models": [{"id": "12", "pages": [{"picture": "12/x.png"}]}]})"},
    };
    for (const auto& [name, json] : broken) {
        fs::create_directories(root / name);
        if (json)
            std::ofstream(root / name / "atlas.json") << json;
        EXPECT_EQ(CompareAtlases((root / "good").string(), (root / name).string(), err), 2) << name;
        EXPECT_EQ(CompareAtlases((root / name).string(), (root / "good").string(), err), 2) << name;
        EXPECT_FALSE(WriteAtlasIndex((root / name).string(), err)) << name;
    }
    EXPECT_NE(err.str().find("atlas.json is not an atlas: a page of model 12 without a key"), std::string::npos);
}
