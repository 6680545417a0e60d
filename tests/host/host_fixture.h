#pragma once
// The host started on the virtual clock with plain panel pictures and a fake window system; a probe
// page records what the user interface receives.
#include "fake_ui.h"
#include "host/hostapp.h"
#include "uicore/ui_fixture.h"

class HostTest : public UITest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Shows the probe page, so that every broadcast after this reaches it.
    void ShowProbe();
    // The ids of the broadcasts the probe page received, in order, leaving out MSG_REDRAW and MSG_DRAW.
    std::vector<std::uint32_t> Broadcasts();

    FakeUi ui;
    UIPage probe = ProbePage(0, nullptr, 0);
};

RgbPicture PlainPicture(int width, int height, std::uint32_t rgb);
