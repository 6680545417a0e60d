#include "orvel/orvelpages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "canvas/images.h"
#include "common/format.h"
#include "orvel/orvel.h"
#include "support/assert_capture.h"
#include "support/golden.h"
#include "uicore/ui_fixture.h"
#include "uicore/uicontrols.h"
#include "uicore/uikeys.h"

namespace {

struct Line {
    const char* Text;
    std::int32_t Gap = 0;  // extra pixels below
};

enum class Box { None, Status, LastSeg };

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
        OrvelInit(1, argv, "orvel-sim");
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

    static void DrawStatusBox(Canvas* c)
    {
        std::int32_t y = LCD_HEIGHT - 4 * FontHeight(c, 0);
        CanvasDrawLine(c, 4, y, 215, y, COLOUR_BLACK);
        y = DrawTextCentred(c, 110, y + 6, "Ready: 31GB free");
        y = DrawTextCentred(c, 110, y, "Mirroring (100%)");
        DrawTextCentred(c, 110, y, "rec time 00:06:14");
    }

    static void DrawLastSegBox(Canvas* c)
    {
        const std::int32_t y = LCD_HEIGHT - 3 * FontHeight(c, 0);
        CanvasDrawLine(c, 0, y, 219, y, COLOUR_BLACK);
        DrawTextCentred(c, 110, DrawTextCentred(c, 110, y + 6, "Last Segment in"), "Folder Z009 is 055");
    }

    // The title bar, the lines centred on x = 110 from top, and the box below them.
    static Picture Screen(const char* title, std::int32_t top, const std::vector<Line>& lines, Box box)
    {
        return Expected([&](Canvas* c) {
            std::int32_t y = top;
            for (const Line& line : lines)
                y = DrawTextCentred(c, 110, y, line.Text) + line.Gap;
            if (box == Box::Status)
                DrawStatusBox(c);
            else if (box == Box::LastSeg)
                DrawLastSegBox(c);
            c->DrawImage(c, 0, 0, &TitleBarImage, 0);
            DrawText(c, 1, 2, 0, 1, COLOUR_BLACK, title);
        });
    }
};

const std::vector<Line> ExitOnThirdLine = {{""}, {""}, {"Press BACK to Exit"}};

std::string Status(std::uint32_t which, std::size_t size = MAX_UI_TEXT)
{
    char text[MAX_UI_TEXT] = "unwritten";
    StatusText(text, which, size);
    return text;
}

}  // namespace

TEST(StatusTexts, StandForTheCardAndRecordingState)
{
    const std::vector<std::string> texts = {"Ready: 31GB free", "Mirroring (100%)", "rec time 00:06:14", "", "INT",
                                            "NEXT", "Z009", "055"};
    for (std::uint32_t which = 0; which < texts.size(); ++which)
        EXPECT_EQ(Status(which), texts[which]) << which;
    EXPECT_EQ(Status(STATUS_FREE_SPACE, 6), "Ready");
    EXPECT_EQ(Status(STATUS_LAST_SEG, 3), "05");
    EXPECT_EQ(Status(STATUS_FOLDER, 1), "");
}

TEST(StatusTexts, UnknownTextIsEmptyAndReported)
{
    AssertCapture capture;
    EXPECT_EQ(Status(8), "");
    EXPECT_EQ(capture.Expressions(), std::vector<std::string>{"which < numberof(StatusTexts)"});
}

TEST_F(ConfirmPages, ErasePrimaryAsksTwiceThenStartsTheFormat)
{
    UIGotoPage(&ErasePrimaryPage);
    EXPECT_TRUE(buffer == Screen("ERASE PRIMARY", 35,
                                 {{"Press * to Format"}, {"Primary Card"}, {""}, {"Press BACK to Exit"}}, Box::Status));
    Star();
    EXPECT_TRUE(buffer == Screen("ERASE PRIMARY", 35,
                                 {{"This is the PRIMARY CF"}, {"card you are about to erase"}, {"ARE YOU SURE?", 3},
                                  {"Press * to Continue"}, {"Press BACK to Exit"}},
                                 Box::Status));
    Star();
    const Picture started = Screen("ERASE PRIMARY", 28, {{"This will take"}, {"about 6 minutes"}}, Box::Status);
    EXPECT_TRUE(buffer == started);
    Star();
    EXPECT_TRUE(buffer == started);
    EXPECT_EQ(ConfirmStepOf(&ErasePrimaryPage), 3);

    Reenter(&ErasePrimaryPage);
    EXPECT_EQ(ConfirmStepOf(&ErasePrimaryPage), 0);
}

TEST_F(ConfirmPages, ErasePrimaryQuestionLooksRight)
{
    UIGotoPage(&ErasePrimaryPage);
    Star();
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "orvel/erase_primary_are_you_sure"));
}

TEST_F(ConfirmPages, BootLoaderTakesTenPresses)
{
    const Picture prompt = Screen("BURN BOOT LOADER", 35,
                                  {{"Press * 10 times to"}, {"Burn Bootloader to ROM"}, {""}, {"Press BACK to Exit"}},
                                  Box::None);
    UIGotoPage(&BurnBootLoaderPage);
    Star(9);
    EXPECT_TRUE(buffer == prompt);
    Star();
    EXPECT_TRUE(buffer == Screen("BURN BOOT LOADER", 35, {}, Box::None));
    Reenter(&BurnBootLoaderPage);
    EXPECT_TRUE(buffer == prompt);
}

TEST_F(ConfirmPages, FactoryResetOutcomeOutlivesLeavingButNotARestart)
{
    const Picture prompt = Screen("FACTORY RESET", 35,
                                  {{"Press * to Restore"}, {"Factory Defaults"}, {""}, {"Press BACK to Exit"}},
                                  Box::Status);
    const Picture restored = Screen("FACTORY RESET", 35,
                                    {{"Default Settings"}, {"have been restored.", 6}, {"Restart Orvel now"}},
                                    Box::Status);
    UIGotoPage(&FactoryResetPage);
    EXPECT_TRUE(buffer == prompt);
    Star();
    EXPECT_TRUE(buffer == restored);
    Reenter(&FactoryResetPage);
    EXPECT_TRUE(buffer == restored);

    UIGotoPage(&UIHomePage);
    Start();
    UIGotoPage(&FactoryResetPage);
    EXPECT_TRUE(buffer == prompt);
}

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
        const char* title = reinterpret_cast<const UITitle*>(c.Page->Controls[0])->Text;
        UIGotoPage(c.Page);
        EXPECT_EQ(ConfirmStepOf(c.Page), 0) << title;
        Star(3);
        EXPECT_EQ(ConfirmStepOf(c.Page), c.AfterThreeStars) << title;
        Reenter(c.Page);
        EXPECT_EQ(ConfirmStepOf(c.Page), c.AfterReentering) << title;
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
    };
    const Case cases[] = {
        {&EraseMirrorPage, "ERASE MIRROR", 0, 35,
         {{"Press * to Format"}, {"Mirror Card"}, {""}, {"Press BACK to Exit"}}, Box::Status},
        {&EraseMirrorPage, "ERASE MIRROR", 2, 35, ExitOnThirdLine, Box::Status},
        {&ClearFadersPage, "CLEAR FADERS", 0, 35,
         {{"Press * to Clear"}, {"All Fader Assigns"}, {""}, {"Press BACK to Exit"}}, Box::Status},
        {&ClearFadersPage, "CLEAR FADERS", 1, 35, {{"Fader Assignments"}, {"have been cleared."}}, Box::Status},
        {&EraseFolderPage, "ERASE FOLDER", 2, 35,
         {{"Press * to erase"}, {"folder"}, {"Z001 (5 segs)"}, {""}, {"Press BACK to Exit"}}, Box::Status},
        {&UsbStatusPage, "USB STATUS", 0, 35, {{"USB STATUS TEST"}, {""}, {"Press BACK to Exit"}}, Box::Status},
        {&UsbStatusPage, "USB STATUS", 1, 35, ExitOnThirdLine, Box::Status},
        {&StoreToMirPage, "STORE TO MIR", 0, 35,
         {{"Press * to store"}, {"settings to"}, {"Mirror CF Card"}, {""}, {"Press BACK to Exit"}}, Box::Status},
        {&StoreToMirPage, "STORE TO MIR", 1, 35, {}, Box::Status},
        {&RecallFromMirPage, "RECALL FROM MIR", 0, 35,
         {{"Press * to recall"}, {"settings from"}, {"Mirror CF Card"}, {""}, {"Press BACK to Exit"}}, Box::Status},
        {&RecallFromMirPage, "RECALL FROM MIR", 1, 35, {}, Box::Status},
        {&BurnKavlinSwPage, "BURN KAVLIN SW", 0, 35,
         {{"Press * to Program"}, {"Kavlin Processor with"}, {"Program File RVKS-033.h"}, {""},
          {"(Currently running 0.29)"}, {""}, {"Press BACK to Exit"}},
         Box::None},
        {&BurnKavlinSwPage, "BURN KAVLIN SW", 1, 28, {{"This will complete"}, {"in about 2 minutes"}}, Box::None},
    };
    for (const Case& c : cases) {
        UIGotoPage(c.Page);
        Star(c.Stars);
        EXPECT_TRUE(buffer == Screen(c.Title, c.Top, c.Lines, c.Below)) << c.Title << " after " << c.Stars;
        UIGotoPage(&UIHomePage);
    }
}

TEST_F(ConfirmPages, DeleteLastSegNamesTheSegmentAndItsFolder)
{
    UIGotoPage(&DeleteLastSegPage);
    EXPECT_TRUE(buffer == Screen("DELETE LAST SEG", 35,
                                 {{"Press * to Delete "}, {"Segment 055"}, {"in Folder Z009"}, {"                  "},
                                  {"Press BACK to Exit"}},
                                 Box::LastSeg));
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "orvel/delete_last_seg"));
    Star();
    const Picture deleted = Screen("DELETE LAST SEG", 35, ExitOnThirdLine, Box::LastSeg);
    EXPECT_TRUE(buffer == deleted);
    Reenter(&DeleteLastSegPage);
    EXPECT_TRUE(buffer == deleted);
}

TEST_F(ConfirmPages, StoreMemoryTwoStoresAtOnce)
{
    UIGotoPage(&StoreMemory2Page);
    EXPECT_TRUE(buffer == Screen("STORE MEMORY", 35,
                                 {{"Press * to Store"}, {"Preset #2"}, {""}, {"Press BACK to Exit"}}, Box::None));
    Star();
    const Picture stored = Screen("STORE MEMORY", 35, {{"Settings have been"}, {"stored to Preset #2"}}, Box::None);
    EXPECT_TRUE(buffer == stored);
    EXPECT_EQ(StoreStep, 3);
    EXPECT_EQ(StoreResult, PRESET_DONE);
    Star();
    EXPECT_EQ(StoreStep, 4);
    EXPECT_TRUE(buffer == stored);
    EXPECT_EQ(RecallStep, 0);
    EXPECT_EQ(RecallResult, PRESET_BUSY);

    // the three store pages share their counters, which each page resets on entering
    UIGotoPage(&StoreMemory3Page);
    EXPECT_EQ(StoreStep, 0);
    EXPECT_EQ(StoreResult, PRESET_BUSY);
    EXPECT_TRUE(buffer == Screen("STORE MEMORY", 35,
                                 {{"Press * to Store"}, {"Preset #3"}, {""}, {"Press BACK to Exit"}}, Box::None));
}

TEST_F(ConfirmPages, RecallMemoryAsksForARestart)
{
    UIGotoPage(&RecallMemory1Page);
    EXPECT_TRUE(buffer == Screen("RECALL MEMORY", 35,
                                 {{"Press * to recall"}, {"preset #1"}, {""}, {"Press BACK to Exit"}}, Box::None));
    Star();
    EXPECT_TRUE(buffer == Screen("RECALL MEMORY", 35,
                                 {{"Settings have been"}, {"recalled from preset #1"}, {""},
                                  {"*** RESTART ORVEL NOW ***"}},
                                 Box::None));
    EXPECT_EQ(StoreStep, 0);
    UIGotoPage(&RecallMemory3Page);
    Star();
    EXPECT_TRUE(buffer == Screen("RECALL MEMORY", 35,
                                 {{"Settings have been"}, {"recalled from preset #3"}, {""},
                                  {"*** RESTART ORVEL NOW ***"}},
                                 Box::None));
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
            y = DrawTextLeft(c, 1, y, "Delta:  0, 0 ");
            y = DrawTextLeft(c, 1, y, "Errors: 000000  000000 ");
            y = DrawTextLeft(c, 1, y, "ErrTag: 000000  000000 ") + 5;
            y = DrawTextLeft(c, 1, y, "Mcount: 000000  000000 ");
            y = DrawTextLeft(c, 1, y, "GOOD:   000000  000000 ");
            y = DrawTextLeft(c, 1, y, "SENT:   000000  000000 ");
            y = DrawTextLeft(c, 1, y, "TAG:0000 LCDindex:0000");
            y = DrawTextLeft(c, 1, y, "Skipped TX Cmds: 0 of 0");
            DrawTextLeft(c, 1, y, "Proc=0 Stomp=0 OC=0 G0");
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
