#pragma once
// Every test runs with a sink that fails the test on an assertion report, unless an AssertCapture
// is alive: then the reports are collected for the test to check.
#include <string>
#include <vector>

#include "common/debug.h"

struct CapturedReport {
    std::string Expression;
    std::string Module;
    unsigned Line;
};

class AssertCapture {
public:
    AssertCapture();
    ~AssertCapture();
    AssertCapture(const AssertCapture&) = delete;
    AssertCapture& operator=(const AssertCapture&) = delete;

    const std::vector<CapturedReport>& Reports() const { return reports_; }
    std::vector<std::string> Expressions() const;

private:
    friend void RouteAssertReport(const AssertReport& report);
    std::vector<CapturedReport> reports_;
    AssertCapture* outer_;
};

// Installs the failing sink; called once from the test main.
void InstallAssertSinkForTests();
