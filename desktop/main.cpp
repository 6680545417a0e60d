// orvel-sim: the Orvel Simulator on the desktop.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <csignal>
#include <cstdlib>
#include <cstdio>
#include <future>

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
    // answered before Qt looks for a display, so that they work anywhere
    if (const DesktopRequest request = EarlyRequest(argc, argv); request != DesktopRequest::Run) {
        std::fputs((request == DesktopRequest::Help ? DesktopHelpText() : DesktopVersionText()).c_str(), stdout);
        return 0;
    }
    // without one Qt would abort in its platform plugin with a page of advice
    if (const std::string missing = MissingDisplay(
            [](const char* name) -> const char* { return std::getenv(name); }, argc, argv); !missing.empty()) {
        std::fprintf(stderr, "orvel-sim: %s\n", missing.c_str());
        return 1;
    }
    QApplication app(argc, argv);  // takes Qt's own options out of argv
    QApplication::setOrganizationName("Orvel");
    QApplication::setApplicationName("Orvel Simulator");
    const DesktopOptions options = ParseDesktopOptions(argc, argv);
    if (!options.Error.empty()) {
        std::fprintf(stderr, "orvel-sim: %s\n%s", options.Error.c_str(), DesktopUsage().c_str());
        return 2;
    }
    // Decoded on other cores while the windows and their menus are made (after the application, so that
    // Qt takes this thread for its main one).
    std::future<RgbPicture> rest = std::async(std::launch::async, PanelRestPicture);
    std::future<RgbPicture> lit = std::async(std::launch::async, PanelLitPicture);
    DesktopApp desktop;
    desktop.SetSeed(options.Seed.value_or(DesktopClockNow()));
    std::vector<const char*> recorderArgv;
    for (const std::string& arg : options.RecorderArgs)
        recorderArgv.push_back(arg.c_str());
    if (desktop.Start(rest.get(), lit.get(), static_cast<int>(recorderArgv.size()), recorderArgv.data())) {
        for (const std::int32_t key : options.Presses)
            desktop.PressKey(key);
    }
    if (!options.Screenshot.empty())
        ScreenshotAfterFirstFrame(desktop, QString::fromStdString(options.Screenshot), sinceStart);
    return app.exec();
}
