// The main window's handling of an accepted control, as an order of steps:
// the registry operations before the framework's own step, the test message
// after it, and the framework step's level code returned unchanged.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/level_code.h"

namespace quillet {

enum MainControl : std::int32_t {
    kCheckRegistryControl = 1,
    kTurnOnControl = 2,
    kTurnOffControl = 3,
    kTestEmlControl = 4,
};

struct AcceptedControlSteps {
    std::function<std::int32_t()> accepted;  // asks the framework which control is accepted
    std::function<void()> check_registry;
    std::function<void()> turn_on;
    std::function<void()> turn_off;
    std::function<LevelCode()> framework_step;
    std::function<void()> test_eml;
};

LevelCode DispatchAcceptedControl(const AcceptedControlSteps& steps);

}  // namespace quillet
