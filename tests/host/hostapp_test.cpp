#include "host/hostapp.h"

#include <gtest/gtest.h>

#include "host/lcddib.h"
#include "host_fixture.h"
#include "orvel/orvel.h"
#include "ui/uihome.h"

TEST_F(HostTest, StartShowsHomeAndModelCommandsSetTracksCheckTheItemAndRedraw)
{
    EXPECT_EQ(UICurrentPage, &UIHomePage);
    EXPECT_EQ(ui.CheckedModels, std::vector<int>{12});
    EXPECT_EQ(Host.Client.At(0, 0), Host.PanelRest.At(0, 0));
    EXPECT_EQ(Host.LcdWindow.At(100, 100), DibPixel(25, 25));  // the home screen, four times as large
    ShowProbe();
    HostMenuCommand(CMD_ORVEL_8);
    HostMenuCommand(CMD_ORVEL_8);  // the current model again still refreshes and redraws
    EXPECT_EQ(OrvelGetNTracks(), 8);
    EXPECT_EQ(ui.CheckedModels, (std::vector<int>{12, 8, 8}));
    EXPECT_EQ(Log(MSG_REFRESH).size(), 2U);
    EXPECT_EQ(Log(MSG_REDRAW).size(), 2U);
}
