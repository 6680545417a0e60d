#include "assert_capture.h"

#include <gtest/gtest.h>

#include "common/debug.h"

namespace {

AssertCapture* ActiveCapture;

}  // namespace

void RouteAssertReport(const AssertReport& report)
{
    if (ActiveCapture) {
        ActiveCapture->reports_.push_back({report.Expression, report.Module, report.Line});
        return;
    }
    ADD_FAILURE() << "unexpected assertion report: \"" << report.Expression << "\" in " << report.Module << ", line "
                  << report.Line;
}

AssertCapture::AssertCapture() : outer_(ActiveCapture)
{
    ActiveCapture = this;
}

AssertCapture::~AssertCapture()
{
    ActiveCapture = outer_;
}

std::vector<std::string> AssertCapture::Expressions() const
{
    std::vector<std::string> expressions;
    for (const CapturedReport& report : reports_)
        expressions.push_back(report.Expression);
    return expressions;
}

void InstallAssertSinkForTests()
{
    AssertSetSink(RouteAssertReport);
}
