#include "app/startup_sequence.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillet {
namespace {

// Records each step as it runs.
struct Journal {
    std::vector<std::string> steps;
    std::int32_t drag_at_start = 0;
    bool end_session_during_main = false;

    StartupSteps Steps() {
        return StartupSteps{
            [this] { steps.push_back("open settings"); },
            [this] {
                steps.push_back("get drag");
                return drag_at_start;
            },
            [this](std::uint32_t v) { steps.push_back("set drag " + std::to_string(v)); },
            [this](const std::function<void()>& orderly_end) {
                steps.push_back("main");
                if (end_session_during_main) {
                    orderly_end();
                }
            },
            [this] { steps.push_back("close settings"); },
        };
    }
};

using Steps = std::vector<std::string>;

TEST(StartupSequence, DragSettingIsSwitchedOffAndBackOnOnlyWhenItWasExactlyOne) {
    struct Case {
        std::int32_t start;
        Steps expected;
    };
    const Steps on = {"open settings", "get drag", "set drag 0",
                      "main",   "set drag 1", "close settings"};
    const Steps untouched = {"open settings", "get drag", "main", "close settings"};
    const Case cases[] = {{1, on}, {0, untouched}, {2, untouched}, {-1, untouched}};
    for (const auto& c : cases) {
        Journal journal;
        journal.drag_at_start = c.start;
        const auto steps = journal.Steps();
        EXPECT_EQ(RunStartupSequence(steps), 0);
        EXPECT_EQ(journal.steps, c.expected) << "start setting " << c.start;
    }
}

TEST(StartupSequence, EndingSessionRunsTheShutdownTailOnceBeforeTheProcessEnds) {
    Journal journal;
    journal.drag_at_start = 1;
    journal.end_session_during_main = true;
    const auto steps = journal.Steps();
    RunStartupSequence(steps);
    const Steps expected = {"open settings", "get drag", "set drag 0",
                            "main",   "set drag 1", "close settings"};
    EXPECT_EQ(journal.steps, expected);
}

}  // namespace
}  // namespace quillet
