// "MEMORY": the three setting memories, the faders, the factory defaults and the mirror disk copy.
#include "orvel/orvelpages.h"
#include "ui/menu/menu.h"
#include "uicore/uipoweron.h"

namespace {

UIMenuPage<10> Memory = MenuPage("MEMORY", Memory, {}, {
    Opens("STORE 1", StoreMemory1Page),
    Opens("STORE 2", StoreMemory2Page),
    Opens("STORE 3", StoreMemory3Page),
    Opens("CLEAR FADERS", ClearFadersPage),
    Opens("RECALL 1", RecallMemory1Page),
    Opens("RECALL 2", RecallMemory2Page),
    Opens("RECALL 3", RecallMemory3Page),
    Opens("RECALL FACTORY DEFAULTS", FactoryResetPage),
    Opens("STORE TO MIRROR DISK", StoreToMirPage),
    Opens("RECALL FROM MIRROR DISK", RecallFromMirPage),
});

}  // namespace

UIPage MemoryPage = PageOf(Memory);

const UIKeepsPowerOn KeptMemory{Memory, MemoryPage};
