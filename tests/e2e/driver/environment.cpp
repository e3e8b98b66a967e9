#include "driver/environment.h"

#include <windows.h>

#include <cstring>
#include <string_view>
#include <utility>

#include "driver/text_compare.h"
#include "driver/win32_error.h"

namespace quillet::e2e {
namespace {

// The name of an entry "NAME=value". Entries such as "=C:=C:\dir" start with
// '=', which belongs to the name.
std::string_view EntryName(std::string_view entry) { return entry.substr(0, entry.find('=', 1)); }

class EnvironmentStrings {
public:
    EnvironmentStrings() : block_(GetEnvironmentStringsA()) {
        if (block_ == nullptr) {
            ThrowLastError("GetEnvironmentStringsA");
        }
    }
    ~EnvironmentStrings() { FreeEnvironmentStringsA(block_); }
    EnvironmentStrings(const EnvironmentStrings&) = delete;
    EnvironmentStrings& operator=(const EnvironmentStrings&) = delete;

    std::vector<std::string> Entries() const {
        std::vector<std::string> entries;
        for (const char* entry = block_; *entry != '\0'; entry += std::strlen(entry) + 1) {
            entries.emplace_back(entry);
        }
        return entries;
    }

private:
    LPCH block_;
};

std::optional<std::string> ReadVariable(const std::string& name) {
    const DWORD needed = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
    if (needed == 0) {
        return std::nullopt;
    }
    std::string value(needed, '\0');
    const DWORD length = GetEnvironmentVariableA(name.c_str(), value.data(), needed);
    value.resize(length);
    return value;
}

}  // namespace

std::string EnvironmentBlockWith(const std::vector<EnvironmentVariable>& changes) {
    std::vector<std::string> entries = EnvironmentStrings().Entries();
    for (const EnvironmentVariable& change : changes) {
        std::erase_if(entries,
                      [&](const std::string& entry) { return EqualsIgnoringCase(EntryName(entry), change.name); });
        entries.push_back(change.name + "=" + change.value);
    }
    std::string block;
    for (const std::string& entry : entries) {
        block += entry;
        block += '\0';
    }
    block += '\0';
    return block;
}

ScopedEnvironmentVariable::ScopedEnvironmentVariable(std::string name, const std::string& value)
    : name_(std::move(name)), former_(ReadVariable(name_)) {
    if (!SetEnvironmentVariableA(name_.c_str(), value.c_str())) {
        ThrowLastError("SetEnvironmentVariableA " + name_);
    }
}

ScopedEnvironmentVariable::~ScopedEnvironmentVariable() {
    SetEnvironmentVariableA(name_.c_str(), former_ ? former_->c_str() : nullptr);
}

}  // namespace quillet::e2e
