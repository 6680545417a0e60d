#include "desktop/scriptdesk.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <cstdio>
#include <iostream>

#include "headless/scriptinput.h"
#include "host/filewrite.h"
#include "host/hostapp.h"

namespace {

QMenu* FileMenu(MainWindow& main)
{
    for (QAction* menu : main.menuBar()->actions())
        if (menu->text() == "&File")
            return menu->menu();
    return main.menuBar()->addMenu("&File");
}

std::string OneLine(std::string text)
{
    std::ranges::replace(text, '\n', ' ');
    return text;
}

}  // namespace

ScriptDesk::ScriptDesk(MainWindow& main, TimeControl& time) : main_(main), time_(time), log_(main.Panel(), time)
{
    AddMenu();
    ShowState();
}

void ScriptDesk::AddMenu()
{
    QMenu* file = FileMenu(main_);
    file->addSeparator();
    record_ = file->addAction("Record script...");
    QObject::connect(record_, &QAction::triggered, &main_, [this] {
        const QString path = QFileDialog::getSaveFileName(&main_, "Record script", "session.orvel",
                                                          "Scripts (*.orvel);;All files (*)");
        if (!path.isEmpty())
            Record(path);
    });
    stop_ = file->addAction("Stop recording");
    QObject::connect(stop_, &QAction::triggered, &main_, [this] {
        if (const std::string error = StopRecording(); !error.empty())
            QMessageBox::critical(&main_, "Stop recording", QString::fromStdString(error));
    });
    run_ = file->addAction("Run script...");
    QObject::connect(run_, &QAction::triggered, &main_, [this] {
        const QString path = QFileDialog::getOpenFileName(&main_, "Run script", {}, "Scripts (*.orvel);;All files (*)");
        if (path.isEmpty())
            return;
        if (const std::string error = RunFile(path); !error.empty())
            QMessageBox::critical(&main_, "Run script", QString::fromStdString(error));
    });
}

void ScriptDesk::ShowState()
{
    record_->setEnabled(!Recording());
    stop_->setEnabled(Recording());
    if (Recording())
        main_.statusBar()->showMessage("Recording to " + QFileInfo(recordPath_).fileName());
    else if (playing_)
        main_.statusBar()->showMessage("Running a script");
    else
        main_.statusBar()->clearMessage();
}

void ScriptDesk::MenuCommand(int command)
{
    log_.AddMenu(command);
    HostMenuCommand(command);
}

bool ScriptDesk::Answer(const std::string& text, const std::string& title, const std::function<bool()>& ask)
{
    if (!playing_) {
        const bool ok = ask();
        if (!ok)
            log_.Cancelled();
        return ok;
    }
    std::printf("[%s] %s\n", title.c_str(), OneLine(text).c_str());
    std::fflush(stdout);
    const bool ok = answers_.empty() || answers_.front();
    if (!answers_.empty())
        answers_.pop_front();
    return ok;
}

void ScriptDesk::Record(const QString& path)
{
    recordPath_ = path;
    ShowState();
}

std::string ScriptDesk::StopRecording()
{
    if (!Recording())
        return {};
    const std::string path = recordPath_.toStdString();
    const std::string name = QFileInfo(recordPath_).fileName().toStdString();
    recordPath_.clear();
    ShowState();
    const WriteResult written = WriteWholeFile(path, log_.Script(recorderArgs_, name));
    return written ? std::string{} : "cannot write " + path + ": " + written.Reason;
}

std::string ScriptDesk::RunFile(const QString& path)
{
    const std::string name = path.toStdString();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ScriptErrorText(name, 0, "cannot read the script: " + file.errorString().toStdString());
    const QByteArray text = file.read(static_cast<qint64>(MAX_SCRIPT_BYTES) + 1);
    if (static_cast<std::size_t>(text.size()) > MAX_SCRIPT_BYTES)
        return ScriptErrorText(name, 0, "the script is larger than " + std::to_string(MAX_SCRIPT_BYTES >> 20) + " MiB");
    return RunText(std::string_view(text.constData(), static_cast<std::size_t>(text.size())), name);
}

std::string ScriptDesk::RunText(std::string_view text, const std::string& name)
{
    ScriptParse script = CheckScript(text);
    if (script.ErrorLine)
        return ScriptErrorText(name, script.ErrorLine, script.Error);
    StopPlaying({});
    commands_ = std::move(script.Commands);
    next_ = 0;
    playing_ = true;
    ShowState();
    Continue();
    return {};
}

void ScriptDesk::Continue()
{
    while (next_ < commands_.size()) {
        const ScriptCommand& cmd = commands_[next_++];
        if (cmd.Op == ScriptOp::Wait && cmd.Ms > 0)
            return time_.Wait(cmd.Ms, [this] { Continue(); });
        if (cmd.Op == ScriptOp::Wait)
            continue;
        if (cmd.Op == ScriptOp::Shot || cmd.Op == ScriptOp::Inspect) {
            const WriteFailure failure = ScriptOutput(cmd, Host.OutputDir, std::cout);
            if (!failure.Reason.empty())
                return StopPlaying("cannot write " + failure.Path + ": " + failure.Reason);
            continue;
        }
        log_.Add(cmd);
        if (cmd.Op == ScriptOp::Answer)
            answers_.push_back(cmd.AnswerOk);
        else
            ScriptInput(cmd);
    }
    StopPlaying({});
}

void ScriptDesk::StopPlaying(const std::string& why)
{
    if (!why.empty())
        std::fprintf(stderr, "orvel-sim: %s\n", why.c_str());
    time_.CancelWait();
    playing_ = false;
    answers_.clear();
    commands_.clear();
    ShowState();
}
