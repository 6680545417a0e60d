#pragma once
// "Help" > "Keys": every PC key and mouse action and what it does on the recorder, the panel keys and
// the recorder's keyboard shortcuts, made from the tables the host and the recorder work with.
#include <QDialog>
#include <QString>
#include <cstdint>
#include <vector>

struct KeyHelpRow {
    QString Keys;  // empty for a section heading, whose text is in Does
    QString Does;
};

std::vector<KeyHelpRow> KeyHelpRows();
// A recorder key code as the PC keys that give it ("Ctrl+R", "F4", "Shift+B", ">").
QString RecorderKeyText(std::uint32_t code);

class KeyHelpWindow : public QDialog {
public:
    explicit KeyHelpWindow(QWidget* parent);
};
