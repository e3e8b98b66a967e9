// Process entry. The program takes no command-line arguments.
#include <windows.h>

#include "app/startup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return quillet::RunQuillet(); }
