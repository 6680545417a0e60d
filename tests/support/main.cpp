#include <gtest/gtest.h>

#include <array>

#include "assert_capture.h"
#include "canvas/lcdcanvas.h"

namespace {

// Every test starts on an LCD of the program's own, as the host gives the recorder one, so that a
// recorder powered on in a test may draw; a test that brings its own store replaces it for its length.
class FreshLcd : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override
    {
        Store.fill(COLOUR_WHITE);
        LcdCanvasInit(&LcdCanvas, Store.data(), LCD_WIDTH, LCD_HEIGHT);
        LcdSetDisplay(nullptr);
    }

    std::array<Colour, LCD_WIDTH * LCD_HEIGHT> Store{};
};

}  // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    InstallAssertSinkForTests();
    testing::UnitTest::GetInstance()->listeners().Append(new FreshLcd);
    return RUN_ALL_TESTS();
}
