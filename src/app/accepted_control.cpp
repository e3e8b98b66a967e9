#include "app/accepted_control.h"

namespace quillet {

LevelCode DispatchAcceptedControl(const AcceptedControlSteps& steps) {
    switch (steps.accepted()) {
        case kCheckRegistryControl:
            steps.check_registry();
            break;
        case kTurnOnControl:
            steps.turn_on();
            break;
        case kTurnOffControl:
            steps.turn_off();
            break;
        default:
            break;
    }
    const LevelCode level = steps.framework_step();
    if (steps.accepted() == kTestEmlControl) {
        steps.test_eml();
    }
    return level;
}

}  // namespace quillet
