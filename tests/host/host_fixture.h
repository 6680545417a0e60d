#pragma once
// The host started on the virtual clock with plain panel pictures and a fake window system that
// records what the windows would show and answers message boxes from a queue (OK when it is empty);
// a probe page records what the user interface receives.
#include <deque>
#include <string>
#include <vector>

#include "host/hostapp.h"
#include "host/hostui.h"
#include "uicore/ui_fixture.h"

struct ShownBox {
    std::string Text, Title;
    HostBox Kind;
};

class FakeUi : public HostUi {
public:
    bool MessageBox(const std::string& text, const std::string& title, HostBox kind) override
    {
        Boxes.push_back({text, title, kind});
        const bool answer = Answers.empty() || Answers.front();
        if (!Answers.empty())
            Answers.pop_front();
        return answer;
    }
    void SetMainTitle(const std::string& title) override { MainTitle = title; }
    void SetLcdWindowTitle(const std::string& title) override { LcdTitle = title; }
    int ClientHeight() const override { return Height; }
    void SetClientHeight(int height) override { Height = height; }
    bool LcdWindowVisible() const override { return LcdVisible; }
    void ShowLcdWindow(bool visible) override { LcdVisible = visible; }
    void CheckModel(int tracks) override { CheckedModels.push_back(tracks); }
    void Repaint() override { ++Repaints; }

    std::vector<ShownBox> Boxes;
    std::deque<bool> Answers;
    std::string MainTitle, LcdTitle;
    int Height = 572;
    bool LcdVisible = false;
    std::vector<int> CheckedModels;
    int Repaints = 0;
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
