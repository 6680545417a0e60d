#include "desktop/helpmenu.h"

#include <QMenuBar>
#include <QMessageBox>

#include "desktop/keyhelp.h"

void AddHelpMenu(QMainWindow& main)
{
    QMenu* help = main.menuBar()->addMenu("He&lp");
    // no shortcuts: every key combination belongs to the recorder
    QObject::connect(help->addAction("Keys"), &QAction::triggered, &main, [&main] {
        auto* keys = main.findChild<KeyHelpWindow*>();
        if (!keys)
            keys = new KeyHelpWindow(&main);
        keys->show();
        keys->raise();
    });
    QObject::connect(help->addAction("About"), &QAction::triggered, &main, [&main] {
        QMessageBox::about(&main, "About Orvel Simulator",
            QString("<b>Orvel Simulator</b> %1<p>The front panel of the Orvel recorder, worked with the PC keys "
                    "and the mouse.</p>").arg(ORVEL_VERSION));
    });
}
