// Environment variables for the processes the tests start.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillet::e2e {

struct EnvironmentVariable {
    std::string name;
    std::string value;
};

// This process's environment with the given variables added or replaced
// (names compare without case), as a block for CreateProcessA: NAME=value
// entries, each ending in a zero byte, then one more zero byte.
std::string EnvironmentBlockWith(const std::vector<EnvironmentVariable>& changes);

// Sets a variable of this process, which the processes it starts (also
// through the shell) inherit; restores the former value, or its absence, at
// the end of the scope.
class ScopedEnvironmentVariable {
public:
    ScopedEnvironmentVariable(std::string name, const std::string& value);
    ~ScopedEnvironmentVariable();
    ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
    ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;

private:
    std::string name_;
    std::optional<std::string> former_;
};

}  // namespace quillet::e2e
