#include "headless/headlessui.h"

#include <utility>

namespace {

// One line a box: a line break, with the blanks before it, reads as one blank.
std::string OneLine(const std::string& text)
{
    std::string line;
    for (const char c : text) {
        if (c != '\n') {
            line += c;
            continue;
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        line += ' ';
    }
    return line;
}

}  // namespace

bool HeadlessUi::MessageBox(const std::string& text, const std::string& title, HostBox)
{
    out_ << "[" << title << "] " << OneLine(text) << "\n";
    if (answers_.empty())
        return true;
    const bool ok = answers_.front();
    answers_.pop_front();
    return ok;
}

WriteFailure HeadlessUi::TakeFailure()
{
    return std::exchange(failure_, {});
}

bool ReportWrite(const std::string& path, const WriteResult& written, std::ostream& err)
{
    if (!written)
        err << "orvel-headless: cannot write " << path << ": " << written.Reason << "\n";
    return static_cast<bool>(written);
}
