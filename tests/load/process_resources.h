// What another process holds of the system: its USER and GDI objects, its
// windows, and its private bytes, read from outside.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>

#include "driver/scoped_handles.h"

namespace quillet::e2e {

struct ResourceSample {
    // GetGuiResources; nullopt where the system does not count them (Wine 8
    // answers 0 with ERROR_CALL_NOT_IMPLEMENTED).
    std::optional<DWORD> user_objects;
    std::optional<DWORD> gdi_objects;
    // Every window of the process: top-level ones, shown or hidden, and all
    // their descendants. Under Wine this stands in for the USER count.
    std::size_t windows = 0;
    // The commit charge: PrivateUsage, or PagefileUsage where the system
    // fills only that (Wine); Windows gives both the same value.
    std::size_t private_bytes = 0;
};

class ProcessResources {
public:
    // Opens the process with PROCESS_QUERY_INFORMATION | PROCESS_VM_READ;
    // throws if it cannot.
    explicit ProcessResources(DWORD pid);

    // Throws if the memory counters cannot be read.
    ResourceSample Sample() const;

private:
    DWORD pid_;
    ScopedHandle process_;
};

}  // namespace quillet::e2e
