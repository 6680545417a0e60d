#pragma once
// The menu atlas: every page a user can reach from a model's home screen, found by working the
// recorder's own keys on the virtual clock, breadth first, so that each page comes with a shortest key
// path from the home screen. Pages of the catalogue that no key reaches are listed apart.
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "headless/options.h"

// A model as the crawl starts it.
struct CrawlModel {
    std::string Id;                  // "12", "lite"
    std::string Name;                // "Orvel 12"
    std::vector<std::string> Args;   // the recorder's command line
    std::vector<std::string> Setup;  // script lines run after the start, before any key
};

// A page as the crawl found it.
struct CrawlPage {
    std::string Key;   // CataloguePageKey
    std::string Name;  // CataloguePageName
    std::string From;  // the key of the page whose key or row led here first; "" for home and the unreached
    bool Reached = false;
    std::vector<std::string> Path;  // script lines from the home screen, one command each
    std::string State;              // the inspector's document (indent 2), read once the page has settled
};

struct AtlasCrawl {
    CrawlModel Model;
    std::vector<CrawlPage> Pages;  // in the order found, then the unreached in catalogue order
    double Seconds = 0;            // wall-clock time of the crawl
};

// Called while the recorder shows the page as its script leaves it (an unreached one as goto shows it).
using CrawlPageShown = std::function<void(const CrawlPage& page)>;

// The six models in the order an atlas of all lists them.
const std::vector<CrawlModel>& AtlasModels();

// The model the device args choose, asked of the recorder started with them.
CrawlModel AtlasModelOf(const HeadlessOptions& options);

// progress, when given, gets a line now and then and one at the end.
AtlasCrawl AtlasCrawlModel(const CrawlModel& model, const HeadlessOptions& options, const CrawlPageShown& shown,
                           std::ostream* progress);

// The settle time after the last key of a path, written at the end of each page's script.
constexpr std::uint32_t ATLAS_SETTLE_MS = 100;
