#include "desktop/lcdwindow.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPaintEvent>

#include "desktop/picturepaint.h"
#include "host/hostapp.h"
#include "host/panel.h"

LcdWindow::LcdWindow() : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setWindowTitle("LCD");
    setFixedSize(LCD_WINDOW_WIDTH, LCD_WINDOW_HEIGHT);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_ShowWithoutActivating);  // the keys keep going to the main window
    setAttribute(Qt::WA_QuitOnClose, false);  // closing the main window alone ends the program
    setMouseTracking(true);
}

void LcdWindow::SetLive(bool live)
{
    live_ = live;
    update();
}

void LcdWindow::paintEvent(QPaintEvent* event)
{
    PaintPicture(*this, event->rect(), live_ ? &Host.LcdWindow : nullptr);
}

void LcdWindow::mousePressEvent(QMouseEvent* event)
{
    if (live_ && event->button() == Qt::LeftButton)
        HostLcdWindowHide();
}

void LcdWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (!live_)
        return;
    const QPoint at = event->position().toPoint();
    HostLcdWindowMouseMove(at.x(), at.y());
}

void LcdWindow::closeEvent(QCloseEvent* event)
{
    // the close box only hides the window
    event->ignore();
    if (live_)
        HostLcdWindowHide();
    else
        hide();
}
