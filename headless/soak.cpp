#include "headless/soak.h"

#include <unistd.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <memory>
#include <random>
#include <sstream>

#include "headless/runner.h"
#include "host/scriptwrite.h"
#include "headless/shrink.h"
#include "headless/soakcheck.h"
#include "headless/soakevents.h"

namespace {

namespace fs = std::filesystem;
using Events = std::vector<ScriptCommand>;
using Clock = std::chrono::steady_clock;

constexpr std::uint64_t MIN_CHECKPOINT_EVENTS = 10000;
constexpr std::uint64_t CHECKPOINTS = 10;
constexpr std::uint64_t CLEAR_EVERY_EVENTS = 4096;  // so that "Save LCD" finds a free number at once
constexpr double MS_PER_HOUR = 3600000.0;
constexpr std::uint64_t SHRINK_REPORT_TRIES = 200;

// Where the captures and regions of a run go: made empty, emptied now and then, removed at the end.
class OutputFolder {
public:
    OutputFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "orvel-soak-XXXXXX").string();
        if (mkdtemp(pattern.data()))
            path_ = pattern;
    }
    ~OutputFolder()
    {
        std::error_code error;
        if (!path_.empty())
            fs::remove_all(path_, error);
    }
    OutputFolder(const OutputFolder&) = delete;
    OutputFolder& operator=(const OutputFolder&) = delete;

    const std::string& Path() const { return path_; }
    void Clear() const
    {
        std::error_code error;
        for (const fs::directory_entry& entry : fs::directory_iterator(path_, error))
            fs::remove_all(entry.path(), error);
    }

private:
    std::string path_;
};

std::uint64_t ResidentKiB()
{
    std::ifstream statm("/proc/self/statm");
    std::uint64_t size = 0, resident = 0;
    statm >> size >> resident;
    return resident * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE)) / 1024;
}

double Hours(std::uint64_t ms)
{
    return static_cast<double>(ms) / MS_PER_HOUR;
}

double PerSecond(std::uint64_t events, double seconds)
{
    return static_cast<double>(events) / std::max(seconds, 1e-9);
}

// One recorder from power-on: each event runs as a script command and is checked at once.
class SoakRecorder {
public:
    explicit SoakRecorder(const HeadlessOptions& options) : runner_(options, discard_, errors_) {}

    bool Start(std::ostream& err)
    {
        if (runner_.Start())
            return true;
        err << errors_.str();
        return false;
    }

    // A command that cannot write its file fails too.
    SoakFault Feed(const ScriptCommand& cmd, SoakInvariants& invariants)
    {
        one_[0] = cmd;
        if (runner_.Run(one_) == 0)
            return invariants.Check();
        SoakFault fault = {"a command writes its file", errors_.str()};
        errors_.str("");
        return fault;
    }

private:
    std::ostream discard_{nullptr};  // message boxes
    std::ostringstream errors_;
    HeadlessRunner runner_;
    Events one_ = Events(1);
};

// The first fault of the events on a recorder started afresh, or none.
SoakFault Replay(const HeadlessOptions& options, SoakInvariants& invariants, const Events& events)
{
    SoakRecorder recorder(options);
    std::ostringstream ignored;
    if (!recorder.Start(ignored))
        return {"the recorder starts", ignored.str()};
    invariants.Forget();
    for (const ScriptCommand& cmd : events)
        if (SoakFault fault = recorder.Feed(cmd, invariants))
            return fault;
    return {};
}

struct Soak {
    const SoakOptions& Options;
    std::uint64_t Seed;
    HeadlessOptions Headless;
    std::ostream& Out;
    std::ostream& Err;
    std::unique_ptr<SoakInvariants> Invariants;  // once the first recorder has started
};

// Figures at the start, at the checkpoints and at the end; the memory after the first checkpoint is
// the one later ones are held to.
class Progress {
public:
    explicit Progress(const Soak& soak) : soak_(soak), start_(Clock::now()), startKiB_(ResidentKiB())
    {
        soak_.Out << "orvel-soak: start: resident " << startKiB_ << " KiB" << std::endl;
    }

    // False when memory grew past the bound.
    bool Checkpoint(std::uint64_t events, std::uint64_t ms, bool last)
    {
        const std::uint64_t kib = ResidentKiB();
        const double seconds = std::chrono::duration<double>(Clock::now() - start_).count();
        const double cpu = static_cast<double>(std::clock() - startCpu_) / CLOCKS_PER_SEC;
        soak_.Out << "orvel-soak: " << (last ? "done: " : "") << events << " events, " << std::fixed
                  << std::setprecision(2) << Hours(ms) << " simulated h in " << seconds << " s, " << cpu
                  << " s of processor time (" << std::setprecision(0) << PerSecond(events, seconds) << " events/s, "
                  << PerSecond(events, cpu) << " per processor second), resident " << kib << " KiB"
                  << (last ? " at the end, " + std::to_string(startKiB_) + " KiB at the start" : "") << "; "
                  << soak_.Invariants->PagesShown() << " of the " << soak_.Invariants->CatalogueSize()
                  << " catalogue pages shown" << std::endl;
        if (!warmKiB_)
            warmKiB_ = kib;
        if (!soak_.Options.MaxGrowthKiB || kib <= warmKiB_ + soak_.Options.MaxGrowthKiB)
            return true;
        soak_.Err << "orvel-soak: resident memory grew from " << warmKiB_ << " KiB after the warm-up to " << kib
                  << " KiB, more than " << soak_.Options.MaxGrowthKiB << " KiB\n";
        return false;
    }

private:
    const Soak& soak_;
    Clock::time_point start_;
    std::clock_t startCpu_ = std::clock();  // the machine may be shared: the processor time tells the cost
    std::uint64_t startKiB_;
    std::uint64_t warmKiB_ = 0;
};

struct RunEnd {
    SoakFault Fault;
    std::uint64_t Events;  // run, the failing one included
    bool MemoryGrew;
};

bool Done(const SoakOptions& options, std::uint64_t events, std::uint64_t ms)
{
    return events >= options.Events && Hours(ms) >= options.Hours;
}

RunEnd RunEvents(Soak& soak, const OutputFolder& folder)
{
    SoakRecorder recorder(soak.Headless);
    if (!recorder.Start(soak.Err))
        return {{"the recorder starts", "with the device args given"}, 0, false};
    soak.Invariants = std::make_unique<SoakInvariants>();
    SoakEvents events(soak.Seed, soak.Invariants->Pages());
    Progress progress(soak);
    const std::uint64_t every = std::max(MIN_CHECKPOINT_EVENTS, soak.Options.Events / CHECKPOINTS);
    std::uint64_t count = 0, ms = 0;
    while (!Done(soak.Options, count, ms)) {
        const ScriptCommand cmd = events.Next();
        ms += cmd.Op == ScriptOp::Wait ? cmd.Ms : 0;
        if (SoakFault fault = recorder.Feed(cmd, *soak.Invariants))
            return {std::move(fault), count + 1, false};
        if (++count % CLEAR_EVERY_EVENTS == 0)
            folder.Clear();
        if (count % every == 0 && !Done(soak.Options, count, ms) && !progress.Checkpoint(count, ms, false))
            return {{}, count, true};
    }
    return {{}, count, !progress.Checkpoint(count, ms, true)};
}

Events FirstEvents(const Soak& soak, std::uint64_t count)
{
    SoakEvents generator(soak.Seed, soak.Invariants->Pages());
    Events events;
    events.reserve(count);
    while (events.size() < count)
        events.push_back(generator.Next());
    return events;
}

Events Shrunk(Soak& soak, const SoakFault& fault, std::uint64_t failedAt)
{
    std::uint64_t tries = 0;
    const auto fails = [&](const Events& events) {
        if (++tries % SHRINK_REPORT_TRIES == 0)
            soak.Out << "orvel-soak: shrinking: " << tries << " tries, now " << events.size() << " events" << std::endl;
        return Replay(soak.Headless, *soak.Invariants, events).Invariant == fault.Invariant;
    };
    const Events shortest = ShrinkEvents(FirstEvents(soak, failedAt), fails);
    soak.Out << "orvel-soak: shrunk " << failedAt << " events to " << shortest.size() << " in " << tries << " tries"
             << std::endl;
    return shortest;
}

std::string DeviceArgs(const SoakOptions& options)
{
    std::string args;
    for (const std::string& arg : options.DeviceArgs)
        args += " " + arg;
    return args;
}

std::string ScriptText(const Soak& soak, const SoakFault& fault, std::uint64_t failedAt, const Events& events)
{
    const std::string args = DeviceArgs(soak.Options);
    std::string text = "# orvel-soak --seed " + std::to_string(soak.Seed) + ": event " + std::to_string(failedAt) +
                       " broke an invariant; these " + std::to_string(events.size()) + " still break it\n" +
                       "# model args:" + (args.empty() ? " none" : args) + "\n" + "# invariant: " + fault.Invariant +
                       "\n" + (fault.Detail.empty() ? "" : "# " + fault.Detail + "\n") +
                       "# run: orvel-headless --quiet --out DIR --script FILE" + (args.empty() ? "" : " --" + args) + "\n";
    for (const ScriptCommand& cmd : events)
        text += ScriptCommandText(cmd) + "\n";
    return text;
}

// The shortest failing events as a script; 1, the status of a failed run.
int WriteFailingScript(Soak& soak, const SoakFault& fault, std::uint64_t failedAt)
{
    soak.Err << "orvel-soak: event " << failedAt << " of seed " << soak.Seed << " broke: " << fault.Invariant << " ("
             << fault.Detail << ")" << std::endl;
    const Events events = Shrunk(soak, fault, failedAt);
    const std::string text = ScriptText(soak, fault, failedAt, events);
    if (ParseScript(text).Commands.size() != events.size()) {
        soak.Err << "orvel-soak: the events do not read back as a script\n";
        return 1;
    }
    std::ofstream file(soak.Options.OutFile, std::ios::binary);
    if (!(file << text && file.flush())) {
        soak.Err << "orvel-soak: cannot write " << soak.Options.OutFile << "\n";
        return 1;
    }
    soak.Err << "orvel-soak: the failing script (" << events.size() << " events): " << soak.Options.OutFile << "\n";
    return 1;
}

std::uint64_t ChosenSeed(const SoakOptions& options)
{
    return options.SeedGiven ? options.Seed : std::random_device{}();
}

}  // namespace

int SoakRun(const SoakOptions& options, std::ostream& out, std::ostream& err)
{
    const OutputFolder folder;
    if (folder.Path().empty()) {
        err << "orvel-soak: cannot make a temporary folder\n";
        return 1;
    }
    Soak soak = {options, ChosenSeed(options), {}, out, err, nullptr};
    soak.Headless.Quiet = true;
    soak.Headless.OutDir = folder.Path();
    soak.Headless.DeviceArgs = options.DeviceArgs;
    out << "orvel-soak: seed " << soak.Seed << ", at least " << options.Events << " events and " << options.Hours
        << " simulated hours, device args:" << (options.DeviceArgs.empty() ? " none" : DeviceArgs(options))
        << std::endl;
    const RunEnd end = RunEvents(soak, folder);
    if (end.Fault && end.Events > 0)
        return WriteFailingScript(soak, end.Fault, end.Events);
    if (end.Fault)
        err << "orvel-soak: the recorder did not start\n";
    return end.Fault || end.MemoryGrew ? 1 : 0;
}
