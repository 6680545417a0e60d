#pragma once
// The headless front end started in the test's process, writing into a temporary folder of its own;
// a test may show a page of its own before running script lines.
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "headless/runner.h"
#include "uicore/ui_fixture.h"

class HeadlessTest : public UITest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the recorder with the options as they are; then shows the page, when one is given.
    void Start(UIPage* page = nullptr);
    // Runs script lines (which must be good) on the started recorder: the runner's status.
    int Run(const std::string& text);
    // The whole front end on a script file written from text: the exit status.
    int RunFile(const std::string& text);
    void Stop() { runner.reset(); }
    std::string Read(const std::filesystem::path& file) const;

    std::filesystem::path dir;
    HeadlessOptions options;
    std::ostringstream out, err;
    std::unique_ptr<HeadlessRunner> runner;
};

// The page the TC key shows: the slate display's own handler. The timecode runs on it, so its pictures
// change with time, and it turns the display.
extern UIPage SlateTestPage;
