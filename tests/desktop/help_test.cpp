// The help of orvel-sim: its command line without a display, and Help > Keys against the tables the
// host and the recorder work with.
#include <QApplication>
#include <QKeySequence>
#include <QProcess>
#include <QTest>

#include "desktop/keyhelp.h"
#include "desktop/keymap.h"
#include "desktop/options.h"
#include "host/panel.h"
#include "ui/catalogue.h"
#include "ui/ui.h"
#include "uicore/uikeys.h"

namespace {

struct Shortcut {
    std::uint32_t Key;
    const UIPage* Page;
    QString Action;
};

std::vector<Shortcut> Shortcuts()
{
    std::vector<Shortcut> all;
    ShortcutWalk(
        [](std::uint32_t key, const UIPage* page, const char* action, void* context) {
            static_cast<std::vector<Shortcut>*>(context)->push_back({key, page, action ? action : ""});
        },
        &all);
    return all;
}

// The row that names the keys among its comma-parted keys, or null.
const KeyHelpRow* RowOf(const std::vector<KeyHelpRow>& rows, const QString& keys)
{
    for (const KeyHelpRow& row : rows)
        if (row.Keys.split(", ").contains(keys))
            return &row;
    return nullptr;
}

struct Run {
    QStringList Args;
    QString Platform;  // QT_QPA_PLATFORM, or empty for none
    int Status;
    QString Out;  // what the standard output starts with
    QString Err;  // what the standard error holds, in one line
};

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT

private slots:
    void keysWindowListsEveryKeyOfTheKeyboardTableAndEveryShortcut()
    {
        const std::vector<KeyHelpRow> rows = KeyHelpRows();
        std::vector<std::pair<QString, QString>> expected;  // keys, what they do
        PanelKeyboardWalk(
            [](int vk, std::int32_t, const char* help, void* context) {
                static_cast<std::vector<std::pair<QString, QString>>*>(context)->emplace_back(
                    QKeySequence(QtKeyOfVirtualKey(vk)).toString(QKeySequence::NativeText), help);
            },
            &expected);
        for (const Shortcut& shortcut : Shortcuts()) {
            char name[MAX_UI_TEXT] = "";
            if (shortcut.Page)
                CataloguePageName(shortcut.Page, name);
            expected.emplace_back(RecorderKeyText(shortcut.Key), shortcut.Page ? QString(name) : shortcut.Action);
        }
        for (const PanelKeyPlace& place : PanelKeyTbl)
            expected.emplace_back(place.Label + (place.Digit ? QString(" (digit %1)").arg(place.Digit) : ""), place.Help);
        for (const auto& [keys, does] : expected) {
            const KeyHelpRow* row = RowOf(rows, keys);
            QVERIFY2(row, qPrintable(keys));
            QVERIFY2(row->Does.contains(does), qPrintable(keys + ": " + row->Does));
        }
    }

    void shortcutKeysAreNamedAsTheyAreTypedAndApart()
    {
        const std::pair<std::uint32_t, const char*> names[] = {
            {KEY_MOD_CTRL | 'R', "Ctrl+R"}, {KEY_MOD_ALT | 'S', "Alt+S"}, {'B', "Shift+B"},
            {KEY_F4, "F4"}, {KEY_MOD_CTRL | std::uint32_t{KEY_F1}, "Ctrl+F1"}, {'>', ">"}};
        for (const auto& [code, name] : names)
            QCOMPARE(RecorderKeyText(code), QString(name));
        QStringList seen;
        for (const Shortcut& shortcut : Shortcuts()) {
            const QString text = RecorderKeyText(shortcut.Key);
            QVERIFY2(!seen.contains(text), qPrintable(text + " names two keys"));
            seen << text;
        }
    }

    void commandLineWithoutADisplay()
    {
        const Run runs[] = {
            {{"--help"}, "", 0, DesktopUsage().c_str(), ""},
            {{"-h"}, "xcb", 0, DesktopUsage().c_str(), ""},
            {{"--version"}, "", 0, "orvel-sim " ORVEL_VERSION "\n", ""},
            {{}, "", 1, "", "orvel-sim: no display"},
            {{"10"}, "xcb", 1, "", "orvel-sim: no display"},
            {{"--screenshot", "--help"}, "wayland;xcb", 1, "", "orvel-sim: no display"},
        };
        for (const Run& run : runs) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
                env.remove(name);
            if (!run.Platform.isEmpty())
                env.insert("QT_QPA_PLATFORM", run.Platform);
            QProcess program;
            program.setProcessEnvironment(env);
            program.start(ORVEL_SIM, run.Args);
            QVERIFY(program.waitForFinished(10000));
            const QString out = program.readAllStandardOutput();
            const QString err = program.readAllStandardError();
            const QString what = run.Args.join(' ') + ": " + err;
            QVERIFY2(program.exitStatus() == QProcess::NormalExit, qPrintable(what));
            QVERIFY2(program.exitCode() == run.Status, qPrintable(what));
            QVERIFY2(run.Out.isEmpty() ? out.isEmpty() : out.startsWith(run.Out), qPrintable(what + out));
            QVERIFY2(run.Err.isEmpty() ? err.isEmpty() : err.startsWith(run.Err), qPrintable(what));
            QCOMPARE(err.count(QChar(10)), run.Err.isEmpty() ? 0 : 1);
            if (run.Status != 0)
                QVERIFY2(err.contains("xvfb-run") && err.contains("orvel-headless"), qPrintable(what));
        }
    }
};

QTEST_MAIN(HelpTest)
#include "help_test.moc"
