#pragma once
// The main window's client area: the host's client picture (the panel with the LCD twice as large
// below it) and the shading of a captured region. Client coordinates are panel-picture coordinates;
// keys and mouse go to the host as they happen.
#include <QWidget>
#include <functional>

#include "host/panel.h"

class PanelView : public QWidget {
public:
    explicit PanelView(QWidget* parent = nullptr);

    // Until the recorder runs the view stays empty and passes no input on.
    void SetLive(bool live);
    // Called once, after the first frame of the running recorder was painted.
    void OnFirstFrame(std::function<void()> done);
    // Repaints the whole view when the captured region changed since it was painted.
    void SyncShading();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Keys held when the window loses the keyboard would never hear their releases.
    void focusOutEvent(QFocusEvent* event) override;
    // Tab is one more key for the recorder, not a focus move.
    bool focusNextPrevChild(bool) override { return false; }

private:
    bool live_ = false;
    std::function<void()> firstFrame_;
    PanelPoint shadedFrom_ {};  // the captured region's corners when last painted
    PanelPoint shadedTo_ {};
};
