// The slate page's running timecode.
#include "ui/uislate.h"

#include <gtest/gtest.h>

#include "support/golden.h"
#include "uicore/ui_fixture.h"
#include "uicore/uikeys.h"
#include "uicore/uiutils.h"

// The run crosses a second, so the repaint changes several digits before it is compared with a full redraw;
// the display is turned only while the slate is shown, and the slate takes the MENU key alone.
TEST_F(UITest, SlateRunningTimecodeLooksAsIfTheWholePageWereDrawn)
{
    MsgRegister(UIMainHandler, 0);
    UIPage slate = {.Handler = UISlateHandler, .Flags = 0, .Parent = nullptr, .ControlIndex = -1, .NControls = 0,
                    .Controls = nullptr};
    UIGotoPage(&slate);
    std::uint32_t timecode = UITimecodeFromHMSF(10, 24, 36, 25);
    MsgBroadcastParam(MSG_TIMECODE, timecode);
    UIRedraw();
    for (int frame = 0; frame < 17; ++frame)
        MsgBroadcastParam(MSG_TIMECODE, timecode = UITimecodeIncrement(timecode, 30));
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "ui/slate_running_timecode"));
    const Picture repainted = buffer;
    UIRedraw();
    EXPECT_TRUE(buffer == repainted);
    EXPECT_EQ(MsgSendParam(&slate, MSG_KEY_DOWN, KEY_MENU) + MsgSendParam(&slate, MSG_KEY_DOWN, KEY_TC), 1U);
    UIPage other = ProbePage(0, nullptr, 0);
    UIGotoPage(&other);
    EXPECT_EQ(LcdCanvas.Rotated, 0);
}
