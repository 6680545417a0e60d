#pragma once
// orvel-headless --atlas DIR [--models all|ID,...] [--compare OLD-DIR]: crawls the model the device args
// choose, or those named, as many at a time as there are processors, each in a child process (the
// recorder is one global state per process),
// and writes per model DIR/<id>/<slug>.png (2x), .json and .orvel for each page, DIR/atlas.json, the
// index and, with --compare, the comparison.
#include <ostream>
#include <string>

#include "headless/atlas.h"
#include "headless/options.h"

// A headless script that reaches the page on a fresh recorder of the model.
std::string AtlasScript(const CrawlModel& model, const CrawlPage& page);

// The exit status: 0; 1 when a file cannot be written or the recorder reported a failed assertion
// (after a message on err); 2 for an unknown model; or the comparison's status.
int AtlasRun(const HeadlessOptions& options, std::ostream& err);
