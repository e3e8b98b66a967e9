#include "window/icon_name.h"

namespace quillet {

bool IsResourceIconName(std::string_view name) { return !name.empty() && name.front() == kResourcePrefix; }

std::string IconResourceName(std::string_view name) {
    if (IsResourceIconName(name)) {
        name.remove_prefix(1);
    }
    std::string resource;
    resource.reserve(name.size());
    for (const char c : name) {
        if (c == '.') {
            resource += '_';
        } else if (c >= 'a' && c <= 'z') {
            resource += static_cast<char>(c - 'a' + 'A');
        } else {
            resource += c;
        }
    }
    return resource;
}

}  // namespace quillet
