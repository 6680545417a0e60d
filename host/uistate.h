#pragma once
// The state inspector: what the user interface shows, as one JSON document for tests, scripts and
// tools. It holds the clock, the recorder model, the page's title and its parent's, the open editor
// and every control shown, with the texts and values it draws (list rows and matrix cells included).
#include <string>

// indent < 0: one line; otherwise spread over lines, indented by that many blanks a level.
std::string InspectState(int indent = -1);
