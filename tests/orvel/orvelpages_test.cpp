#include "orvel/orvelpages.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "orvel/hook_probe.h"
#include "orvel/orvel.h"
#include "orvel/orvelplay.h"
#include "support/assert_capture.h"
#include "support/golden.h"
#include "ui/home_fixture.h"
#include "ui/uihome.h"
#include "uicore/ui_fixture.h"
#include "uicore/uicontrols.h"
#include "uicore/uikeys.h"

namespace {

class ConfirmPages : public PoweredOnUI {
protected:
    // STAR as the host delivers it: the press, a redraw, then the release.
    static void Star(int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            Press(KEY_STAR);
            UIRedraw();
            Release(KEY_STAR);
        }
    }
};

using Playback = HomeTest;  // the started user interface

std::string Status(std::uint32_t which, std::size_t size = MAX_UI_TEXT)
{
    char text[MAX_UI_TEXT] = "unwritten";
    StatusText(text, which, size);
    return text;
}

}  // namespace

TEST(StatusTexts, AreCutToTheBufferAndAnUnknownOneIsReported)
{
    EXPECT_EQ(Status(STATUS_FREE_SPACE), "Ready: 31GB free");
    EXPECT_EQ(Status(STATUS_LAST_SEG, 3), "05");
    EXPECT_EQ(Status(STATUS_FOLDER, 1), "");

    AssertCapture capture;
    EXPECT_EQ(Status(8), "");
    EXPECT_EQ(capture.Expressions(), std::vector<std::string>{"which < numberof(StatusTexts)"});
}

TEST_F(ConfirmPages, OnlyStarIsTakenAndAlwaysTaken)
{
    UIGotoPage(&EraseMirrorPage);
    Message menu{.Id = MSG_KEY_DOWN, .Param = KEY_MENU};
    Message star{.Id = MSG_KEY_DOWN, .Param = KEY_STAR};
    EXPECT_EQ(MsgDispatch(&EraseMirrorPage, &menu), 0U);
    EXPECT_EQ(MsgDispatch(&EraseMirrorPage, &star), 1U);
    EXPECT_EQ(MsgDispatch(&EraseMirrorPage, &star), 1U);  // taken even where it no longer counts
    EXPECT_EQ(ConfirmStepOf(&EraseMirrorPage), 1);
    EXPECT_EQ(MsgDispatch(&AuxDevicePage, &star), 0U);
    // Some pages start afresh on entering, others show the step they were left on until a restart.
    Star(2);
    UIGotoPage(&DeleteLastSegPage);
    Star(3);
    UIGotoPage(&EraseMirrorPage);
    UIGotoPage(&DeleteLastSegPage);
    EXPECT_EQ(ConfirmStepOf(&EraseMirrorPage), 0);
    EXPECT_EQ(ConfirmStepOf(&DeleteLastSegPage), 3);
    Start();
    EXPECT_EQ(ConfirmStepOf(&DeleteLastSegPage), 0);

    AssertCapture capture;
    EXPECT_EQ(ConfirmPageHandler(&UIHomePage, &star), 0U);
    EXPECT_EQ(capture.Expressions(), std::vector<std::string>{"index < numberof(ConfirmTbl)"});
}

TEST_F(ConfirmPages, PromptsAndOutcomes)
{
    const struct {
        UIPage* Page;
        int Stars;
        const char* Golden;
    } cases[] = {{&ErasePrimaryPage, 0, "erase_primary_prompt"}, {&ErasePrimaryPage, 1, "erase_primary_are_you_sure"},
                 {&ErasePrimaryPage, 2, "erase_primary_erasing"}, {&FactoryResetPage, 1, "factory_reset_done"},
                 {&DeleteLastSegPage, 0, "delete_last_seg"}, {&EraseFolderPage, 2, "erase_folder_prompt"},
                 {&BurnBootLoaderPage, 9, "burn_boot_loader_prompt"}, {&BurnKavlinSwPage, 0, "burn_kavlin_sw_prompt"},
                 {&StoreMemory2Page, 1, "store_memory_done"}, {&RecallMemory3Page, 1, "recall_memory_done"},
                 {&AuxDevicePage, 0, "aux_device"}};
    for (const auto& c : cases) {
        UIGotoPage(c.Page);
        Star(c.Stars);
        EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, std::string("orvel/") + c.Golden));
        UIGotoPage(&UIHomePage);
    }
}

// The store and recall pages share their counters; each resets them on entering, a restart too.
TEST_F(ConfirmPages, MemoryPagesShareTheirCountersAndShowWaitingAndErrors)
{
    UIGotoPage(&StoreMemory2Page);
    Star(2);
    EXPECT_EQ(StoreStep, 4);
    EXPECT_EQ(RecallResult, PRESET_BUSY);
    UIGotoPage(&StoreMemory1Page);
    StoreStep = 2;
    UIRedraw();
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "orvel/store_memory_waiting"));
    UIGotoPage(&RecallMemory2Page);
    RecallStep = 1;
    RecallResult = 12;
    UIRedraw();
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "orvel/recall_memory_error"));
    Start();
    EXPECT_EQ(StoreStep + RecallStep, 0);
}

TEST_F(ConfirmPages, IfbDebugShowsTheLinkVersion)
{
    std::snprintf(Orvel.KavlinVer, sizeof(Orvel.KavlinVer), "%s", "1.02");
    LcdCanvas.Clear(&LcdCanvas);
    IfbDebugDraw();
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "orvel/ifb_debug"));
}

TEST_F(Playback, SegmentChoiceStaysWithinTheFirstFolder)
{
    SegmentSelect(0);
    EXPECT_EQ(Orvel.Segment, 1);
    SegmentSelect(100);
    EXPECT_EQ(Orvel.Segment, 6);
    EXPECT_STREQ(Orvel.Scene, "S6");
    HookSet(EditSegmentHook, 4);
    EXPECT_EQ(HookGet(EditSegmentHook), 4);
}

// Stop while stopped asks about a false start; the outcomes alternate, deleted first.
TEST_F(Playback, FalseStartOutcomesAlternateDeletedFirst)
{
    OrvelTransportCmd(0);
    ASSERT_EQ(UICurrentPage, &FalseStartPage);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "orvel/false_start_prompt"));
    Tap(KEY_MENU);
    Tap(KEY_MENU);  // a second release while the outcome shows changes nothing
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "orvel/false_start_deleted"));

    UIGoBack();
    OrvelTransportCmd(0);
    Tap(KEY_MENU);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "orvel/false_start_marked"));
}
