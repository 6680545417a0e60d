// What the level meters draw: geometry on exact pixels, segment colours, names, knobs and icons, the
// meter control's query, and screenshots of two home-screen layouts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/rand.h"
#include "meter_fixture.h"
#include "orvel/orvelmeters.h"
#include "support/assert_capture.h"
#include "support/golden.h"

namespace {

// A column between the scale labels and away from the ticks.
constexpr std::int32_t Clear = X + 120;

}  // namespace

TEST_F(MeterTest, TwelveMetersStepByElevenPixelsBelowTheScale)
{
    Draw(Meters(12), 33);
    // pitch ((175 - 33 - 8) x 2 - 2) / 24 = 11, bars of 10 rows, the first under the 8-pixel scale
    std::int32_t y = 33;
    for (std::int32_t i = 0; i < 12; ++i) {
        const auto [top, bottom] = BarRows(Clear, y);
        EXPECT_EQ(top, 41 + 11 * i) << "meter " << i;
        EXPECT_EQ(bottom, 50 + 11 * i) << "meter " << i;
        y = bottom + 1;
    }
    EXPECT_EQ(At(Clear, 172), White);
}

TEST_F(MeterTest, HalfRowGapsShrinkThePitchAndOpenBeforeAndAfterTheirMeters)
{
    UIMeters m = Meters(7);
    m.MFlags[1] = METER_FLAG_GAP_AFTER;
    m.MFlags[6] = METER_FLAG_GAP_BEFORE;
    m.MFlags[0] = METER_FLAG_GAP_BEFORE;  // never before the first meter, and not counted
    Draw(m, 34);
    // two gaps: pitch ((175 - 34 - 8) x 2 - 2) / (2 + 14) = 16
    const std::int32_t tops[] = {42, 58, 82, 98, 114, 130, 154};
    std::int32_t y = 34;
    for (std::int32_t i = 0; i < 7; ++i) {
        const auto [top, bottom] = BarRows(Clear, y);
        EXPECT_EQ(top, tops[i]) << "meter " << i;
        EXPECT_EQ(bottom, tops[i] + 14) << "meter " << i;
        y = bottom + 1;
    }
}

TEST_F(MeterTest, ThreeMetersTakeTheRoomOfSixWithTheLastAtTheBottom)
{
    Draw(Meters(3), 66);
    // pitch ((175 - 66 - 8) x 2 - 2) / 12 = 16; the last meter ends above row 169 wherever the column starts
    EXPECT_EQ(BarRows(Clear, 66), std::make_pair(74, 88));
    EXPECT_EQ(BarRows(Clear, 89), std::make_pair(90, 104));
    EXPECT_EQ(BarRows(Clear, 105), std::make_pair(153, 167));
    Draw(Meters(3), 40);
    // pitch ((175 - 40 - 8) x 2 - 2) / 12 = 21
    EXPECT_EQ(BarRows(Clear, 40), std::make_pair(48, 67));
    EXPECT_EQ(BarRows(Clear, 89), std::make_pair(148, 167));
}

TEST_F(MeterTest, ScaleLabelsAreCentredOnTheirPointsAboveTheMeters)
{
    Draw(Meters(6), 66);
    const Picture labels = Expected([](Canvas* c) {
        const std::pair<std::int32_t, const char*> points[] = {{0, "-40"}, {49, "-30"}, {99, "-20"}, {149, "-10"},
                                                               {199, "0"}};
        for (const auto& [x, label] : points)
            DrawText(c, X + x, 66, 1, 4, Black, label);
    });
    for (std::int32_t y = 66; y < 74; ++y)
        for (std::int32_t x = 0; x < LCD_WIDTH; ++x)
            ASSERT_EQ(At(x, y), labels[x + (LCD_HEIGHT - 1 - y) * LCD_WIDTH]) << x << ", " << y;
}

TEST_F(MeterTest, BarSegmentsFollowTheLevelAndTheMetersColour)
{
    UIMeters m = Meters(6);
    const std::int32_t row = 75;  // second row of the first bar at y = 66, clear of the ticks
    Draw(m, 66);
    for (const std::int32_t x : {0, 1, 78, 199})
        EXPECT_EQ(At(X + x, row), Black) << x;

    m.MeterLevel[0] = 255;
    Draw(m, 66);
    EXPECT_EQ(At(X + 0, row), Green);
    EXPECT_EQ(At(X + 99, row), Green);
    EXPECT_EQ(At(X + 100, row), Upper);
    EXPECT_EQ(At(X + 149, row), Upper);
    EXPECT_EQ(At(X + 150, row), Top);
    EXPECT_EQ(At(X + 199, row), Top);
    EXPECT_EQ(At(X + 200, row), White);

    m.MeterLevel[0] = 100;  // 78 pixels
    Draw(m, 66);
    EXPECT_EQ(At(X + 0, row), Green);
    EXPECT_EQ(At(X + 78, row), Green);
    EXPECT_EQ(At(X + 79, row), Black);
    EXPECT_EQ(At(X + 199, row), Black);
    EXPECT_EQ(At(X - 1, row), White);

    m.Colour[0] = MeterSrceTbl[METER_SRCE_INPUT].Colour;
    Draw(m, 66);
    EXPECT_EQ(At(X + 0, row), 0xFFC0);
    EXPECT_EQ(At(X + 78, row), 0xFFC0);
    EXPECT_EQ(At(X + 79, row), Black);

    // the meter's colour stops where the scale turns
    m.MeterLevel[0] = 255;
    Draw(m, 66);
    EXPECT_EQ(At(X + 99, row), 0xFFC0);
    EXPECT_EQ(At(X + 100, row), Upper);
    EXPECT_EQ(At(X + 150, row), Top);

    m.MeterLevel[0] = 1;  // nonzero but short of a pixel: the first pixel only
    Draw(m, 66);
    EXPECT_EQ(At(X + 0, row), 0xFFC0);
    EXPECT_EQ(At(X + 1, row), Black);
}

TEST_F(MeterTest, ReductionBarGrowsFromTheRightInTheMiddleQuarterOfTheBar)
{
    UIMeters m = Meters(6);
    m.MeterLevel[0] = 255;
    m.Reduction[0] = 128;  // 199 - 99: from x + 100
    Draw(m, 66);
    // bar of 15 rows from 74: rows 74 + 5 to 74 + 9
    EXPECT_EQ(At(X + 101, 79), White);
    EXPECT_EQ(At(X + 199, 83), White);
    EXPECT_EQ(At(X + 99, 80), Green);
    EXPECT_EQ(At(X + 101, 78), Upper);
    EXPECT_EQ(At(X + 101, 84), Upper);

    m.Reduction[0] = 1;  // rounds to nothing
    Draw(m, 66);
    EXPECT_EQ(At(X + 199, 81), Top);
}

TEST_F(MeterTest, PeakIsATwoPixelWhiteLineKeptInsideTheScale)
{
    UIMeters m = Meters(6);
    m.Peak[0] = 200;  // 156
    Draw(m, 66);
    for (std::int32_t y = 74; y <= 88; ++y) {
        EXPECT_EQ(At(X + 156, y), White) << y;
        EXPECT_EQ(At(X + 157, y), White) << y;
    }
    EXPECT_EQ(At(X + 155, 75), Black);
    EXPECT_EQ(At(X + 158, 75), Black);
    EXPECT_EQ(At(X + 156, 89), White);  // below the bar: the page
    EXPECT_EQ(At(X + 156, 90), Black);  // the next meter has no peak

    m.Peak[0] = 255;
    Draw(m, 66);
    EXPECT_EQ(At(X + 198, 75), White);
    EXPECT_EQ(At(X + 199, 75), White);
    EXPECT_EQ(At(X + 197, 75), Black);
    EXPECT_EQ(At(X + 200, 75), White);
}

TEST_F(MeterTest, TicksMarkEverySecondRowAtTheThreeInnerScalePoints)
{
    Draw(Meters(6), 66);
    for (const std::int32_t x : {50, 100, 150}) {
        EXPECT_EQ(At(X + x, 74), White) << x;
        EXPECT_EQ(At(X + x, 75), Black) << x;
        EXPECT_EQ(At(X + x, 88), White) << x;
        EXPECT_EQ(At(X + x + 1, 74), Black) << x;
    }
    EXPECT_EQ(At(X + 49, 74), Black);
}

TEST_F(MeterTest, HatchedMeterHasThreeLinesAndNoChannelIcon)
{
    UIMeters m = Meters(6);
    m.Srce[0] = METER_SRCE_CH;
    m.Srce[1] = METER_SRCE_CH;
    m.MFlags[0] = METER_FLAG_HATCHED;
    Draw(m, 66);
    // bar 74..88, centre 81
    for (const std::int32_t y : {78, 81, 84}) {
        EXPECT_EQ(At(X + 2, y), 0x05DF) << y;
        EXPECT_EQ(At(X + 198, y), 0x05DF) << y;
        EXPECT_EQ(At(X + 1, y), Black) << y;
        EXPECT_EQ(At(X + 199, y), Black) << y;
    }
    EXPECT_EQ(At(X + 2, 80), Black);
    EXPECT_TRUE(BlockIsWhite(X - 9, 77, 9));
    // the next channel meter is not hatched: its icon stands left of it, centred on row 90 + 7
    EXPECT_EQ(At(X + 2, 97), Black);
    EXPECT_TRUE(ShowsIcon(X - 9, 93, &MeterChannelIcon));
}

TEST_F(MeterTest, StatusIconsShowIsolationAndAutoMixRightOfTheMeter)
{
    UIMeters m = Meters(6);
    m.Srce[0] = METER_SRCE_CH;  // track 1: isolation enabled after start-up
    m.Srce[1] = METER_SRCE_CH;
    m.Chan[1] = 2;              // track 3: not enabled
    m.Srce[2] = METER_SRCE_INPUT;
    m.Chan[2] = 3;
    m.Srce[3] = METER_SRCE_INDIG;
    m.Chan[3] = 5;
    m.Srce[4] = METER_SRCE_OUT;
    m.Chan[4] = 3;
    m.Srce[5] = METER_SRCE_INPUT;
    m.Chan[5] = 9;  // beyond the auto-mix table: never in the auto-mix
    AutoMix[0][3] = 1;
    AutoMix[0][5] = 1;
    Draw(m, 66);
    // bars at 74, 90, 106, 122, 138, 154; icons 9 x 9 from x + 200, centred on the bar
    EXPECT_TRUE(ShowsIcon(X + 200, 77, &MeterIsoIcon));
    EXPECT_TRUE(BlockIsWhite(X + 200, 93, 9));
    EXPECT_TRUE(ShowsIcon(X + 200, 109, &MeterAutoMixIcon));
    EXPECT_TRUE(ShowsIcon(X + 200, 125, &MeterAutoMixIcon));
    EXPECT_TRUE(BlockIsWhite(X + 200, 141, 9));
    EXPECT_TRUE(BlockIsWhite(X + 200, 157, 9));

    Orvel.IsoAttenuation = 0;
    AutoMix[0][3] = 0;
    Draw(m, 66);
    EXPECT_TRUE(BlockIsWhite(X + 200, 77, 9));
    EXPECT_TRUE(BlockIsWhite(X + 200, 109, 9));
}

TEST_F(MeterTest, SetupNamesTheMeterFromItsSourceOrTrackAndKeepsItsLevels)
{
    UIMeters m = Meters(4);
    m.MeterLevel[0] = 77;
    m.Peak[0] = 90;
    m.Fader[0] = 12;
    FormatText(Orvel.Setup.Tracks[0], sizeof(Orvel.Setup.Tracks[0]), "Boom");
    MeterSetup(&m, 0, METER_SRCE_CH, 0, METER_FLAG_SELECTABLE, METER_KNOB_CHANNEL);
    EXPECT_STREQ(m.Name[0], "Boom");
    EXPECT_EQ(m.Colour[0], 0xF9DF);
    EXPECT_EQ(m.Srce[0], METER_SRCE_CH);
    EXPECT_EQ(m.MFlags[0], METER_FLAG_SELECTABLE);
    EXPECT_EQ(m.Kind[0], METER_KNOB_CHANNEL);
    EXPECT_EQ(m.MeterLevel[0], 77);
    EXPECT_EQ(m.Peak[0], 90);
    EXPECT_EQ(m.Fader[0], 12);

    Orvel.Setup.Tracks[0][0] = '\0';
    MeterSetup(&m, 0, METER_SRCE_CH, 0, 0, 0);
    EXPECT_STREQ(m.Name[0], "Ch 1");
    MeterSetup(&m, 1, METER_SRCE_INPUT, 2, 0, 0);
    EXPECT_STREQ(m.Name[1], "INPUT 3");
    EXPECT_EQ(m.Chan[1], 2);
    EXPECT_EQ(m.Colour[1], 0xFFC0);
    MeterSetup(&m, 2, METER_SRCE_PLAY, 0, 0, 0);
    EXPECT_STREQ(m.Name[2], "5 TRACKS");
    FormatText(Orvel.Setup.Tracks[11], sizeof(Orvel.Setup.Tracks[11]), "Interview Lav Left Side");
    MeterSetup(&m, 3, METER_SRCE_CH, 11, 0, 0);
    EXPECT_STREQ(m.Name[3], "Interview Lav Le");
    MeterSetup(&m, 3, METER_SRCE_CH, 12, 0, 0);  // beyond the track names
    EXPECT_STREQ(m.Name[3], "Ch 13");
}

TEST_F(MeterTest, SetupReportsAMissingRecordAndIndicesOutOfRange)
{
    UIMeters m = Meters(1);
    AssertCapture capture;
    MeterSetup(nullptr, 0, METER_SRCE_OUT, 0, 0, 0);
    MeterSetup(&m, 12, METER_SRCE_OUT, 0, 0, 0);
    MeterSetup(&m, 0, 6, 0, 0, 0);
    EXPECT_EQ(capture.Expressions(), (std::vector<std::string>{"p", "index < numberof(p->MeterLevel)",
                                                               "srce < numberof(MeterSrceTbl)"}));
    EXPECT_STREQ(m.Name[0], "");
}

TEST_F(MeterTest, NameIsDrawnInWhiteOverTheBar)
{
    UIMeters m = Meters(6);
    Draw(m, 66);
    const Picture nameless = buffer;
    FormatText(m.Name[0], sizeof(m.Name[0]), "Boom");
    Draw(m, 66);
    // font 0 is 15 rows high, the bar 15: the text starts at the bar's top, 2 pixels in
    const Picture ink = Expected([](Canvas* c) {
        c->FillRect(c, 0, 0, LCD_WIDTH - 1, LCD_HEIGHT - 1, Black);
        DrawText(c, X + 2, 74, 0, 0, White, "Boom");
    });
    int inked = 0;
    for (std::size_t i = 0; i < ink.size(); ++i) {
        const bool changed = buffer[i] != nameless[i];
        EXPECT_EQ(changed, ink[i] == White) << "pixel " << i;
        if (changed) {
            EXPECT_EQ(buffer[i], White);
            ++inked;
        }
    }
    EXPECT_GT(inked, 20);
}

TEST_F(MeterTest, KnobImageAndPlaceFollowKindSelectionAndFader)
{
    struct Case {
        std::uint8_t Kind;
        std::uint8_t MFlags;
        std::uint8_t Fader;
        const Image* Knob;
        std::int32_t Left;  // from the meter's x
        std::int32_t Top;   // from the bar's top, the bar being 15 rows high
    };
    const Case cases[] = {
        {METER_KNOB_CHANNEL, 0, 255, &MeterKnobImage, 191, 3},
        {METER_KNOB_CHANNEL, 0, 128, &MeterKnobImage, 95, 3},
        {METER_KNOB_CHANNEL, METER_FLAG_SELECTED, 0, &MeterKnobSelectedImage, 0, 3},
        {METER_KNOB_CHANNEL, METER_FLAG_SHOWN_SELECTED, 0, &MeterKnobSelectedImage, 0, 3},
        {METER_KNOB_VIRTUAL, 0, 255, &MeterKnobVirtualImage, 182, 2},
        {METER_KNOB_VIRTUAL, METER_FLAG_SELECTED | METER_FLAG_SELECTABLE, 255, &MeterKnobWideSelectedImage, 179, 0},
        {METER_KNOB_THIRD, 0, 100, &MeterKnobThirdImage, 70, 1},
        {METER_KNOB_THIRD, METER_FLAG_SHOWN_SELECTED, 100, &MeterKnobWideSelectedImage, 70, 0},
    };
    for (const Case& k : cases) {
        UIMeters m = Meters(6);
        m.MeterLevel[0] = 180;
        m.Peak[0] = 220;
        m.MFlags[0] = k.MFlags;
        m.Fader[0] = k.Fader;
        const Picture expected = Over(m, 66, [&](Canvas* c) { c->DrawImage(c, X + k.Left, 74 + k.Top, k.Knob, 0); });
        m.Kind[0] = k.Kind;
        Draw(m, 66);
        EXPECT_TRUE(buffer == expected) << "kind " << int(k.Kind) << " flags " << int(k.MFlags);
    }
}

TEST_F(MeterTest, MoreMetersThanTheRecordHoldsIsReportedAndTwelveAreDrawn)
{
    UIMeters m = Meters(12);
    Draw(m, 33);
    const Picture twelve = buffer;
    m.NMeters = 13;
    AssertCapture capture;
    Draw(m, 33);
    EXPECT_EQ(capture.Expressions(), (std::vector<std::string>{"nmeters <= numberof(meters->MeterLevel)"}));
    EXPECT_TRUE(buffer == twelve);
}

TEST_F(MeterTest, NoMetersDrawsOnlyTheScale)
{
    Draw(Meters(0), 66);
    bool labelled = false;
    for (std::int32_t y = 0; y < LCD_HEIGHT; ++y)
        for (std::int32_t x = 0; x < LCD_WIDTH; ++x) {
            if (y >= 66 + 12) {  // below the labels' glyph images
                ASSERT_EQ(At(x, y), White) << x << ", " << y;
            }
            labelled = labelled || At(x, y) != White;
        }
    EXPECT_TRUE(labelled);
}

namespace {

// A page holding one meter control at (10, 66); the page answers MSG_METER_DATA with its record.
class MeterControlTest : public MeterTest {
protected:
    static UIMeters* Answered;

    static std::uint32_t PageAnswering(void* self, Message* msg)
    {
        UITest::ProbeHandler(self, msg);
        if (msg->Id != MSG_METER_DATA || !Answered)
            return 0;
        msg->Param = MsgParamOf(Answered);
        return 1;
    }

    void SetUp() override
    {
        MeterTest::SetUp();
        Answered = nullptr;
        Name(&page, "page");
        MsgRegister(UIMainHandler, 0);
    }

    void Show()
    {
        UIGotoPage(&page);
        UIRedraw();
    }

    UIMeter meter = {.Control = {.Handler = UIMeterHandler, .Flags = 0, .X = 10, .Y = 66}};
    UIControl* const controls[1] = {&meter.Control};
    UIPage page = {.Handler = PageAnswering, .Flags = 0, .Parent = nullptr, .ControlIndex = -1, .NControls = 1,
                   .Controls = controls};
};

UIMeters* MeterControlTest::Answered;

UIMeters OwnRecord;

// A meter control of a page that answers the query itself.
std::uint32_t AnswersItself(void* self, Message* msg)
{
    if (msg->Id == MSG_METER_DATA) {
        msg->Param = MsgParamOf(&OwnRecord);
        return 1;
    }
    return UIMeterHandler(self, msg);
}

}  // namespace

TEST_F(MeterControlTest, DrawsTheRecordThePageAnswersAtItsPlace)
{
    UIMeters m = Meters(6);
    m.MeterLevel[2] = 140;
    m.Peak[4] = 90;
    Answered = &m;
    Show();
    const Picture expected = Expected([&](Canvas* c) { MeterDraw(c, &m, 10, 66); });
    EXPECT_TRUE(buffer == expected);
    EXPECT_FALSE(Log(MSG_METER_DATA).empty());
}

TEST_F(MeterControlTest, UnansweredQueryDrawsNothing)
{
    Show();
    const Picture blank = Expected([](Canvas*) {});
    EXPECT_TRUE(buffer == blank);
    EXPECT_EQ(MsgQuery(&meter, MSG_DRAW, 0), 0);
    EXPECT_EQ(MsgSend(&meter, MSG_DRAW), 1U);
    EXPECT_EQ(MsgSend(&meter, MSG_VALUE_GET), 0U);
}

TEST_F(MeterControlTest, ControlsOwnAnswerComesBeforeThePages)
{
    UIMeters fromPage = Meters(6);
    Answered = &fromPage;
    OwnRecord = Meters(3);
    OwnRecord.MeterLevel[0] = 255;
    meter.Control.Handler = AnswersItself;
    Show();
    EXPECT_TRUE(buffer == Expected([](Canvas* c) { MeterDraw(c, &OwnRecord, 10, 66); }));
    EXPECT_TRUE(Log(MSG_METER_DATA).empty());
}

namespace {

// The home screen's picture: the background image with the meters at (10, y).
class HomeMeters : public MeterTest {
protected:
    void SetUp() override
    {
        MeterTest::SetUp();
        MsgRegister(UIMainHandler, 0);
    }

    void Show(std::int32_t y, int steps)
    {
        Rand15Seed(2011);
        for (int step = 0; step < steps; ++step)
            MeterSimulate(&OrvelMeters);
        meter.Control.Y = y;
        UIGotoPage(&page);
    }

    UIMeter meter = {.Control = {.Handler = UIMeterHandler, .Flags = 0, .X = 10, .Y = 0}};
    UIControl* const controls[1] = {&meter.Control};
    UIPage page = {.Handler = MeterPageHandler, .Flags = UI_PAGE_FLAG_BACKGROUND, .Parent = nullptr,
                   .ControlIndex = -1, .NControls = 1, .Controls = controls};
};

}  // namespace

TEST_F(HomeMeters, TwelveTrackMeters)
{
    FormatText(Orvel.Setup.Tracks[0], sizeof(Orvel.Setup.Tracks[0]), "Boom");
    FormatText(Orvel.Setup.Tracks[1], sizeof(Orvel.Setup.Tracks[1]), "Lav");
    MeterLayout(3);
    Show(33, 24);
    EXPECT_EQ(OrvelMeters.NMeters, 12);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/meters_twelve_tracks"));
}

TEST_F(HomeMeters, ThreeMetersWithTheCyclingVirtualFader)
{
    AutoMix[0][6] = 1;
    VFaderKey();
    MeterLayout(0);
    MeterFaderStep(25);  // the encoder moves the selected virtual fader's knob
    Show(66, 24);
    EXPECT_EQ(OrvelMeters.NMeters, 3);
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/meters_virtual_fader"));
}
