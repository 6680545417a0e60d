#include "headless/runner.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "common/rand.h"
#include "headless/scriptinput.h"
#include "host/hostapp.h"
#include "host/hostdebug.h"
#include "host/hosttimer.h"
#include "uicore/uitimer.h"

namespace {

RgbPicture PlainPanel(std::uint32_t rgb)
{
    RgbPicture picture{.Width = PANEL_WIDTH, .Height = PANEL_HEIGHT, .Pixels = {}};
    picture.Pixels.resize(static_cast<std::size_t>(PANEL_WIDTH * PANEL_HEIGHT * 3));
    for (int y = 0; y < PANEL_HEIGHT; ++y)
        for (int x = 0; x < PANEL_WIDTH; ++x)
            picture.Set(x, y, rgb);
    return picture;
}

bool PanelSized(const RgbPicture& picture)
{
    return picture.Width == PANEL_WIDTH && picture.Height == PANEL_HEIGHT;
}

// The panel pictures of the folder; plain ones when they cannot be read, since nothing here shows them.
void LoadPanel(const HeadlessOptions& options, RgbPicture& rest, RgbPicture& lit, std::ostream& err)
{
    const std::filesystem::path dir = options.PanelDir.empty() ? ORVEL_PANEL_DIR : options.PanelDir;
    if (PngRead((dir / "panel_rest.png").string(), rest) && PngRead((dir / "panel_lit.png").string(), lit) &&
        PanelSized(rest) && PanelSized(lit))
        return;
    if (!options.Quiet)
        err << "orvel-headless: note: no usable panel pictures in " << dir.string()
            << "; plain ones stand in, the panel is never shown here\n";
    rest = PlainPanel(0x303030);
    lit = PlainPanel(0xD0D0D0);
}

std::string ErrnoText()
{
    return std::strerror(errno);
}

std::string ScriptName(const HeadlessOptions& options)
{
    return options.ScriptPath == "-" ? "<stdin>" : options.ScriptPath;
}

// Reads to the end, or just past the most a script may hold; why it cannot be read, or "". A folder
// opens as a file and fails on the first read, so it takes the way of any failing read.
std::string ReadAtMost(std::FILE* file, std::string& text)
{
    char buffer[1 << 16];
    std::size_t got = sizeof(buffer);
    while (got == sizeof(buffer) && text.size() <= MAX_SCRIPT_BYTES) {
        got = std::fread(buffer, 1, sizeof(buffer), file);
        text.append(buffer, got);
    }
    if (std::ferror(file))
        return "cannot read the script: " + ErrnoText();
    if (text.size() > MAX_SCRIPT_BYTES)
        return "the script is larger than " + std::to_string(MAX_SCRIPT_BYTES >> 20) + " MiB";
    return {};
}

// The script's text from its file, or from the standard input for "-".
bool ReadScript(const HeadlessOptions& options, std::string& text, std::ostream& err)
{
    const bool fromInput = options.ScriptPath == "-";
    std::FILE* file = fromInput ? stdin : std::fopen(options.ScriptPath.c_str(), "rb");
    const std::string error = file ? ReadAtMost(file, text) : "cannot read the script: " + ErrnoText();
    if (file && !fromInput)
        std::fclose(file);
    if (error.empty())
        return true;
    err << ScriptErrorText(ScriptName(options), 0, error) << "\n";
    return false;
}

}  // namespace

HeadlessRunner::HeadlessRunner(const HeadlessOptions& options, std::ostream& out, std::ostream& err)
    : options_(options), out_(out), err_(err), ui_(out)
{
}

HeadlessRunner::~HeadlessRunner()
{
    Stop();
}

bool HeadlessRunner::Start()
{
    HostDebugQuiet(options_.Quiet);
    Rand15Seed(options_.Seed);
    TimeSetSource(VirtualClockNow);
    VirtualClockSet(0);
    now_ = 0;
    nextTick_ = options_.TickMs;
    Host.OutputDir = options_.OutDir;
    if (panelRest_.Pixels.empty())
        LoadPanel(options_, panelRest_, panelLit_, err_);
    std::vector<const char*> argv = {options_.ProgramPath.c_str()};
    for (const std::string& arg : options_.DeviceArgs)
        argv.push_back(arg.c_str());
    started_ = HostStart(ui_, panelRest_, panelLit_, static_cast<int>(argv.size()), argv.data(), argv[0]);
    if (!started_) {
        err_ << "orvel-headless: the recorder did not start\n";
        return false;
    }
    HostTimer();  // the timer's first tick only marks the time it starts from
    return true;
}

int HeadlessRunner::Run(const std::vector<ScriptCommand>& commands)
{
    for (const ScriptCommand& cmd : commands) {
        const WriteFailure failure = Execute(cmd);
        if (!failure.Reason.empty()) {
            err_ << "orvel-headless: cannot write " << failure.Path << ": " << failure.Reason << "\n";
            return 1;
        }
    }
    return 0;
}

void HeadlessRunner::Wait(std::uint32_t ms)
{
    const std::uint64_t target = now_ + ms;
    for (; nextTick_ <= target; nextTick_ += options_.TickMs) {
        VirtualClockAdvance(static_cast<std::uint32_t>(nextTick_ - now_));
        now_ = nextTick_;
        HostTimer();
    }
    VirtualClockAdvance(static_cast<std::uint32_t>(target - now_));
    now_ = target;
}

void HeadlessRunner::Stop()
{
    if (!started_)
        return;
    HostShutdown();
    started_ = false;
}

WriteFailure HeadlessRunner::Execute(const ScriptCommand& cmd)
{
    if (cmd.Op == ScriptOp::Wait)
        Wait(cmd.Ms);
    else if (cmd.Op == ScriptOp::Answer)
        ui_.QueueAnswer(cmd.AnswerOk);
    else if (!ScriptInput(cmd))
        return ScriptOutput(cmd, options_.OutDir, out_);
    return ui_.TakeFailure();
}

int HeadlessRun(const HeadlessOptions& options, std::ostream& out, std::ostream& err)
{
    std::string text;
    if (!ReadScript(options, text, err))
        return 2;
    const ScriptParse script = CheckScript(text);
    if (script.ErrorLine) {
        err << ScriptErrorText(ScriptName(options), script.ErrorLine, script.Error) << "\n";
        return 2;
    }
    std::error_code error;
    if (!options.OutDir.empty() && !std::filesystem::create_directories(options.OutDir, error) && error) {
        err << "orvel-headless: cannot create " << options.OutDir << ": " << error.message() << "\n";
        return 1;
    }
    HeadlessRunner runner(options, out, err);
    if (!runner.Start())
        return 1;
    return runner.Run(script.Commands);
}
