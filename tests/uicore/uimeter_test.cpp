// What the level meters draw: geometry on exact pixels, segment colours, names, knobs and icons, the
// meter control's query, and screenshots of two home-screen layouts.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "common/rand.h"
#include "meter_fixture.h"
#include "orvel/orvelmeters.h"
#include "support/assert_capture.h"
#include "support/golden.h"

namespace {

// A column between the scale labels and away from the ticks.
constexpr std::int32_t Clear = X + 120;

struct Pixel {
    std::int32_t X;
    std::int32_t Y;
    Colour Want;
};

void ExpectPixels(std::initializer_list<Pixel> pixels)
{
    for (const Pixel& p : pixels)
        EXPECT_EQ(LcdCanvas.PixelGet(&LcdCanvas, p.X, p.Y), p.Want) << "at " << p.X << ", " << p.Y;
}

}  // namespace

TEST_F(MeterTest, MetersStandAtTheirPitchBelowTheScaleWithHalfRowGapsAndTheLastAtTheBottom)
{
    struct Layout {
        std::uint8_t N;
        std::int32_t Y;
        std::vector<std::pair<std::uint8_t, std::uint8_t>> Gaps;  // meter and flag
        std::vector<std::int32_t> Tops;
        std::int32_t Rows;
    };
    const Layout layouts[] = {
        {12, 33, {}, {41, 52, 63, 74, 85, 96, 107, 118, 129, 140, 151, 162}, 10},
        // a gap before the first meter is never made and not counted
        {7, 34, {{1, METER_FLAG_GAP_AFTER}, {6, METER_FLAG_GAP_BEFORE}, {0, METER_FLAG_GAP_BEFORE}},
         {42, 58, 82, 98, 114, 130, 154}, 15},
        // three meters take the room of six, the last ending above row 169 wherever the column starts
        {3, 66, {}, {74, 90, 153}, 15},
        {3, 40, {}, {48, 69, 148}, 20},
    };
    for (const Layout& l : layouts) {
        SCOPED_TRACE(testing::Message() << int(l.N) << " meters from row " << l.Y);
        UIMeters m = Meters(l.N);
        for (const auto& [meter, flag] : l.Gaps)
            m.MFlags[meter] = flag;
        Draw(m, l.Y);
        std::int32_t y = l.Y;
        for (const std::int32_t top : l.Tops) {
            EXPECT_EQ(BarRows(Clear, y), std::make_pair(top, top + l.Rows - 1));
            y = top + l.Rows;
        }
        for (; y < LCD_HEIGHT; ++y)
            EXPECT_EQ(At(Clear, y), White) << "row " << y;
    }
}

TEST_F(MeterTest, ScaleLabelsAreCentredOnTheirPointsAboveTheMetersAndAloneWithoutMeters)
{
    const Picture labels = Expected([](Canvas* c) {
        const std::pair<std::int32_t, const char*> points[] = {{0, "-40"}, {49, "-30"}, {99, "-20"}, {149, "-10"},
                                                               {199, "0"}};
        for (const auto& [x, label] : points)
            DrawText(c, X + x, 66, 1, 4, Black, label);
    });
    Draw(Meters(0), 66);
    EXPECT_TRUE(buffer == labels);
    Draw(Meters(6), 66);
    for (std::int32_t y = 66; y < 74; ++y)
        for (std::int32_t x = 0; x < LCD_WIDTH; ++x)
            ASSERT_EQ(At(x, y), labels[x + (LCD_HEIGHT - 1 - y) * LCD_WIDTH]) << x << ", " << y;
}

TEST_F(MeterTest, BarSegmentsFollowTheLevelAndTheMetersColour)
{
    constexpr Colour Input = MeterSrceTbl[METER_SRCE_INPUT].Colour;
    struct Step {
        std::uint8_t Level;
        Colour Tint;
        std::vector<std::pair<std::int32_t, Colour>> Pixels;  // from the meter's x
    };
    const Step steps[] = {
        {0, 0, {{0, Black}, {1, Black}, {78, Black}, {199, Black}}},
        {255, 0, {{0, Green}, {99, Green}, {100, Upper}, {149, Upper}, {150, Top}, {199, Top}, {200, White}}},
        {100, 0, {{0, Green}, {78, Green}, {79, Black}, {199, Black}, {-1, White}}},
        {100, Input, {{0, 0xFFC0}, {78, 0xFFC0}, {79, Black}}},
        // the meter's colour stops where the scale turns
        {255, Input, {{99, 0xFFC0}, {100, Upper}, {150, Top}}},
        // nonzero but short of a pixel: the first pixel only
        {1, Input, {{0, 0xFFC0}, {1, Black}}},
    };
    UIMeters m = Meters(6);
    for (const Step& step : steps) {
        SCOPED_TRACE(testing::Message() << "level " << int(step.Level) << " colour " << step.Tint);
        m.MeterLevel[0] = step.Level;
        m.Colour[0] = step.Tint;
        Draw(m, 66);
        for (const auto& [x, want] : step.Pixels)
            EXPECT_EQ(At(X + x, 75), want) << x;  // second row of the first bar, clear of the ticks
    }
}

TEST_F(MeterTest, ReductionBarGrowsFromTheRightInTheMiddleQuarterOfTheBar)
{
    UIMeters m = Meters(6);
    m.MeterLevel[0] = 255;
    m.Reduction[0] = 128;  // from x + 100
    Draw(m, 66);
    // bar of 15 rows from 74: rows 74 + 5 to 74 + 9
    ExpectPixels({{X + 101, 79, White}, {X + 199, 83, White}, {X + 99, 80, Green}, {X + 101, 78, Upper},
                  {X + 101, 84, Upper}});
    m.Reduction[0] = 1;  // rounds to nothing
    Draw(m, 66);
    ExpectPixels({{X + 199, 81, Top}});
}

TEST_F(MeterTest, PeakIsATwoPixelWhiteLineKeptInsideTheScale)
{
    UIMeters m = Meters(6);
    m.Peak[0] = 200;  // 156
    Draw(m, 66);
    for (std::int32_t y = 74; y <= 88; ++y)
        ExpectPixels({{X + 156, y, White}, {X + 157, y, White}});
    // below the bar is the page; the next meter has no peak
    ExpectPixels({{X + 155, 75, Black}, {X + 158, 75, Black}, {X + 156, 89, White}, {X + 156, 90, Black}});
    m.Peak[0] = 255;
    Draw(m, 66);
    ExpectPixels({{X + 198, 75, White}, {X + 199, 75, White}, {X + 197, 75, Black}, {X + 200, 75, White}});
}

TEST_F(MeterTest, TicksMarkEverySecondRowAtTheThreeInnerScalePoints)
{
    Draw(Meters(6), 66);
    for (const std::int32_t x : {X + 50, X + 100, X + 150})
        ExpectPixels({{x, 74, White}, {x, 75, Black}, {x, 88, White}, {x + 1, 74, Black}});
    ExpectPixels({{X + 49, 74, Black}});
}

TEST_F(MeterTest, HatchedMeterHasThreeLinesAndNoChannelIcon)
{
    UIMeters m = Meters(6);
    m.Srce[0] = METER_SRCE_CH;
    m.Srce[1] = METER_SRCE_CH;
    m.MFlags[0] = METER_FLAG_HATCHED;
    Draw(m, 66);
    // bar 74..88, centre 81
    for (const std::int32_t y : {78, 81, 84})
        ExpectPixels({{X + 2, y, 0x05DF}, {X + 198, y, 0x05DF}, {X + 1, y, Black}, {X + 199, y, Black}});
    ExpectPixels({{X + 2, 80, Black}});
    EXPECT_TRUE(BlockIsWhite(X - 9, 77, 9));
    // the next channel meter is not hatched: its icon stands left of it, centred on row 90 + 7
    ExpectPixels({{X + 2, 97, Black}});
    EXPECT_TRUE(ShowsIcon(X - 9, 93, &MeterChannelIcon));
}

TEST_F(MeterTest, StatusIconsShowIsolationAndAutoMixRightOfTheMeter)
{
    UIMeters m = Meters(6);
    device.Isolated = {0};
    device.InAutoMix = {{0, 3}, {10, 5}};  // an input and a digital input
    const std::pair<std::uint8_t, std::uint8_t> sources[] = {{METER_SRCE_CH, 0},    {METER_SRCE_CH, 2},
                                                             {METER_SRCE_INPUT, 3}, {METER_SRCE_INDIG, 5},
                                                             {METER_SRCE_OUT, 3},   {METER_SRCE_INPUT, 9}};
    for (std::size_t i = 0; i < std::size(sources); ++i)
        std::tie(m.Srce[i], m.Chan[i]) = sources[i];
    Draw(m, 66);
    // bars at 74, 90, 106, 122, 138, 154; icons 9 x 9 from x + 200, centred on the bar
    const std::pair<std::int32_t, const Image*> icons[] = {{77, &MeterIsoIcon},      {93, nullptr},
                                                           {109, &MeterAutoMixIcon}, {125, &MeterAutoMixIcon},
                                                           {141, nullptr},           {157, nullptr}};
    for (const auto& [y, icon] : icons)
        EXPECT_TRUE(icon ? ShowsIcon(X + 200, y, icon) : BlockIsWhite(X + 200, y, 9)) << "row " << y;
    device.Isolated.clear();
    device.InAutoMix.erase({0, 3});
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
    device.Names[{METER_SRCE_CH, 0}] = "Boom";
    MeterSetup(&m, 0, METER_SRCE_CH, 0, METER_FLAG_SELECTABLE, METER_KNOB_CHANNEL);
    EXPECT_STREQ(m.Name[0], "Boom");
    EXPECT_EQ(std::make_tuple(m.Colour[0], m.Srce[0], m.MFlags[0], m.Kind[0]),
              std::make_tuple(0xF9DF, METER_SRCE_CH, METER_FLAG_SELECTABLE, METER_KNOB_CHANNEL));
    EXPECT_EQ(std::make_tuple(m.MeterLevel[0], m.Peak[0], m.Fader[0]), std::make_tuple(77, 90, 12));

    device.Names = {{{METER_SRCE_PLAY, 0}, "5 TRACKS"}, {{METER_SRCE_CH, 11}, "Interview Lav Left Side"}};
    struct Case {
        std::uint8_t Index;
        std::uint8_t Srce;
        std::uint8_t Chan;
        const char* Name;
    };
    const Case cases[] = {{0, METER_SRCE_CH, 0, "Ch 1"},        {1, METER_SRCE_INPUT, 2, "INPUT 3"},
                          {2, METER_SRCE_PLAY, 0, "5 TRACKS"},  {3, METER_SRCE_CH, 11, "Interview Lav Le"},
                          {3, METER_SRCE_CH, 12, "Ch 13"}};  // the last beyond the track names
    for (const Case& k : cases) {
        MeterSetup(&m, k.Index, k.Srce, k.Chan, 0, 0);
        EXPECT_STREQ(m.Name[k.Index], k.Name);
    }
    EXPECT_EQ(m.Chan[1], 2);
    EXPECT_EQ(m.Colour[1], 0xFFC0);
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

TEST_F(MeterControlTest, UnansweredQueryDrawsNothing)
{
    Show();
    EXPECT_TRUE(buffer == Expected([](Canvas*) {}));
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
