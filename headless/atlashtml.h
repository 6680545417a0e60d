#pragma once
// The atlas's pages for a browser, working offline: the index of every page of every model, and the
// comparison of two atlases.
#include <ostream>
#include <string>

// Writes dir/index.html from dir/atlas.json: the menu tree with a picture, title and key path for each
// page and, for several models, where the models differ. False after a message on err.
bool WriteAtlasIndex(const std::string& dir, std::ostream& err);

// Compares the atlas in dir with the one in oldDir page by page, by model and key, and writes
// dir/compare.html with the difference pictures in dir/compare/; prints one summary line on err.
// 0: nothing changed; 1: a page is new, missing or looks different; 2: an atlas cannot be read or the
// comparison cannot be written.
int CompareAtlases(const std::string& dir, const std::string& oldDir, std::ostream& err);
