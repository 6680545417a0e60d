#include "orvel/orvelplay.h"

#include <gtest/gtest.h>

#include "orvel/hook_probe.h"
#include "support/golden.h"
#include "ui/home_fixture.h"
#include "uicore/uikeys.h"

namespace {

using Playback = HomeTest;  // the started user interface

}  // namespace

TEST_F(Playback, SegmentChoiceStaysWithinTheFirstFolder)
{
    EXPECT_STREQ(Orvel.Play.Name, "Orvel seg002");
    SegmentSelect(0);
    EXPECT_EQ(Orvel.Segment, 1);
    SegmentSelect(100);
    EXPECT_EQ(Orvel.Segment, 6);
    EXPECT_STREQ(Orvel.Scene, "S6");
    EXPECT_STREQ(Orvel.Take, "6");
    HookSet(EditSegmentHook, 4);
    EXPECT_EQ(HookGet(EditSegmentHook), 4);
    SegmentSetNote("Room Tone");
    EXPECT_STREQ(Orvel.Note, "Room Tone");
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
