// "META DATA": the recording format, the segment to edit, and the scene, take and note of the next
// recording; the card box and the transport keys stay live.
#include "orvel/orvel.h"
#include "orvel/orvelhooks.h"
#include "orvel/orvelplay.h"
#include "ui/menu/menu.h"
#include "ui/ui.h"
#include "ui/uihome.h"
#include "ui/uilists.h"
#include "ui/uipages.h"
#include "uicore/uipoweron.h"

namespace {

UISetting SampleRate = Options(SampleRateOptions).By<SampleRateHook>();
UISetting EditSegment = Number(0, 1000, "%d", "____", "NEXT").By<EditSegmentHook>();

UIText SampleRateText = TextAt(0, 24, "SR:", &SampleRate);
UIText FrameRateText = TextAt(71, 24, "TC:", &TcFrameRate);
UIText PrerecordText = TextAt(155, 24, "PRE:", &Prerecord);
UIMenuList<1> EditSegmentRow = MenuList(EditSegmentRow, {.Y = 127, .Rows = 1, .Column = 116}, {
    Row("EDIT SEGMENT: ", EditSegment),
});
UIField SceneField = FieldAt(4, 144, "S:", &SceneSetting);
UIField TakeField = FieldAt(155, 144, "T:", &TakeSetting);
UIField NoteField = FieldAt(4, 160, "N:", &NoteSetting, NoteFieldHandler);

UIPageControls<7> MetaData = PageControls("META DATA", MetaData, {
    ControlOf(SampleRateText), ControlOf(FrameRateText), ControlOf(PrerecordText), ControlOf(EditSegmentRow),
    ControlOf(SceneField), ControlOf(TakeField), ControlOf(NoteField),
});

std::uint32_t MetaDataHandler(void* self, Message* msg)
{
    if (const std::uint32_t result = MetaDataBoxHandler(self, msg))
        return result;
    return TransportKeysHandler(static_cast<UIPage*>(self), msg);
}

}  // namespace

UITextValue SceneSetting = TextIn(Orvel.Scene, 15);
UITextValue TakeSetting = TextIn(Orvel.Take, 7);
UITextValue NoteSetting = TextIn(Orvel.Note, 31);

UIPage MetaDataPage = PageOf(MetaData, MetaDataHandler);

const UIKeepsPowerOn KeptMetaData{EditSegmentRow, MetaDataPage};
