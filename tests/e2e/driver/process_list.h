// The processes running in the prefix, by executable name.
#pragma once

#include <windows.h>

#include <chrono>
#include <string_view>
#include <vector>

namespace quillet::e2e {

// Ids of the running processes whose executable file name (no directory) is
// image_name, compared without case.
std::vector<DWORD> RunningProcessIds(std::string_view image_name);

// Polls until no process of that name runs; false if some still ran at the
// deadline.
bool WaitUntilNoProcessRuns(std::string_view image_name, std::chrono::milliseconds timeout);

}  // namespace quillet::e2e
