// The program's entry routine: start-up, the main window, shutdown.
#pragma once

namespace quillet {

// Runs the program from start-up to shutdown; the process's exit code.
int RunQuillet();

}  // namespace quillet
