#pragma once
// A window system for the host's tests: it records what the windows would show and answers message
// boxes from a queue (OK when the queue is empty).
#include <deque>
#include <string>
#include <vector>

#include "host/hostui.h"

struct ShownBox {
    std::string Text;
    std::string Title;
    HostBox Kind;
};

class FakeUi : public HostUi {
public:
    bool MessageBox(const std::string& text, const std::string& title, HostBox kind) override
    {
        Boxes.push_back({text, title, kind});
        if (Answers.empty())
            return true;
        const bool answer = Answers.front();
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
    std::string MainTitle;
    std::string LcdTitle;
    int Height = 572;
    bool LcdVisible = false;
    std::vector<int> CheckedModels;
    int Repaints = 0;
};
