#include "driver/process_list.h"

#include <tlhelp32.h>

#include <string>

#include "driver/deadline.h"
#include "driver/scoped_handles.h"
#include "driver/text_compare.h"
#include "driver/win32_error.h"

namespace quillet::e2e {
namespace {

std::string_view FileNamePart(std::string_view path) {
    const auto slash = path.find_last_of("\\/");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::vector<DWORD> RunningProcessIds(std::string_view image_name) {
    const ScopedHandle snapshot = OwnFileHandle(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) {
        ThrowLastError("CreateToolhelp32Snapshot");
    }
    std::vector<DWORD> ids;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot.Get(), &entry); more; more = Process32Next(snapshot.Get(), &entry)) {
        if (EqualsIgnoringCase(FileNamePart(entry.szExeFile), image_name)) {
            ids.push_back(entry.th32ProcessID);
        }
    }
    return ids;
}

bool WaitUntilNoProcessRuns(std::string_view image_name, std::chrono::milliseconds timeout) {
    return PollUntil([&] { return RunningProcessIds(image_name).empty(); }, timeout);
}

}  // namespace quillet::e2e
