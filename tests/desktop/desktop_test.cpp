// The desktop front end driven as a user drives it: menus, keys, clicks, the LCD window, the capture
// and the timer, on Qt's offscreen platform. What the host does with the input is tested with the host.
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QFile>
#include <QKeyEvent>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <unistd.h>

#include "common/debug.h"
#include "desktop/desktopapp.h"
#include "desktop/options.h"
#include "canvas/lcdcanvas.h"
#include "host/bmpcapture.h"
#include "host/hostapp.h"
#include "host/hostdebug.h"
#include "orvel/orvel.h"
#include "ui/uihome.h"
#include "ui/uipages.h"
#include "uicore/uicontrols.h"
#include "uicore/uikeys.h"
#include "uicore/uitimer.h"
#include "host/pngfile.h"

namespace {

using KeyLog = std::vector<std::pair<std::uint32_t, std::uint32_t>>;
constexpr std::uint32_t Down = MSG_KEY_DOWN, Up = MSG_KEY_UP;
constexpr std::uint8_t RestGrey = 0x20, LitGrey = 0xE0;
constexpr std::uint32_t RestRgb = RestGrey * 0x010101U, LitRgb = LitGrey * 0x010101U;

const QPoint MenuKey(822, 139);
const QPoint StarKey(834, 102);
const QPoint LcdArea(700, 100);

std::vector<std::pair<std::uint32_t, std::uint32_t>> HomeLog;  // (id, parameter)
std::vector<std::string> AssertReports;

std::uint32_t RecordingHomeHandler(void*, Message* msg)
{
    HomeLog.emplace_back(msg->Id, MsgParamUnsigned(msg));
    // keys are taken here, so that the global keys (HP goes back) do not leave the recording page
    return msg->Id == MSG_KEY_DOWN || msg->Id == MSG_KEY_UP ? 1 : 0;
}

RgbPicture GreyPicture(int width, int height, std::uint8_t grey)
{
    RgbPicture picture{.Width = width, .Height = height, .Pixels = {}};
    picture.Pixels.assign(static_cast<std::size_t>(width * height * 3), grey);
    return picture;
}

// The front end started as orvel-sim starts it, with plain panel pictures (dark at rest, light where
// lit) and message boxes answered with Answer; the home page records messages.
class Fixture {
public:
    // With recordHome false the home page keeps its own handler, for sessions that work the recorder.
    explicit Fixture(const char* recorderArgument = nullptr, bool recordHome = true, std::uint32_t seed = 1)
        : homeHandler_(UIHomePage.Handler)
    {
        HostDebugQuiet(true);
        HomeLog.clear();
        app_ = std::make_unique<DesktopApp>([this](const std::string& text, const std::string& title, HostBox) {
            Asked.push_back(title + ": " + text);
            return Answer;
        });
        app_->SetSeed(seed);
        const char* argv[] = {"orvel-sim", recorderArgument};
        app_->Start(GreyPicture(PANEL_WIDTH, PANEL_HEIGHT, RestGrey), GreyPicture(PANEL_WIDTH, PANEL_HEIGHT, LitGrey),
                    recorderArgument ? 2 : 1, argv);
        if (recordHome)
            UIHomePage.Handler = RecordingHomeHandler;
    }
    ~Fixture()
    {
        app_.reset();
        UIHomePage.Handler = homeHandler_;
        Host.OutputDir.clear();
        HostDebugQuiet(false);
    }

    DesktopApp& App() { return *app_; }
    PanelView& Panel() { return app_->Main().Panel(); }
    std::uint32_t PanelPixel(QPoint at) { return Panel().grab().toImage().pixel(at) & 0xFFFFFF; }
    static KeyLog Received(std::initializer_list<std::uint32_t> ids)
    {
        KeyLog received;
        std::ranges::copy_if(HomeLog, std::back_inserter(received), [&ids](const auto& m) {
            return std::ranges::find(ids, m.first) != ids.end();
        });
        return received;
    }
    static KeyLog Keys() { return Received({Down, Up}); }

    bool Answer = true;
    std::vector<std::string> Asked;  // title: text

private:
    std::unique_ptr<DesktopApp> app_;
    MsgHandler homeHandler_;
};

std::vector<int> CheckedModels(MainWindow& main)
{
    std::vector<int> checked;
    for (int tracks : {4, 6, 8, 12})
        if (main.ModelAction(tracks)->isChecked())
            checked.push_back(tracks);
    return checked;
}

// Every pixel at the given steps of a widget shows the same pixel of the host's picture.
void ExpectShows(QWidget& widget, const RgbPicture& picture, int step)
{
    const QImage shown = widget.grab().toImage();
    QCOMPARE(shown.size(), QSize(picture.Width, picture.Height));
    for (int y = 0; y < picture.Height; y += step)
        for (int x = 0; x < picture.Width; x += step + 2)
            QCOMPARE(shown.pixel(x, y) & 0xFFFFFF, picture.At(x, y));
}

// The script with "shot N.png" inserted where the simulated time reaches times[N], before the input then.
std::string WithShots(const std::string& script, const std::vector<std::uint64_t>& times)
{
    std::istringstream lines(script);
    std::string out, line;
    std::uint64_t now = 0;
    std::size_t shot = 0;
    const auto shotsUntil = [&](std::uint64_t end) {
        for (; shot < times.size() && times[shot] <= end; ++shot) {
            if (times[shot] > now)
                out += "wait " + std::to_string(times[shot] - now) + "\n";
            now = times[shot];
            out += "shot " + std::to_string(shot) + ".png\n";
        }
    };
    while (std::getline(lines, line)) {
        if (line.starts_with("wait ")) {
            const std::uint64_t end = now + std::stoull(line.substr(5));
            shotsUntil(end);
            if (end > now)
                out += "wait " + std::to_string(end - now) + "\n";
            now = end;
        } else {
            shotsUntil(now);
            out += line + "\n";
        }
    }
    shotsUntil(now);
    return out;
}

struct HeadlessRun {
    int Status;
    QString Err;
    std::vector<RgbPicture> Shots;  // 0.png, 1.png, ... as far as they were written
    bool Wrote(const QString& file) const { return QFile::exists(Dir->filePath(file)); }
    std::shared_ptr<QTemporaryDir> Dir;
};

// orvel-headless with the options (the last of them "--", then the recorder's arguments) on the script.
HeadlessRun RunHeadless(QStringList args, const std::string& script)
{
    HeadlessRun run{.Status = -1, .Err = {}, .Shots = {}, .Dir = std::make_shared<QTemporaryDir>()};
    const QString path = run.Dir->filePath("script.orvel");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(script.data(), static_cast<qint64>(script.size())) < 0)
        return run;
    file.close();
    const qsizetype recorderArgs = args.indexOf("--");
    QProcess process;
    process.start(ORVEL_HEADLESS, args.mid(0, recorderArgs) +
                                      QStringList{"--quiet", "--out", run.Dir->path(), "--script", path} +
                                      args.mid(recorderArgs));
    process.waitForFinished(60000);
    run.Status = process.exitCode();
    run.Err = QString::fromUtf8(process.readAllStandardError()).trimmed();
    for (RgbPicture shot; PngRead(run.Dir->filePath(QString("%1.png").arg(run.Shots.size())).toStdString(), shot);)
        run.Shots.push_back(shot);
    return run;
}

// The options of the replay line in a recorded script's header: "# orvel-headless OPTIONS < FILE".
QStringList ReplayOptions(const std::string& script)
{
    const std::string prefix = "\n# orvel-headless ";
    const std::size_t start = script.find(prefix) + prefix.size();
    const std::string line = script.substr(start, script.find(" < ", start) - start);
    return QString::fromStdString(line).split(' ');
}

RgbPicture Lcd()
{
    return CanvasPicture(&LcdCanvas, 1);
}

void Steps(TimeControl& time, int ticks)
{
    for (int i = 0; i < ticks; ++i)
        QVERIFY(time.Step());
}

// Every pixel of the LCD shows as a zoom x zoom block of its colour at (x0, y0) of the image.
void ExpectLcdAt(const QImage& image, int x0, int y0, int zoom)
{
    for (int y = 0; y < LCD_HEIGHT * zoom; ++y)
        for (int x = 0; x < LCD_WIDTH * zoom; ++x)
            if ((image.pixel(x0 + x, y0 + y) & 0xFFFFFF) != ColourToRgb(LcdCanvas.PixelGet(&LcdCanvas, x / zoom, y / zoom)))
                QFAIL(qPrintable(QString("LCD pixel differs at (%1, %2), zoom %3").arg(x).arg(y).arg(zoom)));
}

QImage ImageOfFile(const QString& path)
{
    RgbPicture picture;
    if (!PngRead(path.toStdString(), picture))
        return {};
    return ImageOf(picture).copy();
}

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir_.path());
        AssertSetSink([](const AssertReport& r) {
            AssertReports.push_back(std::string(r.Module) + ":" + std::to_string(r.Line) + ": " + r.Expression);
        });
    }

    // The settings go to a folder of the test's own, empty at the start of every test.
    void init()
    {
        QSettings().clear();
    }

    void cleanup()
    {
        const std::vector<std::string> reports = std::exchange(AssertReports, {});
        QVERIFY2(reports.empty(), reports.empty() ? "" : reports.front().c_str());
    }

    void modelMenuKeepsExactlyOneCheckMarkAndTheFirstArgumentChoosesTheModel()
    {
        Fixture f;
        MainWindow& main = f.App().Main();
        QCOMPARE(CheckedModels(main), std::vector<int>{12});
        for (int tracks : {8, 8, 4, 6, 12, 12}) {
            main.ModelAction(tracks)->trigger();  // a click on the checked item unchecks it first
            QCOMPARE(CheckedModels(main), std::vector<int>{tracks});
            QCOMPARE(OrvelGetNTracks(), tracks);
        }
        Fixture ten("10");
        QCOMPARE(OrvelGetNTracks(), 10);
        QVERIFY(CheckedModels(ten.App().Main()).empty());  // no menu item for ten tracks
    }

    void commandLineMistakesAreNamedInShortWithTheirBytes()
    {
        const std::string word(1000, 'x');
        const std::string excerpt = "'" + std::string(40, 'x') + "...'";
        const std::pair<std::vector<const char*>, std::string> rows[] = {
            {{"--press", "TC", "--press", "F12", "--screenshot", "caf\xC3\xA9.png", "lite"}, ""},
            {{"--press", "T\x01"}, "--press 'T?' holds the control byte 0x01"},
            {{"--screenshot", ""}, "--screenshot needs a value"},
            {{"--seed", "4294967295", "--seed", "4294967296"}, "--seed 4294967296: must be 0 to 4294967295"},
            {{"--screenshot", "a\x1B.png"}, "--screenshot 'a?.png' holds the control byte 0x1B"},
            {{"1\x7F"}, "recorder argument '1?' holds the control byte 0x7F"},
            {{"--press", word.c_str()}, "no such key: " + excerpt},
            {{"lite", word.c_str()}, "unexpected argument: " + excerpt},
        };
        for (auto [args, error] : rows) {
            args.insert(args.begin(), "orvel-sim");
            QCOMPARE(QString::fromStdString(ParseDesktopOptions(static_cast<int>(args.size()), args.data()).Error),
                     QString::fromStdString(error));
        }
    }

    void keysAndClicksReachTheHomePageAsKeysOrTypedCharacters()
    {
        Fixture f;
        // Qt's key events: press or release, key, modifiers, typed text, auto-repeat.
        const std::tuple<bool, int, Qt::KeyboardModifiers, const char*, bool> events[] = {
            {true, Qt::Key_Escape, {}, "\x1b", false}, {false, Qt::Key_Escape, {}, "\x1b", false},
            {true, Qt::Key_F5, Qt::ShiftModifier, "", false}, {false, Qt::Key_F5, Qt::ShiftModifier, "", false},
            {true, Qt::Key_Backspace, {}, "\b", false}, {false, Qt::Key_Backspace, {}, "\b", false},
            {true, Qt::Key_Left, {}, "", false}, {false, Qt::Key_Left, {}, "", false},
            // auto-repeat neither presses nor releases a held key again, but keeps typing
            {true, Qt::Key_Enter, {}, "\r", false}, {false, Qt::Key_Enter, {}, "\r", true},
            {true, Qt::Key_Enter, {}, "\r", true}, {false, Qt::Key_Enter, {}, "\r", false},
            {true, Qt::Key_A, {}, "a", false}, {true, Qt::Key_A, {}, "a", true}, {false, Qt::Key_A, {}, "a", false},
            {true, Qt::Key_A, Qt::ControlModifier, "\x01", false}, {true, Qt::Key_1, Qt::AltModifier, "1", false},
            {true, Qt::Key_Greater, Qt::ShiftModifier, ">", false}, {true, Qt::Key_E, {}, "\xC3\xA9", false},
            {true, Qt::Key_CapsLock, {}, "", false},
            // Ctrl with the arrows steps the levels: the releases belong to no press on this page
            {true, Qt::Key_Up, Qt::ControlModifier, "", false}, {false, Qt::Key_Up, Qt::ControlModifier, "", false},
        };
        for (const auto& [press, key, mods, text, repeat] : events) {
            QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, key, mods, QString::fromUtf8(text), repeat);
            QApplication::sendEvent(&f.Panel(), &event);
        }
        QCOMPARE(f.Keys(), KeyLog({{Down, KEY_HP}, {Up, KEY_HP}, {Down, 0x1010}, {Up, 0x1010}, {Down, KEY_BACKSPACE},
                                   {Up, KEY_BACKSPACE}, {Down, KEY_LEFT}, {Up, KEY_LEFT}, {Down, KEY_MENU},
                                   {Up, KEY_MENU}, {Down, 'a'}, {Up, 'a'}, {Down, 'a'}, {Up, 'a'}, {Down, 0x8041},
                                   {Down, 0x4031}, {Down, '>'}, {Up, '>'}}));
        QTest::keyPress(&f.Panel(), Qt::Key_Return);
        QCOMPARE(f.PanelPixel(MenuKey), LitRgb);
        QTest::keyRelease(&f.Panel(), Qt::Key_Return);
        QCOMPARE(f.PanelPixel(MenuKey), RestRgb);

        HomeLog.clear();  // clicks press panel keys while held, Ctrl+clicks until Ctrl is released
        QTest::mousePress(&f.Panel(), Qt::LeftButton, {}, MenuKey);
        QCOMPARE(f.PanelPixel(MenuKey), LitRgb);
        QTest::mouseRelease(&f.Panel(), Qt::LeftButton, {}, MenuKey);
        QCOMPARE(f.PanelPixel(MenuKey), RestRgb);
        QTest::mouseClick(&f.Panel(), Qt::LeftButton, Qt::ControlModifier, StarKey);
        QCOMPARE(f.PanelPixel(StarKey), LitRgb);
        QTest::keyRelease(&f.Panel(), Qt::Key_Control);
        QCOMPARE(f.PanelPixel(StarKey), RestRgb);
        QTest::keyPress(&f.Panel(), Qt::Key_Return);  // a key held while the window loses the keyboard
        QFocusEvent focusOut(QEvent::FocusOut);
        QApplication::sendEvent(&f.Panel(), &focusOut);
        QCOMPARE(f.PanelPixel(MenuKey), RestRgb);
        QCOMPARE(f.Keys(), KeyLog({{Down, KEY_MENU}, {Up, KEY_MENU}, {Down, KEY_STAR}, {Up, KEY_STAR},
                                   {Down, KEY_MENU}, {Up, KEY_MENU}}));
    }

    void theWindowsShowTheHostsPicturesAndLcdAreaClicksToggleTheEnlargedLcdAndTheLcdWindow()
    {
        Fixture f;
        MainWindow& main = f.App().Main();
        ExpectShows(f.Panel(), Host.Client, 7);
        QCOMPARE(main.windowTitle(), QString("Orvel Simulator"));
        QTest::mouseMove(&f.Panel(), QPoint(7, 345));
        QCOMPARE(main.windowTitle(), QString("Orvel Simulator (x:  7 y:345)"));
        const int fullHeight = main.height();
        QTest::mouseClick(&f.Panel(), Qt::LeftButton, {}, LcdArea);
        QCOMPARE(f.Panel().height(), PANEL_ONLY_HEIGHT);
        QTRY_COMPARE(main.height(), fullHeight - (CLIENT_HEIGHT - PANEL_ONLY_HEIGHT));
        QTest::mouseClick(&f.Panel(), Qt::LeftButton, {}, LcdArea);
        QCOMPARE(f.Panel().height(), CLIENT_HEIGHT);
        QTRY_COMPARE(main.height(), fullHeight);

        LcdWindow& lcd = f.App().Lcd();
        QTest::mouseClick(&f.Panel(), Qt::RightButton, {}, QPoint(100, 100));  // outside the LCD area
        QVERIFY(!lcd.isVisible());
        QTest::mouseClick(&f.Panel(), Qt::RightButton, {}, LcdArea);
        QVERIFY(lcd.isVisible());
        QCOMPARE(lcd.windowTitle(), QString("LCD"));
        ExpectShows(lcd, Host.LcdWindow, 3);
        QTest::mouseMove(&lcd, QPoint(403, 17));
        QCOMPARE(lcd.windowTitle(), QString("LCD (4 x zoom) (x:100 y:  4)"));
        QTest::mouseClick(&f.Panel(), Qt::RightButton, {}, LcdArea);
        QVERIFY(!lcd.isVisible());
        f.App().ShowLcdWindow(true);
        QTest::mouseClick(&lcd, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!lcd.isVisible());
        f.App().ShowLcdWindow(true);
        QVERIFY(!lcd.close());  // the close box only hides it
        QVERIFY(!lcd.isVisible());
        QVERIFY(f.Keys().empty());
    }

    void saveLcdWritesABitmapAndShiftCtrlDragShadesTheRegionUntilAPlainClick()
    {
        Fixture f;
        QTemporaryDir dir;
        Host.OutputDir = dir.path().toStdString();
        f.App().Main().SaveLcdAction()->trigger();
        QCOMPARE(std::filesystem::file_size(dir.filePath("orvel-0000.bmp").toStdString()), LCD_BMP_SIZE);
        QCOMPARE(f.Asked.at(0).rfind("Captured: ", 0), 0U);

        const std::uint32_t highlight = f.Panel().palette().color(QPalette::Highlight).rgb() & 0xFFFFFF;
        const Qt::KeyboardModifiers shiftCtrl = Qt::ShiftModifier | Qt::ControlModifier;
        f.Answer = false;
        QTest::mousePress(&f.Panel(), Qt::LeftButton, shiftCtrl, QPoint(10, 20));
        QTest::mouseMove(&f.Panel(), QPoint(30, 40));
        QCOMPARE(f.PanelPixel({10, 20}), highlight);
        QCOMPARE(f.PanelPixel({11, 20}), RestRgb);
        QCOMPARE(f.PanelPixel({30, 40}), RestRgb);  // B's own column and row stay unshaded
        QTest::mouseRelease(&f.Panel(), Qt::LeftButton, shiftCtrl, QPoint(30, 40));
        QCOMPARE(f.Asked.at(1), std::string("Capture region: Region (10,20 -> 30,40)"));
        QCOMPARE(f.PanelPixel({10, 20}), highlight);  // the cancelled region stays shaded
        QTest::mouseClick(&f.Panel(), Qt::LeftButton, {}, QPoint(5, 190));
        QCOMPARE(f.PanelPixel({10, 20}), RestRgb);
        QVERIFY(!QFile::exists(dir.filePath("regions.txt")));
        QVERIFY(f.Keys().empty());
    }

    // "Inspect state" prints the document on one line and leaves the same text on the clipboard.
    void inspectStatePrintsTheStateAndCopiesItToTheClipboard()
    {
        Fixture f;
        QAction* inspect = f.App().Main().InspectAction();
        QCOMPARE(inspect->text(), QString("Inspect state"));
        std::fflush(stdout);
        const int savedStdout = dup(STDOUT_FILENO);
        FILE* printed = std::tmpfile();
        dup2(fileno(printed), STDOUT_FILENO);
        inspect->trigger();
        std::fflush(stdout);
        dup2(savedStdout, STDOUT_FILENO);
        close(savedStdout);
        std::rewind(printed);
        char line[4096] = "";
        QVERIFY(std::fgets(line, sizeof(line), printed));
        std::fclose(printed);
        const QString copied = QGuiApplication::clipboard()->text();
        QCOMPARE(QString(line), copied + "\n");
        const nlohmann::json state = nlohmann::json::parse(copied.toStdString());
        QCOMPARE(state["model"]["tracks"].get<int>(), 12);
        QVERIFY(state["page"]["title"].is_null() && state["controls"].empty());  // the home screen
    }
    // The time menu's shortcuts pause, step and set the speed without reaching the recorder; every tick,
    // stepped or at any speed, is TICK_MS of simulated time and drives the timing broadcasts.
    void pauseStopsTheTicksAndStepMovesExactlyOneTick()
    {
        Fixture f;
        TimeControl& time = f.App().Time();
        f.App().Main().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.App().Main()));
        const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
        QVERIFY(!time.Step());  // only while paused
        QTest::keyClick(&f.Panel(), Qt::Key_P, ctrlShift);
        QVERIFY(time.Paused() && !time.Timer().isActive());
        HomeLog.clear();
        const std::uint64_t ticks = time.Ticks();
        QTest::qWait(4 * TICK_MS);
        QCOMPARE(time.Ticks(), ticks);
        for (std::uint64_t step = 1; step <= 3; ++step) {
            QTest::keyClick(&f.Panel(), Qt::Key_N, ctrlShift);
            QCOMPARE(time.Ticks(), ticks + step);
            QCOMPARE(time.Now(), time.Ticks() * TICK_MS);
            QVERIFY(f.App().TimeUi().Label().text().contains(QString::fromStdString(SimTimeText(time.Now()))));
        }
        QCOMPARE(f.Received({MSG_TICK}).size(), 3U);
        const std::pair<int, const char*> speeds[] = {{Qt::Key_4, "running 4x"}, {Qt::Key_F, "running fastest"},
                                                      {Qt::Key_1, "running 1x"}};
        for (const auto& [key, state] : speeds) {
            QTest::keyClick(&f.Panel(), key, ctrlShift);
            QTest::keyClick(&f.Panel(), Qt::Key_P, ctrlShift);
            QVERIFY(f.App().TimeUi().Label().text().contains(state));
            const std::uint64_t from = time.Ticks();
            QTRY_VERIFY(time.Ticks() >= from + 3);
            QTest::keyClick(&f.Panel(), Qt::Key_P, ctrlShift);
            QCOMPARE(time.Now(), time.Ticks() * TICK_MS);
        }
        QCOMPARE(f.Received({MSG_TIMER_10MS}).size(), f.Received({MSG_TICK}).size());
        QVERIFY(f.Keys().empty());
    }

    // A session of keys, clicks, a held panel key, a cancelled region capture and a model change, stepped
    // on the simulated clock, replays headless with the recorded command line to the same LCD pictures.
    void aRecordedSessionReplaysHeadlessPictureForPicture()
    {
        Fixture f(nullptr, false, 4242);
        QTemporaryDir dir;
        Host.OutputDir = dir.path().toStdString();
        f.Answer = false;
        TimeControl& time = f.App().Time();
        time.SetPaused(true);
        f.App().Scripts().Record(dir.filePath("session.orvel"));
        PanelView& panel = f.Panel();
        const Qt::KeyboardModifiers shiftCtrl = Qt::ShiftModifier | Qt::ControlModifier;
        const std::pair<std::function<void()>, int> session[] = {
            {[] {}, 70},
            {[&] { QTest::keyClick(&panel, Qt::Key_F1); }, 40},
            {[&] { QTest::keyClick(&panel, Qt::Key_Escape); }, 9},
            {[&] { QTest::mousePress(&panel, Qt::LeftButton, {}, MenuKey); }, 5},
            {[&] { QTest::mouseRelease(&panel, Qt::LeftButton, {}, MenuKey); }, 20},
            {[&] { QTest::keyClick(&panel, Qt::Key_Down); QTest::keyClick(&panel, Qt::Key_Return); }, 30},
            {[&] { QTest::keyClicks(&panel, "m#b"); QTest::keyClick(&panel, Qt::Key_Up, Qt::ControlModifier); }, 25},
            {[&] { QTest::mouseClick(&panel, Qt::LeftButton, Qt::ControlModifier, StarKey); }, 12},
            {[&] { QTest::keyRelease(&panel, Qt::Key_Control); QTest::mousePress(&panel, Qt::LeftButton, shiftCtrl, {10, 20}); }, 3},
            {[&] { QTest::mouseMove(&panel, {40, 50}); QTest::mouseRelease(&panel, Qt::LeftButton, shiftCtrl, {40, 50}); }, 4},
            {[&] { f.App().Main().ModelAction(8)->trigger(); }, 61},
            {[&] { QTest::mouseClick(&panel, Qt::LeftButton, {}, LcdArea); }, 33},
        };
        std::vector<std::uint64_t> times;
        std::vector<RgbPicture> pictures;
        for (const auto& [act, ticks] : session) {
            act();
            Steps(time, ticks);
            times.push_back(time.Now());
            pictures.push_back(Lcd());
        }
        QVERIFY(f.App().Scripts().StopRecording().empty());
        QFile file(dir.filePath("session.orvel"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const std::string script = file.readAll().toStdString();
        const HeadlessRun replay = RunHeadless(ReplayOptions(script), WithShots(script, times));
        QVERIFY2(replay.Status == 0, qPrintable(replay.Err));
        QCOMPARE(replay.Shots.size(), pictures.size());
        for (std::size_t i = 0; i < pictures.size(); ++i)
            QVERIFY2(replay.Shots[i].Pixels == pictures[i].Pixels, qPrintable(QString("picture %1").arg(i)));
        QVERIFY(!replay.Wrote("regions.txt"));  // the capture was cancelled there too
    }

    // A script run in the window waits on the simulated clock and ends with the LCD orvel-headless shows;
    // a bad one is refused with the message orvel-headless gives.
    void aScriptRunInTheWindowGivesTheHeadlessLcd()
    {
        const std::string script = "wait 1000\npress MENU\nwait 250\npress DOWN\nwait 7\ntype m\nwait 333\n"
                                   "down HP\nwait 45\nup HP\nclick 700 100\nmenu Orvel 6\nwait 1001\n";
        Fixture f(nullptr, false, 99);
        QTemporaryDir shots;
        Host.OutputDir = shots.path().toStdString();
        TimeControl& time = f.App().Time();
        time.SetPaused(true);
        QCOMPARE(f.App().Scripts().RunText(script + "shot 0.png\n", "s.orvel"), std::string());
        for (int tick = 0; tick < 1000 && f.App().Scripts().Playing(); ++tick)
            QVERIFY(time.Step());
        QVERIFY(!f.App().Scripts().Playing());
        QCOMPARE(time.Now(), std::uint64_t{2640});  // the tick that ended the last wait at 2636
        RgbPicture shown;
        QVERIFY(PngRead(shots.filePath("0.png").toStdString(), shown));
        const HeadlessRun headless = RunHeadless({"--tick", "16", "--seed", "99", "--"}, script + "shot 0.png\n");
        QCOMPARE(headless.Shots.size(), 1U);
        QVERIFY(headless.Shots[0].Pixels == shown.Pixels);

        QTemporaryDir dir;
        for (const char* bad : {"wait 5\npresss MENU\n", "wait 99999999999\n", "goto NO SUCH PAGE\n"}) {
            const QString path = dir.filePath("bad.orvel");
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bad) > 0);
            file.close();
            const HeadlessRun refused = RunHeadless({"--"}, bad);
            QCOMPARE(refused.Status, 2);
            QCOMPARE(QString::fromStdString(f.App().Scripts().RunFile(path)),
                     QString(refused.Err).replace(QRegularExpression("^[^:]*"), path));
            QVERIFY(!f.App().Scripts().Playing());
        }
    }

    // Each zoom lays the client out anew, the LCD-area click still hides and shows the enlarged LCD,
    // and a zoom chosen while it is hidden shows when it comes back; the zoom is kept for the next run.
    void zoomLaysOutTheEnlargedLcdAtItsScaleAndIsKeptForTheNextRun()
    {
        {
            Fixture f;
            ZoomMenu& zoom = f.App().Zoom();
            QVERIFY(zoom.Action(2)->isChecked());
            for (int z : {1, 3, 4, 2, 3}) {
                zoom.Action(z)->trigger();
                const ClientLayout layout = ClientLayoutAt(z);
                QCOMPARE(f.Panel().size(), QSize(CLIENT_WIDTH, layout.Height));
                for (int other = MIN_LCD_ZOOM; other <= MAX_LCD_ZOOM; ++other)
                    QCOMPARE(zoom.Action(other)->isChecked(), other == z);
                const QImage shown = f.Panel().grab().toImage();
                ExpectLcdAt(shown, layout.LcdX, layout.LcdY, z);
                QCOMPARE(shown.pixel(layout.LcdX - 1, layout.LcdY) & 0xFFFFFF, 0xF0F0F0U);
                QCOMPARE(shown.pixel(MenuKey) & 0xFFFFFF, RestRgb);
                QTest::mouseClick(&f.Panel(), Qt::LeftButton, {}, LcdArea);
                QCOMPARE(f.Panel().height(), PANEL_ONLY_HEIGHT);
                QTest::mouseClick(&f.Panel(), Qt::LeftButton, {}, LcdArea);
                QCOMPARE(f.Panel().height(), layout.Height);
            }
            QTest::mouseClick(&f.Panel(), Qt::LeftButton, {}, LcdArea);
            zoom.Action(4)->trigger();  // hidden, it stays hidden until the click
            QCOMPARE(f.Panel().height(), PANEL_ONLY_HEIGHT);
            QTest::mouseClick(&f.Panel(), Qt::LeftButton, {}, LcdArea);
            QCOMPARE(f.Panel().height(), ClientLayoutAt(4).Height);
            ExpectLcdAt(f.Panel().grab().toImage(), ClientLayoutAt(4).LcdX, ClientLayoutAt(4).LcdY, 4);
        }
        Fixture again;
        QVERIFY(again.App().Zoom().Action(4)->isChecked());
        QCOMPARE(again.Panel().height(), ClientLayoutAt(4).Height);
        QVERIFY(again.Keys().empty());
    }

    // Ctrl+Shift+S goes to the window, never to the recorder; the dialog suggests the next free name in
    // the folder used last; a file that cannot be written gives an error box and nothing in the folder.
    void saveScreenshotWritesTheLcdAtTheZoomOnAShortcutTheRecorderNeverGets()
    {
        Fixture f;
        QTemporaryDir dir;
        MainWindow& main = f.App().Main();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        f.App().Zoom().Action(3)->trigger();
        QStringList suggested;
        QString chosen = dir.filePath("first.png");
        f.App().Screenshot().ChooseFilesWith([&](QWidget*, const QString& name) {
            suggested << name;
            return chosen;
        });
        QTest::keyClick(&f.Panel(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(suggested.size(), 1);
        const QImage saved = ImageOfFile(chosen);
        QCOMPARE(saved.size(), QSize(3 * LCD_WIDTH, 3 * LCD_HEIGHT));
        ExpectLcdAt(saved, 0, 0, 3);
        QVERIFY(main.statusBar()->currentMessage().contains(chosen));
        QVERIFY(f.Keys().empty());

        QFile(dir.filePath("orvel-0000.png")).open(QIODevice::WriteOnly);
        chosen = dir.filePath("missing/second.png");
        f.App().Screenshot().Action()->trigger();
        QCOMPARE(suggested.at(1), dir.filePath("orvel-0001.png"));
        QCOMPARE(f.Asked.size(), 1U);
        QVERIFY(f.Asked.at(0).starts_with("Error: Failed to write PNG file: "));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot),
                 QStringList({"first.png", "orvel-0000.png"}));
        // the menus' underlined letters leave the recorder its own Alt shortcuts
        QTest::keyClick(&f.Panel(), Qt::Key_T, Qt::AltModifier);
        QTest::keyClick(&f.Panel(), Qt::Key_H, Qt::AltModifier);
        QCOMPARE(f.Keys(), KeyLog({{Down, 0x4054}, {Down, 0x4048}}));
    }

    // The trace watches the host only while shown; it lists keys and pages, filters and pauses.
    void messageTraceListsKeysAndPagesWhileShown()
    {
        Fixture f;
        TraceDock& trace = f.App().Trace();
        QVERIFY(!HostObserved());
        trace.show();
        QVERIFY(HostObserved());
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, {}, "\x1b");
        QApplication::sendEvent(&f.Panel(), &escape);
        UIGotoPage(&MainMenuPage);
        trace.Flush();
        const QString both = trace.Shown();
        QVERIFY2(both.contains("WM_KEYDOWN: 0000001B") && both.contains("PAGE MAIN MENU"), qPrintable(both));
        trace.KindBox(HostTraceKind::Key)->setChecked(false);
        QVERIFY(!trace.Shown().contains("WM_KEYDOWN") && trace.Shown().contains("PAGE MAIN MENU"));
        trace.KindBox(HostTraceKind::Key)->setChecked(true);
        trace.PauseButton()->setChecked(true);
        QApplication::sendEvent(&f.Panel(), &escape);
        UIGotoPage(&UIHomePage);
        trace.Flush();
        QCOMPARE(trace.Shown(), both);
        trace.hide();
        QVERIFY(!HostObserved());
    }

    // Over either LCD view the control under the pointer is named; nothing is watched while hidden.
    void inspectorNamesTheControlUnderThePointer()
    {
        Fixture f;
        StateDock& inspector = f.App().Inspector();
        UITitle title = {.Control = {.Handler = UITitleHandler}, .Text = "SETUP"};
        UIButton ok = {.Control = {.Handler = UIButtonHandler, .X = 100, .Y = 40}, .Text = "OK", .Width = 30};
        UIControl* controls[] = {&title.Control, &ok.Control};
        UIPage page = {.Handler = UINullHandler, .ControlIndex = -1, .NControls = 2, .Controls = controls};
        UIGotoPage(&page);
        const auto hover = [](QWidget& widget, QPoint at) {
            QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, {}, {});
            QApplication::sendEvent(&widget, &move);
        };
        const ClientLayout lcd = ClientLayoutAt(Host.LcdZoom);
        hover(f.Panel(), {lcd.LcdX + 2 * 101, lcd.LcdY + 2 * 41});
        QCOMPARE(inspector.Hovered()->text(), QString("Point at the LCD to find a control"));
        inspector.show();
        QVERIFY(HostObserved());
        const std::tuple<QWidget*, QPoint, QString, int> rows[] = {
            {&f.Panel(), {lcd.LcdX + 2 * 101, lcd.LcdY + 2 * 41}, "(101, 41): button at (100, 40) \"OK\"", 1},
            {&f.App().Lcd(), {4 * 5, 4 * 3 + 3}, "(5, 3): title at (0, 0) \"SETUP\"", 0},
            {&f.App().Lcd(), {4 * 131, 4 * 41}, "(131, 41): no control", -1},
        };
        for (const auto& [widget, at, named, index] : rows) {
            hover(*widget, at);
            QCOMPARE(inspector.Hovered()->text(), named);
            QTreeWidgetItem* current = inspector.Tree()->currentItem();
            if (index >= 0)
                QCOMPARE(current ? current->text(0) : QString(), QString::number(index));
        }
        inspector.hide();
        QVERIFY(!HostObserved());
        UIGotoPage(&UIHomePage);
    }

private:
    QTemporaryDir settingsDir_;
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
