// "MAIN MENU": the top of the menu tree.
#include "orvel/orvelpages.h"
#include "ui/menu/menu.h"
#include "ui/uipages.h"
#include "uicore/uipoweron.h"

namespace {

UIMenuPage<14> MainMenu = MenuPage("MAIN MENU", MainMenu, {}, {
    Opens("META DATA", MetaDataPage),
    Opens("PLAYBACK CONTROL", PlaybackControlPage),
    When(IfNotLite, Opens("RECORD ENABLES", RecordEnablesPage)),
    When(IfLite, Opens("RECORD ROUTING", RecordRoutingPage)),
    When(IfLite, Opens("MIRROR ENABLES", MirrorEnablesPage)),
    Opens("MY ORVEL (CARD/MIRROR)", MyOrvelPage),
    Opens("FADER ASSIGN", FaderAssignPage),
    Opens("EXTERNAL FADERS", ExtFadersPage),
    Opens("MEMORY STORE/RECALL", MemoryPage),
    Opens("ABOUT ORVEL", AboutOrvelPage),
    Opens("MODE", ModePage),
    When(IfNotLite, Opens("AUTO-MIXER", AutoMixerSetupPage)),
    When(IfKavlin, Opens("KAVLIN SETUP", KavlinSetupPage)),
    Opens("ENG SETUP", EngSetupPage),
});

}  // namespace

UIPage MainMenuPage = PageOf(MainMenu);

const UIKeepsPowerOn KeptMainMenu{MainMenu, MainMenuPage};
