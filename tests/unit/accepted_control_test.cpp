#include "app/accepted_control.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillet {
namespace {

// Stand-ins for the feature switch and the test message that log their calls.
struct LoggingSwitch {
    std::vector<std::string>& log;
    void CheckRegistry() const { log.push_back("check"); }
    void TurnOn() const { log.push_back("on"); }
    void TurnOff() const { log.push_back("off"); }
};
struct LoggingMessage {
    std::vector<std::string>& log;
    void Open() const { log.push_back("eml"); }
};

TEST(AcceptedControl, EachButtonRunsItsOwnOperationOnceAndOtherControlsNone) {
    struct Case {
        std::int32_t control;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {1, {"check"}}, {2, {"on"}}, {3, {"off"}}, {4, {"eml"}}, {0, {}}, {5, {}}, {-1, {}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> log;
        EXPECT_EQ(TakeAcceptedControl(c.control, LoggingSwitch{log}, LoggingMessage{log}), kCarryOn);
        EXPECT_EQ(log, c.expected) << "control " << c.control;
    }
}

}  // namespace
}  // namespace quillet
