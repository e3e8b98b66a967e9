#include "winapi/shell_win32.h"

#include <shellapi.h>

#include "winapi/dll_search_win32.h"
#include "winapi/scoped_win32.h"
#include "winapi/text_field.h"

namespace quillet {
namespace {

using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);

// SHELL32 (and what it pulls in) is loaded at the first launch rather than
// at every start: most runs never open the test message. Only the system's
// own copy will do, never one beside the program or in the current directory
// (the message's folder).
ShellExecuteFunction ShellExecuteEntry() {
    static const ScopedModule shell32(LoadSystemLibrary("shell32.dll"));
    if (!shell32) {
        return nullptr;
    }
    return reinterpret_cast<ShellExecuteFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(shell32.Get(), "ShellExecuteA")));
}

}  // namespace

void OpenWithShell(HWND owner, std::string_view document_path) {
    // 256 bytes: at most 255 characters reach the shell, a longer path is cut.
    const ZText<256> file{TrimTrailingBlanks(document_path)};
    // An empty working directory, not a null pointer.
    const char* const no_directory = "";
    const ShellExecuteFunction shell_execute = ShellExecuteEntry();
    if (shell_execute == nullptr) {
        return;
    }
    // Whatever the shell answers or shows belongs to the shell; the caller
    // carries on the same way.
    static_cast<void>(shell_execute(owner, nullptr, file.CStr(), nullptr, no_directory, SW_SHOWNORMAL));
}

}  // namespace quillet
