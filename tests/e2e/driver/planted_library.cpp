#include "driver/planted_library.h"

#include <windows.h>

#include <optional>
#include <string_view>

#include "driver/build_paths.h"
#include "driver/file_bytes.h"
#include "driver/registry.h"
#include "driver/win32_error.h"

namespace quillet::e2e {

void PlantLibraries(const std::string& directory, const std::vector<std::string>& names) {
    const std::string source = PlantedDllPath();
    RequireFile(source);
    for (const std::string& name : names) {
        const std::string target = directory + "\\" + name + ".dll";
        if (!CopyFileA(source.c_str(), target.c_str(), FALSE)) {
            ThrowLastError("CopyFileA " + target);
        }
    }
}

NativeFirstLibraries::NativeFirstLibraries(const std::string& exe_name, const std::vector<std::string>& names)
    : key_("Software\\Wine\\AppDefaults\\" + exe_name) {
    // A leftover of an interrupted run must not add to what is set.
    DeleteKeyTree(HKEY_CURRENT_USER, key_);
    for (const std::string& name : names) {
        WriteValue(HKEY_CURRENT_USER, key_ + "\\DllOverrides", name, TextValue("native,builtin"));
    }
}

NativeFirstLibraries::~NativeFirstLibraries() {
    // A destructor must not throw; what cannot be removed stays for the next
    // run's constructor to clear.
    RegDeleteTreeA(HKEY_CURRENT_USER, key_.c_str());
}

std::vector<PlantedLoad> ReadPlantLog(const std::string& path) {
    const std::optional<std::string> bytes = ReadFileBytes(path);
    std::vector<PlantedLoad> loads;
    if (!bytes) {
        return loads;
    }
    std::string_view rest = *bytes;
    while (!rest.empty()) {
        const std::size_t end = rest.find("\r\n");
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 2);
        const std::size_t tab = line.find('\t');
        loads.push_back({std::string(line.substr(0, tab)),
                         tab == std::string_view::npos ? std::string{} : std::string(line.substr(tab + 1))});
    }
    return loads;
}

}  // namespace quillet::e2e
