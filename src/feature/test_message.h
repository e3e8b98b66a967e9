// "Test EML": hands the sample message in the current directory to the shell.
#pragma once

#include "platform/window_procedure_win32.h"

namespace quillet {

// The message file, relative to the process's current directory.
inline constexpr const char* kTestMessagePath = ".\\test.eml";

// Runs after the window procedure's accepted-control step for a press of the
// "Test EML" button.
void HandleTestEml(WindowProcedure& procedure);

}  // namespace quillet
