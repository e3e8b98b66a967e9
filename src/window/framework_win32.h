// What the program's windows share for the life of the process.
#pragma once

#include <functional>

#include "window/application_icon_win32.h"

namespace quillet {

struct Framework {
    ApplicationIcon application_icon;
    // The program's orderly end, run when the desktop session ends while a
    // window is running; the process exits right after it.
    std::function<void()> end_of_session;
};

}  // namespace quillet
