// The process-wide framework services, created at start-up and living until
// shutdown.
#pragma once

#include <functional>

#include "platform/application_icon_win32.h"
#include "platform/error_manager.h"
#include "platform/text_matcher.h"

namespace quillet {

struct Framework {
    ErrorManager errors;
    TextMatcher matcher;
    ApplicationIcon application_icon;
    // The program's orderly end, run when the desktop session ends while a
    // window procedure is running; the process exits right after it.
    std::function<void()> end_of_session;
};

}  // namespace quillet
