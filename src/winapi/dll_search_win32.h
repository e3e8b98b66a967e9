// Where the program's process looks for libraries. A program run from a
// folder of downloads (perhaps as administrator) must not pick up a library
// that lies beside it or in its current directory under a system name.
#pragma once

#include <windows.h>

namespace quillet {

// Restricts the process's library search to the system directory. Where the
// system cannot do that (no SetDefaultDllDirectories), at least the current
// directory leaves the search. Runs before anything else loads a library.
void RestrictDllSearchToSystem();

// Loads a library of the system (file_name such as "shell32.dll") from the
// system directory only; nullptr if it cannot be loaded.
HMODULE LoadSystemLibrary(const char* file_name);

}  // namespace quillet
