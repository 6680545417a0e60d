#include "orvel/orvelplay.h"

#include <algorithm>
#include <iterator>

#include "canvas/lcdcanvas.h"
#include "common/format.h"
#include "orvel/orvel.h"
#include "uicore/uicontrols.h"
#include "uicore/uikeys.h"
#include "uicore/uipagetitle.h"
#include "uicore/uipoweron.h"

namespace {

enum FalseStartOutcome : std::int32_t { FALSE_START_ASK = 0, FALSE_START_MARKED = 1, FALSE_START_DELETED = 2 };

std::int32_t FalseStartState;
bool FalseStartToggle;
std::int32_t FalseStartSegment;

PageTitle FalseStartTitle = TitleOf("FALSE START", FalseStartTitle);
PageTitle MarkDropoutTitle = TitleOf("MARK DROPOUT", MarkDropoutTitle);

std::uint32_t AnswerValue(Message* msg, std::int64_t value)
{
    msg->Param = static_cast<MsgParam>(value);
    return 1;
}

// One line centred on x = 110; returns where the next line starts.
std::int32_t Centred(std::int32_t y, const char* text)
{
    return DrawTextCentred(&LcdCanvas, 110, y, text);
}

void DrawSegmentDetails(std::int32_t y)
{
    char line[MAX_UI_TEXT];
    FormatText(line, sizeof(line), "Scene: %s", "S1");
    y = DrawTextLeft(&LcdCanvas, 5, y, line);
    FormatText(line, sizeof(line), "Take: %s", "T5");
    y = DrawTextLeft(&LcdCanvas, 5, y, line);
    FormatText(line, sizeof(line), "Note: %s", "NOTE5");
    DrawTextLeft(&LcdCanvas, 5, y, line);
}

void DrawQuestion()
{
    char line[MAX_UI_TEXT];
    FormatText(line, sizeof(line), "(Segment %d)", FalseStartSegment);
    std::int32_t y = Centred(25, line) + 10;
    y = Centred(y, "PRESS Menu to MARK") + 10;
    y = Centred(y, "HOLD Menu to DELETE") + 10;
    y = Centred(y, "Press BACK to Cancel") + 10;
    DrawSegmentDetails(y);
}

void DrawOutcome()
{
    char line[MAX_UI_TEXT];
    if (FalseStartState == FALSE_START_MARKED) {
        FormatText(line, sizeof(line), "Seg %d has been MARKED", FalseStartSegment);
        std::int32_t y = Centred(25, line) + 10;
        y = Centred(y, "Press BACK") + 12;
        DrawSegmentDetails(y);
        return;
    }
    FormatText(line, sizeof(line), "Seg %d has been DELETED", FalseStartSegment);
    Centred(Centred(45, line) + 12, "Press BACK");
}

// Successive uses alternate between the marked and the deleted outcome, the deleted one first.
std::uint32_t Decide(const Message* msg)
{
    if (MsgParamUnsigned(msg) == KEY_MENU && FalseStartState == FALSE_START_ASK) {
        FalseStartSegment = 5;
        FalseStartState = FalseStartToggle ? FALSE_START_MARKED : FALSE_START_DELETED;
        FalseStartToggle = !FalseStartToggle;
        UIRedraw();
    }
    return 1;
}

}  // namespace

UIPage FalseStartPage = TitledPage(FalseStartHandler, FalseStartTitle);
UIPage MarkDropoutPage = TitledPage(MarkDropoutHandler, MarkDropoutTitle);

const UIKeepsPowerOn KeptPages{FalseStartState, FalseStartToggle, FalseStartSegment, FalseStartPage, MarkDropoutPage};

void PlayReset()
{
    OrvelPlay& play = Orvel.Play;
    play.PlaySegment = 2;
    play.Segment = 2;
    play.Scrub = 0;
    play.Position = 0;
    play.NTracks = 5;
    FormatText(play.Timecode, sizeof(play.Timecode), "00:00:00:00");
    FormatText(play.Scene, sizeof(play.Scene), "S%d", play.Segment);
    FormatText(play.Take, sizeof(play.Take), "%d", play.Segment);
    FormatText(play.Name, sizeof(play.Name), "Orvel seg%03d", play.Segment);
}

void SegmentSelect(std::int32_t n)
{
    const auto last = static_cast<std::int32_t>(OrvelFolderInfo(1).NSegs) + 1;
    Orvel.Segment = std::clamp(n, 1, last);
    FormatText(Orvel.Scene, sizeof(Orvel.Scene), "S%d", Orvel.Segment);
    FormatText(Orvel.Take, sizeof(Orvel.Take), "%d", Orvel.Segment);
    FormatText(Orvel.Note, sizeof(Orvel.Note), "ORVEL NOTE");
}

void SegmentSetNote(const char* text)
{
    FormatText(Orvel.Note, sizeof(Orvel.Note), "%s", text);
}

std::uint32_t PlaySegmentHook(void*, Message* msg)
{
    switch (msg->Id) {
    case MSG_VALUE_GET:
        return AnswerValue(msg, Orvel.Play.PlaySegment);
    case MSG_VALUE_SET:
        Orvel.Play.PlaySegment = MsgParamUnsigned(msg);
        return 1;
    default:
        return 0;
    }
}

std::uint32_t EditSegmentHook(void*, Message* msg)
{
    switch (msg->Id) {
    case MSG_VALUE_GET:
        return AnswerValue(msg, Orvel.Segment);
    case MSG_VALUE_SET:
        SegmentSelect(MsgParamInt(msg));
        return 1;
    default:
        return 0;
    }
}

std::uint32_t FalseStartHandler(void*, Message* msg)
{
    switch (msg->Id) {
    case MSG_PAGE_ENTER:
        FalseStartState = FALSE_START_ASK;
        return 0;
    case MSG_KEY_UP:
        return Decide(msg);
    case MSG_REDRAW:
        if (FalseStartState == FALSE_START_ASK)
            DrawQuestion();
        else
            DrawOutcome();
        return 0;
    default:
        return 0;
    }
}

std::uint32_t MarkDropoutHandler(void*, Message* msg)
{
    if (msg->Id != MSG_REDRAW)
        return 0;
    std::int32_t y = Centred(35, "Must be in record");
    y = Centred(y, "to mark a drop out.");
    y += FontHeight(&LcdCanvas, 0);
    Centred(y, "Press BACK to Exit");
    return 0;
}
