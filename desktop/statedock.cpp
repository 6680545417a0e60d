#include "desktop/statedock.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "canvas/lcdcanvas.h"
#include "host/hostapp.h"
#include "host/uistate.h"

namespace {

using Json = nlohmann::ordered_json;

constexpr int REFRESH_MS = 100;  // at most ten rebuilds a second however often the LCD is drawn

// Where the LCD views lie in the host's pictures and how much they are enlarged.
struct LcdView {
    int X;
    int Y;
    int Scale;
};

// The enlarged LCD below the panel follows the zoom.
LcdView ClientLcd()
{
    const ClientLayout layout = ClientLayoutAt(Host.LcdZoom);
    return {layout.LcdX, layout.LcdY, Host.LcdZoom};
}

constexpr LcdView WindowLcd = {0, 0, LCD_WINDOW_SCALE};

QString Scalar(const Json& value)
{
    if (value.is_string())
        return QString::fromStdString(value.get<std::string>());
    return QString::fromStdString(value.dump(-1, ' ', false, Json::error_handler_t::replace));
}

// What a control is, in a line: its type and position, then its text and value when it has them.
QString ControlLine(const Json& control)
{
    QString line = QString("%1 at (%2, %3)").arg(Scalar(control["type"])).arg(Scalar(control["x"]), Scalar(control["y"]));
    if (!control["text"].is_null())
        line += QString(" \"%1\"").arg(Scalar(control["text"]));
    if (!control["value"].is_null())
        line += QString(" = %1").arg(Scalar(control["value"]));
    return line;
}

void AddItems(QTreeWidgetItem* parent, const Json& value);

QTreeWidgetItem* AddItem(QTreeWidgetItem* parent, const QString& key, const Json& value)
{
    auto* item = new QTreeWidgetItem(parent, {key});
    if (value.is_structured())
        AddItems(item, value);
    else
        item->setText(1, Scalar(value));
    return item;
}

void AddItems(QTreeWidgetItem* parent, const Json& value)
{
    if (value.is_object()) {
        for (const auto& [key, member] : value.items())
            AddItem(parent, QString::fromStdString(key), member);
        return;
    }
    int index = 0;
    for (const Json& element : value) {
        QTreeWidgetItem* item = AddItem(parent, QString::number(index++), element);
        if (element.contains("type"))
            item->setText(1, ControlLine(element));
    }
}

}  // namespace

StateDock::StateDock(QWidget* panel, QWidget* lcdWindow, QWidget* parent)
    : QDockWidget("Inspector", parent), panel_(panel), lcdWindow_(lcdWindow)
{
    setObjectName("Inspector");
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    hovered_ = new QLabel("Point at the LCD to find a control", body);
    hovered_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    tree_ = new QTreeWidget(body);
    tree_->setHeaderLabels({"Field", "Value"});
    tree_->setColumnWidth(0, 140);
    layout->addWidget(hovered_);
    layout->addWidget(tree_);
    setWidget(body);
    expanded_ = {"page", "editor", "controls"};
    throttle_.setSingleShot(true);
    throttle_.setInterval(REFRESH_MS);
    connect(&throttle_, &QTimer::timeout, this, [this] { Refresh(); });
}

StateDock::~StateDock()
{
    HostUnobserve(this);
}

void StateDock::LcdRedrawn()
{
    if (!throttle_.isActive())
        throttle_.start();
}

void StateDock::Refresh()
{
    auto* root = tree_->invisibleRootItem();
    if (root->childCount() > 0) {
        expanded_.clear();
        Remember(root, {});
    }
    const int scroll = tree_->verticalScrollBar()->value();
    state_ = Json::parse(InspectState(), nullptr, false);
    tree_->clear();
    if (!state_.is_discarded())
        AddItems(root, state_);
    Restore(root, {});
    tree_->verticalScrollBar()->setValue(scroll);
}

void StateDock::Remember(QTreeWidgetItem* item, const QString& path)
{
    for (int i = 0; i < item->childCount(); ++i) {
        QTreeWidgetItem* child = item->child(i);
        const QString childPath = path + '/' + child->text(0);
        if (child->isExpanded())
            expanded_.insert(childPath.mid(1));
        Remember(child, childPath);
    }
}

void StateDock::Restore(QTreeWidgetItem* item, const QString& path)
{
    for (int i = 0; i < item->childCount(); ++i) {
        QTreeWidgetItem* child = item->child(i);
        const QString childPath = path + '/' + child->text(0);
        child->setExpanded(expanded_.contains(childPath.mid(1)));
        Restore(child, childPath);
    }
}

void StateDock::showEvent(QShowEvent* event)
{
    QDockWidget::showEvent(event);
    HostObserve(this);
    panel_->installEventFilter(this);
    lcdWindow_->installEventFilter(this);
    Refresh();
}

void StateDock::hideEvent(QHideEvent* event)
{
    QDockWidget::hideEvent(event);
    HostUnobserve(this);
    panel_->removeEventFilter(this);
    lcdWindow_->removeEventFilter(this);
    throttle_.stop();
}

bool StateDock::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseMove || (watched != panel_ && watched != lcdWindow_))
        return false;
    const LcdView view = watched == panel_ ? ClientLcd() : WindowLcd;
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    const int x = at.x() - view.X, y = at.y() - view.Y;
    // whole LCD pixels: a point left of or above the view must not round into it
    if (x >= 0 && y >= 0 && x < LCD_WIDTH * view.Scale && y < LCD_HEIGHT * view.Scale)
        Hover(x / view.Scale, y / view.Scale);
    return false;
}

void StateDock::Hover(int x, int y)
{
    const std::int32_t index = InspectControlAt(x, y);
    QTreeWidgetItem* controls = nullptr;
    for (int i = 0; i < tree_->topLevelItemCount(); ++i)
        if (tree_->topLevelItem(i)->text(0) == "controls")
            controls = tree_->topLevelItem(i);
    const bool known = index >= 0 && state_.is_object() && static_cast<std::size_t>(index) < state_["controls"].size();
    if (!known) {
        hovered_->setText(QString("(%1, %2): no control").arg(x).arg(y));
        tree_->clearSelection();
        return;
    }
    hovered_->setText(QString("(%1, %2): %3").arg(x).arg(y).arg(ControlLine(state_["controls"][index])));
    if (controls && index < controls->childCount()) {
        tree_->setCurrentItem(controls->child(index));
        tree_->scrollToItem(controls->child(index));
    }
}
