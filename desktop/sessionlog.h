#pragma once
// The session's input as script lines, from the recorder's start, each at its simulated time: the keys
// and mouse the panel view hears, the menu commands, the commands of scripts run in the window and the
// boxes the user cancelled. Written out, it is a script that orvel-headless replays picture for picture.
// It also keeps from the recorder the release of a key whose press a desktop shortcut took.
#include <QKeyEvent>
#include <QMouseEvent>
#include <QObject>
#include <cstdint>
#include <string>
#include <vector>

#include "desktop/timecontrol.h"
#include "headless/script.h"

class SessionLog : public QObject {
public:
    // Listens to the panel view's input before the view acts on it.
    SessionLog(QWidget& panel, const TimeControl& time);

    // A command given to the recorder now; one no script line gives is noted as a comment.
    void Add(const ScriptCommand& cmd);
    void AddMenu(int command);
    // The user cancelled the box that the latest input asked for: the replay answers it so, too.
    void Cancelled();
    // The header with the command line that replays it, then the lines with the waits between them, up
    // to the present simulated time; args are the recorder's own command line.
    std::string Script(const std::vector<std::string>& args, const std::string& fileName) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        std::uint64_t At;
        std::string Line;
    };

    void Append(std::string line);
    void KeyPressed(const QKeyEvent& event);
    void KeyReleased(const QKeyEvent& event);
    void Mouse(const QMouseEvent& event);
    void Typed(char c);

    const TimeControl& time_;
    std::vector<Entry> entries_;
    int shortcutKey_ = 0;  // the Qt key of a press offered to the shortcuts and not (yet) delivered
};
