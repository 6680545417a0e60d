#pragma once
// The "&Time" menu (Pause, Step, 1x, 4x, Fastest) and the status bar's simulated time, state and seed.
// Its shortcuts are Ctrl+Shift combinations the recorder has no use for; the panel never receives them.
#include <QAction>
#include <QLabel>
#include <QMainWindow>

#include "desktop/timecontrol.h"

class TimeMenu {
public:
    // The menu goes before "&Configure", the label to the right of the main window's status bar.
    TimeMenu(QMainWindow& main, TimeControl& time);

    // Brings the label and the check marks in line with the time control.
    void Show();

    QAction* PauseAction() const { return pause_; }
    QAction* StepAction() const { return step_; }
    QAction* SpeedAction(TimeSpeed speed) const;
    const QLabel& Label() const { return *label_; }

private:
    TimeControl& time_;
    QAction* pause_ = nullptr;
    QAction* step_ = nullptr;
    QAction* speeds_[3] = {};
    QLabel* label_ = nullptr;
};
