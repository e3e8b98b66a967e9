#include "app/accepted_control.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillet {
namespace {

TEST(AcceptedControl, OperationsRunBeforeTheFrameworkStepAndTheTestMessageAfterIt) {
    struct Case {
        std::int32_t control;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {1, {"check", "framework"}}, {2, {"on", "framework"}},   {3, {"off", "framework"}},
        {4, {"framework", "eml"}},   {0, {"framework"}},         {5, {"framework"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> log;
        const AcceptedControlSteps steps{
            [&] { return c.control; },          [&] { log.push_back("check"); },
            [&] { log.push_back("on"); },       [&] { log.push_back("off"); },
            [&] {
                log.push_back("framework");
                return LevelCode{7};
            },
            [&] { log.push_back("eml"); },
        };
        EXPECT_EQ(DispatchAcceptedControl(steps), 7) << "the framework step's level code comes back unchanged";
        EXPECT_EQ(log, c.expected) << "control " << c.control;
    }
}

TEST(AcceptedControl, TestMessageFollowsTheControlAskedForAgainAfterTheFrameworkStep) {
    // The control is asked for again after the framework step: only a 4 then launches.
    std::int32_t answer = 4;
    std::vector<std::string> log;
    const AcceptedControlSteps steps{
        [&] { return answer; }, [] {}, [] {}, [] {},
        [&] {
            answer = 0;
            return kCarryOn;
        },
        [&] { log.push_back("eml"); },
    };
    EXPECT_EQ(DispatchAcceptedControl(steps), kCarryOn);
    EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace quillet
