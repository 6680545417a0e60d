#pragma once
// The menu atlas: every page a user can reach from a model's home screen, found by working the
// recorder's own keys on the virtual clock, breadth first, so that each page comes with a shortest key
// path from the home screen. Pages of the catalogue that no key reaches are listed apart.
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "headless/options.h"

struct AtlasModel {
    std::string Id;                  // "12", "lite"
    std::string Name;                // "Orvel 12"
    std::vector<std::string> Args;   // the recorder's command line
    std::vector<std::string> Setup;  // script lines run after the start, before any key
};

struct AtlasPage {
    std::string Key;   // CataloguePageKey
    std::string Name;  // CataloguePageName
    std::string From;  // the key of the page whose key or row led here first; "" for home and the unreached
    bool Reached = false;
    std::vector<std::string> Path;  // script lines from the home screen, one command each
    std::string State;              // the inspector's document (indent 2), read once the page has settled
};

struct AtlasCrawl {
    AtlasModel Model;
    std::vector<AtlasPage> Pages;  // in the order found, then the unreached in catalogue order
    double Seconds = 0;            // wall-clock time of the crawl
};

// Called while the recorder shows the page as its script leaves it (an unreached one as goto shows it).
using AtlasPageShown = std::function<void(const AtlasPage& page)>;

// The six models in the order an atlas of all lists them.
const std::vector<AtlasModel>& AtlasModels();

// The model the device args choose, asked of the recorder started with them.
AtlasModel AtlasModelOf(const HeadlessOptions& options);

// progress, when given, gets a line now and then and one at the end.
AtlasCrawl AtlasCrawlModel(const AtlasModel& model, const HeadlessOptions& options, const AtlasPageShown& shown,
                           std::ostream* progress);

// The key in lower case, every run of other characters than a-z and 0-9 one '-', none at the ends.
std::string AtlasSlug(const std::string& key);

// The settle time after the last key of a path, written at the end of each page's script.
constexpr std::uint32_t ATLAS_SETTLE_MS = 100;
