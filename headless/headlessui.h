#pragma once
// The window system of the headless front end: message boxes are printed as "[TITLE] TEXT" and
// answered from the script's queue of answers (OK when it is empty); what windows would show is only
// kept, since nothing is on screen. A file the host fails to write is kept for the runner to report.
#include <deque>
#include <ostream>
#include <string>

#include "host/filewrite.h"
#include "host/hostapp.h"
#include "host/hostui.h"

// A file that could not be written and why.
struct WriteFailure {
    std::string Path;
    std::string Reason;
};

// Prints "orvel-headless: cannot write PATH: REASON" on err for a failed write; true when it was written.
bool ReportWrite(const std::string& path, const WriteResult& written, std::ostream& err);

class HeadlessUi : public HostUi {
public:
    explicit HeadlessUi(std::ostream& out) : out_(out) {}

    bool MessageBox(const std::string& text, const std::string& title, HostBox kind) override;
    void WriteFailed(const std::string& path, const std::string& reason) override { failure_ = {path, reason}; }
    void SetMainTitle(const std::string& title) override { mainTitle_ = title; }
    void SetLcdWindowTitle(const std::string& title) override { lcdTitle_ = title; }
    int ClientHeight() const override { return clientHeight_; }
    void SetClientHeight(int height) override { clientHeight_ = height; }
    bool LcdWindowVisible() const override { return lcdVisible_; }
    void ShowLcdWindow(bool visible) override { lcdVisible_ = visible; }
    void CheckModel(int tracks) override { checkedModel_ = tracks; }
    void Repaint() override {}
    bool ShowsViews() const override { return false; }

    // The answer of the next message box that has none yet.
    void QueueAnswer(bool ok) { answers_.push_back(ok); }

    // The last file the host failed to write since the previous call (an empty Reason when none).
    WriteFailure TakeFailure();

    const std::string& MainTitle() const { return mainTitle_; }
    const std::string& LcdTitle() const { return lcdTitle_; }
    int CheckedModel() const { return checkedModel_; }

private:
    std::ostream& out_;
    std::deque<bool> answers_;
    WriteFailure failure_;
    std::string mainTitle_ = "Orvel Simulator";
    std::string lcdTitle_ = "LCD";
    int clientHeight_ = CLIENT_HEIGHT;
    bool lcdVisible_ = false;
    int checkedModel_ = 0;
};
