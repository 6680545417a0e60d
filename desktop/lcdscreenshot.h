#pragma once
// "&File" > "Save screenshot" (Ctrl+Shift+S): the LCD alone as the views show it, at the zoom of the
// enlarged LCD, written as a PNG file whole or not at all. The file is chosen in a file dialog that
// suggests the next free "orvel-NNNN.png" in the folder used last; the name saved goes to the status
// bar for a while, a failure to an error box.
#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <functional>

#include "host/hostui.h"

class LcdScreenshot {
public:
    // The file chosen, given the suggested one; empty when the user cancels.
    using FileChooser = std::function<QString(QWidget* parent, const QString& suggested)>;

    LcdScreenshot(QMainWindow& main, QMenu& file, HostUi& ui);

    QAction* Action() const { return action_; }
    // Tests choose the file without a dialog.
    void ChooseFilesWith(FileChooser chooser) { choose_ = std::move(chooser); }
    void Save();

private:
    QMainWindow& main_;
    HostUi& ui_;
    QAction* action_;
    FileChooser choose_;
};
