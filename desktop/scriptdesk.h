#pragma once
// Record and replay in the window: "&File" > "Record script..." and "Stop recording" write the session's
// input as a script for orvel-headless; "Run script..." plays a script here on the simulated clock, so
// that its waits follow pause and speed.
#include <QAction>
#include <QString>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "desktop/mainwindow.h"
#include "desktop/sessionlog.h"
#include "desktop/timecontrol.h"

class ScriptDesk {
public:
    ScriptDesk(MainWindow& main, TimeControl& time);

    // The recorder's own command line, for the replay's.
    void SetRecorderArgs(std::vector<std::string> args) { recorderArgs_ = std::move(args); }
    // A menu command from the window, logged, then run.
    void MenuCommand(int command);
    // A message box: a running script answers it as it said (OK when it said nothing), and it is
    // printed as orvel-headless prints it; otherwise ask() answers it and a Cancel is logged.
    bool Answer(const std::string& text, const std::string& title, const std::function<bool()>& ask);

    // The script goes to path at StopRecording; it holds the session from the recorder's start.
    void Record(const QString& path);
    bool Recording() const { return !recordPath_.isEmpty(); }
    // Writes the script; why it could not be written, or "".
    std::string StopRecording();

    // Starts the script of the file, or says why not: "FILE: message" or "FILE:LINE: message".
    std::string RunFile(const QString& path);
    std::string RunText(std::string_view text, const std::string& name);
    bool Playing() const { return playing_; }

    QAction* RecordAction() const { return record_; }
    QAction* StopAction() const { return stop_; }
    QAction* RunAction() const { return run_; }

private:
    void AddMenu();
    void ShowState();
    // Runs commands up to the next wait or the end.
    void Continue();
    void StopPlaying(const std::string& why);

    MainWindow& main_;
    TimeControl& time_;
    SessionLog log_;
    std::vector<std::string> recorderArgs_;
    QString recordPath_;
    std::vector<ScriptCommand> commands_;
    std::size_t next_ = 0;
    bool playing_ = false;
    std::deque<bool> answers_;
    QAction* record_ = nullptr;
    QAction* stop_ = nullptr;
    QAction* run_ = nullptr;
};
