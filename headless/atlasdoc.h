#pragma once
// The atlas as its atlas.json describes it, read back for the index and the comparison, and the HTML
// pieces both pages are written with.
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

struct AtlasDocPage {
    std::string Key;  // what tells the page apart across runs and models: "INPUT CONFIGURE #2"
    std::string Name;  // the key without "#N"
    std::string Slug;  // the file name of its picture, state and script, without extension
    std::string Title;  // the title bar's text; empty for a page without one
    std::string From;  // the key of the page it was first reached from; empty for home and the unreached
    bool Reached = false;
    std::vector<std::string> Path;  // the script lines from the home screen; empty for home and the unreached
    std::string Picture;  // the LCD at 2x, relative to the atlas's folder
    std::string State;
    std::string Script;  // empty when no key reaches the page
    std::vector<int> Lists;  // the row count of each list
    std::vector<std::vector<int>> Matrices;  // the cells of each row of each matrix
};

struct AtlasDocModel {
    std::string Id;
    std::string Name;
    std::vector<AtlasDocPage> Pages;

    const AtlasDocPage* Find(std::string_view key) const;
};

struct Atlas {
    std::string Generator;
    std::vector<AtlasDocModel> Models;

    const AtlasDocModel* Find(std::string_view id) const;
};

// dir/atlas.json into atlas; false after a message on err when it is missing or not an atlas.
bool ReadAtlas(const std::string& dir, Atlas& atlas, std::ostream& err);

// What a reader calls the page: its title, or its name for a page without one.
const std::string& PageLabel(const AtlasDocPage& page);
// The list rows and matrix shapes in a few words ("21 rows", "5, 2 rows, matrix 8/4", "matrices 4x8, 2x8":
// cells per row, or rows x cells when every row has as many); "" for none.
std::string PageShape(const AtlasDocPage& page);
// Lower case, every run of characters other than a-z and 0-9 one '-', no '-' at either end: a name that
// is safe as a file name whatever an atlas holds.
std::string SlugOf(std::string_view text);

// Text for HTML content and attribute values.
std::string Html(std::string_view text);
// A relative path as a link: every character that could end or change its meaning escaped.
std::string HtmlHref(std::string_view path);
// The document's start, up to and including <body>, with the style sheet inline; and its end, with the
// few lines that copy a key path.
void HtmlBegin(std::ostream& out, std::string_view title);
void HtmlEnd(std::ostream& out);
// The page's key path as key caps, with a button that copies its script lines and a note after them.
void HtmlKeyPath(std::ostream& out, const AtlasDocPage& page, std::string_view note = {});
// Its list rows and matrix shapes and, with links, its state and script (which resolve only from the
// page's own atlas).
void HtmlFacts(std::ostream& out, const AtlasDocPage& page, bool links);
// The LCD picture at its 1x size, linking to the picture itself.
void HtmlThumb(std::ostream& out, std::string_view picture);
