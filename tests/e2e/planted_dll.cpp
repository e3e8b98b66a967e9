// Stands in for a DLL an attacker leaves where a program might look for a
// system library: beside the program, or in its current directory. Copied
// under the names of such libraries, it records every load and then refuses
// it. Each load appends one line to the log named by QUILLET_PLANT_LOG: this
// module's file name and the loading process's file name separated by a tab,
// ended by CRLF. Without the variable it records nothing.
//
// Refusing the load (DllMain returns FALSE) keeps the program from running on
// with a library that exports nothing: a load by LoadLibrary fails, one at
// start-up ends the process. Either way the line was written first, so the
// log alone tells whether the program took a planted library.
#include <windows.h>

#include <cstring>

#include "winapi/scoped_win32.h"

namespace {

constexpr DWORD kPathCapacity = MAX_PATH * 4;

// The file name of module (nullptr: the process's exe); "?" if unknown.
// Returns the length written to out, which holds kPathCapacity characters.
DWORD ModuleName(HMODULE module, char* out) {
    const DWORD length = GetModuleFileNameA(module, out, kPathCapacity);
    if (length == 0 || length >= kPathCapacity) {
        out[0] = '?';
        return 1;
    }
    return length;
}

// Runs under the loader lock: Win32 file calls only, one WriteFile of the
// whole line to a file opened for appending, so lines cannot interleave.
void RecordLoad(HMODULE self) {
    char log_path[kPathCapacity];
    const DWORD log_length = GetEnvironmentVariableA("QUILLET_PLANT_LOG", log_path, sizeof log_path);
    if (log_length == 0 || log_length >= sizeof log_path) {
        return;
    }
    char line[2 * kPathCapacity + 3];
    DWORD used = ModuleName(self, line);
    line[used++] = '\t';
    used += ModuleName(nullptr, line + used);
    std::memcpy(line + used, "\r\n", 2);
    used += 2;

    const HANDLE opened = CreateFileA(log_path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        return;
    }
    const quillet::ScopedHandle log(opened);
    DWORD written = 0;
    WriteFile(log.Get(), line, used, &written, nullptr);
}

}  // namespace

// C linkage: the runtime's DLL entry calls DllMain by its C name (DllMain@12
// on i686); a C++ name would leave the runtime's empty default in its place.
extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        RecordLoad(self);
        return FALSE;
    }
    return TRUE;
}
