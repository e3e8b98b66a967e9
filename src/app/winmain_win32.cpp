// Process entry. The program takes no command-line arguments.
#include <windows.h>

#include "app/startup.h"
#include "winapi/dll_search_win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // First of all, before the first window or on-demand load pulls in a
    // library: system libraries come from the system directory only.
    quillet::RestrictDllSearchToSystem();
    return quillet::RunQuillet();
}
