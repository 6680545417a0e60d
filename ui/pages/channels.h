#pragma once
// The channel pages: the digit keys choose the channel, whose number the title shows.
#include "uicore/uimain.h"

extern UIPage ChSetupPage;   // "CH# SETUP": the input channel's set-up and its meter (also named in ui/uipages.h)
extern UIPage ChKavlinPage;  // "CH# KAVLIN": the link channel's trim and frequency (also named in ui/uipages.h)
