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
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <unistd.h>

#include "common/debug.h"
#include "desktop/desktopapp.h"
#include "desktop/desktopclock.h"
#include "desktop/options.h"
#include "host/bmpcapture.h"
#include "host/hostapp.h"
#include "host/hostdebug.h"
#include "orvel/orvel.h"
#include "ui/uihome.h"
#include "ui/uipages.h"
#include "uicore/uicontrols.h"
#include "uicore/uikeys.h"
#include "uicore/uitimer.h"

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
    explicit Fixture(const char* recorderArgument = nullptr) : homeHandler_(UIHomePage.Handler)
    {
        HostDebugQuiet(true);
        DesktopClockInstall();
        HomeLog.clear();
        app_ = std::make_unique<DesktopApp>([this](const std::string& text, const std::string& title, HostBox) {
            Asked.push_back(title + ": " + text);
            return Answer;
        });
        const char* argv[] = {"orvel-sim", recorderArgument};
        app_->Start(GreyPicture(PANEL_WIDTH, PANEL_HEIGHT, RestGrey), GreyPicture(PANEL_WIDTH, PANEL_HEIGHT, LitGrey),
                    recorderArgument ? 2 : 1, argv);
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

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        AssertSetSink([](const AssertReport& r) {
            AssertReports.push_back(std::string(r.Module) + ":" + std::to_string(r.Line) + ": " + r.Expression);
        });
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

    // Each timeout drives the host's timer and starts the next one, so a late tick never has a short
    // successor; the clock is the virtual one here, so that the test does not depend on real time.
    void eachTimeoutDrivesTheHostAndStartsTheNext()
    {
        Fixture f;
        QTimer& timer = f.App().Timer();
        QVERIFY(timer.isActive() && timer.isSingleShot());
        QCOMPARE(timer.interval(), TICK_MS);
        VirtualClockSet(TimeNow());
        const TimeSource desktop = TimeSetSource(VirtualClockNow);
        HomeLog.clear();
        for (int tick = 0; tick < 4; ++tick) {
            VirtualClockAdvance(10);
            timer.stop();
            QVERIFY(QMetaObject::invokeMethod(&timer, "timeout", Qt::DirectConnection));
            QVERIFY(timer.isActive());
        }
        TimeSetSource(desktop);
        QCOMPARE(f.Received({MSG_TICK}).size(), 4U);
        QCOMPARE(f.Received({MSG_TIMER_10MS}).size(), 3U);  // all but the very first tick
        QCOMPARE(f.Received({MSG_TIMECODE}).size(), 1U);  // with every third 10 ms tick
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
        InspectorDock& inspector = f.App().Inspector();
        UITitle title = {.Control = {.Handler = UITitleHandler}, .Text = "SETUP"};
        UIButton ok = {.Control = {.Handler = UIButtonHandler, .X = 100, .Y = 40}, .Text = "OK", .Width = 30};
        UIControl* controls[] = {&title.Control, &ok.Control};
        UIPage page = {.Handler = UINullHandler, .ControlIndex = -1, .NControls = 2, .Controls = controls};
        UIGotoPage(&page);
        const auto hover = [](QWidget& widget, QPoint at) {
            QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, {}, {});
            QApplication::sendEvent(&widget, &move);
        };
        hover(f.Panel(), {CLIENT_LCD_X + 2 * 101, CLIENT_LCD_Y + 2 * 41});
        QCOMPARE(inspector.Hovered()->text(), QString("Point at the LCD to find a control"));
        inspector.show();
        QVERIFY(HostObserved());
        const std::tuple<QWidget*, QPoint, QString, int> rows[] = {
            {&f.Panel(), {CLIENT_LCD_X + 2 * 101, CLIENT_LCD_Y + 2 * 41}, "(101, 41): button at (100, 40) \"OK\"", 1},
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
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
