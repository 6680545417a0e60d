#include "uicore/uimain.h"

// The global keys (back, page keys, encoder, shortcuts) are not wired yet: nothing is taken here.
std::uint32_t PageDefaultHandler(UIPage*, Message*)
{
    return 0;
}
