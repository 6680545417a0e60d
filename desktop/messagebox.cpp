#include "desktop/messagebox.h"

namespace {

QMessageBox::Icon IconOf(HostBox kind)
{
    switch (kind) {
    case HostBox::Info:
        return QMessageBox::Information;
    case HostBox::Error:
        return QMessageBox::Critical;
    case HostBox::Warning:
        return QMessageBox::Warning;
    case HostBox::Plain:
    case HostBox::OkCancel:
        return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void SetUpMessageBox(QMessageBox& box, const std::string& text, const std::string& title, HostBox kind)
{
    box.setText(QString::fromStdString(text));
    box.setWindowTitle(QString::fromStdString(title));
    box.setIcon(IconOf(kind));
    box.setTextFormat(Qt::PlainText);
    if (kind == HostBox::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    box.setDefaultButton(QMessageBox::Ok);
}

bool AskUser(QWidget* parent, const std::string& text, const std::string& title, HostBox kind)
{
    QMessageBox box(parent);
    SetUpMessageBox(box, text, title, kind);
    return box.exec() == QMessageBox::Ok;
}
