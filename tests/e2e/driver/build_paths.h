// Where the build put the programs the tests start, as Windows paths
// (Wine shows the Unix root as drive Z:).
#pragma once

#include <string>

namespace quillet::e2e {

std::string QuilletExePath();
std::string RecorderExePath();
// The library the planting tests copy under system libraries' names.
std::string PlantedDllPath();

// Throws unless path names an existing file (a wrong build path fails loudly).
void RequireFile(const std::string& path);

}  // namespace quillet::e2e
