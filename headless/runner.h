#pragma once
// Runs a checked script against the recorder and the host logic, on the virtual clock: a timer tick
// falls on every multiple of the tick period, whatever the waits in between, and input happens
// between ticks, as it does on a desktop.
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "headless/headlessui.h"
#include "headless/options.h"
#include "headless/script.h"
#include "host/pngfile.h"

class HeadlessRunner {
public:
    // Message boxes and the inspector's lines go to out, failures to err.
    HeadlessRunner(const HeadlessOptions& options, std::ostream& out, std::ostream& err);
    ~HeadlessRunner();
    HeadlessRunner(const HeadlessRunner&) = delete;
    HeadlessRunner& operator=(const HeadlessRunner&) = delete;

    // Starts the recorder at virtual time 0 with the first timer tick; false after a message on err.
    bool Start();
    // 0 when every command ran; 1 after naming on err the file a command could not write.
    int Run(const std::vector<ScriptCommand>& commands);
    // Moves the clock on by ms, with a timer tick wherever one falls due.
    void Wait(std::uint32_t ms);
    void Stop();

    HeadlessUi& Ui() { return ui_; }

private:
    // The file a command failed to write and why; an empty Reason when it wrote what it had to.
    WriteFailure Execute(const ScriptCommand& cmd);

    const HeadlessOptions& options_;
    std::ostream& out_;
    std::ostream& err_;
    HeadlessUi ui_;
    RgbPicture panelRest_;  // read at the first start: a crawl starts the recorder thousands of times
    RgbPicture panelLit_;
    std::uint64_t now_ = 0;  // ms since the start, never wrapping
    std::uint64_t nextTick_ = 0;
    bool started_ = false;
};

// Reads and checks the whole script (standard input for "-"), makes the output folder and runs it.
// The exit status: 0; 1 when a file or folder cannot be written; 2 for a script that cannot be read
// or has an error, which stops the run before any command.
int HeadlessRun(const HeadlessOptions& options, std::ostream& out, std::ostream& err);
