#include "process_resources.h"

#include <psapi.h>

#include <string>

#include "driver/win32_error.h"

namespace quillet::e2e {
namespace {

struct WindowCount {
    DWORD pid;
    std::size_t count;
};

BOOL CALLBACK CountChild(HWND, LPARAM context) {
    ++reinterpret_cast<WindowCount*>(context)->count;
    return TRUE;
}

BOOL CALLBACK CountWindowAndDescendants(HWND window, LPARAM context) {
    auto& counted = *reinterpret_cast<WindowCount*>(context);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == counted.pid) {
        ++counted.count;
        // Enumerates every descendant, not only the direct children. It
        // reports failure also for a window without children.
        EnumChildWindows(window, CountChild, context);
    }
    return TRUE;
}

std::optional<DWORD> GuiObjects(HANDLE process, DWORD kind) {
    const DWORD count = GetGuiResources(process, kind);
    // A process with a window always holds USER and GDI objects: 0 means the
    // system does not count them.
    return count != 0 ? std::optional<DWORD>(count) : std::nullopt;
}

}  // namespace

ProcessResources::ProcessResources(DWORD pid)
    : pid_(pid), process_(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid)) {
    if (!process_) {
        ThrowLastError("OpenProcess " + std::to_string(pid));
    }
}

ResourceSample ProcessResources::Sample() const {
    ResourceSample sample;
    sample.user_objects = GuiObjects(process_.Get(), GR_USEROBJECTS);
    sample.gdi_objects = GuiObjects(process_.Get(), GR_GDIOBJECTS);

    WindowCount counted{pid_, 0};
    // EnumWindows fails only for a bad callback.
    EnumWindows(CountWindowAndDescendants, reinterpret_cast<LPARAM>(&counted));
    sample.windows = counted.count;

    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (!GetProcessMemoryInfo(process_.Get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
        ThrowLastError("GetProcessMemoryInfo");
    }
    sample.private_bytes = memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
    return sample;
}

}  // namespace quillet::e2e
