#pragma once
// Lists whose rows come from the recorder's data (folders, takes, track names, presets), the pages of
// the two preset pickers, the take table of the file list and the large digits of the slate display.
// Each provider is the handler of its UIList: it answers the list messages from the data and passes
// every other message on to UIListHandler.
#include <cstdint>

#include "canvas/canvas.h"
#include "message/message.h"
#include "uicore/uimain.h"
#include "uicore/uiutils.h"

// The track whose name a chosen preset replaces: the cursor row of "EDIT TRACK NAMES".
extern std::uint32_t EditTrack;
// Set at start: the folder lists move their cursor to the current folder the next time one gains
// the focus, and clear it.
extern std::uint8_t FolderListSync;

// The takes of the current folder that "SKYPOST FILE" lists and marks for sending.
struct TakeEntry {
    const char* TC;
    const char* Dur;
    std::uint8_t Marked;
};

constexpr std::uint32_t NUM_TAKES = 11;
extern TakeEntry TakeTbl[NUM_TAKES];

// "PRIMARY FOLDER" and "FOLDER TO MIRROR": the folders of the primary and of the mirror card.
std::uint32_t FolderListHandler(void* self, Message* msg);
std::uint32_t MirrorFolderListHandler(void* self, Message* msg);
// "SKYPOST FILE": choosing a take marks or unmarks it.
std::uint32_t TakeListHandler(void* self, Message* msg);
// The rows "SELECT ALL" and "CLEAR ALL": MSG_ACTIVATE marks every take or none.
std::uint32_t TakeSelectAll(void* self, Message* msg);
std::uint32_t TakeClearAll(void* self, Message* msg);

// "EDIT TRACK NAMES": choosing a row edits that name; PFL offers the presets for it instead.
std::uint32_t TrackNameListHandler(void* self, Message* msg);
// "TRACK PRESETS" and "NOTE PRESETS": choosing a preset fills in the track name or the note.
std::uint32_t TrackPresetPickHandler(void* self, Message* msg);
std::uint32_t NotePresetPickHandler(void* self, Message* msg);
// "EDIT TRACK PRESET" and "EDIT NOTE PRESET": choosing a row edits that preset.
std::uint32_t TrackPresetEditHandler(void* self, Message* msg);
std::uint32_t NotePresetEditHandler(void* self, Message* msg);
// The "N:" field of "META DATA" (a UIField): PFL offers the note presets.
std::uint32_t NoteFieldHandler(void* self, Message* msg);

extern UIPage TrackPresetsPage;  // "TRACK PRESETS"
extern UIPage NotePresetsPage;   // "NOTE PRESETS"

// The places of the slate display's eight digits, hours to frames, each a 44 x 63 cell.
struct SlateDigit {
    std::int32_t X;
    std::int32_t Y;
    std::uint8_t Last;  // the digit shown there now
};

constexpr std::int32_t SLATE_DIGIT_WIDTH = 44;
constexpr std::int32_t SLATE_DIGIT_HEIGHT = 63;

extern SlateDigit SlateDigits[NUM_TC_DIGITS];

// Draws one digit at its place; with onlyIfChanged it skips a digit already shown there and otherwise
// first clears the cell to the page's background.
void SlateDigitDraw(Canvas* c, std::uint32_t index, std::uint8_t digit, bool onlyIfChanged);
