// orvel-headless --help, run as a user runs it: the usage line first, then every name the parsers read.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

#include "headless/options.h"
#include "host/script.h"
#include "host/panel.h"

namespace {

struct HelpRun {
    int Status;
    std::string Out;
};

HelpRun RunHelp()
{
    HelpRun run{.Status = -1, .Out = {}};
    FILE* pipe = ::popen((std::string(ORVEL_HEADLESS) + " --help 2>/dev/null").c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof(buffer), pipe)) > 0;)
        run.Out.append(buffer, n);
    const int status = ::pclose(pipe);
    run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

bool HasWord(const std::string& text, std::string_view word)
{
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        const std::size_t end = at + word.size();
        if (text[at - 1] == ' ' && (end == text.size() || text[end] == ' ' || text[end] == '\n'))
            return true;
    }
    return false;
}

TEST(HeadlessHelp, StartsWithTheUsageAndNamesEveryCommandOptionKeyAndMenuItem)
{
    const HelpRun run = RunHelp();
    ASSERT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out.rfind(HEADLESS_USAGE, 0), 0U) << run.Out;
    std::vector<std::string> rows;  // a command or option at the start of its row, with its arguments
    for (const ScriptCommandForm& command : ScriptCommandForms())
        rows.push_back("\n  " + std::string(command.Name) + (command.Args.empty() ? "" : " ") + std::string(command.Args));
    for (const OptionForm& option : OptionForms())
        rows.push_back("\n  " + std::string(option.Option) + (option.Value.empty() ? "" : " ") + std::string(option.Value));
    for (const std::string& row : rows)
        EXPECT_NE(run.Out.find(row + " "), std::string::npos) << row;
    std::vector<std::string> words;
    for (const PanelRegion* r = PanelRegions.data(); r->Key >= 0; ++r)
        words.emplace_back(r->Label);
    for (const std::string_view name : ScriptPcKeyNames())
        words.emplace_back(name);
    for (const std::string_view prefix : ScriptModifierPrefixes())
        words.emplace_back(prefix);
    for (const std::string_view item : ScriptMenuItems())
        words.push_back("\"" + std::string(item) + "\"");
    for (const std::string& word : words)
        EXPECT_TRUE(HasWord(run.Out, word)) << word;
}

}  // namespace
