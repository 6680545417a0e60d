#pragma once
// The host started on the virtual clock with plain panel pictures and a fake window system;
// a probe page records what the user interface receives.
#include <string>
#include <vector>

#include "host/hostapp.h"
#include "host/hostui.h"
#include "uicore/ui_fixture.h"

// Answers every box with OK and records only the model check marks.
class FakeUi : public HostUi {
public:
    bool MessageBox(const std::string&, const std::string&, HostBox) override { return true; }
    void SetMainTitle(const std::string&) override {}
    void SetLcdWindowTitle(const std::string&) override {}
    int ClientHeight() const override { return 572; }
    void SetClientHeight(int) override {}
    bool LcdWindowVisible() const override { return false; }
    void ShowLcdWindow(bool) override {}
    void CheckModel(int tracks) override { CheckedModels.push_back(tracks); }
    void Repaint() override {}

    std::vector<int> CheckedModels;
};

class HostTest : public UITest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Shows the probe page, so that every broadcast after this reaches it.
    void ShowProbe();

    FakeUi ui;
    UIPage probe = ProbePage(0, nullptr, 0);
};

RgbPicture PlainPicture(int width, int height, std::uint32_t rgb);
