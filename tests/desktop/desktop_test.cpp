// The desktop front end driven as a user drives it: menus, keys, clicks, the LCD window, the capture
// and the timer, on Qt's offscreen platform. What the host does with the input is tested with the host.
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

#include "desktop/options.h"
#include "desktop/picturepaint.h"
#include "desktop_fixture.h"
#include "host/bmpcapture.h"
#include "host/hostapp.h"
#include "host/hosttimer.h"
#include "orvel/orvel.h"
#include "uicore/uikeys.h"
#include "uicore/uiutils.h"

namespace {

using KeyLog = std::vector<std::pair<std::uint32_t, std::uint32_t>>;
constexpr std::uint32_t Down = MSG_KEY_DOWN;
constexpr std::uint32_t Up = MSG_KEY_UP;

const QPoint MenuKey(822, 139);
const QPoint StarKey(834, 102);
const QPoint LcdArea(700, 100);

std::vector<int> CheckedModels(MainWindow& main)
{
    std::vector<int> checked;
    for (int tracks : {4, 6, 8, 12})
        if (main.ModelAction(tracks)->isChecked())
            checked.push_back(tracks);
    return checked;
}

// A key event as Qt delivers it: typed text and auto-repeat come with the key.
struct QtKey {
    QEvent::Type Type;
    int Key;
    Qt::KeyboardModifiers Mods;
    const char* Text;
    bool Repeat;
};

int TimecodeFrames(std::uint32_t timecode)
{
    std::uint8_t h = 0, m = 0, s = 0, f = 0;
    UITimecodeSplit(timecode, &h, &m, &s, &f);
    return ((h * 60 + m) * 60 + s) * 30 + f;
}

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { CollectAssertReports(); }

    void cleanup()
    {
        const std::vector<std::string> reports = TakeAssertReports();
        QVERIFY2(reports.empty(), reports.empty() ? "" : reports.front().c_str());
    }

    void modelMenuKeepsExactlyOneCheckMarkAndTheFirstArgumentChoosesTheModel()
    {
        DesktopFixture f;
        MainWindow& main = f.App().Main();
        QCOMPARE(CheckedModels(main), std::vector<int>{12});
        for (int tracks : {8, 8, 4, 6, 12, 12}) {
            main.ModelAction(tracks)->trigger();  // a click on the checked item unchecks it first
            QCOMPARE(CheckedModels(main), std::vector<int>{tracks});
            QCOMPARE(OrvelGetNTracks(), tracks);
        }
        QStringList menus;
        for (QAction* menu : main.menuBar()->actions())
            menus << menu->text();
        QCOMPARE(menus, QStringList({"&File", "&Configure"}));
        DesktopFixture ten("10");
        QCOMPARE(OrvelGetNTracks(), 10);
        QVERIFY(CheckedModels(ten.App().Main()).empty());  // no menu item for ten tracks
    }

    void keysReachTheHomePageAsKeysOrTypedCharacters()
    {
        DesktopFixture f;
        constexpr auto Press = QEvent::KeyPress;
        constexpr auto Release = QEvent::KeyRelease;
        const Qt::KeyboardModifiers None = Qt::NoModifier;
        const QtKey events[] = {
            {Press, Qt::Key_Escape, None, "\x1b", false}, {Release, Qt::Key_Escape, None, "\x1b", false},
            {Press, Qt::Key_F5, Qt::ShiftModifier, "", false}, {Release, Qt::Key_F5, Qt::ShiftModifier, "", false},
            {Press, Qt::Key_Backspace, None, "\b", false}, {Release, Qt::Key_Backspace, None, "\b", false},
            {Press, Qt::Key_Left, None, "", false}, {Release, Qt::Key_Left, None, "", false},
            // auto-repeat neither presses nor releases a held key again, but keeps typing
            {Press, Qt::Key_Enter, None, "\r", false}, {Release, Qt::Key_Enter, None, "\r", true},
            {Press, Qt::Key_Enter, None, "\r", true}, {Release, Qt::Key_Enter, None, "\r", false},
            {Press, Qt::Key_A, None, "a", false}, {Press, Qt::Key_A, None, "a", true},
            {Release, Qt::Key_A, None, "a", false}, {Press, Qt::Key_A, Qt::ControlModifier, "\x01", false},
            {Press, Qt::Key_1, Qt::AltModifier, "1", false}, {Press, Qt::Key_Greater, Qt::ShiftModifier, ">", false},
            {Press, Qt::Key_E, None, "\xC3\xA9", false}, {Press, Qt::Key_CapsLock, None, "", false},
            // Ctrl with the arrows steps the levels: the releases belong to no press on this page
            {Press, Qt::Key_Up, Qt::ControlModifier, "", false}, {Release, Qt::Key_Up, Qt::ControlModifier, "", false},
        };
        for (const QtKey& e : events) {
            QKeyEvent event(e.Type, e.Key, e.Mods, QString::fromUtf8(e.Text), e.Repeat);
            QApplication::sendEvent(&f.Panel(), &event);
        }
        QCOMPARE(f.Keys(), KeyLog({{Down, KEY_HP}, {Up, KEY_HP}, {Down, 0x1010}, {Up, 0x1010}, {Down, KEY_BACKSPACE},
                               {Up, KEY_BACKSPACE}, {Down, KEY_LEFT}, {Up, KEY_LEFT}, {Down, KEY_MENU}, {Up, KEY_MENU},
                               {Down, 'a'}, {Up, 'a'}, {Down, 'a'}, {Up, 'a'}, {Down, 0x8041}, {Down, 0x4031},
                               {Down, '>'}, {Up, '>'}}));
        QTest::keyPress(&f.Panel(), Qt::Key_Return);
        QCOMPARE(f.PanelPixel(MenuKey.x(), MenuKey.y()), LIT_RGB);
        QTest::keyRelease(&f.Panel(), Qt::Key_Return);
        QCOMPARE(f.PanelPixel(MenuKey.x(), MenuKey.y()), REST_RGB);
    }

    void clicksPressPanelKeysWhileHeldAndCtrlClicksUntilCtrlIsReleased()
    {
        DesktopFixture f;
        QTest::mousePress(&f.Panel(), Qt::LeftButton, {}, MenuKey);
        QCOMPARE(f.PanelPixel(MenuKey.x(), MenuKey.y()), LIT_RGB);
        QCOMPARE(f.PanelPixel(MenuKey.x() - 30, MenuKey.y()), REST_RGB);
        QCOMPARE(f.Keys(), KeyLog({{Down, KEY_MENU}}));
        QTest::mouseRelease(&f.Panel(), Qt::LeftButton, {}, MenuKey);
        QCOMPARE(f.PanelPixel(MenuKey.x(), MenuKey.y()), REST_RGB);
        QTest::mouseClick(&f.Panel(), Qt::LeftButton, Qt::ControlModifier, StarKey);
        QCOMPARE(f.PanelPixel(StarKey.x(), StarKey.y()), LIT_RGB);
        QTest::keyRelease(&f.Panel(), Qt::Key_Control);
        QCOMPARE(f.PanelPixel(StarKey.x(), StarKey.y()), REST_RGB);
        QCOMPARE(f.Keys(), KeyLog({{Down, KEY_MENU}, {Up, KEY_MENU}, {Down, KEY_STAR}, {Up, KEY_STAR}}));
    }

    void theMainWindowShowsTheHostsClientPictureAndTheLcdAreaClickTogglesTheEnlargedLcd()
    {
        DesktopFixture f;
        MainWindow& main = f.App().Main();
        const QImage shown = f.Panel().grab().toImage();
        QCOMPARE(shown.size(), QSize(CLIENT_WIDTH, CLIENT_HEIGHT));
        for (int y = 0; y < CLIENT_HEIGHT; y += 7)
            for (int x = 0; x < CLIENT_WIDTH; x += 5)
                QCOMPARE(shown.pixel(x, y) & 0xFFFFFF, Host.Client.At(x, y));
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
        QVERIFY(f.Keys().empty());
    }

    void rightClickOnTheLcdAreaShowsTheLcdWindowWhichHidesOnClickOrClose()
    {
        DesktopFixture f;
        LcdWindow& lcd = f.App().Lcd();
        QTest::mouseClick(&f.Panel(), Qt::RightButton, {}, QPoint(100, 100));  // outside the LCD area
        QVERIFY(!lcd.isVisible());
        QTest::mouseClick(&f.Panel(), Qt::RightButton, {}, LcdArea);
        QVERIFY(lcd.isVisible());
        QCOMPARE(lcd.windowTitle(), QString("LCD"));
        QCOMPARE(lcd.size(), QSize(LCD_WINDOW_WIDTH, LCD_WINDOW_HEIGHT));
        const QImage shown = lcd.grab().toImage();
        for (int y = 0; y < LCD_WINDOW_HEIGHT; y += 3)
            for (int x = 0; x < LCD_WINDOW_WIDTH; x += 5)
                QCOMPARE(shown.pixel(x, y) & 0xFFFFFF, Host.LcdWindow.At(x, y));
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
    }

    void saveLcdWritesABitmapAndShiftCtrlDragShadesTheRegionUntilAPlainClick()
    {
        DesktopFixture f;
        QTemporaryDir dir;
        Host.OutputDir = dir.path().toStdString();
        QCOMPARE(f.App().Main().SaveLcdAction()->text(), QString("Save LCD"));
        f.App().Main().SaveLcdAction()->trigger();
        QCOMPARE(std::filesystem::file_size(dir.filePath("orvel-0000.bmp").toStdString()), LCD_BMP_SIZE);
        QCOMPARE(f.Asked.at(0).Title, std::string("Captured"));

        const std::uint32_t highlight = f.Panel().palette().color(QPalette::Highlight).rgb() & 0xFFFFFF;
        const Qt::KeyboardModifiers shiftCtrl = Qt::ShiftModifier | Qt::ControlModifier;
        f.Answers.push_back(false);
        QTest::mousePress(&f.Panel(), Qt::LeftButton, shiftCtrl, QPoint(10, 20));
        QTest::mouseMove(&f.Panel(), QPoint(30, 40));
        QCOMPARE(f.PanelPixel(10, 20), highlight);
        QCOMPARE(f.PanelPixel(11, 20), REST_RGB);
        QCOMPARE(f.PanelPixel(30, 40), REST_RGB);  // B's own column and row stay unshaded
        QTest::mouseRelease(&f.Panel(), Qt::LeftButton, shiftCtrl, QPoint(30, 40));
        QCOMPARE(f.Asked.at(1).Text, std::string("Region (10,20 -> 30,40)"));
        QCOMPARE(f.PanelPixel(10, 20), highlight);  // the cancelled region stays shaded
        QTest::mouseClick(&f.Panel(), Qt::LeftButton, {}, QPoint(5, 190));
        QCOMPARE(f.PanelPixel(10, 20), REST_RGB);
        QVERIFY(!QFile::exists(dir.filePath("regions.txt")));
        QVERIFY(f.Keys().empty());
    }

    void messageBoxesCarryTheHostsTextTitleIconAndButtons()
    {
        const struct {
            HostBox Kind;
            QMessageBox::Icon Icon;
            QMessageBox::StandardButtons Buttons;
        } cases[] = {
            {HostBox::OkCancel, QMessageBox::NoIcon, QMessageBox::Ok | QMessageBox::Cancel},
            {HostBox::Info, QMessageBox::Information, QMessageBox::Ok},
            {HostBox::Error, QMessageBox::Critical, QMessageBox::Ok},
            {HostBox::Warning, QMessageBox::Warning, QMessageBox::Ok},
            {HostBox::Plain, QMessageBox::NoIcon, QMessageBox::Ok},
        };
        for (const auto& c : cases) {
            QMessageBox box;
            SetUpMessageBox(box, "Region (1,2 -> 3,4)", "Capture region", c.Kind);
            QCOMPARE(box.text(), QString("Region (1,2 -> 3,4)"));
            QCOMPARE(box.windowTitle(), QString("Capture region"));
            QCOMPARE(box.icon(), c.Icon);
            QCOMPARE(box.standardButtons(), c.Buttons);
        }
    }

    void missingPanelPicturesLeaveTheWindowEmpty()
    {
        std::vector<AskedBox> asked;
        DesktopApp app([&asked](const std::string& text, const std::string& title, HostBox kind) {
            asked.push_back({text, title, kind});
            return true;
        });
        const char* argv[] = {"orvel-sim"};
        QVERIFY(!app.Start(RgbPicture {}, GreyPicture(PANEL_WIDTH, PANEL_HEIGHT, LIT_GREY), 1, argv));
        QCOMPARE(asked.size(), 1U);
        QCOMPARE(asked[0].Text, std::string("Failed to load background image"));
        QCOMPARE(asked[0].Title, std::string("Error"));
        QVERIFY(asked[0].Kind == HostBox::Plain);
        QVERIFY(!app.Timer().isActive());
        QVERIFY(app.Main().isVisible());
        QTest::mouseClick(&app.Main().Panel(), Qt::LeftButton, {}, MenuKey);  // nothing behind it to reach
        const QColor window = app.Main().Panel().palette().color(QPalette::Window);
        QCOMPARE(app.Main().Panel().grab().toImage().pixelColor(MenuKey), window);
    }


    void builtInPanelPicturesHaveThePanelsSize()
    {
        if (!QFile::exists(":/panel_rest.png") || !QFile::exists(":/panel_lit.png"))
            QSKIP("this build has no panel pictures built in");
        for (const RgbPicture& picture : {PanelRestPicture(), PanelLitPicture()}) {
            QCOMPARE(picture.Width, PANEL_WIDTH);
            QCOMPARE(picture.Height, PANEL_HEIGHT);
        }
        QVERIFY(PanelRestPicture().Pixels != PanelLitPicture().Pixels);
    }


    void onlyTheChangedRectangleIsRepainted()
    {
        RgbPicture picture = GreyPicture(41, 30, REST_GREY);  // rows of 123 bytes: not whole 8-byte words
        ShownPicture shown;
        QCOMPARE(shown.Take(picture), QRect(0, 0, 41, 30));
        QVERIFY(shown.Take(picture).isEmpty());
        picture.Set(5, 7, LIT_RGB);
        picture.Set(20, 3, REST_RGB + 1);  // differs in its last byte only
        QCOMPARE(shown.Take(picture), QRect(QPoint(5, 3), QPoint(20, 7)));
        QVERIFY(shown.Take(picture).isEmpty());
        picture.Set(40, 29, LIT_RGB);
        QCOMPARE(shown.Take(picture), QRect(40, 29, 1, 1));
        picture.Set(0, 12, LIT_RGB);
        picture.Set(40, 12, LIT_RGB);
        QCOMPARE(shown.Take(picture), QRect(0, 12, 41, 1));
        shown.Forget();
        QCOMPARE(shown.Take(picture), QRect(0, 0, 41, 30));
    }


    void commandLineOptionsAreTakenApart()
    {
        const char* argv[] = {"orvel-sim", "lite", "--press", "TC", "--press", "F10", "--screenshot", "s.png"};
        const DesktopOptions options = ParseDesktopOptions(std::size(argv), argv);
        QCOMPARE(options.Error, std::string());
        QCOMPARE(options.RecorderArgs, std::vector<std::string>({"orvel-sim", "lite"}));
        QCOMPARE(options.Presses, std::vector<std::int32_t>({KEY_TC, KEY_F10}));
        QCOMPARE(options.Screenshot, std::string("s.png"));
        const char* wrongKey[] = {"orvel-sim", "--press", "PLAY"};
        QCOMPARE(ParseDesktopOptions(3, wrongKey).Error, std::string("no such key: PLAY"));
        const char* twoArguments[] = {"orvel-sim", "10", "lite"};
        QCOMPARE(ParseDesktopOptions(3, twoArguments).Error, std::string("unexpected argument: lite"));
        const char* noValue[] = {"orvel-sim", "--screenshot"};
        QCOMPARE(ParseDesktopOptions(2, noValue).Error, std::string("--screenshot needs a value"));
    }


    void theTimerDrivesTimecodeAndSecondsInRealTime()
    {
        DesktopFixture f;
        QVERIFY(f.App().Timer().isActive());
        const int framesBefore = TimecodeFrames(HostTimerData.Timecode);
        QElapsedTimer running;
        running.start();
        QTest::qWait(1200);
        const double seconds = static_cast<double>(running.elapsed()) / 1000.0;
        const int frames = TimecodeFrames(HostTimerData.Timecode) - framesBefore;
        QVERIFY(!f.Received(MSG_TIMER_1S).empty());
        // each frame needs at least 30 ms of ticks; scheduling delays only make frames rarer
        QVERIFY2(frames <= seconds * 1000.0 / 30.0 + 1, qPrintable(QString::number(frames)));
        QVERIFY2(frames >= seconds * 30.0 * 0.6, qPrintable(QString::number(frames)));
        const std::vector<HomeMessage> ticks = f.Received(MSG_TICK);
        QVERIFY(ticks.size() > 10);
        for (std::size_t i = 1; i < ticks.size(); ++i)
            QVERIFY2(
                ticks[i].At - ticks[i - 1].At >= 10, "a tick less than 10 ms after the one before counts for nothing");
        QCOMPARE(f.Received(MSG_TIMER_10MS).size(), ticks.size() - 1);  // all but the very first tick
    }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
