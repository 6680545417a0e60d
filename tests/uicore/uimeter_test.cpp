#include "uicore/uimeter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/format.h"
#include "support/assert_capture.h"
#include "support/golden.h"
#include "ui_fixture.h"

namespace {

using Meters = UITest;

struct Meter {
    std::uint8_t Srce, Chan, Level, Peak, Reduction, Kind, Fader, MFlags;
    std::uint16_t Colour;
    const char* Name;
};

UIMeters Record(std::uint8_t n, std::initializer_list<Meter> meters)
{
    UIMeters m{};
    m.NMeters = n;
    std::uint32_t i = 0;
    for (const Meter& k : meters) {
        m.Srce[i] = k.Srce;
        m.Chan[i] = k.Chan;
        m.MeterLevel[i] = k.Level;
        m.Peak[i] = k.Peak;
        m.Reduction[i] = k.Reduction;
        m.Kind[i] = k.Kind;
        m.Fader[i] = k.Fader;
        m.MFlags[i] = k.MFlags;
        m.Colour[i] = k.Colour;
        FormatText(m.Name[i++], MAX_METER_NAME, "%s", k.Name);
    }
    return m;
}

constexpr std::uint8_t CH = METER_SRCE_CH;
constexpr std::uint8_t SELECTED = METER_FLAG_SELECTED, HATCHED = METER_FLAG_HATCHED;

}  // namespace

// Channels past the device's isolation and auto-mix tables, so that no status icon depends on the device.
TEST_F(Meters, RecordsDrawnFromTheirRow)
{
    const struct {
        const char* Golden;
        std::int32_t Y;
        UIMeters Record;
        std::vector<std::string> Reports;
    } cases[] = {
        {"uicore/meters_every_part", 33,
         Record(7, {{METER_SRCE_OUT, 0, 255, 0, 0, METER_KNOB_CHANNEL, 255, 0, 0, "OUT 1"},
                    {METER_SRCE_INPUT, 9, 100, 200, 0, METER_KNOB_CHANNEL, 0, SELECTED, 0xFFC0, "INPUT 10"},
                    {CH, 40, 180, 0, 128, METER_KNOB_VIRTUAL, 255, HATCHED | METER_FLAG_GAP_AFTER, 0, "Boom"},
                    {CH, 41, 1, 0, 1, METER_KNOB_VIRTUAL, 255, METER_FLAG_SELECTABLE | SELECTED, 0xF9DF, ""},
                    {METER_SRCE_PLAY, 0, 0, 0, 0, METER_KNOB_THIRD, 100, METER_FLAG_GAP_BEFORE, 0, "5 TRACKS"},
                    {METER_SRCE_INDIG, 9, 255, 0, 0, METER_KNOB_THIRD, 100, METER_FLAG_SHOWN_SELECTED, 0xFDC0, ""},
                    {METER_SRCE_OUT, 0, 255, 255, 0, 0, 0, 0, 0, "Interview Lav Le"}}),
         {}},
        // the record holds twelve: more are reported, and twelve are drawn
        {"uicore/meters_twelve", 33, Record(13, {{CH, 40, 90, 120, 0, METER_KNOB_CHANNEL, 77, 0, 0, "Ch 41"}}),
         {"nmeters <= numberof(meters->MeterLevel)"}},
    };
    for (const auto& c : cases) {
        AssertCapture capture;
        LcdCanvas.Clear(&LcdCanvas);
        MeterDraw(&LcdCanvas, &c.Record, 10, c.Y);
        EXPECT_EQ(capture.Expressions(), c.Reports) << c.Golden;
        EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, c.Golden));
    }
}

TEST_F(Meters, SelectNextWalksTheSelectableMetersInUseAndWrapsAndTheFaderStepMovesTheSelectedKnobByFour)
{
    OrvelMeters.NMeters = 6;
    for (const int i : {1, 3, 4, 7})
        OrvelMeters.MFlags[i] = METER_FLAG_SELECTABLE;
    EXPECT_EQ(MeterSelected(), -1);
    std::vector<std::int32_t> walk;
    for (std::int32_t at = -1, i = 0; i < 5; ++i)
        walk.push_back(at = MeterSelectNext(at));
    EXPECT_EQ(walk, (std::vector<std::int32_t>{1, 3, 4, 1, 3}));
    EXPECT_EQ(MeterSelected(), 3);
    EXPECT_EQ(MeterSelectNext(5), 1);  // from a position that is not the selected one the search starts there

    OrvelMeters.Fader[1] = 250;
    std::vector<int> faders;
    for (const std::int32_t d : {1, 1, -1, -70, -1}) {
        MeterFaderStep(d);
        faders.push_back(OrvelMeters.Fader[1]);
    }
    EXPECT_EQ(faders, (std::vector<int>{254, 255, 251, 0, 0}));
    for (const auto& [db, fader] : {std::pair{-20, 0}, {-10, 51}, {0, 102}, {29, 250}, {30, 255}, {127, 255}})
        EXPECT_EQ(DbToFader(db), fader) << db << " dB";

    OrvelMeters.NMeters = 0;
    EXPECT_EQ(MeterSelectNext(0), -1);
    AssertCapture capture;
    MeterSelectNext(-2);
    MeterSetup(nullptr, 0, METER_SRCE_OUT, 0, 0, 0);
    MeterSetup(&OrvelMeters, 12, METER_SRCE_OUT, 0, 0, 0);
    MeterSetup(&OrvelMeters, 0, 6, 0, 0, 0);
    EXPECT_EQ(capture.Expressions(), (std::vector<std::string>{"index >= -1", "p", "index < numberof(p->MeterLevel)",
                                                               "srce < numberof(MeterSrceTbl)"}));
}
