#include "desktop/tracedock.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace {

struct KindItem {
    HostTraceKind Kind;
    const char* Label;
    bool Shown;  // at first; the ticks come a hundred times a second and would bury the rest
};

constexpr KindItem KindTbl[] = {
    {HostTraceKind::Tick, "Ticks", false},      {HostTraceKind::Timer, "Timers", true},
    {HostTraceKind::Key, "Keys", true},         {HostTraceKind::Char, "Characters", true},
    {HostTraceKind::Page, "Pages", true},       {HostTraceKind::Other, "Other", true},
};

constexpr int FLUSH_MS = 100;

std::size_t IndexOf(HostTraceKind kind)
{
    return static_cast<std::size_t>(std::ranges::find(KindTbl, kind, &KindItem::Kind) - std::begin(KindTbl));
}

}  // namespace

TraceDock::TraceDock(QWidget* parent) : QDockWidget("Message trace", parent)
{
    setObjectName("MessageTrace");
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    auto* filter = new QHBoxLayout;
    for (const KindItem& item : KindTbl) {
        auto* box = new QCheckBox(item.Label, body);
        box->setChecked(item.Shown);
        connect(box, &QCheckBox::toggled, this, [this] { Refilter(); });
        filter->addWidget(box);
        kinds_.push_back(box);
    }
    filter->addStretch();
    layout->addLayout(filter);
    view_ = new QPlainTextEdit(body);
    view_->setReadOnly(true);
    view_->setLineWrapMode(QPlainTextEdit::NoWrap);
    view_->setMaximumBlockCount(static_cast<int>(MAX_LINES));
    view_->setFont(QFont("Monospace"));
    layout->addWidget(view_);
    layout->addWidget(MakeButtons());
    setWidget(body);
    flush_.setInterval(FLUSH_MS);
    connect(&flush_, &QTimer::timeout, this, [this] { Flush(); });
}

TraceDock::~TraceDock()
{
    HostUnobserve(this);
}

QWidget* TraceDock::MakeButtons()
{
    auto* buttons = new QWidget(this);
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    pause_ = new QPushButton("Pause", buttons);
    pause_->setCheckable(true);
    auto* clear = new QPushButton("Clear", buttons);
    auto* copy = new QPushButton("Copy", buttons);
    connect(clear, &QPushButton::clicked, this, [this] { Clear(); });
    connect(copy, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(Shown()); });
    row->addWidget(pause_);
    row->addStretch();
    row->addWidget(clear);
    row->addWidget(copy);
    return buttons;
}

// Unwanted ticks are not even kept: they would push every other line out.
void TraceDock::TraceLine(HostTraceKind kind, std::string_view line)
{
    if (pause_->isChecked() || (kind == HostTraceKind::Tick && !Wanted(kind)))
        return;
    pending_.push_back({kind, std::string(line)});
}

QString TraceDock::Shown() const
{
    return view_->toPlainText();
}

void TraceDock::Flush()
{
    if (pending_.empty())
        return;
    QStringList shown;
    for (Line& line : pending_) {
        if (Wanted(line.Kind))
            shown << QString::fromStdString(line.Text);
        lines_.push_back(std::move(line));
    }
    pending_.clear();
    while (lines_.size() > MAX_LINES)
        lines_.pop_front();
    if (!shown.isEmpty())
        view_->appendPlainText(shown.join('\n'));
}

QCheckBox* TraceDock::KindBox(HostTraceKind kind) const
{
    return kinds_.at(IndexOf(kind));
}

void TraceDock::showEvent(QShowEvent* event)
{
    QDockWidget::showEvent(event);
    HostObserve(this);
    flush_.start();
}

void TraceDock::hideEvent(QHideEvent* event)
{
    QDockWidget::hideEvent(event);
    HostUnobserve(this);
    flush_.stop();
    Flush();
}

bool TraceDock::Wanted(HostTraceKind kind) const
{
    return kinds_.at(IndexOf(kind))->isChecked();
}

void TraceDock::Refilter()
{
    Flush();
    QStringList shown;
    for (const Line& line : lines_)
        if (Wanted(line.Kind))
            shown << QString::fromStdString(line.Text);
    view_->setPlainText(shown.join('\n'));
    view_->verticalScrollBar()->setValue(view_->verticalScrollBar()->maximum());
}

void TraceDock::Clear()
{
    pending_.clear();
    lines_.clear();
    view_->clear();
}
