// What the panel does with keys and clicks is driven through the front ends' tests; here only where
// the regions lie.
#include "host/panel.h"

#include <gtest/gtest.h>

#include "host_fixture.h"
#include "uicore/uikeys.h"

TEST_F(HostTest, PanelRegionsAreHalfOpenAndFirstMatchWins)
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
