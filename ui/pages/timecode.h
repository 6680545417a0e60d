#pragma once
// The time code pages. TC, "T" and F1 lead from each to the next: the slate, "TIME CODE",
// "ENTER TIME CODE", "TIME CODE SETUP" and round again to "TIME CODE".
#include "uicore/uimain.h"

extern UIPage SlatePage;          // the large running timecode, untitled (also named in ui/uipages.h)
extern UIPage TimeCodePage;       // "TIME CODE": the reader's and the generator's values, the jams
extern UIPage EnterTimeCodePage;  // "ENTER TIME CODE": the generator's time code and user bits typed in
extern UIPage TimeCodeSetupPage;  // "TIME CODE SETUP"
