#pragma once
// View > "Inspector": the state inspector's document of the current page as a tree, kept up to date
// while shown (at most ten times a second, keeping what was expanded and the scroll position). Over the
// enlarged LCD or the LCD window, the control under the pointer is selected in the tree and named above
// it. It watches the host and the pointer only while it is shown.
#include <QDockWidget>
#include <QTimer>
#include <nlohmann/json.hpp>
#include <set>

#include "host/hostdebug.h"

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

class StateDock : public QDockWidget, public HostObserver {
public:
    // Pointer moves over these two are looked up on the LCD: the main window's view, the LCD window.
    StateDock(QWidget* panel, QWidget* lcdWindow, QWidget* parent = nullptr);
    ~StateDock() override;

    void LcdRedrawn() override;
    // Reads the inspector's document again and rebuilds the tree.
    void Refresh();

    QLabel* Hovered() const { return hovered_; }
    QTreeWidget* Tree() const { return tree_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Hover(int x, int y);
    void Remember(QTreeWidgetItem* item, const QString& path);
    void Restore(QTreeWidgetItem* item, const QString& path);

    QWidget* panel_;
    QWidget* lcdWindow_;
    QLabel* hovered_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QTimer throttle_;
    nlohmann::ordered_json state_;
    std::set<QString> expanded_;  // paths of the items expanded before a rebuild (QSet trips the optimiser's size check)
};
