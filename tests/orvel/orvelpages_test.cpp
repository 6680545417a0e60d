#include "orvel/orvelpages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "canvas/images.h"
#include "common/format.h"
#include "orvel/orvel.h"
#include "support/assert_capture.h"
#include "support/golden.h"
#include "ui/uihome.h"
#include "uicore/ui_fixture.h"
#include "uicore/uicontrols.h"
#include "uicore/uikeys.h"

namespace {

struct Line {
    const char* Text;
    std::int32_t Gap = 0;  // extra pixels below
};

enum class Box { None, Status, LastSeg };

// The lines, an empty one, then the way out.
std::vector<Line> Prompt(std::initializer_list<const char*> texts)
{
    std::vector<Line> lines(texts.begin(), texts.end());
    lines.insert(lines.end(), {{""}, {"Press BACK to Exit"}});
    return lines;
}

class ConfirmPages : public UITest {
protected:
    void SetUp() override
    {
        UITest::SetUp();
        Start();
        MsgRegister(UIMainHandler, 0);
    }

    static void Start()
    {
        const char* argv[] = {"orvel-sim"};
        OrvelPowerOn(1, argv, "orvel-sim");
    }

    // STAR as the host delivers it: the press, a redraw, then the release.
    static void Star(int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            Press(KEY_STAR);
            UIRedraw();
            Release(KEY_STAR);
        }
    }

    static void Reenter(UIPage* page)
    {
        UIGotoPage(&UIHomePage);
        UIGotoPage(page);
    }

    // The title bar, the lines centred on x = 110 from top, and the box below them.
    static Picture Screen(const char* title, std::int32_t top, const std::vector<Line>& lines, Box box)
    {
        return Expected([&](Canvas* c) {
            std::int32_t y = top;
            for (const Line& line : lines)
                y = DrawTextCentred(c, 110, y, line.Text) + line.Gap;
            if (box == Box::Status) {
                y = LCD_HEIGHT - 4 * FontHeight(c, 0);
                CanvasDrawLine(c, 4, y, 215, y, COLOUR_BLACK);
                y = DrawTextCentred(c, 110, y + 6, "Ready: 31GB free");
                DrawTextCentred(c, 110, DrawTextCentred(c, 110, y, "Mirroring (100%)"), "rec time 00:06:14");
            } else if (box == Box::LastSeg) {
                y = LCD_HEIGHT - 3 * FontHeight(c, 0);
                CanvasDrawLine(c, 0, y, 219, y, COLOUR_BLACK);
                DrawTextCentred(c, 110, DrawTextCentred(c, 110, y + 6, "Last Segment in"), "Folder Z009 is 055");
            }
            c->DrawImage(c, 0, 0, &TitleBarImage, 0);
            DrawText(c, 1, 2, 0, 1, COLOUR_BLACK, title);
        });
    }
};

const std::vector<Line> ExitOnThirdLine = Prompt({""});

std::string Status(std::uint32_t which, std::size_t size = MAX_UI_TEXT)
{
    char text[MAX_UI_TEXT] = "unwritten";
    StatusText(text, which, size);
    return text;
}

}  // namespace

TEST(StatusTexts, StandForTheCardAndRecordingStateAndAnUnknownOneIsReported)
{
    const std::vector<std::string> texts = {"Ready: 31GB free", "Mirroring (100%)", "rec time 00:06:14", "", "INT",
                                            "NEXT", "Z009", "055"};
    for (std::uint32_t which = 0; which < texts.size(); ++which)
        EXPECT_EQ(Status(which), texts[which]) << which;
    EXPECT_EQ(Status(STATUS_FREE_SPACE, 6), "Ready");
    EXPECT_EQ(Status(STATUS_LAST_SEG, 3), "05");
    EXPECT_EQ(Status(STATUS_FOLDER, 1), "");

    AssertCapture capture;
    EXPECT_EQ(Status(8), "");
    EXPECT_EQ(capture.Expressions(), std::vector<std::string>{"which < numberof(StatusTexts)"});
}

// Each page's steps, and on entering again either a fresh start or the step it was left on.
TEST_F(ConfirmPages, StepsCountedAndKeptPerPage)
{
    struct Case {
        UIPage* Page;
        std::int32_t AfterThreeStars;
        std::int32_t AfterReentering;
    };
    const Case cases[] = {
        {&EraseMirrorPage, 1, 0},    {&ErasePrimaryPage, 3, 0}, {&FactoryResetPage, 5, 5},
        {&ClearFadersPage, 1, 1},    {&DeleteLastSegPage, 3, 3}, {&EraseFolderPage, 3, 0},
        {&UsbStatusPage, 1, 0},      {&StoreToMirPage, 3, 0},   {&RecallFromMirPage, 3, 0},
        {&BurnBootLoaderPage, 3, 0}, {&BurnKavlinSwPage, 3, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(reinterpret_cast<const UITitle*>(c.Page->Controls[0])->Text);
        UIGotoPage(c.Page);
        const Picture entered = buffer;
        EXPECT_EQ(ConfirmStepOf(c.Page), 0);
        Star(3);
        const Picture left = buffer;
        EXPECT_EQ(ConfirmStepOf(c.Page), c.AfterThreeStars);
        Reenter(c.Page);
        EXPECT_EQ(ConfirmStepOf(c.Page), c.AfterReentering);
        EXPECT_TRUE(buffer == (c.AfterReentering == 0 ? entered : left));
        UIGotoPage(&UIHomePage);
    }
    Start();
    for (const Case& c : cases)
        EXPECT_EQ(ConfirmStepOf(c.Page), 0);
}

TEST_F(ConfirmPages, OnlyStarIsTakenAndAlwaysTaken)
{
    UIGotoPage(&EraseMirrorPage);
    Message menu{.Id = MSG_KEY_DOWN, .Param = KEY_MENU};
    Message star{.Id = MSG_KEY_DOWN, .Param = KEY_STAR};
    Message release{.Id = MSG_KEY_UP, .Param = KEY_STAR};
    EXPECT_EQ(MsgDispatch(&EraseMirrorPage, &menu), 0U);
    EXPECT_EQ(MsgDispatch(&EraseMirrorPage, &release), 0U);
    EXPECT_EQ(ConfirmStepOf(&EraseMirrorPage), 0);
    EXPECT_EQ(MsgDispatch(&EraseMirrorPage, &star), 1U);
    EXPECT_EQ(MsgDispatch(&EraseMirrorPage, &star), 1U);  // taken even where it no longer counts
    EXPECT_EQ(ConfirmStepOf(&EraseMirrorPage), 1);

    AssertCapture capture;
    EXPECT_EQ(ConfirmStepOf(&UIHomePage), 0);
    EXPECT_EQ(ConfirmPageHandler(&UIHomePage, &star), 0U);
    EXPECT_EQ(capture.Expressions(),
              (std::vector<std::string>{"index < numberof(ConfirmTbl)", "index < numberof(ConfirmTbl)"}));
}

TEST_F(ConfirmPages, EachPageShowsItsPromptAndOutcome)
{
    struct Case {
        UIPage* Page;
        const char* Title;
        int Stars;
        std::int32_t Top;
        std::vector<Line> Lines;
        Box Below;
        const char* Golden = nullptr;
    };
    const std::vector<Line> erasing = {{"This will take"}, {"about 6 minutes"}};
    const std::vector<Line> stored = {{"Settings have been"}, {"stored to Preset #2"}};
    const Case cases[] = {
        {&ErasePrimaryPage, "ERASE PRIMARY", 0, 35, Prompt({"Press * to Format", "Primary Card"}), Box::Status},
        {&ErasePrimaryPage, "ERASE PRIMARY", 1, 35,
         {{"This is the PRIMARY CF"}, {"card you are about to erase"}, {"ARE YOU SURE?", 3}, {"Press * to Continue"},
          {"Press BACK to Exit"}},
         Box::Status, "orvel/erase_primary_are_you_sure"},
        {&ErasePrimaryPage, "ERASE PRIMARY", 2, 28, erasing, Box::Status},
        {&ErasePrimaryPage, "ERASE PRIMARY", 3, 28, erasing, Box::Status},
        {&EraseMirrorPage, "ERASE MIRROR", 0, 35, Prompt({"Press * to Format", "Mirror Card"}), Box::Status},
        {&EraseMirrorPage, "ERASE MIRROR", 2, 35, ExitOnThirdLine, Box::Status},
        {&FactoryResetPage, "FACTORY RESET", 0, 35, Prompt({"Press * to Restore", "Factory Defaults"}), Box::Status},
        {&FactoryResetPage, "FACTORY RESET", 1, 35,
         {{"Default Settings"}, {"have been restored.", 6}, {"Restart Orvel now"}}, Box::Status},
        {&ClearFadersPage, "CLEAR FADERS", 0, 35, Prompt({"Press * to Clear", "All Fader Assigns"}), Box::Status},
        {&ClearFadersPage, "CLEAR FADERS", 1, 35, {{"Fader Assignments"}, {"have been cleared."}}, Box::Status},
        {&DeleteLastSegPage, "DELETE LAST SEG", 0, 35,
         {{"Press * to Delete "}, {"Segment 055"}, {"in Folder Z009"}, {"                  "}, {"Press BACK to Exit"}},
         Box::LastSeg, "orvel/delete_last_seg"},
        {&DeleteLastSegPage, "DELETE LAST SEG", 1, 35, ExitOnThirdLine, Box::LastSeg},
        {&EraseFolderPage, "ERASE FOLDER", 2, 35, Prompt({"Press * to erase", "folder", "Z001 (5 segs)"}), Box::Status},
        {&UsbStatusPage, "USB STATUS", 0, 35, Prompt({"USB STATUS TEST"}), Box::Status},
        {&UsbStatusPage, "USB STATUS", 1, 35, ExitOnThirdLine, Box::Status},
        {&StoreToMirPage, "STORE TO MIR", 0, 35, Prompt({"Press * to store", "settings to", "Mirror CF Card"}),
         Box::Status},
        {&StoreToMirPage, "STORE TO MIR", 1, 35, {}, Box::Status},
        {&RecallFromMirPage, "RECALL FROM MIR", 0, 35, Prompt({"Press * to recall", "settings from", "Mirror CF Card"}),
         Box::Status},
        {&RecallFromMirPage, "RECALL FROM MIR", 1, 35, {}, Box::Status},
        {&BurnBootLoaderPage, "BURN BOOT LOADER", 9, 35, Prompt({"Press * 10 times to", "Burn Bootloader to ROM"}),
         Box::None},
        {&BurnBootLoaderPage, "BURN BOOT LOADER", 10, 35, {}, Box::None},
        {&BurnKavlinSwPage, "BURN KAVLIN SW", 0, 35,
         Prompt({"Press * to Program", "Kavlin Processor with", "Program File RVKS-033.h", "",
                 "(Currently running 0.29)"}),
         Box::None},
        {&BurnKavlinSwPage, "BURN KAVLIN SW", 1, 28, {{"This will complete"}, {"in about 2 minutes"}}, Box::None},
        {&StoreMemory2Page, "STORE MEMORY", 0, 35, Prompt({"Press * to Store", "Preset #2"}), Box::None},
        {&StoreMemory2Page, "STORE MEMORY", 1, 35, stored, Box::None},
        {&StoreMemory2Page, "STORE MEMORY", 2, 35, stored, Box::None},
        {&StoreMemory3Page, "STORE MEMORY", 0, 35, Prompt({"Press * to Store", "Preset #3"}), Box::None},
        {&RecallMemory1Page, "RECALL MEMORY", 0, 35, Prompt({"Press * to recall", "preset #1"}), Box::None},
        {&RecallMemory1Page, "RECALL MEMORY", 1, 35,
         {{"Settings have been"}, {"recalled from preset #1"}, {""}, {"*** RESTART ORVEL NOW ***"}}, Box::None},
        {&RecallMemory3Page, "RECALL MEMORY", 1, 35,
         {{"Settings have been"}, {"recalled from preset #3"}, {""}, {"*** RESTART ORVEL NOW ***"}}, Box::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Title << " after " << c.Stars);
        UIGotoPage(c.Page);
        Star(c.Stars);
        EXPECT_TRUE(buffer == Screen(c.Title, c.Top, c.Lines, c.Below));
        EXPECT_TRUE(!c.Golden || LcdMatchesGolden(&LcdCanvas, c.Golden));
        UIGotoPage(&UIHomePage);
    }
}

TEST_F(ConfirmPages, StorePagesShareTheirCountersAndEachResetsThemOnEntering)
{
    UIGotoPage(&StoreMemory2Page);
    Star();
    EXPECT_EQ(StoreStep, 3);
    EXPECT_EQ(StoreResult, PRESET_DONE);
    Star();
    EXPECT_EQ(StoreStep, 4);
    EXPECT_EQ(RecallStep, 0);
    EXPECT_EQ(RecallResult, PRESET_BUSY);
    UIGotoPage(&StoreMemory3Page);
    EXPECT_EQ(StoreStep, 0);
    EXPECT_EQ(StoreResult, PRESET_BUSY);

    UIGotoPage(&RecallMemory1Page);
    Star();
    EXPECT_EQ(StoreStep, 0);
}

TEST_F(ConfirmPages, MemoryPagesShowWaitingAndErrors)
{
    UIGotoPage(&StoreMemory1Page);
    StoreStep = 2;
    UIRedraw();
    EXPECT_TRUE(buffer == Screen("STORE MEMORY", 35, {{"Please wait..."}}, Box::None));
    StoreResult = 7;
    UIRedraw();
    EXPECT_TRUE(buffer == Screen("STORE MEMORY", 35, {{"Error in Store (7)"}}, Box::None));

    UIGotoPage(&RecallMemory2Page);
    RecallStep = 1;
    RecallResult = 12;
    UIRedraw();
    EXPECT_TRUE(buffer == Screen("RECALL MEMORY", 35, {{"Error In Recall (12)"}}, Box::None));

    Start();
    EXPECT_EQ(StoreStep, 0);
    EXPECT_EQ(StoreResult, PRESET_BUSY);
    EXPECT_EQ(RecallStep, 0);
    EXPECT_EQ(RecallResult, PRESET_BUSY);
}

TEST_F(ConfirmPages, AuxDeviceShowsItsPlaceholder)
{
    UIGotoPage(&AuxDevicePage);
    EXPECT_TRUE(buffer == Expected([](Canvas* c) {
        DrawTextCentred(c, 4, 100, "test confirm string. boo!");
        c->DrawImage(c, 0, 0, &TitleBarImage, 0);
        DrawText(c, 1, 2, 0, 1, COLOUR_BLACK, "AUX DEVICE?");
    }));
    Message star{.Id = MSG_KEY_DOWN, .Param = KEY_STAR};
    EXPECT_EQ(MsgDispatch(&AuxDevicePage, &star), 0U);
}

TEST_F(ConfirmPages, IfbDebugShowsTheLinkVersionAndIdleCounters)
{
    const auto lines = [](const char* version) {
        return Expected([=](Canvas* c) {
            DrawTextLeft(c, 1, 23, "        IFB      ORVEL ");
            std::int32_t y = DrawTextLeft(c, 1, 23, version);
            for (const char* line : {"Delta:  0, 0 ", "Errors: 000000  000000 ", "ErrTag: 000000  000000 "})
                y = DrawTextLeft(c, 1, y, line);
            y += 5;
            for (const char* line : {"Mcount: 000000  000000 ", "GOOD:   000000  000000 ", "SENT:   000000  000000 ",
                                     "TAG:0000 LCDindex:0000", "Skipped TX Cmds: 0 of 0", "Proc=0 Stomp=0 OC=0 G0"})
                y = DrawTextLeft(c, 1, y, line);
        });
    };
    LcdCanvas.Clear(&LcdCanvas);
    IfbDebugDraw();
    EXPECT_TRUE(buffer == lines("v0.33"));

    FormatText(Orvel.KavlinVer, sizeof(Orvel.KavlinVer), "1.02");
    LcdCanvas.Clear(&LcdCanvas);
    IfbDebugDraw();
    EXPECT_TRUE(buffer == lines("v1.02"));
}
