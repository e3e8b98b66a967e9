// Copies of planted.dll under system libraries' names, left where a program
// started from a folder of downloads might pick them up, and the log those
// copies write when a process loads one.
#pragma once

#include <string>
#include <vector>


namespace quillet::e2e {

inline constexpr char kPlantLogVariable[] = "QUILLET_PLANT_LOG";

// Copies planted.dll into directory as <name>.dll for each name.
void PlantLibraries(const std::string& directory, const std::vector<std::string>& names);

// Makes Wine search for these libraries as Windows does in every process of
// the named exe started within the scope: a copy found on the search path
// before the system's own one is taken (native first, then builtin).
//
// Not WINEDLLOVERRIDES: under Wine 8 the variable in an environment block
// handed to CreateProcess does not reach the new process's loader (measured;
// the loader reads the Unix environment, which such a process takes from its
// parent). The per-program overrides in the registry do
// (HKCU\Software\Wine\AppDefaults\<exe>\DllOverrides); the program's key
// is removed again at the end of the scope.
class NativeFirstLibraries {
public:
    NativeFirstLibraries(const std::string& exe_name, const std::vector<std::string>& names);
    ~NativeFirstLibraries();
    NativeFirstLibraries(const NativeFirstLibraries&) = delete;
    NativeFirstLibraries& operator=(const NativeFirstLibraries&) = delete;

private:
    std::string key_;  // AppDefaults\<exe>
};

struct PlantedLoad {
    std::string library;  // the planted copy's file name
    std::string process;  // the exe of the process that loaded it
};

// What the planted copies logged: one entry per load. Empty when no log
// exists at path.
std::vector<PlantedLoad> ReadPlantLog(const std::string& path);

}  // namespace quillet::e2e
