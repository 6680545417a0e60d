#include "ui/uilists.h"

#include <cstddef>

#include "canvas/images.h"
#include "common/debug.h"
#include "common/format.h"
#include "common/numberof.h"
#include "orvel/orvel.h"
#include "orvel/orvellisthooks.h"
#include "orvel/orvelplay.h"
#include "ui/uipages.h"
#include "uicore/uicontrols.h"
#include "uicore/uikeys.h"
#include "uicore/uilist.h"
#include "uicore/uipagekit.h"
#include "uicore/uipoweron.h"
#include "uicore/uitextedit.h"

std::uint32_t EditTrack;
std::uint8_t FolderListSync = 1;

TakeEntry TakeTbl[NUM_TAKES] = {
    {.TC = "00:10:00:00", .Dur = "00:12:10", .Marked = 0}, {.TC = "00:10:01:12", .Dur = "00:03:13", .Marked = 0},
    {.TC = "00:11:21:01", .Dur = "00:16:45", .Marked = 0}, {.TC = "00:33:12:23", .Dur = "00:00:41", .Marked = 0},
    {.TC = "01:10:32:10", .Dur = "00:01:51", .Marked = 0}, {.TC = "01:12:55:17", .Dur = "00:05:03", .Marked = 0},
    {.TC = "01:12:34:17", .Dur = "00:12:11", .Marked = 0}, {.TC = "01:12:34:17", .Dur = "00:11:43", .Marked = 0},
    {.TC = "02:01:43:17", .Dur = "00:32:31", .Marked = 0}, {.TC = "02:32:44:17", .Dur = "00:04:26", .Marked = 0},
    {.TC = "02:33:34:17", .Dur = "00:04:13", .Marked = 0},
};

SlateDigit SlateDigits[NUM_TC_DIGITS] = {
    {.X = 3, .Y = 33, .Last = 0},    {.X = 51, .Y = 33, .Last = 0},  {.X = 124, .Y = 33, .Last = 0},
    {.X = 172, .Y = 33, .Last = 0},  {.X = 3, .Y = 110, .Last = 0}, {.X = 51, .Y = 110, .Last = 0},
    {.X = 124, .Y = 110, .Last = 0}, {.X = 172, .Y = 110, .Last = 0},
};

namespace {

constexpr std::int32_t TAKE_BAR_SHORT = 37;  // the take bars leave the mark column free
constexpr std::int32_t TAKE_MARK_LEFT = 27;  // the check image, from the canvas's right edge
constexpr std::int32_t TAKE_MARK_DOWN = 3;
constexpr std::int32_t SLATE_FONT = 3;
constexpr float KILOBYTES_PER_MEGABYTE = 1000;

constexpr std::uint32_t PRESET_COUNT = numberof(Orvel.Setup.TrackPresets);
constexpr std::size_t NAME_BYTES = sizeof(Orvel.Setup.Tracks[0]);
static_assert(PRESET_COUNT == numberof(Orvel.Setup.NotePresets));
static_assert(NAME_BYTES == sizeof(Orvel.Setup.TrackPresets[0]) && NAME_BYTES == sizeof(Orvel.Setup.NotePresets[0]));

enum NameTable : std::uint8_t { TRACK_NAMES, TRACK_PRESETS, NOTE_PRESETS };

// The messages a list of numbered names answers; the rest go to UIListHandler. A chosen row hands
// its entry to Select.
struct NameList {
    std::uint32_t (*Count)();
    NameTable Table;
    void (*Select)(char* entry);
};

std::uint32_t Answer(Message* msg, std::uint32_t value)
{
    msg->Param = value;
    return 1;
}

std::uint32_t Title(Message* msg, const char* text)
{
    FormatText(MsgParamPtr<char>(msg), MAX_UI_TEXT, "%s", text);
    return 1;
}

// The entry of the row asked for, or none when the row lies outside the table.
const char* RowEntry(NameTable table, const UIListRowText* item)
{
    switch (table) {
    case TRACK_NAMES:
        return ASSERT(item->Index < numberof(Orvel.Setup.Tracks)) ? Orvel.Setup.Tracks[item->Index] : nullptr;
    case TRACK_PRESETS:
        return ASSERT(item->Index < numberof(Orvel.Setup.TrackPresets)) ? Orvel.Setup.TrackPresets[item->Index]
                                                                         : nullptr;
    default:
        return ASSERT(item->Index < numberof(Orvel.Setup.NotePresets)) ? Orvel.Setup.NotePresets[item->Index]
                                                                        : nullptr;
    }
}

char* ChosenEntry(NameTable table, std::uint32_t index)
{
    switch (table) {
    case TRACK_NAMES:
        return ASSERT(index < numberof(Orvel.Setup.Tracks)) ? Orvel.Setup.Tracks[index] : nullptr;
    case TRACK_PRESETS:
        return ASSERT(index < numberof(Orvel.Setup.TrackPresets)) ? Orvel.Setup.TrackPresets[index] : nullptr;
    default:
        return ASSERT(index < numberof(Orvel.Setup.NotePresets)) ? Orvel.Setup.NotePresets[index] : nullptr;
    }
}

std::uint32_t NumberedRow(NameTable table, UIListRowText* item)
{
    if (!ASSERT(item) || !ASSERT(item->Text))
        return 1;
    if (const char* entry = RowEntry(table, item))
        FormatText(item->Text, MAX_UI_TEXT, "%2d: %s", static_cast<int>(item->Index + 1), entry);
    return 1;
}

std::uint32_t ChooseName(const NameList& names, std::uint32_t index)
{
    if (char* entry = ChosenEntry(names.Table, index))
        names.Select(entry);
    return 1;
}

std::uint32_t NameListHandler(const NameList& names, void* self, Message* msg)
{
    switch (msg->Id) {
    case MSG_LIST_COUNT:
        return Answer(msg, names.Count());
    case MSG_LIST_ROW_TEXT:
        return NumberedRow(names.Table, MsgParamPtr<UIListRowText>(msg));
    case MSG_LIST_SELECT:
        return ChooseName(names, MsgParamUnsigned(msg));
    default:
        return UIListHandler(self, msg);
    }
}

std::uint32_t TrackCount()
{
    return OrvelGetNTracks();
}

std::uint32_t PresetCount()
{
    return PRESET_COUNT;
}

void EditName(char* entry)
{
    UITextEditBuffer(entry, NAME_BYTES);
}

// Without a track chosen on "EDIT TRACK NAMES" the preset has nowhere to go.
void PickTrackPreset(char* preset)
{
    if (EditTrack >= numberof(Orvel.Setup.Tracks))
        return;
    FormatText(Orvel.Setup.Tracks[EditTrack], NAME_BYTES, "%s", preset);
    UIGotoPage(&EditTrackNamesPage);
}

void PickNotePreset(char* note)
{
    SegmentSetNote(note);
    UIGotoPage(&MetaDataPage);
}

constexpr NameList TrackNames = {.Count = TrackCount, .Table = TRACK_NAMES, .Select = EditName};
constexpr NameList TrackPresetPicks = {.Count = PresetCount, .Table = TRACK_PRESETS, .Select = PickTrackPreset};
constexpr NameList TrackPresetEdits = {.Count = PresetCount, .Table = TRACK_PRESETS, .Select = EditName};
constexpr NameList NotePresetPicks = {.Count = PresetCount, .Table = NOTE_PRESETS, .Select = PickNotePreset};
constexpr NameList NotePresetEdits = {.Count = PresetCount, .Table = NOTE_PRESETS, .Select = EditName};

std::uint32_t OfferTrackPresets(const UIList* list)
{
    EditTrack = list->Index;
    UIGotoPage(&TrackPresetsPage);
    return 1;
}

// Only the first focus after start follows the card; later the list keeps the user's cursor.
std::uint32_t SyncFolderCursor(UIList* list)
{
    if (!FolderListSync)
        return 1;
    const std::uint32_t current = DriveFolderGet(DRIVE_PRIMARY);
    UIListSetIndex(list, current >= 1 ? current - 1 : 0);
    FolderListSync = 0;
    return 1;
}

std::uint32_t FolderRow(std::uint32_t drive, UIListRowText* row)
{
    const DriveFolderDetails folder = DriveFolderInfo(drive, static_cast<std::int32_t>(row->Index + 1));
    char size[MAX_UI_TEXT];
    UIFormatSize(size, static_cast<float>(folder.Size) / KILOBYTES_PER_MEGABYTE, " ");
    FormatText(row->Text, MAX_UI_TEXT, " %-9s  %-6s    %d", folder.Name, size, static_cast<int>(folder.NSegs));
    row->Mark = row->Index + 1 == DriveFolderGet(drive) ? UI_LIST_ROW_MARKED : UI_LIST_ROW_UNMARKED;
    return 1;
}

std::uint32_t ChooseFolder(std::uint32_t drive, std::uint32_t index)
{
    DriveFolderSet(drive, index + 1);
    return 1;
}

// The rows and choices are the given card's; the cursor follows the primary card for both lists.
std::uint32_t FolderList(std::uint32_t drive, void* self, Message* msg)
{
    switch (msg->Id) {
    case MSG_FOCUS_GAINED:
        return SyncFolderCursor(static_cast<UIList*>(self));
    case MSG_LIST_COUNT:
        return Answer(msg, DRIVE_FOLDER_ROWS);
    case MSG_LIST_TITLE:
        return Title(msg, " FOLDER     SIZE      SEGS");
    case MSG_LIST_ROW_TEXT:
        return FolderRow(drive, MsgParamPtr<UIListRowText>(msg));
    case MSG_LIST_SELECT:
        return ChooseFolder(drive, MsgParamUnsigned(msg));
    default:
        return UIListHandler(self, msg);
    }
}

void FillTakeBar(const UIListDraw* d, Colour colour)
{
    Canvas* c = d->Canvas;
    c->FillRect(c, d->X, d->Y, c->Width - TAKE_BAR_SHORT, d->Y + FontHeight(c, 0) - 1, colour);
}

std::uint32_t DrawTakeRow(const UIListDraw* d)
{
    Canvas* c = d->Canvas;
    if (d->Selected)
        FillTakeBar(d, COLOUR_FOCUS);
    if (d->Index >= numberof(TakeTbl))
        return 1;
    const TakeEntry& take = TakeTbl[d->Index];
    if (take.Marked && !d->Selected)
        FillTakeBar(d, COLOUR_LIST_MARKED);
    char text[MAX_UI_TEXT];
    FormatText(text, sizeof(text), "%-11s  %-8s", take.TC, take.Dur);
    DrawText(c, d->X, d->Y, UI_ALIGN_LEFT, 0, d->Selected || take.Marked ? COLOUR_WHITE : COLOUR_BLACK, text);
    if (take.Marked)
        c->DrawImage(c, c->Width - TAKE_MARK_LEFT, d->Y + TAKE_MARK_DOWN, &ListMarkerImage, 0);
    return 1;
}

std::uint32_t ToggleTake(std::uint32_t index)
{
    if (ASSERT(index < numberof(TakeTbl)))
        TakeTbl[index].Marked = TakeTbl[index].Marked ? 0 : 1;
    return 1;
}

std::uint32_t MarkAllTakes(Message* msg, std::uint8_t mark)
{
    if (msg->Id != MSG_ACTIVATE)
        return 0;
    for (TakeEntry& take : TakeTbl)
        take.Marked = mark;
    return 1;
}

UIList TrackPresetsList = ListAt(TrackPresetPickHandler);
UIPageControls<1> TrackPresetsControls = PageControls("TRACK PRESETS", TrackPresetsControls, {ControlOf(TrackPresetsList)});
UIList NotePresetsList = ListAt(NotePresetPickHandler);
UIPageControls<1> NotePresetsControls = PageControls("NOTE PRESETS", NotePresetsControls, {ControlOf(NotePresetsList)});

}  // namespace

UIPage TrackPresetsPage = PageOf(TrackPresetsControls, UINullHandler, &EditTrackNamesPage);
UIPage NotePresetsPage = PageOf(NotePresetsControls, UINullHandler, &MetaDataPage);

const UIKeepsPowerOn KeptLists{EditTrack, FolderListSync, TakeTbl, SlateDigits, TrackPresetsList, NotePresetsList,
                               TrackPresetsPage, NotePresetsPage};

std::uint32_t FolderListHandler(void* self, Message* msg)
{
    return FolderList(DRIVE_PRIMARY, self, msg);
}

std::uint32_t MirrorFolderListHandler(void* self, Message* msg)
{
    return FolderList(DRIVE_MIRROR, self, msg);
}

std::uint32_t TakeListHandler(void* self, Message* msg)
{
    switch (msg->Id) {
    case MSG_LIST_COUNT:
        return Answer(msg, numberof(TakeTbl));
    case MSG_LIST_TITLE:
        return Title(msg, "TC           DUR       MARK");
    case MSG_LIST_DRAW_ROW:
        return DrawTakeRow(MsgParamPtr<UIListDraw>(msg));
    case MSG_LIST_SELECT:
        return ToggleTake(MsgParamUnsigned(msg));
    default:
        return UIListHandler(self, msg);
    }
}

std::uint32_t TakeSelectAll(void*, Message* msg)
{
    return MarkAllTakes(msg, 1);
}

std::uint32_t TakeClearAll(void*, Message* msg)
{
    return MarkAllTakes(msg, 0);
}

// Every row shown is asked for, the cursor row among them, so EditTrack follows the cursor.
std::uint32_t TrackNameListHandler(void* self, Message* msg)
{
    auto* list = static_cast<UIList*>(self);
    if (msg->Id == MSG_KEY_DOWN && MsgParamUnsigned(msg) == KEY_PFL)
        return OfferTrackPresets(list);
    if (msg->Id == MSG_LIST_ROW_TEXT)
        EditTrack = list->Index;
    return NameListHandler(TrackNames, self, msg);
}

std::uint32_t TrackPresetPickHandler(void* self, Message* msg)
{
    return NameListHandler(TrackPresetPicks, self, msg);
}

std::uint32_t TrackPresetEditHandler(void* self, Message* msg)
{
    return NameListHandler(TrackPresetEdits, self, msg);
}

std::uint32_t NotePresetPickHandler(void* self, Message* msg)
{
    return NameListHandler(NotePresetPicks, self, msg);
}

std::uint32_t NotePresetEditHandler(void* self, Message* msg)
{
    return NameListHandler(NotePresetEdits, self, msg);
}

std::uint32_t NoteFieldHandler(void* self, Message* msg)
{
    if (msg->Id == MSG_KEY_DOWN && MsgParamUnsigned(msg) == KEY_PFL)
        return UIGotoPage(&NotePresetsPage);
    return UIFieldHandler(self, msg);
}

void SlateDigitDraw(Canvas* c, std::uint32_t index, std::uint8_t digit, bool onlyIfChanged)
{
    if (!ASSERT(index < numberof(SlateDigits)))
        return;
    SlateDigit& place = SlateDigits[index];
    if (onlyIfChanged && digit == place.Last)
        return;
    if (onlyIfChanged)
        UIClearArea(place.X, place.Y, SLATE_DIGIT_WIDTH, SLATE_DIGIT_HEIGHT);
    const char text[] = {static_cast<char>('0' + digit), 0};
    DrawText(c, place.X, place.Y, UI_ALIGN_LEFT, SLATE_FONT, COLOUR_BLACK, text);
    place.Last = digit;
}
