#include "winapi/dll_search_win32.h"

#include <string>

namespace quillet {
namespace {

using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);

// Looked up at run time: systems without the update that brought it lack
// both the function and the LOAD_LIBRARY_SEARCH_* flags.
SetDefaultDllDirectoriesFunction SetDefaultDllDirectoriesEntry() {
    const HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
    if (kernel32 == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<SetDefaultDllDirectoriesFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(kernel32, "SetDefaultDllDirectories")));
}

std::string SystemDirectory() {
    const UINT needed = GetSystemDirectoryA(nullptr, 0);
    if (needed == 0) {
        return {};
    }
    std::string directory(needed, '\0');
    const UINT length = GetSystemDirectoryA(directory.data(), needed);
    if (length == 0 || length >= needed) {
        return {};
    }
    directory.resize(length);
    return directory;
}

}  // namespace

void RestrictDllSearchToSystem() {
    const SetDefaultDllDirectoriesFunction set_default_directories = SetDefaultDllDirectoriesEntry();
    if (set_default_directories != nullptr && set_default_directories(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        return;
    }
    SetDllDirectoryA("");
}

HMODULE LoadSystemLibrary(const char* file_name) {
    if (SetDefaultDllDirectoriesEntry() != nullptr) {
        return LoadLibraryExA(file_name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
    const std::string directory = SystemDirectory();
    if (directory.empty()) {
        return nullptr;
    }
    // By full path; the libraries it needs are looked for beside it first.
    return LoadLibraryExA((directory + "\\" + file_name).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace quillet
