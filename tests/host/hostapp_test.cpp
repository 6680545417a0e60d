#include "host/hostapp.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "host/bmpcapture.h"
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

TEST_F(HostTest, SaveLcdNumbersItsFilesAndReportsThem)
{
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("orvel-bmp-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    Host.OutputDir = dir.string();
    std::ofstream(dir / "orvel-0000.bmp") << "x";
    std::ofstream(dir / "orvel-0001.bmp") << "x";
    HostMenuCommand(CMD_SAVE_LCD);
    const std::filesystem::path saved = dir / "orvel-0002.bmp";
    EXPECT_EQ(std::filesystem::file_size(saved), LCD_BMP_SIZE);
    ASSERT_FALSE(ui.Boxes.empty());
    EXPECT_EQ(ui.Boxes.back().Text, "LCD bitmap saved to \n" + saved.string());
    EXPECT_EQ(ui.Boxes.back().Title, "Captured");

    Host.OutputDir = (dir / "no" / "such").string();
    HostMenuCommand(CMD_SAVE_LCD);
    EXPECT_EQ(ui.Boxes.back().Title, "Error");
    EXPECT_EQ(ui.Boxes.back().Text.rfind("Failed to write BMP file: \n", 0), 0U);
    std::filesystem::remove_all(dir);
    Host.OutputDir.clear();
}
