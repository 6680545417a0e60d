// Power-on: starting the recorder again after a busy session leaves nothing of that session behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "canvas/lcdcanvas.h"
#include "headless_fixture.h"
#include "orvel/orvel.h"
#include "orvel/orvelcells.h"
#include "orvel/orvelhooks.h"
#include "uicore/uieditors.h"
#include "uicore/uikeys.h"
#include "uicore/uimeter.h"
#include "uicore/uitextedit.h"

namespace {

// Each home-screen variant in turn with a short MENU on it: a meter chosen, the virtual fader stepped,
// or the main menu opened and left again.
const std::string NextVariantAndMenu = "down COM\npress MENU\nup COM\npress MENU\nwait 100\npress ESC\n";

std::string Repeated(const std::string& steps, int times)
{
    std::string all;
    for (int i = 0; i < times; ++i)
        all += steps;
    return all;
}

// From anywhere through "MAIN MENU" and "MY ORVEL" to the first row of "MIRROR" (lists do not wrap).
const std::string ToTop = Repeated("press UP\n", 14);
const std::string ToMirrorPage = "press ESC\npress M\n" + ToTop + Repeated("press DOWN\n", 3) + "press MENU\n" + ToTop +
                                 Repeated("press DOWN\n", 3) + "press MENU\n" + ToTop;

// Leaves pages, editors, held keys, cursors, settings and the model changed, some of them half way.
const std::string BusySession = Repeated(NextVariantAndMenu, 9) +
    "press ALT+3\npress CTRL+=\npress CTRL+S\npress MENU\npress ESC\npress SETUP\npress DOWN\npress DOWN\n"
    "press MENU\npress UP\npress ALT+S\ntype TAKE 9\npress LEFT\ndown MENU\nwait 1200\nup MENU\npress ESC\n"
    "press TC\nwait 700\nmenu Orvel 8\npress F4\npress DOWN\npress MENU\npress CTRL+R\npress F1\npress STAR\n"
    "down KLIN\nwait 300\npress ALT+S\ntype X\n" + ToMirrorPage +
    "press DOWN\npress DOWN\npress MENU\npress UP\npress MENU\npress UP\npress UP\npress MENU\npress UP\npress MENU\n";

// Visits the screens that show what a session may have left: every home-screen variant, the false
// start page, the channel set-up page and its editor, the text editor's grid, the slate, the main menu
// and a menu page's own values and cursors.
const std::vector<std::string> ProbeSteps = [] {
    std::vector<std::string> steps(9, NextVariantAndMenu);
    steps.insert(steps.end(), {"press CTRL+S\nwait 100", "press ESC\npress SETUP\nwait 100", "press MENU\nwait 100",
                               "press UP\nwait 100", "press ESC\npress ESC", "press ALT+S\nwait 100",
                               "press RIGHT\nwait 100", "press ESC\nwait 100", ToMirrorPage + "wait 100",
                               "press TC\nwait 300", "press ESC\ndown MENU\nwait 1200\nup MENU"});
    return steps;
}();

template <typename T>
std::string Bytes(const T& record)
{
    return {reinterpret_cast<const char*>(&record), sizeof record};
}

class PowerOn : public HeadlessTest {
protected:
    // The state tests can read, then the LCD after each probe step.
    std::vector<std::string> Observe()
    {
        std::vector<std::string> seen = {Bytes(Orvel) + Bytes(OrvelMeters) + Bytes(KeyPressTbl) +
                                         Bytes(KeyReleaseIgnoreTbl) + Bytes(UITextEditState) + Bytes(PanPos) +
                                         Bytes(CardMix1to4) + Bytes(AutoMix) + Bytes(UICurrentPage) +
                                         Bytes(UIActiveEditor)};
        for (const std::string& step : ProbeSteps) {
            EXPECT_EQ(Run(step), 0) << step;
            seen.emplace_back(reinterpret_cast<const char*>(LcdCanvas.Buffer), sizeof(Colour) * LCD_WIDTH * LCD_HEIGHT);
        }
        return seen;
    }
};

}  // namespace

TEST_F(PowerOn, AfterABusySessionTheRecorderIsAsFreshlyStarted)
{
    options.DeviceArgs = {"10"};
    Start();
    const std::vector<std::string> fresh = Observe();
    ASSERT_EQ(Run(BusySession), 0);
    Stop();
    Start();
    const std::vector<std::string> again = Observe();
    EXPECT_TRUE(again[0] == fresh[0]) << "the state";
    for (std::size_t i = 1; i < fresh.size(); ++i)
        EXPECT_TRUE(again[i] == fresh[i]) << "after probe step " << i - 1 << ": " << ProbeSteps[i - 1];
}
