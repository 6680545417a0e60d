#pragma once
// The headphone routing pages: what the current headphone monitor memory sends to the left and right
// ear. Keys open the first page; it shows itself or the card tracks page, whichever suits the memory.
#include "uicore/uimain.h"

extern UIPage HphRoutingPage;    // inputs, outputs and returns of memories 1 to 10
extern UIPage HphCardTracksPage; // card tracks of memories 11 to 14
