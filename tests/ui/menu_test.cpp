// The menu pages worked by their keys: every storage class of a value row keeps the value where it
// belongs, shared values show on every row, read-only rows open no editor.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "menu_fixture.h"
#include "support/golden.h"
#include "orvel/orvelconfig.h"
#include "orvel/orvelpages.h"
#include "ui/menu/menu.h"
#include "ui/uipages.h"
#include "ui/uivalues.h"

namespace {

using MenuValues = MenuTest;

TEST_F(MenuValues, EditorsStoreWhereEachRowKeepsItsValue)
{
    const struct {
        const char* Page;
        const char* Row;
        std::int32_t Steps;
        std::function<std::int32_t()> Stored;  // null: the row keeps its own value
        std::int32_t Expected;
        const char* Shown;
    } cases[] = {
        {"MIRROR", "START SEG ", 2, nullptr, 0, "3"},
        {"MIRROR", "END SEG ", 1, nullptr, 0, "999"},
        {"MIRROR", "TC OFFSET ", -3, nullptr, 0, "-3ms"},
        {"KAVLIN SETUP", "TX CHANNEL ", -2, nullptr, 0, "2403"},
        {"AUTO-MIXER SETUP", "ATTACK ", 2, nullptr, 0, "3ms"},
        {"PLAYBACK CONTROL", "SCRUB: ", 5, [] { return Orvel.Play.Scrub; }, 5, "5"},
        {"MODE", "TRANSPORT KEYS ", -1, [] { return Orvel.TransportKeys + 0; }, 0, "UNSHIFTED"},
        {"RECORD ROUTING", "CARD3 ", 2, [] { return static_cast<std::int32_t>(RecTrackLITE[2]); }, 2, "Input 2"},
        {"EXT FADERS", "EXT FADER 8 ", 21, [] { return static_cast<std::int32_t>(ExtFaders[7]); }, 21, "Trim D8"},
        {"MY ORVEL", "MIRROR DRIVE: ", -2, [] { return static_cast<std::int32_t>(Orvel.MirrorDrive); }, 1, "(USB)"},
        {"PRIMARY CF", "ISO ATTENUATION: ", -6, [] { return static_cast<std::int32_t>(Orvel.IsoAttenuation); }, 0, "OFF"},
        {"MODE", "METERPEAK HOLD ", 3, [] { return static_cast<std::int32_t>(Orvel.MeterPeakHold); }, 4600, "4600MS"},
        {"AUTO-MIXER SETUP", "A-MIX MODE ", 2, [] { return static_cast<std::int32_t>(Orvel.AMixMode); }, 2, "POST FADER"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Row);
        UIPage& page = Titled(c.Page);
        Edit(page, c.Row, c.Steps);
        if (c.Stored) {
            EXPECT_EQ(c.Stored(), c.Expected);
        }
        EXPECT_EQ(ValueText(page, c.Row), c.Shown);
    }
}

// The values the user interface keeps start where the recorder starts them; the device's own win.
TEST_F(MenuValues, StartValuesShowOnTheirRows)
{
    const struct {
        const char* Page;
        const char* Row;
        const char* Shown;
    } cases[] = {
        {"WARNINGS SETUP", "INT BATT THRESHOLD ", "5.5V"}, {"WARNINGS SETUP", "EXT BATT THRESHOLD ", "10.5V"},
        {"WARNINGS SETUP", "HP BEEP LOUDNESS ", "20"},     {"INPUT COMPRESSOR", "ATTACK ", "5mS"},
        {"OUTPUT COMPRESSOR", "DECAY ", "100mS"},          {"CARD COMPRESSOR", "THRESH ", "-6dB"},
        {"INPUT COMPRESSOR", "RATIO ", "4.0:1"},           {"MIRROR", "START SEG ", "1"},
        {"MIRROR", "END SEG ", "999"},                     {"SET TIME DATE", "Year ", "2011"},
        {"PLAYBACK CONTROL", "PLAY SEGMENT: ", "2"},       {"ENG SETUP", "TONE LEVEL ", "0dB"},
        {"AUTO-MIXER SETUP", "DECAY ", "1ms"},             {"MODE", "PRERECORD ", "OFF"},
        {"MODE", "METERPEAK HOLD ", "4000MS"},             {"KAVLIN SETUP", "TX CHANNEL ", "2403"},
        {"RX CHANNEL SETUP", "RX FREQ6 ", "2403"},
    };
    for (const auto& c : cases) {
        UIPage& page = Titled(c.Page);
        UIGotoPage(&page);
        EXPECT_EQ(ValueText(page, c.Row), c.Shown) << c.Page << " " << c.Row;
    }
}

// Each compressor and each receive channel keeps its own values.
TEST_F(MenuValues, PagesWithTheSameRowsKeepValuesApart)
{
    Edit(Titled("INPUT COMPRESSOR"), "RATIO ", 85);
    EXPECT_EQ(ValueText(Titled("INPUT COMPRESSOR"), "RATIO "), "12.5:1");
    EXPECT_EQ(ValueText(Titled("OUTPUT COMPRESSOR"), "RATIO "), "4.0:1");
    EXPECT_EQ(ValueText(Titled("CARD COMPRESSOR"), "RATIO "), "4.0:1");
    Edit(Titled("RX CHANNEL SETUP"), "RX FREQ2 ", 1);
    EXPECT_EQ(ValueText(Titled("RX CHANNEL SETUP"), "RX FREQ1 "), "2403");
    EXPECT_EQ(ValueText(Titled("RX CHANNEL SETUP"), "RX FREQ2 "), "2404");
}

// The factory rows need the factory flag; the auto-mix enables have a digital row where there are
// digital inputs, and only one of the two rows that open them shows.
TEST_F(MenuValues, FeatureRowsFollowTheModel)
{
    Orvel.FeatFactory = 1;
    Choose(Titled("ADVANCED SETUP"), "Factory Setup");
    EXPECT_EQ(UICurrentPage, &Titled("FACTORY SETUP"));
    for (std::uint32_t digital : {0u, 1u}) {
        Orvel.FeatDigital = digital;
        UIGotoPage(UIHome());  // the rows are shown as the page is entered
        Choose(AutoMixerSetupPage, "A-MIX ENABLES");
        EXPECT_EQ(reinterpret_cast<UIMatrix*>(UICurrentPage->Controls[1])->NRows, 2 + digital);
        UIGotoPage(&AutoMixerSetupPage);
        EXPECT_EQ(UIStaticListCount(Find(AutoMixerSetupPage, "ATTACK ").List), 7u);
    }
}

TEST_F(MenuValues, OneValueShowsOnEveryRowThatNamesIt)
{
    Edit(ModePage, "TRANSPORT KEYS ", -1);
    EXPECT_EQ(ValueText(EngSetupPage, "TRANSPORT KEYS "), "UNSHIFTED");
    Edit(MyOrvelPage, "MIRROR MODE: ", 2);
    EXPECT_EQ(ValueText(MirrorPage, "MIRROR MODE "), "CONTINUOUS");
    Edit(MirrorPage, "MIRROR MODE ", -1);
    EXPECT_EQ(ValueText(MyOrvelPage, "MIRROR MODE: "), "ON");
}

TEST_F(MenuValues, ReadOnlyRowsOpenNoEditor)
{
    for (const char* row : {"MODEL ", "CPU USAGE "}) {
        Choose(AboutOrvelPage, row);
        EXPECT_EQ(UIActiveEditor, nullptr) << row;
    }
    EXPECT_EQ(ValueText(AboutOrvelPage, "CPU USAGE "), "57%");
    EXPECT_EQ(ValueText(AboutOrvelPage, "MODEL "), Orvel.ModelName);
}

TEST_F(MenuValues, PagesAsTheyShowOnEachModel)
{
    const struct {
        const char* Model;
        const char* Page;
        std::function<void()> Prepare;
        const char* Golden;
    } cases[] = {
        {"L", "MAIN MENU", [] { Tap({KEY_DOWN, KEY_DOWN, KEY_DOWN}); }, "main_menu_lite"},
        {"12", "META DATA", [] {}, "meta_data"},
        {"12", "MY ORVEL", [] {}, "my_orvel"},
        {"12", "MIRROR", [] { Edit(MirrorPage, "FILE NAME ", 1); }, "mirror_long_file_name"},
        {"10", "RECORD ENABLES", [] {}, "record_enables_10_tracks"},
        {"12", "EXT FADERS", [] { Edit(ExtFadersPage, "EXT FADER 8 ", 19); }, "ext_fader_numbered_source"},
        {"12", "ENG SETUP", [] {}, "eng_setup"},
        {"L", "SET TIME DATE", [] {}, "set_time_date"},
        {"L", "COMPRESSOR ENABLE", [] {}, "compressor_enable_lite"},
        {"12", "MODE", [] {}, "mode"},
        {"12", "KAVLIN SETUP", [] { Edit(KavlinSetupPage, "POWER-ROLL MODE ", 2); Edit(KavlinSetupPage, "SEND PRU DELAY ", 500);
                                    Tap({KEY_DOWN, KEY_DOWN, KEY_DOWN, KEY_DOWN}); }, "kavlin_setup"},
    };
    for (const auto& c : cases) {
        PowerOnAs(c.Model);
        UIGotoPage(&Titled(c.Page));
        c.Prepare();
        UIRedraw();
        EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, std::string("ui/menu/") + c.Golden));
    }
}

// The places no row of these pages uses yet, on settings of the test's own.
UISetting IfbInput = Options(OffOnOptions).In<InputBit<IO_IFB>>();
UISetting SetupTrim = Number(-20, 20, "%ddB", "+__dB").In<ChannelField<&SetupChannel::Trim>>();
UISetting CdScale = Number(-32768, 32767, "%d", "+_____").In<ChannelField<&SetupChannel::CDScal>>();
UICellGrid Grid = CellGrid(OffOnOptions);

TEST_F(MenuValues, InputBitsFollowTheConfigurationAndCannotBeSet)
{
    for (std::uint32_t config : {0u, 8u}) {
        Orvel.IOConfig = config;
        EXPECT_EQ(UISettingValue(&IfbInput), (IOConfigTbl_AUDPLD14[config] & IO_IFB) ? 1 : 0);
        MsgQuery(&IfbInput, MSG_VALUE_SET, 1 - UISettingValue(&IfbInput));
        EXPECT_EQ(UISettingValue(&IfbInput), (IOConfigTbl_AUDPLD14[config] & IO_IFB) ? 1 : 0);
    }
    EXPECT_EQ(MsgQuery(&IfbInput, MSG_IS_EDITABLE, 1), 0);
}

TEST_F(MenuValues, ChannelRowsFollowTheCurrentChannel)
{
    Orvel.Setup.Chan = 2;
    MsgQuery(&SetupTrim, MSG_VALUE_SET, -7);
    MsgQuery(&CdScale, MSG_VALUE_SET, 0x12345);  // the low 16 bits are kept
    EXPECT_EQ(Orvel.Setup.Channel[2].Trim, -7);
    EXPECT_EQ(Orvel.Setup.Channel[2].CDScal, 0x2345);
    Orvel.Setup.Chan = 3;
    EXPECT_EQ(UISettingValue(&SetupTrim), Orvel.Setup.Channel[3].Trim);
    Orvel.Setup.Chan = 2;
    EXPECT_EQ(UISettingValue(&SetupTrim), -7);
}

TEST_F(MenuValues, CellGridsKeepEachCellApart)
{
    UIMatrixCell cell = {.Row = 2, .Col = 3, .Value = 1, .Menu = nullptr, .Color = 0};
    MsgSendParam(&Grid, MSG_CELL_SET, MsgParamOf(&cell));
    for (std::uint8_t col : {2, 3, 4}) {
        cell = {.Row = 2, .Col = col, .Value = 9, .Menu = nullptr, .Color = 0};
        MsgSendParam(&Grid, MSG_CELL_GET, MsgParamOf(&cell));
        EXPECT_EQ(cell.Value, col == 3 ? 1u : 0u);
    }
}
}  // namespace
