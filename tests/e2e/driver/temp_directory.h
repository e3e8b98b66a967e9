// A fresh directory under the prefix's temporary folder, removed with
// everything in it at the end of the scope.
#pragma once

#include <string>
#include <string_view>

namespace quillet::e2e {

class TempDirectory {
public:
    // tag becomes part of the name, to tell the directories apart.
    explicit TempDirectory(std::string_view tag);
    ~TempDirectory();
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    // The full Windows path, without a trailing backslash.
    const std::string& Path() const { return path_; }
    // Path() + "\" + name.
    std::string PathOf(std::string_view name) const;

private:
    std::string path_;
};

}  // namespace quillet::e2e
