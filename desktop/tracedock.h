#pragma once
// View > "Message trace": the host's debug lines (timing broadcasts, keys, characters) and the pages
// entered, newest at the bottom, bounded, filtered by kind, with Pause, Clear and Copy. It watches the
// host only while it is shown, and appends what arrived on a short timer, so that the ticks cannot
// flood it.
#include <QDockWidget>
#include <QTimer>
#include <deque>
#include <string>
#include <vector>

#include "host/hostdebug.h"

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

class TraceDock : public QDockWidget, public HostObserver {
public:
    static constexpr std::size_t MAX_LINES = 10000;

    explicit TraceDock(QWidget* parent = nullptr);
    ~TraceDock() override;

    void TraceLine(HostTraceKind kind, std::string_view line) override;

    // The lines shown, oldest first, as Copy puts them on the clipboard.
    QString Shown() const;
    // Appends what arrived since the last time; the timer does it while the dock is shown.
    void Flush();
    QCheckBox* KindBox(HostTraceKind kind) const;
    QPushButton* PauseButton() const { return pause_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    struct Line {
        HostTraceKind Kind;
        std::string Text;
    };

    QWidget* MakeButtons();
    bool Wanted(HostTraceKind kind) const;
    void Refilter();
    void Clear();

    std::deque<Line> lines_;     // every line taken, shown or filtered out
    std::vector<Line> pending_;  // taken since the last flush
    std::vector<QCheckBox*> kinds_;
    QPlainTextEdit* view_ = nullptr;
    QPushButton* pause_ = nullptr;
    QTimer flush_;
};
