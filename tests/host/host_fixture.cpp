#include "host_fixture.h"

#include "host/hostdebug.h"
#include "uicore/uitimer.h"

RgbPicture PlainPicture(int width, int height, std::uint32_t rgb)
{
    RgbPicture picture{.Width = width, .Height = height, .Pixels = {}};
    picture.Pixels.resize(static_cast<std::size_t>(width * height * 3));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.Set(x, y, rgb);
    return picture;
}

void HostTest::SetUp()
{
    UITest::SetUp();
    HostDebugQuiet(true);
    const char* argv[] = {"orvel-sim"};
    ASSERT_TRUE(HostStart(ui, PlainPicture(PANEL_WIDTH, PANEL_HEIGHT, 0x202020),
                          PlainPicture(PANEL_WIDTH, PANEL_HEIGHT, 0xE0E0E0), 1, argv, "orvel-sim"));
    Name(&probe, "probe");
}

void HostTest::TearDown()
{
    HostShutdown();
    HostDebugQuiet(false);
    UITest::TearDown();
}

void HostTest::ShowProbe()
{
    UIGotoPage(&probe);
    Log().clear();
}
