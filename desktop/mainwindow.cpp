#include "desktop/mainwindow.h"

#include <QLayout>
#include <QMenuBar>

#include "host/hostapp.h"

namespace {

struct ModelItem {
    const char* Text;
    int Command;
    int Tracks;
};

constexpr ModelItem ModelTbl[] = {
    {"Orvel 4", CMD_ORVEL_4, 4},
    {"Orvel 6", CMD_ORVEL_6, 6},
    {"Orvel 8", CMD_ORVEL_8, 8},
    {"Orvel 12", CMD_ORVEL_12, 12},
};

}  // namespace

MainWindow::MainWindow(std::function<void(int)> onCommand) : onCommand_(std::move(onCommand)), panel_(this)
{
    setWindowTitle("Orvel Simulator");
    setCentralWidget(&panel_);
    // the window follows the view's fixed size (the LCD-area click changes it) and cannot be resized
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    AddMenus();
    panel_.setFocus();
}

void MainWindow::AddMenus()
{
    file_ = menuBar()->addMenu("&File");
    saveLcd_ = file_->addAction("Save LCD");
    connect(saveLcd_, &QAction::triggered, this, [this] { onCommand_(CMD_SAVE_LCD); });
    view_ = menuBar()->addMenu("&View");
    QMenu* configure = menuBar()->addMenu("&Configure");
    static_assert(std::size(ModelTbl) == std::tuple_size_v<decltype(models_)>);
    for (std::size_t i = 0; i < std::size(ModelTbl); ++i) {
        // check marks, not the radio bullets of an exclusive group; the host sets them after every command
        models_[i] = configure->addAction(ModelTbl[i].Text);
        models_[i]->setCheckable(true);
        const int command = ModelTbl[i].Command;
        connect(models_[i], &QAction::triggered, this, [this, command] { onCommand_(command); });
    }
    // no shortcut: every key combination belongs to the recorder
    inspect_ = menuBar()->addMenu("T&ools")->addAction("Inspect state");
}

void MainWindow::AddDock(QDockWidget* dock)
{
    addDockWidget(Qt::RightDockWidgetArea, dock);
    dock->hide();
    view_->addAction(dock->toggleViewAction());
}

void MainWindow::CheckModel(int tracks)
{
    for (std::size_t i = 0; i < std::size(ModelTbl); ++i)
        models_[i]->setChecked(ModelTbl[i].Tracks == tracks);
}

QAction* MainWindow::ModelAction(int tracks) const
{
    for (std::size_t i = 0; i < std::size(ModelTbl); ++i)
        if (ModelTbl[i].Tracks == tracks)
            return models_[i];
    return nullptr;
}
