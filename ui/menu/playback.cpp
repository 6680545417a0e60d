// "PLAYBACK CONTROL": the segment to play and the scrub position, under the live playback display.
#include "orvel/orvel.h"
#include "orvel/orvelplay.h"
#include "ui/menu/menu.h"
#include "ui/ui.h"
#include "ui/uihome.h"
#include "ui/uipages.h"
#include "uicore/uipoweron.h"

namespace {

UISetting PlaySegment = Number(1, 1000, "%d", "____").By<PlaySegmentHook>();
UISetting Scrub = Number(-100, 100, "%d", "+___").In<Field<&OrvelState::Play, &OrvelPlay::Scrub>>();

UIMenuPage<2> Playback = MenuPage("PLAYBACK CONTROL", Playback, {.X = 2, .Y = 44, .Rows = 2, .Column = 116}, {
    Row("PLAY SEGMENT: ", PlaySegment),
    Row("SCRUB: ", Scrub),
});

std::uint32_t PlaybackControlHandler(void* self, Message* msg)
{
    if (const std::uint32_t result = PlaybackDisplayHandler(self, msg))
        return result;
    return TransportKeysHandler(static_cast<UIPage*>(self), msg);
}

}  // namespace

UIPage PlaybackControlPage = PageOf(Playback, PlaybackControlHandler);

const UIKeepsPowerOn KeptPlayback{Playback, PlaybackControlPage};
