// The main window's accepted-control step, for each pressed button: the
// registry operations first, then the framework's own step, then the test
// message; the framework step's level code is passed on. Written once here,
// for the main window and for the test that holds the order.
#pragma once

#include <cstdint>

#include "window/level_code.h"

namespace quillet {

enum MainControl : std::int32_t {
    kCheckRegistryControl = 1,
    kTurnOnControl = 2,
    kTurnOffControl = 3,
    kTestEmlControl = 4,
};

// Switch: CheckRegistry(), TurnOn(), TurnOff(). Message: Open().
template <class Switch, class Message>
LevelCode TakeAcceptedControl(std::int32_t control, const Switch& feature_switch, const Message& test_message) {
    switch (control) {
        case kCheckRegistryControl:
            feature_switch.CheckRegistry();
            break;
        case kTurnOnControl:
            feature_switch.TurnOn();
            break;
        case kTurnOffControl:
            feature_switch.TurnOff();
            break;
        default:
            break;
    }
    // The framework's own accepted-control step: no toolbar, no registered
    // buttons and no OK or Cancel control to serve, so it only carries on.
    const LevelCode level = kCarryOn;
    if (control == kTestEmlControl) {
        test_message.Open();
    }
    return level;
}

}  // namespace quillet
