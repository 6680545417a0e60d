#include "host/panel.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "host_fixture.h"
#include "uicore/uikeys.h"

namespace {

constexpr KeyMods NoMods = {false, false, false};
constexpr KeyMods ShiftCtrl = {true, true, false};

class Panel : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        ShowProbe();
        std::ranges::fill(KeyReleaseIgnoreTbl, 0);  // no release is swallowed for a page switch before the test's keys
    }

    static PanelRegion& Region(std::int32_t key)
    {
        for (PanelRegion& r : PanelRegions)
            if (r.Key == key)
                return r;
        throw std::logic_error("no region");
    }
};

}  // namespace

TEST_F(Panel, EnterHoldsMenuLitUntilReleasedAndAutoRepeatIsIgnored)
{
    HostKeyDown(VK_RETURN, NoMods, false);
    EXPECT_EQ(Region(KEY_MENU).Pressed, 1);
    EXPECT_EQ(Region(KEY_MENU).Shown, 1);
    EXPECT_EQ(Host.Client.At(820, 140), Host.PanelLit.At(820, 140));
    HostKeyDown(VK_RETURN, NoMods, true);
    HostKeyUp(VK_RETURN, NoMods);
    EXPECT_EQ(Region(KEY_MENU).Shown, 0);
    EXPECT_EQ(Host.Client.At(820, 140), Host.PanelRest.At(820, 140));
    EXPECT_EQ(Log(MSG_KEY_DOWN).size(), 1U);
    EXPECT_EQ(Log(MSG_KEY_UP).size(), 1U);
}

TEST_F(Panel, RegionsAreHalfOpenAndFirstMatchWins)
{
    const struct {
        int X, Y;
        std::int32_t Key;  // -1: none
    } hits[] = {{131, 52, KEY_TC}, {176, 80, KEY_TC}, {177, 80, -1}, {176, 81, -1},
                {820, 115, KEY_STAR}, {820, 116, -1} /* between STAR and MENU */, {820, 118, KEY_MENU}};
    for (const auto& h : hits) {
        const PanelRegion* hit = PanelHit(h.X, h.Y);
        EXPECT_EQ(hit ? hit->Key : -1, h.Key) << h.X << "," << h.Y;
    }
}

TEST_F(Panel, CancelledRegionStaysShadedUntilThePlainClickIsReleased)
{
    ui.Answers.push_back(false);
    HostMouseDown(100, 100, ShiftCtrl);
    HostMouseUp(104, 102, ShiftCtrl);
    EXPECT_EQ(ui.Boxes.at(0).Kind, HostBox::OkCancel);
    const RgbPicture shaded = PanelShadedClient(0x3399FF);
    EXPECT_EQ(shaded.At(100, 100), 0x3399FFU);
    EXPECT_EQ(shaded.At(101, 100), Host.Client.At(101, 100));
    EXPECT_EQ(shaded.At(104, 100), Host.Client.At(104, 100));  // without B's own column
    HostMouseDown(5, 5, NoMods);
    EXPECT_EQ(PanelShadedClient(0x3399FF).At(100, 100), 0x3399FFU);
    HostMouseUp(5, 5, NoMods);
    EXPECT_EQ(PanelShadedClient(0x3399FF).At(100, 100), Host.Client.At(100, 100));
}
