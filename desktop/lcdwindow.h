#pragma once
// The LCD window: the LCD four times as large with a pixel grid, an always-on-top tool window that
// is shown and hidden, never closed, while the simulator runs.
#include <QWidget>

class LcdWindow : public QWidget {
public:
    LcdWindow();

    // Until the recorder runs the window stays empty and passes no input on.
    void SetLive(bool live);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool live_ = false;
};
