#include "headless/headlessui.h"

#include <cerrno>
#include <cstring>

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
    // the host shows its error boxes right after the failed call, so errno still tells why
    const int error = errno;
    out_ << "[" << title << "] " << OneLine(text) << "\n";
    if (title == "Error")
        failure_ = std::strerror(error);
    if (answers_.empty())
        return true;
    const bool ok = answers_.front();
    answers_.pop_front();
    return ok;
}

std::string HeadlessUi::TakeFailure()
{
    std::string failure;
    failure.swap(failure_);
    return failure;
}
