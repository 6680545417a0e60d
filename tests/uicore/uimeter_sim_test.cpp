// The meter operations: selection, the fader and level steps, the knobs that follow the trims, the
// simulation of levels and peaks, and the meter ticks of the channel set-up page.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/rand.h"
#include "meter_fixture.h"
#include "support/assert_capture.h"

namespace {

// The shared record with n meters, those listed selectable.
void Selectable(std::uint8_t n, std::initializer_list<std::uint8_t> positions)
{
    OrvelMeters.NMeters = n;
    for (const std::uint8_t i : positions)
        OrvelMeters.MFlags[i] = METER_FLAG_SELECTABLE;
}

std::vector<std::int32_t> SelectedPositions()
{
    std::vector<std::int32_t> selected;
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(MAX_METERS); ++i)
        if (OrvelMeters.MFlags[i] & METER_FLAG_SELECTED)
            selected.push_back(i);
    return selected;
}

}  // namespace

TEST_F(MeterTest, SelectNextWalksTheSelectableMetersAndWraps)
{
    Selectable(6, {1, 3, 4});
    EXPECT_FALSE(MeterAnySelected());
    EXPECT_EQ(MeterSelected(), -1);
    std::vector<std::int32_t> walk;
    std::int32_t at = -1;
    for (int i = 0; i < 5; ++i) {
        at = MeterSelectNext(at);
        walk.push_back(at);
        EXPECT_EQ(SelectedPositions(), std::vector<std::int32_t>{at});
    }
    EXPECT_EQ(walk, (std::vector<std::int32_t>{1, 3, 4, 1, 3}));
    EXPECT_TRUE(MeterAnySelected());
    // from a position that is not the selected one the search starts there
    EXPECT_EQ(MeterSelectNext(4), 4);
    EXPECT_EQ(MeterSelectNext(5), 1);
    MeterDeselectAll();
    EXPECT_TRUE(SelectedPositions().empty());
}

TEST_F(MeterTest, SelectionIgnoresMetersThatAreNotSelectableOrNotInUse)
{
    Selectable(4, {});
    OrvelMeters.MFlags[2] = METER_FLAG_SELECTED;
    EXPECT_EQ(MeterSelectNext(-1), -1);
    EXPECT_TRUE(SelectedPositions().empty());
    Selectable(3, {});
    OrvelMeters.MFlags[5] = METER_FLAG_SELECTABLE | METER_FLAG_SELECTED;
    EXPECT_EQ(MeterSelected(), -1);
    MeterDeselectAll();
    EXPECT_EQ(OrvelMeters.MFlags[5], METER_FLAG_SELECTABLE | METER_FLAG_SELECTED);
    Selectable(0, {});
    EXPECT_EQ(MeterSelectNext(0), -1);
    AssertCapture capture;
    MeterSelectNext(-2);
    EXPECT_EQ(capture.Expressions(), std::vector<std::string>{"index >= -1"});
}

TEST_F(MeterTest, FaderStepMovesTheSelectedKnobWithinTheScaleOrElseStepsTheDevicesLevel)
{
    Selectable(4, {2});
    OrvelMeters.Fader[2] = 250;
    MeterSelectNext(-1);
    MeterFaderStep(1);
    EXPECT_EQ(OrvelMeters.Fader[2], 254);
    MeterFaderStep(1);
    EXPECT_EQ(OrvelMeters.Fader[2], 255);
    OrvelMeters.Fader[2] = 5;
    MeterFaderStep(-1);
    EXPECT_EQ(OrvelMeters.Fader[2], 1);
    MeterFaderStep(-1);
    EXPECT_EQ(OrvelMeters.Fader[2], 0);
    EXPECT_TRUE(device.LevelSteps.empty());

    MeterDeselectAll();
    OrvelMeters.Fader[2] = 100;
    MeterFaderStep(1);
    EXPECT_EQ(OrvelMeters.Fader[2], 100);
    SimLevelStep(-1);
    EXPECT_EQ(device.LevelSteps, (std::vector<std::int32_t>{4, -1}));
}

TEST_F(MeterTest, DecibelsMapOntoTheFaderScale)
{
    const std::pair<std::int32_t, std::int32_t> dbAndFader[] = {{-20, 0},  {-10, 51},  {0, 102}, {29, 250},
                                                                {30, 255}, {127, 255}, {-30, 0}};
    for (const auto& [db, fader] : dbAndFader)
        EXPECT_EQ(DbToFader(db), fader) << db << " dB";
}

TEST_F(MeterTest, ChannelKnobsFollowTheTrimsOfTheirChannels)
{
    OrvelMeters.NMeters = 4;
    const std::uint8_t kinds[] = {METER_KNOB_CHANNEL, METER_KNOB_CHANNEL, METER_KNOB_VIRTUAL, METER_KNOB_CHANNEL};
    const std::uint8_t chans[] = {0, 9, 3, 10};
    for (std::size_t i = 0; i < std::size(kinds); ++i) {
        OrvelMeters.Kind[i] = kinds[i];
        OrvelMeters.Chan[i] = chans[i];
        OrvelMeters.Fader[i] = 77;
    }
    // a meter beyond those in use follows its trim too
    OrvelMeters.Kind[11] = METER_KNOB_CHANNEL;
    OrvelMeters.Chan[11] = 4;
    device.Trims = {{0, -20}, {9, 30}, {4, 0}, {3, 10}};
    MeterFadersFromTrims();
    EXPECT_EQ(OrvelMeters.Fader[0], 0);
    EXPECT_EQ(OrvelMeters.Fader[1], 255);
    EXPECT_EQ(OrvelMeters.Fader[2], 77);  // a virtual fader keeps its place, though its channel has a trim
    EXPECT_EQ(OrvelMeters.Fader[3], 77);  // no such channel
    EXPECT_EQ(OrvelMeters.Fader[11], 102);
}

namespace {

// One simulation step from a seed whose first number (or first two) satisfy the test.
void SimulateWhen(UIMeters& m, const std::function<bool(std::int32_t)>& wanted)
{
    std::uint32_t seed = 0;
    do
        Rand15Seed(++seed);
    while (!wanted(Rand15()));
    Rand15Seed(seed);
    MeterSimulate(&m);
}

}  // namespace

TEST_F(MeterTest, SimulatedLevelsStayWithinTheScaleAndMetersBeyondThoseInUseStayPut)
{
    UIMeters m = Meters(2);
    m.MeterLevel[0] = 250;
    m.MeterLevel[1] = 3;
    m.MeterLevel[2] = 90;
    // up by at least 15 for the first meter, then down by at least 4 for the second
    SimulateWhen(m, [](std::int32_t r) { return r <= 4096 && (Rand15() >= 24576); });
    EXPECT_EQ(m.MeterLevel[0], 255);
    EXPECT_EQ(m.MeterLevel[1], 0);
    EXPECT_EQ(m.MeterLevel[2], 90);
    EXPECT_EQ(m.Peak[2], 0);
}

TEST_F(MeterTest, SimulatedLevelMovesByTheGeneratorsStep)
{
    UIMeters m = Meters(1);
    m.MeterLevel[0] = 100;
    Rand15Seed(7);
    const std::int32_t r = Rand15();
    Rand15Seed(7);
    MeterSimulate(&m);
    // 20 - r / 32768 x 40, cut toward zero with the level
    EXPECT_EQ(m.MeterLevel[0], static_cast<std::int32_t>(100 + 20 - r / 32768.0 * 40));
    EXPECT_NE(m.MeterLevel[0], 100);
    EXPECT_LE(std::abs(m.MeterLevel[0] - 100), 20);
}

TEST_F(MeterTest, PeakHoldsForFortyStepsThenFallsTowardsTheLevel)
{
    UIMeters m = Meters(1);
    m.MeterLevel[0] = 120;
    // a rise sets the peak and starts the hold
    SimulateWhen(m, [](std::int32_t r) { return r < 8192; });
    ASSERT_GT(m.MeterLevel[0], 120);
    EXPECT_EQ(m.Peak[0], m.MeterLevel[0]);
    EXPECT_EQ(m.Hold[0], 40);
    EXPECT_EQ(m.Reduction[0], 40);
    // below the peak: the hold counts down, the peak stays
    const std::uint8_t peak = m.Peak[0];
    const auto falling = [](std::int32_t r) { return r > 24576; };
    m.MeterLevel[0] = 60;
    SimulateWhen(m, falling);
    EXPECT_EQ(m.Peak[0], peak);
    EXPECT_EQ(m.Hold[0], 39);
    EXPECT_EQ(m.Reduction[0], 39);
    // hold run out: the peak falls by 15
    m.Hold[0] = 0;
    m.MeterLevel[0] = 20;
    SimulateWhen(m, falling);
    EXPECT_EQ(m.Peak[0], peak - 15);
    EXPECT_EQ(m.Hold[0], 0);
    // but never below the level
    m.Peak[0] = 10;
    m.MeterLevel[0] = 3;
    SimulateWhen(m, [](std::int32_t r) { return r > 15565 && r <= 16384; });  // a step below 1
    EXPECT_EQ(m.MeterLevel[0], 3);
    EXPECT_EQ(m.Peak[0], 3);
}

TEST_F(MeterTest, SameSeedGivesTheSameMetersAndAnotherSeedOthers)
{
    auto run = [](std::uint32_t seed) {
        UIMeters m = Meters(12);
        Rand15Seed(seed);
        for (int step = 0; step < 50; ++step)
            MeterSimulate(&m);
        return std::vector<std::uint8_t>(std::begin(m.MeterLevel), std::end(m.MeterLevel));
    };
    EXPECT_EQ(run(42), run(42));
    EXPECT_NE(run(42), run(43));
}

namespace {

// The channel set-up page's meter: one input meter at (10, 151) under the page's meter handler.
class ChannelMeterPage : public MeterTest {
protected:
    void SetUp() override
    {
        MeterTest::SetUp();
        MsgRegister(UIMainHandler, 0);
        MeterSetupChannel(3);
        UIGotoPage(&page);
    }

    UIMeter meter = {.Control = {.Handler = UIMeterHandler, .Flags = 0, .X = 10, .Y = 151}};
    UIControl* const controls[1] = {&meter.Control};
    UIPage page = {.Handler = MeterPageHandler, .Flags = 0, .Parent = nullptr, .ControlIndex = -1, .NControls = 1,
                   .Controls = controls};
};

}  // namespace

TEST_F(ChannelMeterPage, LevelsMoveAndRedrawOnEveryThirdTick)
{
    EXPECT_EQ(OrvelMeters.NMeters, 1);
    EXPECT_STREQ(OrvelMeters.Name[0], "INPUT 4");
    UIMeters expected = OrvelMeters;
    Rand15Seed(11);
    const int flushes = Flushes();
    Advance(20);
    EXPECT_EQ(Flushes(), flushes);
    EXPECT_EQ(OrvelMeters.MeterLevel[0], expected.MeterLevel[0]);
    Advance(10);
    EXPECT_EQ(Flushes(), flushes + 1);
    Rand15Seed(11);
    MeterSimulate(&expected);
    EXPECT_EQ(OrvelMeters.MeterLevel[0], expected.MeterLevel[0]);
    EXPECT_EQ(OrvelMeters.Peak[0], expected.Peak[0]);
    // 90 ms more: three steps
    Rand15Seed(12);
    Advance(90);
    EXPECT_EQ(Flushes(), flushes + 4);
    Rand15Seed(12);
    for (int step = 0; step < 3; ++step)
        MeterSimulate(&expected);
    EXPECT_EQ(OrvelMeters.MeterLevel[0], expected.MeterLevel[0]);
    EXPECT_TRUE(buffer == Expected([&](Canvas* c) { MeterDraw(c, &expected, 10, 151); }));
}

TEST_F(ChannelMeterPage, PageAnswersTheSharedRecordAndNothingElse)
{
    Message query{.Id = MSG_METER_DATA, .Param = 0};
    EXPECT_EQ(MeterPageHandler(&page, &query), 1U);
    EXPECT_EQ(MsgParamPtr<UIMeters>(&query), &OrvelMeters);
    Message other{.Id = MSG_VALUE_GET, .Param = 5};
    EXPECT_EQ(MeterPageHandler(&page, &other), 0U);
    EXPECT_EQ(other.Param, 5);
}

