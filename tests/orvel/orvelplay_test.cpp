#include "orvel/orvelplay.h"

#include <gtest/gtest.h>

#include "canvas/images.h"
#include "orvel/orvel.h"
#include "ui/ui.h"
#include "uicore/ui_fixture.h"
#include "uicore/uikeys.h"

namespace {

class Playback : public UITest {
protected:
    void SetUp() override
    {
        UITest::SetUp();
        const char* argv[] = {"orvel-sim"};
        OrvelPowerOn(1, argv, "orvel-sim");
        StartUserInterface();
    }

    // The page's title bar and the lines, each centred on x = 110, from y on with the gaps given after them.
    static Picture Lines(std::int32_t y, std::initializer_list<std::pair<const char*, std::int32_t>> lines,
                         bool details)
    {
        return Expected([&](Canvas* c) {
            std::int32_t at = y;
            for (const auto& [text, gap] : lines)
                at = DrawTextCentred(c, 110, at, text) + gap;
            if (details) {
                at = DrawTextLeft(c, 5, at, "Scene: S1");
                at = DrawTextLeft(c, 5, at, "Take: T5");
                DrawTextLeft(c, 5, at, "Note: NOTE5");
            }
            c->DrawImage(c, 0, 0, &TitleBarImage, 0);
            DrawText(c, 1, 2, 0, 1, COLOUR_BLACK, "FALSE START");
        });
    }
};

}  // namespace

TEST_F(Playback, ResetFillsTheSegmentBeingPlayed)
{
    EXPECT_EQ(Orvel.Play.Segment, 2U);
    EXPECT_EQ(Orvel.Play.NTracks, 5);
    EXPECT_STREQ(Orvel.Play.Scene, "S2");
    EXPECT_STREQ(Orvel.Play.Take, "2");
    EXPECT_STREQ(Orvel.Play.Name, "Orvel seg002");
    EXPECT_STREQ(Orvel.Play.Timecode, "00:00:00:00");
}

TEST_F(Playback, SegmentChoiceStaysWithinTheFirstFolder)
{
    SegmentSelect(0);
    EXPECT_EQ(Orvel.Segment, 1);
    SegmentSelect(100);
    EXPECT_EQ(Orvel.Segment, 6);
    EXPECT_STREQ(Orvel.Scene, "S6");
    EXPECT_STREQ(Orvel.Take, "6");
    EXPECT_STREQ(Orvel.Note, "ORVEL NOTE");
    Message set{.Id = MSG_VALUE_SET, .Param = 4};
    EXPECT_EQ(EditSegmentHook(nullptr, &set), 1U);
    Message get{.Id = MSG_VALUE_GET, .Param = 0};
    EditSegmentHook(nullptr, &get);
    EXPECT_EQ(get.Param, 4);
    SegmentSetNote("Room Tone");
    EXPECT_STREQ(Orvel.Note, "Room Tone");
}

TEST_F(Playback, StopWhileStoppedAsksAboutAFalseStart)
{
    OrvelTransportCmd(0);
    ASSERT_EQ(UICurrentPage, &FalseStartPage);
    EXPECT_TRUE(buffer == Lines(25, {{"(Segment 0)", 10}, {"PRESS Menu to MARK", 10}, {"HOLD Menu to DELETE", 10},
                                     {"Press BACK to Cancel", 10}}, true));
}

TEST_F(Playback, FalseStartOutcomesAlternateDeletedFirst)
{
    OrvelTransportCmd(0);
    Tap(KEY_MENU);
    EXPECT_TRUE(buffer == Lines(45, {{"Seg 5 has been DELETED", 12}, {"Press BACK", 0}}, false));
    Tap(KEY_MENU);  // a second release while the outcome shows changes nothing
    EXPECT_TRUE(buffer == Lines(45, {{"Seg 5 has been DELETED", 12}, {"Press BACK", 0}}, false));

    UIGoBack();
    OrvelTransportCmd(0);
    Tap(KEY_MENU);
    EXPECT_TRUE(buffer == Lines(25, {{"Seg 5 has been MARKED", 10}, {"Press BACK", 12}}, true));
}

TEST_F(Playback, MarkDropoutExplainsItself)
{
    UIGotoPage(&MarkDropoutPage);
    EXPECT_TRUE(buffer == Expected([](Canvas* c) {
        std::int32_t y = DrawTextCentred(c, 110, 35, "Must be in record");
        y = DrawTextCentred(c, 110, y, "to mark a drop out.") + FontHeight(c, 0);
        DrawTextCentred(c, 110, y, "Press BACK to Exit");
        c->DrawImage(c, 0, 0, &TitleBarImage, 0);
        DrawText(c, 1, 2, 0, 1, COLOUR_BLACK, "MARK DROPOUT");
    }));
}
