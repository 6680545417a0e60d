// "MODE" and "AUTO-MIXER SETUP" worked by their keys: rows that depend on the model, start values,
// values kept by the device model.
#include <gtest/gtest.h>

#include "menu_fixture.h"
#include "support/golden.h"
#include "ui/uipages.h"

namespace {

using ModeMenus = MenuTest;

TEST_F(ModeMenus, RowsFollowTheModelAndOneEnablesPageOpens)
{
    // "INPUT CONFIG" needs the link and the digital inputs, the MP3 rows MP3, the "DIG" enables digital
    const struct { const char* Model; std::uint32_t Digital, ModeRows, EnableRows; } cases[] = {
        {"12", 1, 21, 3}, {"12", 0, 20, 2}, {"L", 0, 18, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Model << " digital " << c.Digital);
        PowerOnAs(c.Model);
        Orvel.FeatDigital = c.Digital;
        UIGotoPage(&ModePage);
        EXPECT_EQ(UIStaticListCount(Find(ModePage, "SAMPLE RATE").List), c.ModeRows);
        UIGotoPage(&AutoMixerSetupPage);
        EXPECT_EQ(UIStaticListCount(Find(AutoMixerSetupPage, "ATTACK ").List), 7u);
        Choose(AutoMixerSetupPage, "A-MIX ENABLES");
        EXPECT_EQ(reinterpret_cast<UIMatrix*>(UICurrentPage->Controls[1])->NRows, c.EnableRows);
    }
}

// Each row shows its start value; an edit of a device row lands in the device state.
TEST_F(ModeMenus, RowsStartAsShownAndStoreWhereTheyLive)
{
    UIGotoPage(&ModePage);
    UIRedraw();
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "ui/menu/mode"));
    const struct {
        UIPage* Page;
        const char *Row, *Start;
        std::int32_t Steps;
        std::uint32_t (*Stored)();  // null: the user interface keeps the value
        std::uint32_t Expected;
        const char* Shown;
    } cases[] = {
        {&AutoMixerSetupPage, "ATTACK ", "1ms", 2, nullptr, 0, "3ms"},
        {&AutoMixerSetupPage, "DECAY ", "1ms", -1, nullptr, 0, "1ms"},
        {&ModePage, "PRERECORD ", "OFF", 1, nullptr, 0, "1sec"},
        {&ModePage, "TRANSPORT KEYS ", "SHIFTED", -1, [] { return Orvel.TransportKeys + 0u; }, 0, "UNSHIFTED"},
        {&ModePage, "METERPEAK HOLD ", "4000MS", 3, [] { return Orvel.MeterPeakHold; }, 4600, "4600MS"},
        {&AutoMixerSetupPage, "A-MIX MODE ", "OFF", 2, [] { return Orvel.AMixMode; }, 2, "POST FADER"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Row);
        EXPECT_EQ(ValueText(*c.Page, c.Row), c.Start);
        Edit(*c.Page, c.Row, c.Steps);
        if (c.Stored) {
            EXPECT_EQ(c.Stored(), c.Expected);
        }
        EXPECT_EQ(ValueText(*c.Page, c.Row), c.Shown);
    }
}

}  // namespace
