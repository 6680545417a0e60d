#include "desktop/panelview.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>

#include "desktop/keymap.h"
#include "desktop/picturepaint.h"
#include "host/hostapp.h"
#include "host/panel.h"

namespace {

bool operator==(const PanelPoint& a, const PanelPoint& b)
{
    return a.X == b.X && a.Y == b.Y;
}

}  // namespace

PanelView::PanelView(QWidget* parent) : QWidget(parent)
{
    setFixedSize(CLIENT_WIDTH, CLIENT_HEIGHT);
    setAttribute(Qt::WA_OpaquePaintEvent);  // every pixel comes from the picture: no erasing
    setMouseTracking(true);  // the title follows the pointer without a button held
    setFocusPolicy(Qt::StrongFocus);
}

void PanelView::SetLive(bool live)
{
    live_ = live;
    update();
}

void PanelView::OnFirstFrame(std::function<void()> done)
{
    firstFrame_ = std::move(done);
}

void PanelView::SyncShading()
{
    if (PanelMouseState.A != shadedFrom_ || PanelMouseState.B != shadedTo_)
        update();
}

void PanelView::paintEvent(QPaintEvent* event)
{
    if (!live_) {
        PaintPicture(*this, event->rect(), nullptr);
        return;
    }
    shadedFrom_ = PanelMouseState.A;
    shadedTo_ = PanelMouseState.B;
    // the copy with the checkerboard is made only while a captured region is shown
    if (shadedFrom_ != shadedTo_) {
        const RgbPicture shaded = PanelShadedClient(palette().color(QPalette::Highlight).rgb() & 0xFFFFFF);
        PaintPicture(*this, event->rect(), &shaded);
    } else {
        PaintPicture(*this, event->rect(), &Host.Client);
    }
    if (firstFrame_)
        std::exchange(firstFrame_, nullptr)();
}

void PanelView::keyPressEvent(QKeyEvent* event)
{
    if (!live_)
        return;
    const KeyMods mods = KeyModsOf(event->modifiers());
    if (const int vk = VirtualKeyOfQtKey(event->key()))
        HostKeyDown(vk, mods, event->isAutoRepeat());
    if (const std::uint32_t character = TypedCharacter(event->text(), mods))
        HostChar(character);
}

void PanelView::keyReleaseEvent(QKeyEvent* event)
{
    // an auto-repeating key stays down: its repeats bring no releases
    if (!live_ || event->isAutoRepeat())
        return;
    if (const int vk = VirtualKeyOfQtKey(event->key()))
        HostKeyUp(vk, KeyModsOf(event->modifiers()));
}

void PanelView::mousePressEvent(QMouseEvent* event)
{
    if (!live_)
        return;
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        HostMouseDown(at.x(), at.y(), KeyModsOf(event->modifiers()));
    else if (event->button() == Qt::RightButton)
        HostRightDown(at.x(), at.y());
    SyncShading();
}

void PanelView::mouseMoveEvent(QMouseEvent* event)
{
    if (!live_)
        return;
    const QPoint at = event->position().toPoint();
    HostMouseMove(at.x(), at.y());
    SyncShading();
}

void PanelView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!live_ || event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    HostMouseUp(at.x(), at.y(), KeyModsOf(event->modifiers()));
    SyncShading();
}

void PanelView::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    if (live_)
        HostFocusLost();
}
