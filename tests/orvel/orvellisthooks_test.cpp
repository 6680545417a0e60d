// The list hooks and the matrices' cell hooks.
#include "orvel/orvellisthooks.h"

#include <gtest/gtest.h>

#include <cstring>
#include <numeric>
#include <string>
#include <vector>

#include "orvel/hook_probe.h"
#include "orvel/orvel.h"
#include "orvel/orvelcells.h"
#include "orvel/orvelhooks.h"
#include "support/assert_capture.h"
#include "support/golden.h"
#include "uicore/ui_fixture.h"
#include "uicore/uicontrols.h"
#include "uicore/uikeys.h"
#include "uicore/uilist.h"
#include "uicore/uitextedit.h"

namespace {

std::string Text(MsgHandler hook, void* self = nullptr)
{
    char text[MAX_UI_TEXT] = "";
    EXPECT_EQ(SendHook(hook, MSG_TEXT_GET, MsgParamOf(text), self), 1U);
    return text;
}

std::uint32_t SetText(MsgHandler hook, const char* text, void* self = nullptr)
{
    return SendHook(hook, MSG_TEXT_SET, MsgParamOf(text), self);
}

// A folder's name, size and segment count.
std::string Folder(std::uint32_t drive, std::int32_t folder)
{
    const DriveFolderDetails d = DriveFolderInfo(drive, folder);
    return std::string(d.Name) + " " + std::to_string(d.Size) + " " + std::to_string(d.NSegs);
}

class HphNames : public PoweredOnUI {
protected:
    UITitle title = {.Control = {.Handler = UITitleHandler, .Flags = 0, .X = 0, .Y = 0}, .Text = "MON MEM NAMES"};
    UIList list = {
        .Control = {.Handler = HookFirst<HphNameListHook, UIListHandler>, .Flags = UI_CTRL_FLAG_FOCUS, .X = 4, .Y = 24},
        .NRows = 9, .Index = 0, .Top = 0};
    UIControl* const controls[2] = {&title.Control, &list.Control};
    UIPage page = {.Handler = UINullHandler, .Flags = 0, .Parent = nullptr, .ControlIndex = -1,
                   .NControls = 2, .Controls = controls};
};

using ListHooks = PoweredOn;

using Cells = PoweredOn;

struct ByteMatrix {
    MsgHandler Hook;
    std::uint8_t* Bytes;
    std::uint32_t Rows;
    std::uint32_t Cols;
};

// Some of the byte matrices, of each size; the sum of all shows whether another one changed.
const ByteMatrix Matrices[] = {{CardMix9to12DigHook, &CardMix9to12Dig[0][0], 12, 12},
                               {MirMixHook, &MirMix[0][0], 2, 12}, {FaderAssignHook, &FaderAssign[0][0], 8, 8}};

std::uint32_t SumOfMatrices()
{
    std::uint32_t sum = 0;
    for (const ByteMatrix& m : Matrices)
        sum = std::accumulate(m.Bytes, m.Bytes + m.Rows * m.Cols, sum);
    return sum;
}

}  // namespace

// The rows are the first twelve memories; a name holds six characters at most.
TEST_F(HphNames, ChoosingARowEditsThatMemorysName)
{
    UIGotoPage(&page);
    for (int i = 0; i < 3; ++i)
        Turn(1);
    Tap(KEY_MENU);
    ASSERT_EQ(UICurrentPage, &UITextEdit);
    EXPECT_EQ(list.Index, 3U);
    EXPECT_STREQ(UITextEditState.Buffer, "HP 4  ");

    for (const char key : std::string("LAV 2"))
        Tap(static_cast<std::uint32_t>(key));
    Press(KEY_HP);  // a long press saves the text and leaves the editor
    Advance(510);
    Release(KEY_HP);
    EXPECT_EQ(UICurrentPage, &page);
    EXPECT_STREQ(Orvel.HphMon.Mem[3].Name, "LAV 2");
    EXPECT_STREQ(Orvel.HphMon.Mem[2].Name, "HP 3");
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "orvel/hph_memory_names_renamed"));
    EXPECT_EQ(SetText(HphNameListHook, "PLANTMIC", &list), 1U);
    EXPECT_STREQ(Orvel.HphMon.Mem[3].Name, "PLANTM");

    AssertCapture capture;
    EXPECT_EQ(SendHook(HphNameListHook, MSG_LIST_SELECT, 12, &list), 1U);
    EXPECT_EQ(capture.Expressions(), std::vector<std::string>{"index < HPcount"});
    EXPECT_EQ(list.Index, 3U);
}

// The address row steps within ten entries; the add page edits the entry chosen on entering.
TEST_F(ListHooks, SkypostAddressesStepWithinTheTableAndAreEditedWhereChosen)
{
    std::strcpy(Orvel.Skypost.Address[9].Name, "OFFICE");
    SendHook(SkypostAddressHook, MSG_VALUE_STEP, 20);
    EXPECT_EQ(Text(SkypostAddressHook), "10: OFFICE\n");
    SendHook(SkypostAddressHook, MSG_VALUE_STEP, -50);
    EXPECT_EQ(HookGet(SkypostAddressHook), 0);

    Orvel.Skypost.Index = 6;
    EXPECT_EQ(SendHook(AddAddressPageHook, MSG_PAGE_ENTER), 0U);  // the page goes on with it
    Orvel.Skypost.Index = 9;
    EXPECT_EQ(SetText(AddressNameHook, "SOUND DEPARTMENT 2"), 1U);
    EXPECT_EQ(SendHook(DeleteAddressHook, MSG_ACTIVATE), 1U);
    EXPECT_EQ(Orvel.Skypost.Address[9].Name[0], 0);
    EXPECT_STREQ(Orvel.Skypost.Address[6].Name, "SOUND DEPARTMENT");
}

// The primary card's folders come from the folder table; the other drives make theirs up.
TEST_F(ListHooks, FolderNamesAndTheFolderChosenOnEachDrive)
{
    Orvel.FolderNum = 2;
    EXPECT_EQ(SetText(FolderNameHook, "100% %s"), 0U);  // the stored name is no format: no conversions
    EXPECT_EQ(Text(FolderNameHook), "100% %s");
    EXPECT_STREQ(OrvelFolderInfo(1).Name, "Z001");

    Orvel.FolderNum = 32;
    AssertCapture capture;
    EXPECT_EQ(Text(FolderNameHook), "");

    EXPECT_EQ(Folder(DRIVE_PRIMARY, 1), "Z001 221353 5");  // 432332 sectors of 512 bytes, in kilobytes
    EXPECT_EQ(DriveFolderGet(DRIVE_PRIMARY), 1U);
    DriveFolderSet(DRIVE_PRIMARY, 2);
    EXPECT_EQ(Folder(DRIVE_PRIMARY, 0), "100% %s 16553 3");
    EXPECT_STREQ(DriveFolderInfo(DRIVE_PRIMARY, 31).Name, "Z031");
    EXPECT_EQ(Folder(DRIVE_PRIMARY, 32), " 0 0");

    DriveFolderSet(DRIVE_MIRROR, 40);
    EXPECT_EQ(DriveFolderGet(DRIVE_PRIMARY), 2U);
    EXPECT_EQ(Folder(DRIVE_MIRROR, -3), "Z040 240000 60");

    DriveFolderSet(4, 2);
    EXPECT_EQ(DriveFolderGet(4), 0U);
    EXPECT_EQ(capture.Expressions(), (std::vector<std::string>{"(fnum>=1) && (fnum < numberof(Orvel.Folder))",
                                                               "drive < numberof(Orvel.DriveFolder)",
                                                               "drive < numberof(Orvel.DriveFolder)"}));
}

TEST_F(Cells, EachMatrixWritesItsOwnArrayRowByRow)
{
    for (const ByteMatrix& m : Matrices) {
        const auto last = static_cast<std::uint8_t>(m.Rows - 1);
        Cell(m.Hook, MSG_CELL_SET, last, 1, 3);
        EXPECT_EQ(m.Bytes[last * m.Cols + 1], 3);
        EXPECT_EQ(SumOfMatrices(), 3U) << "another array changed";
        EXPECT_EQ(Cell(m.Hook, MSG_CELL_GET, last, 1), 3U);
        Cell(m.Hook, MSG_CELL_SET, last, 1, 0);
    }
}

TEST_F(Cells, ARestartClearsTheTablesAndTheAutoMixRowHoldsTheEnablesTheMetersRead)
{
    Cell(AutoMixHook, MSG_CELL_SET, 0, 5, 1);
    EXPECT_EQ(AutoMixEnabled(0, 5), 1U);
    EXPECT_EQ(AutoMixEnabled(10, 5), 1U);
    EXPECT_EQ(AutoMixEnabled(0, 4), 0U);
    Cell(AutoMixHook, MSG_CELL_SET, 1, 4, 1);  // the returns' row is not the first
    EXPECT_EQ(AutoMixEnabled(4, 4), 0U);

    Cell(OutMixHook, MSG_CELL_SET, 5, 7, 1);
    CompCard[11] = 1;
    PanPos[3] = 2;
    Start();
    EXPECT_EQ(OutMix[5][7], 0);
    EXPECT_EQ(AutoMix[0][5], 0);
    EXPECT_EQ(CompCard[11], 0U);
    EXPECT_EQ(PanPos[3], 0U);
}

TEST_F(Cells, ACellOutsideItsTableIsReportedAndNotStored)
{
    const struct {
        MsgHandler Hook;
        std::uint8_t Row, Col;
        const char* Expression;
    } cases[] = {{MirMixHook, 2, 0, "cell->Row < nrows"}, {CardSlateHook, 0, 8, "cell->Col < ncols"},
                 {IsoMaskHook, 2, 0, "index < bound"}, {PanPosHook, 0, 10, "cell->Col < numberof(PanPos)"}};
    for (const auto& c : cases) {
        AssertCapture capture;
        Cell(c.Hook, MSG_CELL_SET, c.Row, c.Col, 1);
        EXPECT_EQ(capture.Expressions(), std::vector<std::string>{c.Expression});
    }
    EXPECT_EQ(SumOfMatrices(), 0U);
    EXPECT_EQ(std::accumulate(std::begin(CardSlate), std::end(CardSlate), 0U), 0U);
    EXPECT_EQ(Orvel.IsoMask, 3U);
}

TEST_F(Cells, HeadphoneMatricesBelongToTheCurrentMemory)
{
    const MsgHandler hooks[] = {HphUpperHook, HphLowerHook, HphKLinRowHook, HphUpper12Hook, HphLower12Hook};
    for (std::uint32_t i = 0; i < std::size(hooks); ++i)
        Cell(hooks[i], MSG_CELL_SET, 0, 3, i + 1);
    Orvel.HphMon.Index = 6;
    for (MsgHandler hook : hooks)
        EXPECT_EQ(Cell(hook, MSG_CELL_GET, 0, 3), 0U);
    Orvel.HphMon.Index = 0;
    for (std::uint32_t i = 0; i < std::size(hooks); ++i)
        EXPECT_EQ(Cell(hooks[i], MSG_CELL_GET, 0, 3), i + 1) << "a hook shares another's cells";
    EXPECT_EQ(Orvel.HphMon.Mem[0].Lower[0][3], 2);
}
