// The desktop front end driven as a user drives it: menus, keys, clicks, the LCD window, the capture
// and the timer, on Qt's offscreen platform.
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "desktop/keymap.h"
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

void SendKey(
    QWidget& widget, QEvent::Type type, int key, Qt::KeyboardModifiers mods, const QString& text, bool autoRepeat)
{
    QKeyEvent event(type, key, mods, text, autoRepeat);
    QApplication::sendEvent(&widget, &event);
}

std::string ReadFile(const QString& path)
{
    std::ifstream in(path.toStdString());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

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

    void modelMenuKeepsExactlyOneCheckMark()
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
    }

    void firstArgumentIsTheRecordersCommandLine()
    {
        DesktopFixture f("10");
        QCOMPARE(OrvelGetNTracks(), 10);
        QVERIFY(CheckedModels(f.App().Main()).empty());  // no menu item for ten tracks
        f.App().Main().ModelAction(6)->trigger();
        QCOMPARE(CheckedModels(f.App().Main()), std::vector<int>{6});
    }

    void keysReachTheHomePageAndLightTheirPanelKey()
    {
        DesktopFixture f;
        QTest::keyPress(&f.Panel(), Qt::Key_Return);
        QCOMPARE(f.PanelPixel(MenuKey.x(), MenuKey.y()), LIT_RGB);
        QCOMPARE(f.Keys(), KeyLog({{MSG_KEY_DOWN, KEY_MENU}}));
        QTest::keyRelease(&f.Panel(), Qt::Key_Return);
        QCOMPARE(f.PanelPixel(MenuKey.x(), MenuKey.y()), REST_RGB);
        QTest::keyClick(&f.Panel(), Qt::Key_Escape);
        QTest::keyClick(&f.Panel(), Qt::Key_F5, Qt::ShiftModifier);
        QTest::keyClick(&f.Panel(), Qt::Key_Backspace);
        QTest::keyClick(&f.Panel(), Qt::Key_Left);
        QCOMPARE(f.Keys(),
            KeyLog({{MSG_KEY_DOWN, KEY_MENU}, {MSG_KEY_UP, KEY_MENU}, {MSG_KEY_DOWN, KEY_HP}, {MSG_KEY_UP, KEY_HP},
                {MSG_KEY_DOWN, 0x1010}, {MSG_KEY_UP, 0x1010}, {MSG_KEY_DOWN, KEY_BACKSPACE},
                {MSG_KEY_UP, KEY_BACKSPACE}, {MSG_KEY_DOWN, KEY_LEFT}, {MSG_KEY_UP, KEY_LEFT}}));
    }

    void typedCharactersAreWholePressesAndCtrlAltCombinationsComeOnce()
    {
        DesktopFixture f;
        SendKey(f.Panel(), QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a", false);
        SendKey(f.Panel(), QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a", true);  // repeats keep typing
        SendKey(f.Panel(), QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a", false);
        SendKey(f.Panel(), QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier, "\x01", false);
        SendKey(f.Panel(), QEvent::KeyPress, Qt::Key_1, Qt::AltModifier, "1", false);
        SendKey(f.Panel(), QEvent::KeyPress, Qt::Key_Greater, Qt::ShiftModifier, ">", false);
        QCOMPARE(f.Keys(),
            KeyLog({{MSG_KEY_DOWN, 'a'}, {MSG_KEY_UP, 'a'}, {MSG_KEY_DOWN, 'a'}, {MSG_KEY_UP, 'a'},
                {MSG_KEY_DOWN, 0x8041}, {MSG_KEY_DOWN, 0x4031}, {MSG_KEY_DOWN, '>'}, {MSG_KEY_UP, '>'}}));
    }

    void autoRepeatNeitherPressesNorReleasesAHeldKeyAgain()
    {
        DesktopFixture f;
        SendKey(f.Panel(), QEvent::KeyPress, Qt::Key_Enter, Qt::NoModifier, "\r", false);
        SendKey(f.Panel(), QEvent::KeyRelease, Qt::Key_Enter, Qt::NoModifier, "\r", true);
        SendKey(f.Panel(), QEvent::KeyPress, Qt::Key_Enter, Qt::NoModifier, "\r", true);
        QCOMPARE(f.PanelPixel(MenuKey.x(), MenuKey.y()), LIT_RGB);
        SendKey(f.Panel(), QEvent::KeyRelease, Qt::Key_Enter, Qt::NoModifier, "\r", false);
        QCOMPARE(f.Keys(), KeyLog({{MSG_KEY_DOWN, KEY_MENU}, {MSG_KEY_UP, KEY_MENU}}));
    }

    void ctrlArrowsStepTheLevelsInsteadOfTheEncoder()
    {
        DesktopFixture f;
        QTest::keyClick(&f.Panel(), Qt::Key_Up, Qt::ControlModifier);
        QTest::keyClick(&f.Panel(), Qt::Key_Down, Qt::ControlModifier);
        QVERIFY(f.Keys().empty());  // the releases belong to no press on this page, so it never sees them
        QTest::keyClick(&f.Panel(), Qt::Key_Up);
        QCOMPARE(f.Keys(), KeyLog({{MSG_KEY_DOWN, KEY_UP}, {MSG_KEY_UP, KEY_UP}}));
    }

    void qtKeysMapToVirtualKeyCodes()
    {
        QCOMPARE(VirtualKeyOfQtKey(Qt::Key_F1), 112);
        QCOMPARE(VirtualKeyOfQtKey(Qt::Key_F12), 123);
        QCOMPARE(VirtualKeyOfQtKey(Qt::Key_Enter), 13);
        QCOMPARE(VirtualKeyOfQtKey(Qt::Key_Control), 17);
        QCOMPARE(VirtualKeyOfQtKey(Qt::Key_Down), 40);
        QCOMPARE(VirtualKeyOfQtKey(Qt::Key_Q), int('Q'));
        QCOMPARE(VirtualKeyOfQtKey(Qt::Key_7), int('7'));
        QCOMPARE(VirtualKeyOfQtKey(Qt::Key_Less), int('<'));
        QCOMPARE(VirtualKeyOfQtKey(Qt::Key_CapsLock), 0);
        QCOMPARE(TypedCharacter("~", {}), std::uint32_t('~'));
        QCOMPARE(TypedCharacter("\xE9", {}), 0U);
        QCOMPARE(TypedCharacter("s", {.Ctrl = false, .Shift = false, .Alt = true}), 0U);
    }

    void clickOnAPanelKeyPressesItUntilTheButtonIsReleased()
    {
        DesktopFixture f;
        QTest::mousePress(&f.Panel(), Qt::LeftButton, {}, MenuKey);
        QCOMPARE(f.PanelPixel(MenuKey.x(), MenuKey.y()), LIT_RGB);
        QCOMPARE(f.PanelPixel(MenuKey.x() - 30, MenuKey.y()), REST_RGB);
        QCOMPARE(f.Keys(), KeyLog({{MSG_KEY_DOWN, KEY_MENU}}));
        QTest::mouseRelease(&f.Panel(), Qt::LeftButton, {}, MenuKey);
        QCOMPARE(f.PanelPixel(MenuKey.x(), MenuKey.y()), REST_RGB);
        QCOMPARE(f.Keys(), KeyLog({{MSG_KEY_DOWN, KEY_MENU}, {MSG_KEY_UP, KEY_MENU}}));
    }

    void ctrlClicksHoldKeysUntilCtrlIsReleased()
    {
        DesktopFixture f;
        QTest::mouseClick(&f.Panel(), Qt::LeftButton, Qt::ControlModifier, StarKey);
        QTest::mouseClick(&f.Panel(), Qt::LeftButton, {}, MenuKey);
        QCOMPARE(f.PanelPixel(StarKey.x(), StarKey.y()), LIT_RGB);
        QCOMPARE(f.PanelPixel(MenuKey.x(), MenuKey.y()), REST_RGB);
        QTest::keyRelease(&f.Panel(), Qt::Key_Control);
        QCOMPARE(f.PanelPixel(StarKey.x(), StarKey.y()), REST_RGB);
        QCOMPARE(f.Keys(),
            KeyLog(
                {{MSG_KEY_DOWN, KEY_STAR}, {MSG_KEY_DOWN, KEY_MENU}, {MSG_KEY_UP, KEY_MENU}, {MSG_KEY_UP, KEY_STAR}}));
    }

    void theMainWindowShowsTheHostsClientPicture()
    {
        DesktopFixture f;
        const QImage shown = f.Panel().grab().toImage();
        QCOMPARE(shown.size(), QSize(CLIENT_WIDTH, CLIENT_HEIGHT));
        for (int y = 0; y < CLIENT_HEIGHT; y += 7)
            for (int x = 0; x < CLIENT_WIDTH; x += 5)
                QCOMPARE(shown.pixel(x, y) & 0xFFFFFF, Host.Client.At(x, y));
        QCOMPARE(f.App().Main().windowTitle(), QString("Orvel Simulator"));
        QTest::mouseMove(&f.Panel(), QPoint(7, 345));
        QCOMPARE(f.App().Main().windowTitle(), QString("Orvel Simulator (x:  7 y:345)"));
    }

    void clickOnTheLcdAreaTogglesTheEnlargedLcd()
    {
        DesktopFixture f;
        MainWindow& main = f.App().Main();
        const int fullHeight = main.height();
        QTest::mouseClick(&f.Panel(), Qt::LeftButton, {}, LcdArea);
        QCOMPARE(f.Panel().height(), PANEL_ONLY_HEIGHT);
        QTRY_COMPARE(main.height(), fullHeight - (CLIENT_HEIGHT - PANEL_ONLY_HEIGHT));
        QCOMPARE(f.Panel().width(), CLIENT_WIDTH);
        QTest::mouseClick(&f.Panel(), Qt::LeftButton, {}, LcdArea);
        QCOMPARE(f.Panel().height(), CLIENT_HEIGHT);
        QTRY_COMPARE(main.height(), fullHeight);
        QVERIFY(f.Keys().empty());
    }

    void rightClickOnTheLcdAreaShowsAndHidesTheLcdWindow()
    {
        DesktopFixture f;
        LcdWindow& lcd = f.App().Lcd();
        QVERIFY(!lcd.isVisible());
        QTest::mouseClick(&f.Panel(), Qt::RightButton, {}, QPoint(100, 100));  // outside the LCD area
        QVERIFY(!lcd.isVisible());
        QTest::mouseClick(&f.Panel(), Qt::RightButton, {}, LcdArea);
        QVERIFY(lcd.isVisible());
        QCOMPARE(lcd.windowTitle(), QString("LCD"));
        QCOMPARE(lcd.size(), QSize(LCD_WINDOW_WIDTH, LCD_WINDOW_HEIGHT));
        QTest::mouseClick(&f.Panel(), Qt::RightButton, {}, LcdArea);
        QVERIFY(!lcd.isVisible());
    }

    void theLcdWindowShowsItsPictureAndHidesOnClickOrClose()
    {
        DesktopFixture f;
        LcdWindow& lcd = f.App().Lcd();
        f.App().ShowLcdWindow(true);
        const QImage shown = lcd.grab().toImage();
        for (int y = 0; y < LCD_WINDOW_HEIGHT; y += 3)
            for (int x = 0; x < LCD_WINDOW_WIDTH; x += 5)
                QCOMPARE(shown.pixel(x, y) & 0xFFFFFF, Host.LcdWindow.At(x, y));
        QTest::mouseMove(&lcd, QPoint(403, 17));
        QCOMPARE(lcd.windowTitle(), QString("LCD (4 x zoom) (x:100 y:  4)"));
        QTest::mouseClick(&lcd, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!lcd.isVisible());
        f.App().ShowLcdWindow(true);
        QVERIFY(!lcd.close());  // the close box only hides it
        QVERIFY(!lcd.isVisible());
        QTest::mouseClick(&f.Panel(), Qt::RightButton, {}, LcdArea);
        QVERIFY(lcd.isVisible());
    }

    void saveLcdWritesNumberedBitmapsAndSaysWhere()
    {
        DesktopFixture f;
        QTemporaryDir dir;
        Host.OutputDir = dir.path().toStdString();
        f.App().Main().SaveLcdAction()->trigger();
        f.App().Main().SaveLcdAction()->trigger();
        QCOMPARE(f.App().Main().SaveLcdAction()->text(), QString("Save LCD"));
        for (const char* name : {"orvel-0000.bmp", "orvel-0001.bmp"}) {
            const std::filesystem::path path = std::filesystem::path(Host.OutputDir) / name;
            QVERIFY2(std::filesystem::exists(path), name);
            QCOMPARE(std::filesystem::file_size(path), LCD_BMP_SIZE);
        }
        QCOMPARE(f.Asked.size(), 2U);
        QCOMPARE(f.Asked[1].Text,
            "LCD bitmap saved to \n" + (std::filesystem::path(Host.OutputDir) / "orvel-0001.bmp").string());
        QCOMPARE(f.Asked[1].Title, std::string("Captured"));
        QVERIFY(f.Asked[1].Kind == HostBox::Info);
    }

    void shiftCtrlDragCapturesARegionOnOkOnly()
    {
        DesktopFixture f;
        QTemporaryDir dir;
        Host.OutputDir = dir.path().toStdString();
        const QString regions = dir.filePath("regions.txt");
        const std::uint32_t highlight = f.Panel().palette().color(QPalette::Highlight).rgb() & 0xFFFFFF;
        const Qt::KeyboardModifiers shiftCtrl = Qt::ShiftModifier | Qt::ControlModifier;

        QTest::mousePress(&f.Panel(), Qt::LeftButton, shiftCtrl, QPoint(10, 20));
        QTest::mouseMove(&f.Panel(), QPoint(30, 40));
        QCOMPARE(f.PanelPixel(10, 20), highlight);
        QCOMPARE(f.PanelPixel(11, 20), REST_RGB);
        QCOMPARE(f.PanelPixel(30, 40), REST_RGB);  // B's own column and row stay unshaded
        QTest::mouseRelease(&f.Panel(), Qt::LeftButton, shiftCtrl, QPoint(30, 40));
        QCOMPARE(ReadFile(regions), std::string("    { 0, {  10,   20,   30,   40}, 0, 0 },\n"));
        QCOMPARE(f.Asked.back().Text, std::string("Region (10,20 -> 30,40)"));
        QCOMPARE(f.Asked.back().Title, std::string("Capture region"));
        QVERIFY(f.Asked.back().Kind == HostBox::OkCancel);

        f.Answers.push_back(false);
        QTest::mousePress(&f.Panel(), Qt::LeftButton, shiftCtrl, QPoint(100, 5));
        QTest::mouseRelease(&f.Panel(), Qt::LeftButton, shiftCtrl, QPoint(120, 9));
        QCOMPARE(ReadFile(regions), std::string("    { 0, {  10,   20,   30,   40}, 0, 0 },\n"));
        QCOMPARE(f.PanelPixel(100, 6), highlight);  // the cancelled region stays shaded
        QTest::mouseClick(&f.Panel(), Qt::LeftButton, {}, QPoint(5, 190));
        QCOMPARE(f.PanelPixel(100, 6), REST_RGB);
        QVERIFY(f.Keys().empty());
    }

    void messageBoxesCarryTheHostsTextTitleIconAndButtons()
    {
        QMessageBox box;
        SetUpMessageBox(box, "Region (1,2 -> 3,4)", "Capture region", HostBox::OkCancel);
        QCOMPARE(box.text(), QString("Region (1,2 -> 3,4)"));
        QCOMPARE(box.windowTitle(), QString("Capture region"));
        QCOMPARE(box.icon(), QMessageBox::NoIcon);
        QCOMPARE(box.standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
        SetUpMessageBox(box, "LCD bitmap saved to \nx.bmp", "Captured", HostBox::Info);
        QCOMPARE(box.icon(), QMessageBox::Information);
        QCOMPARE(box.standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        SetUpMessageBox(box, "Failed to write BMP file: \nx", "Error", HostBox::Error);
        QCOMPARE(box.icon(), QMessageBox::Critical);
        SetUpMessageBox(box, "Failed to open file", "Error", HostBox::Warning);
        QCOMPARE(box.icon(), QMessageBox::Warning);
        SetUpMessageBox(box, "Failed to load background image", "Error", HostBox::Plain);
        QCOMPARE(box.icon(), QMessageBox::NoIcon);
        QCOMPARE(box.standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
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
