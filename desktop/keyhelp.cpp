#include "desktop/keyhelp.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QTableWidget>
#include <QVBoxLayout>

#include "desktop/keymap.h"
#include "host/panel.h"
#include "ui/catalogue.h"
#include "ui/ui.h"
#include "uicore/uikeys.h"

namespace {

QString NativeText(QKeyCombination keys)
{
    return QKeySequence(keys).toString(QKeySequence::NativeText);
}

Qt::KeyboardModifiers QtModifiers(std::uint32_t code)
{
    Qt::KeyboardModifiers mods;
    mods.setFlag(Qt::ControlModifier, (code & KEY_MOD_CTRL) != 0);
    mods.setFlag(Qt::AltModifier, (code & KEY_MOD_ALT) != 0);
    mods.setFlag(Qt::ShiftModifier, (code & KEY_MOD_SHIFT) != 0);
    return mods;
}

void AddKeyboardRow(int vk, std::int32_t, const char* help, void* rows)
{
    static_cast<std::vector<KeyHelpRow>*>(rows)->push_back(
        {NativeText(QKeyCombination(static_cast<Qt::Key>(QtKeyOfVirtualKey(vk)))), help});
}

QString ShortcutDoes(const UIPage* page, const char* action)
{
    if (!page)
        return action;
    char name[MAX_UI_TEXT];
    CataloguePageName(page, name);
    return QString("opens \"%1\"").arg(name);
}

// Shortcuts that do the same share a row: "F4, Shift+B".
void AddShortcutRow(std::uint32_t key, const UIPage* page, const char* action, void* context)
{
    auto& rows = *static_cast<std::vector<KeyHelpRow>*>(context);
    const QString does = ShortcutDoes(page, action);
    if (!rows.empty() && !rows.back().Keys.isEmpty() && rows.back().Does == does)
        rows.back().Keys += ", " + RecorderKeyText(key);
    else
        rows.push_back({RecorderKeyText(key), does});
}

void AddPanelRows(std::vector<KeyHelpRow>& rows)
{
    for (const PanelKeyPlace& place : PanelKeyTbl) {
        const QString digit = place.Digit ? QString(" (digit %1)").arg(place.Digit) : QString();
        rows.push_back({place.Label + digit, place.Help});
    }
}

}  // namespace

QString RecorderKeyText(std::uint32_t code)
{
    const std::uint32_t key = code & KEY_VALUE_MASK;
    const Qt::KeyboardModifiers mods = QtModifiers(code);
    if (key >= KEY_F1 && key <= KEY_F12)
        return NativeText(QKeyCombination(mods, static_cast<Qt::Key>(Qt::Key_F1 + (key - KEY_F1))));
    if (key > ' ' && key < 0x7F) {
        // a typed capital comes with Shift; Ctrl and Alt combinations come as the key's own capital
        const bool typedCapital = key >= 'A' && key <= 'Z' && !(code & (KEY_MOD_CTRL | KEY_MOD_ALT));
        return NativeText(QKeyCombination(typedCapital ? mods | Qt::ShiftModifier : mods, static_cast<Qt::Key>(key)));
    }
    return QString("key code %1 (no PC key gives it)").arg(code);
}

std::vector<KeyHelpRow> KeyHelpRows()
{
    std::vector<KeyHelpRow> rows{{{}, "PC keys"}};
    PanelKeyboardWalk(AddKeyboardRow, &rows);
    for (const PanelGesture& gesture : PanelGestures())
        rows.push_back({gesture.Keys, gesture.Help});
    rows.push_back({{}, "Keyboard shortcuts of the recorder"});
    ShortcutWalk(AddShortcutRow, &rows);
    rows.push_back({{}, "Panel keys (click them on the panel)"});
    AddPanelRows(rows);
    return rows;
}

KeyHelpWindow::KeyHelpWindow(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Keys");
    const std::vector<KeyHelpRow> rows = KeyHelpRows();
    auto* table = new QTableWidget(static_cast<int>(rows.size()), 2, this);
    table->setHorizontalHeaderLabels({"Keys", "On the recorder"});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(false);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const KeyHelpRow& help = rows[static_cast<std::size_t>(row)];
        table->setItem(row, 0, new QTableWidgetItem(help.Keys));
        table->setItem(row, 1, new QTableWidgetItem(help.Does));
        if (!help.Keys.isEmpty())
            continue;
        // a heading spans both columns, in bold
        QFont bold = table->font();
        bold.setBold(true);
        table->item(row, 1)->setFont(bold);
        table->setSpan(row, 0, 1, 2);
        table->setItem(row, 0, table->takeItem(row, 1));
    }
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(table->horizontalHeader()->length() + 40, 600);
}
