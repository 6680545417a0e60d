// orvel-sim: the Orvel Simulator on the desktop.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <csignal>
#include <cstdio>

#include "desktop/desktopapp.h"
#include "desktop/desktopclock.h"
#include "desktop/options.h"
#include "desktop/picturepaint.h"

namespace {

// Reports how long start-up took to the first painted frame, then writes the main window two seconds
// later, when the meters have moved and the timecode runs, and ends.
void ScreenshotAfterFirstFrame(DesktopApp& desktop, const QString& file, const QElapsedTimer& sinceStart)
{
    desktop.Main().Panel().OnFirstFrame([&desktop, file, &sinceStart] {
        const qint64 firstFrameMs = sinceStart.elapsed();
        QTimer::singleShot(2000, [&desktop, file, firstFrameMs] {
            const WriteResult saved = PngWrite(file.toStdString(), PictureOf(desktop.Main().grab().toImage()));
            std::printf("first frame painted %lld ms after start; %s %s%s%s\n", static_cast<long long>(firstFrameMs),
                saved ? "screenshot written to" : "could not write", qPrintable(file), saved ? "" : ": ",
                saved.Reason.c_str());
            QApplication::exit(saved ? 0 : 1);
        });
    });
}

}  // namespace

int main(int argc, char** argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    std::signal(SIGXFSZ, SIG_IGN);  // a file size limit fails the write, which says so, instead of ending the program
    QApplication app(argc, argv);  // takes Qt's own options out of argv
    const DesktopOptions options = ParseDesktopOptions(argc, argv);
    if (!options.Error.empty()) {
        std::fprintf(stderr, "orvel-sim: %s\nusage: orvel-sim [10|lite] [--press KEY]... [--screenshot FILE] [--seed N]\n",
            options.Error.c_str());
        return 2;
    }
    DesktopApp desktop;
    desktop.SetSeed(options.Seed.value_or(DesktopClockNow()));
    std::vector<const char*> recorderArgv;
    for (const std::string& arg : options.RecorderArgs)
        recorderArgv.push_back(arg.c_str());
    if (desktop.Start(
            PanelRestPicture(), PanelLitPicture(), static_cast<int>(recorderArgv.size()), recorderArgv.data())) {
        for (const std::int32_t key : options.Presses)
            desktop.PressKey(key);
    }
    if (!options.Screenshot.empty())
        ScreenshotAfterFirstFrame(desktop, QString::fromStdString(options.Screenshot), sinceStart);
    return app.exec();
}
