#pragma once
// The main window "Orvel Simulator": the "&File", "&View", "&Configure" and "&Tools" menus over the panel view, sized
// to the view and not resizable by the user.
#include <QAction>
#include <QDockWidget>
#include <QMainWindow>
#include <QMenu>
#include <array>
#include <functional>

#include "desktop/panelview.h"

class MainWindow : public QMainWindow {
public:
    // Menu commands go to onCommand with the host's command ids.
    explicit MainWindow(std::function<void(int command)> onCommand);

    PanelView& Panel() { return panel_; }
    // Exactly the model item of this track count carries the check mark.
    void CheckModel(int tracks);
    QAction* ModelAction(int tracks) const;
    QAction* SaveLcdAction() const { return saveLcd_; }
    QMenu& FileMenu() const { return *file_; }
    QMenu& ViewMenu() const { return *view_; }
    // "Inspect state"; what it does is the front end's, not a host command.
    QAction* InspectAction() const { return inspect_; }
    // A dock the "&View" menu shows and hides; hidden at first, on the right.
    void AddDock(QDockWidget* dock);

private:
    void AddMenus();

    std::function<void(int)> onCommand_;
    PanelView panel_;
    QMenu* file_ = nullptr;
    QMenu* view_ = nullptr;
    QAction* saveLcd_ = nullptr;
    QAction* inspect_ = nullptr;
    std::array<QAction*, 4> models_ {};
};
