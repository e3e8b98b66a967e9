// The main window procedure "Main": builds the window from its definition,
// runs it until the user closes it, and hands each pressed button on.
#pragma once

#include "settings/ini_manager.h"
#include "window/framework_win32.h"

namespace quillet {

// Returns when the window has closed and its geometry has been stored.
void Main(Framework& framework, IniManager& settings);

}  // namespace quillet
