// "ENG SETUP": the engineer's set-up pages.
#include "ui/menu/menu.h"
#include "ui/uilists.h"
#include "ui/uipages.h"
#include "uicore/uipoweron.h"

namespace {

// "EDIT TRACK NAMES": MENU edits a name, PFL replaces it with a preset.
UIList TrackNameList = ListAt(TrackNameListHandler);
UIPageControls<1> TrackNames = PageControls("EDIT TRACK NAMES", TrackNames, {ControlOf(TrackNameList)});

}  // namespace

UIPage EditTrackNamesPage = PageOf(TrackNames, MirrorKeyHomeHandler, &EngSetupPage);

const UIKeepsPowerOn KeptEngSetup{TrackNameList, EditTrackNamesPage};
