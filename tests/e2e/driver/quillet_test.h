// The base of every end-to-end test. Before each test the prefix is in a known
// state: no feature key, no settings file, full-window dragging on (as on a
// usual desktop), the mouse pointer in the screen's bottom-right corner.
// After it, no quillet.exe is left running.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "driver/quillet_process.h"

namespace quillet::e2e {

class QuilletTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts quillet.exe; the fixture owns it and ends it after the test if
    // the test has not.
    QuilletProcess& StartQuillet(const LaunchOptions& options = {});

    // Starts quillet.exe and waits for its main window; fails the test (by
    // exception) if the window does not appear.
    HWND StartQuilletAndWaitForWindow(const LaunchOptions& options = {});

private:
    std::vector<std::unique_ptr<QuilletProcess>> processes_;
};

}  // namespace quillet::e2e
