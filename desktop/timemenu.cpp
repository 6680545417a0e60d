#include "desktop/timemenu.h"

#include <QMenuBar>
#include <QStatusBar>

namespace {

struct SpeedItem {
    const char* Text;
    const char* Shortcut;
    const char* State;
    TimeSpeed Speed;
};

constexpr SpeedItem SpeedTbl[] = {
    {"1x", "Ctrl+Shift+1", "running 1x", TimeSpeed::Normal},
    {"4x", "Ctrl+Shift+4", "running 4x", TimeSpeed::Four},
    {"Fastest", "Ctrl+Shift+F", "running fastest", TimeSpeed::Fastest},
};

// The menu that the time menu goes before: the first after "&File" and "&View".
QAction* MenuAfterView(QMenuBar& bar)
{
    for (QAction* menu : bar.actions())
        if (menu->text() != "&File" && menu->text() != "&View")
            return menu;
    return nullptr;
}

}  // namespace

TimeMenu::TimeMenu(QMainWindow& main, TimeControl& time) : time_(time)
{
    auto* menu = new QMenu("&Time", &main);
    main.menuBar()->insertMenu(MenuAfterView(*main.menuBar()), menu);
    pause_ = menu->addAction("Pause");
    pause_->setCheckable(true);
    pause_->setShortcut(QKeySequence("Ctrl+Shift+P"));
    QObject::connect(pause_, &QAction::triggered, &main, [this](bool paused) { time_.SetPaused(paused); });
    step_ = menu->addAction("Step");
    step_->setShortcut(QKeySequence("Ctrl+Shift+N"));
    QObject::connect(step_, &QAction::triggered, &main, [this] { time_.Step(); });
    menu->addSeparator();
    for (std::size_t i = 0; i < std::size(SpeedTbl); ++i) {
        speeds_[i] = menu->addAction(SpeedTbl[i].Text);
        speeds_[i]->setCheckable(true);
        speeds_[i]->setShortcut(QKeySequence(SpeedTbl[i].Shortcut));
        const TimeSpeed speed = SpeedTbl[i].Speed;
        QObject::connect(speeds_[i], &QAction::triggered, &main, [this, speed] { time_.SetSpeed(speed); });
    }
    label_ = new QLabel(&main);
    main.statusBar()->addPermanentWidget(label_);
    main.statusBar()->setSizeGripEnabled(false);  // the window is not resizable
}

void TimeMenu::Show()
{
    const char* state = "paused";
    for (std::size_t i = 0; i < std::size(SpeedTbl); ++i) {
        speeds_[i]->setChecked(SpeedTbl[i].Speed == time_.Speed());
        if (!time_.Paused() && SpeedTbl[i].Speed == time_.Speed())
            state = SpeedTbl[i].State;
    }
    pause_->setChecked(time_.Paused());
    step_->setEnabled(time_.Paused());
    label_->setText(QString("%1   %2   seed %3")
                        .arg(QString::fromStdString(SimTimeText(time_.Now())), state)
                        .arg(time_.Seed()));
}

QAction* TimeMenu::SpeedAction(TimeSpeed speed) const
{
    for (std::size_t i = 0; i < std::size(SpeedTbl); ++i)
        if (SpeedTbl[i].Speed == speed)
            return speeds_[i];
    return nullptr;
}
