#pragma once
// The desktop front end as the host's window system: the main window, the LCD window, the message
// boxes and the timer that drives every timing broadcast. It maps window events onto the shared host
// logic and paints the host's pictures; the recorder itself lives behind the host.
#include <cstdint>

#include "desktop/statedock.h"
#include "desktop/lcdscreenshot.h"
#include "desktop/lcdwindow.h"
#include "desktop/mainwindow.h"
#include "desktop/messagebox.h"
#include "desktop/picturepaint.h"
#include "desktop/scriptdesk.h"
#include "desktop/timecontrol.h"
#include "desktop/timemenu.h"
#include "desktop/zoommenu.h"
#include "desktop/tracedock.h"
#include "host/hostui.h"
#include "host/pngfile.h"

class DesktopApp : public HostUi {
public:
    // Message boxes go to the answerer; without one they ask the user.
    explicit DesktopApp(BoxAnswerer answerer = {});
    ~DesktopApp() override;
    DesktopApp(const DesktopApp&) = delete;
    DesktopApp& operator=(const DesktopApp&) = delete;

    // The seed of the meters' random generator, for the next Start.
    void SetSeed(std::uint32_t seed) { seed_ = seed; }
    // Starts the recorder behind the windows and shows the main window; argv[1], when given, is the
    // recorder's own command line. False when a panel picture is missing: the window then stays empty.
    bool Start(const RgbPicture& rest, const RgbPicture& lit, int argc, const char* const* argv);
    // A short press of a recorder key, as a click on the panel gives it.
    void PressKey(std::int32_t key);

    MainWindow& Main() { return main_; }
    LcdWindow& Lcd() { return lcd_; }
    TimeControl& Time() { return time_; }
    TimeMenu& TimeUi() { return timeMenu_; }
    ScriptDesk& Scripts() { return scripts_; }
    ZoomMenu& Zoom() { return zoom_; }
    LcdScreenshot& Screenshot() { return screenshot_; }
    TraceDock& Trace() { return trace_; }
    StateDock& Inspector() { return inspector_; }

    bool MessageBox(const std::string& text, const std::string& title, HostBox kind) override;
    void SetMainTitle(const std::string& title) override;
    void SetLcdWindowTitle(const std::string& title) override;
    int ClientHeight() const override;
    void SetClientHeight(int height) override;
    bool LcdWindowVisible() const override;
    void ShowLcdWindow(bool visible) override;
    void CheckModel(int tracks) override;
    void Repaint() override;

private:
    void Command(int command);
    // "Inspect state": the inspector's JSON on one line of the standard output and on the clipboard.
    void Inspect();

    BoxAnswerer answer_;
    MainWindow main_;
    LcdWindow lcd_;
    TimeControl time_;
    TimeMenu timeMenu_;
    ScriptDesk scripts_;
    std::uint32_t seed_ = 0;
    ZoomMenu zoom_;
    LcdScreenshot screenshot_;
    TraceDock trace_;
    StateDock inspector_;
    bool running_ = false;
    ShownPicture panelShown_;
    ShownPicture lcdShown_;
};

// The panel pictures built into the program: at rest and with every key and LED lit.
RgbPicture PanelRestPicture();
RgbPicture PanelLitPicture();
