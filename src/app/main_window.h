// The main window procedure "Main": builds the window from its definition,
// runs it until the user closes it, and hands each pressed button on.
#pragma once

#include "platform/framework_win32.h"
#include "settings/ini_manager.h"

namespace quillet {

// Returns when the window has closed and its geometry has been stored; the
// run result is left in the thread's response code.
void Main(Framework& framework, IniManager& settings);

}  // namespace quillet
