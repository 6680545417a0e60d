#include "desktop/desktopapp.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QScreen>
#include <cstdio>

#include "canvas/lcdcanvas.h"
#include "host/hostapp.h"
#include "host/uistate.h"
#include "host/panel.h"

namespace {

// Centred on the window's screen, never starting left of or above it.
void CentreWindow(QWidget& window)
{
    window.adjustSize();
    const QRect screen = window.screen()->availableGeometry();
    window.move(
        std::max(0, screen.center().x() - window.width() / 2), std::max(0, screen.center().y() - window.height() / 2));
}

}  // namespace

DesktopApp::DesktopApp(BoxAnswerer answerer)
    : answer_(std::move(answerer)),
      main_([this](int command) { Command(command); }),
      time_([this] { timeMenu_.Show(); }),
      timeMenu_(main_, time_),
      scripts_(main_, time_)
{
    if (!answer_)
        answer_ = [this](const std::string& text, const std::string& title, HostBox kind) {
            return AskUser(&main_, text, title, kind);
        };
    QObject::connect(main_.InspectAction(), &QAction::triggered, [this] { Inspect(); });
}

DesktopApp::~DesktopApp()
{
    time_.Stop();
    if (running_)
        HostShutdown();
}

bool DesktopApp::Start(const RgbPicture& rest, const RgbPicture& lit, int argc, const char* const* argv)
{
    CentreWindow(main_);
    CentreWindow(lcd_);
    scripts_.SetRecorderArgs(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
    time_.Install(seed_);
    if (!HostStart(*this, rest, lit, argc, argv, argc > 0 ? argv[0] : "")) {
        main_.show();
        return false;
    }
    running_ = true;
    main_.Panel().SetLive(true);
    lcd_.SetLive(true);
    MsgLcdUpdate();
    time_.Start();
    main_.show();
    lcd_.hide();
    return true;
}

void DesktopApp::PressKey(std::int32_t key)
{
    PanelPress(key);
    PanelRelease(key);
    PanelRefresh();
}

void DesktopApp::Command(int command)
{
    if (running_)
        scripts_.MenuCommand(command);
}

void DesktopApp::Inspect()
{
    if (!running_)
        return;
    const std::string state = InspectState();
    std::printf("%s\n", state.c_str());
    std::fflush(stdout);
    QGuiApplication::clipboard()->setText(QString::fromStdString(state));
}

bool DesktopApp::MessageBox(const std::string& text, const std::string& title, HostBox kind)
{
    // the simulated time stands still while the user reads the box, as it does for a script's answer
    return scripts_.Answer(text, title, [&] {
        time_.Hold(true);
        const bool ok = answer_(text, title, kind);
        time_.Hold(false);
        return ok;
    });
}

void DesktopApp::SetMainTitle(const std::string& title)
{
    main_.setWindowTitle(QString::fromStdString(title));
}

void DesktopApp::SetLcdWindowTitle(const std::string& title)
{
    lcd_.setWindowTitle(QString::fromStdString(title));
}

int DesktopApp::ClientHeight() const
{
    return main_.centralWidget()->height();
}

void DesktopApp::SetClientHeight(int height)
{
    main_.Panel().setFixedSize(CLIENT_WIDTH, height);
}

bool DesktopApp::LcdWindowVisible() const
{
    return lcd_.isVisible();
}

void DesktopApp::ShowLcdWindow(bool visible)
{
    lcd_.setVisible(visible);
}

void DesktopApp::CheckModel(int tracks)
{
    main_.CheckModel(tracks);
}

// Only what changed is repainted: on the slate page that is a few digits of the LCD views per frame.
// A hidden LCD window is painted whole when it shows again.
void DesktopApp::Repaint()
{
    main_.Panel().update(panelShown_.Take(Host.Client));
    main_.Panel().SyncShading();
    if (lcd_.isVisible())
        lcd_.update(lcdShown_.Take(Host.LcdWindow));
    else
        lcdShown_.Forget();
}

RgbPicture PanelRestPicture()
{
    return LoadPicture(":/panel_rest.png");
}

RgbPicture PanelLitPicture()
{
    return LoadPicture(":/panel_lit.png");
}
