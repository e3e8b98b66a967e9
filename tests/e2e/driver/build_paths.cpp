#include "driver/build_paths.h"

#include <windows.h>

#include <stdexcept>

namespace quillet::e2e {

std::string QuilletExePath() { return QUILLET_EXE_PATH; }

std::string RecorderExePath() { return QUILLET_RECORDER_EXE_PATH; }

std::string PlantedDllPath() { return QUILLET_PLANTED_DLL_PATH; }

void RequireFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        throw std::runtime_error("no such program: " + path);
    }
}

}  // namespace quillet::e2e
