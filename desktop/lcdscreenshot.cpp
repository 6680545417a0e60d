#include "desktop/lcdscreenshot.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStatusBar>

#include "desktop/viewsettings.h"
#include "host/bmpcapture.h"
#include "host/hostapp.h"

namespace {

constexpr int StatusMs = 5000;

QString AskForFile(QWidget* parent, const QString& suggested)
{
    return QFileDialog::getSaveFileName(parent, "Save screenshot", suggested, "PNG pictures (*.png)");
}

// The folder used last while it exists, else the user's pictures.
QString StartFolder()
{
    const QString last = SavedScreenshotFolder();
    if (!last.isEmpty() && QDir(last).exists())
        return last;
    return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
}

}  // namespace

LcdScreenshot::LcdScreenshot(QMainWindow& main, QMenu& file, HostUi& ui)
    : main_(main), ui_(ui), action_(file.addAction("Save screenshot")), choose_(AskForFile)
{
    // The window's shortcuts see a key before the panel does: the recorder never gets this combination,
    // which it does not use either (Ctrl+S is its own).
    action_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    main_.statusBar();  // made now, so that the window does not grow at the first message
}

void LcdScreenshot::Save()
{
    const std::string suggested = NumberedCaptureName(StartFolder().toStdString(), "png");
    const QString path = choose_(&main_, QString::fromStdString(suggested));
    if (path.isEmpty())
        return;
    const std::string file = path.toStdString();
    if (const WriteResult written = PngWrite(file, LcdViewPicture(Host.LcdZoom)); !written) {
        ui_.WriteFailed(file, written.Reason);
        ui_.MessageBox("Failed to write PNG file: \n" + written.Reason, "Error", HostBox::Error);
        return;
    }
    SaveScreenshotFolder(QFileInfo(path).absolutePath());
    main_.statusBar()->showMessage("Screenshot saved to " + QDir::toNativeSeparators(path), StatusMs);
}
