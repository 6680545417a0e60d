// "ABOUT ORVEL": what this recorder is and runs, read only.
#include "orvel/orvel.h"
#include "orvel/orvelhooks.h"
#include "ui/menu/menu.h"
#include "uicore/uipoweron.h"

namespace {

constexpr std::uint32_t VERSION_CHARS = 16;

UITextValue Model = TextIn(Orvel.ModelName, VERSION_CHARS, false);
UITextValue SerialNumber = TextIn(Orvel.SerialNumber, VERSION_CHARS, false);
UITextValue SoftwareVer = TextIn(Orvel.SoftwareVer, VERSION_CHARS, false);
UITextValue DspRev = TextIn(Orvel.DspRev, VERSION_CHARS, false);
UITextValue AudioRev = TextIn(Orvel.AudioRev, VERSION_CHARS, false);
UITextValue MainRev = TextIn(Orvel.MainRev, VERSION_CHARS, false);
UITextValue KavlinVer = TextIn(Orvel.KavlinVer, VERSION_CHARS, false);
UISetting CpuUsage = Number(0, 100, "%d%%", "___%%").In<ReadOnly, CpuUsageHook>();

UIMenuPage<8> About = MenuPage("ABOUT ORVEL", About, {.Rows = 8, .Column = 116}, {
    Row("MODEL ", Model),
    Row("SERIAL NUMBER ", SerialNumber),
    Row("SOFTWARE VER ", SoftwareVer),
    Row("DSP REV ", DspRev),
    Row("AUDIO REV ", AudioRev),
    Row("MAIN REV ", MainRev),
    When(IfKavlin, Row("KAVLIN VER ", KavlinVer)),
    Row("CPU USAGE ", CpuUsage),
});

}  // namespace

UIPage AboutOrvelPage = PageOf(About);

const UIKeepsPowerOn KeptAbout{About, AboutOrvelPage};
