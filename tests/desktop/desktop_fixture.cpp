#include "desktop_fixture.h"

#include "common/debug.h"
#include "desktop/desktopclock.h"
#include "host/hostapp.h"
#include "host/hostdebug.h"
#include "ui/uihome.h"
#include "uicore/uimain.h"
#include "uicore/uitimer.h"

namespace {

std::vector<HomeMessage> HomeLog;
std::vector<std::string> AssertReports;

std::uint32_t RecordingHomeHandler(void*, Message* msg)
{
    HomeLog.push_back({msg->Id, MsgParamUnsigned(msg), TimeNow()});
    // keys are taken here, so that the global keys (HP goes back) do not leave the recording page
    return msg->Id == MSG_KEY_DOWN || msg->Id == MSG_KEY_UP ? 1 : 0;
}

void CollectReport(const AssertReport& report)
{
    AssertReports.push_back(std::string(report.Module) + ":" + std::to_string(report.Line) + ": " + report.Expression);
}

}  // namespace

RgbPicture GreyPicture(int width, int height, std::uint8_t grey)
{
    RgbPicture picture {.Width = width, .Height = height, .Pixels = {}};
    picture.Pixels.assign(static_cast<std::size_t>(width * height * 3), grey);
    return picture;
}

std::vector<std::string> TakeAssertReports()
{
    return std::exchange(AssertReports, {});
}

void CollectAssertReports()
{
    AssertSetSink(CollectReport);
}

DesktopFixture::DesktopFixture(const char* recorderArgument) : homeHandler_(UIHomePage.Handler)
{
    HostDebugQuiet(true);
    DesktopClockInstall();
    HomeLog.clear();
    app_ = std::make_unique<DesktopApp>([this](const std::string& text, const std::string& title, HostBox kind) {
        Asked.push_back({text, title, kind});
        if (Answers.empty())
            return true;
        const bool answer = Answers.front();
        Answers.pop_front();
        return answer;
    });
    const char* argv[] = {"orvel-sim", recorderArgument};
    app_->Start(GreyPicture(PANEL_WIDTH, PANEL_HEIGHT, REST_GREY), GreyPicture(PANEL_WIDTH, PANEL_HEIGHT, LIT_GREY),
        recorderArgument ? 2 : 1, argv);
    UIHomePage.Handler = RecordingHomeHandler;
}

DesktopFixture::~DesktopFixture()
{
    app_.reset();
    UIHomePage.Handler = homeHandler_;
    Host.OutputDir.clear();
    HostDebugQuiet(false);
}

std::uint32_t DesktopFixture::PanelPixel(int x, int y)
{
    return Panel().grab().toImage().pixel(x, y) & 0xFFFFFF;
}

std::vector<std::pair<std::uint32_t, std::uint32_t>> DesktopFixture::Keys() const
{
    std::vector<std::pair<std::uint32_t, std::uint32_t>> keys;
    for (const HomeMessage& m : HomeLog)
        if (m.Id == MSG_KEY_DOWN || m.Id == MSG_KEY_UP)
            keys.emplace_back(m.Id, m.Param);
    return keys;
}

std::vector<HomeMessage> DesktopFixture::Received(std::uint32_t id) const
{
    std::vector<HomeMessage> received;
    for (const HomeMessage& m : HomeLog)
        if (m.Id == id)
            received.push_back(m);
    return received;
}
