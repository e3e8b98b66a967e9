#include "driver/registry.h"

#include <cstdio>

#include "driver/scoped_handles.h"
#include "driver/win32_error.h"

namespace quillet::e2e {
namespace {

ScopedKey CreateKey(HKEY root, const std::string& path, REGSAM view = 0) {
    HKEY key = nullptr;
    const LSTATUS status = RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                           KEY_WRITE | view, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) {
        ThrowStatus("RegCreateKeyExA " + path, status);
    }
    return ScopedKey(key);
}

void SetValue(HKEY key, const char* name, DWORD type, const std::vector<std::uint8_t>& data) {
    const LSTATUS status =
        RegSetValueExA(key, name, 0, type, data.empty() ? nullptr : data.data(), static_cast<DWORD>(data.size()));
    if (status != ERROR_SUCCESS) {
        ThrowStatus(std::string("RegSetValueExA ") + (name != nullptr ? name : "(default)"), status);
    }
}

}  // namespace

RegistryValue DwordValue(std::uint32_t number) {
    return {REG_DWORD,
            {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
             static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)}};
}

RegistryValue TextValue(const std::string& text) {
    RegistryValue value{REG_SZ, {text.begin(), text.end()}};
    value.data.push_back(0);
    return value;
}

bool KeyExists(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    const LSTATUS status = RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key);
    if (status == ERROR_FILE_NOT_FOUND) {
        return false;
    }
    if (status != ERROR_SUCCESS) {
        ThrowStatus("RegOpenKeyExA " + path, status);
    }
    const ScopedKey opened(key);
    return true;
}

std::optional<RegistryValue> ReadValue(HKEY root, const std::string& path, const std::string& name,
                                       REGSAM view) {
    HKEY opened = nullptr;
    LSTATUS status = RegOpenKeyExA(root, path.c_str(), 0, KEY_QUERY_VALUE | view, &opened);
    if (status == ERROR_FILE_NOT_FOUND) {
        return std::nullopt;
    }
    if (status != ERROR_SUCCESS) {
        ThrowStatus("RegOpenKeyExA " + path, status);
    }
    const ScopedKey key(opened);
    // The program may write the value between the size and the data: a value
    // grown meanwhile is read again, one deleted meanwhile is absent.
    constexpr int kTries = 100;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        RegistryValue value;
        DWORD size = 0;
        status = RegQueryValueExA(key.Get(), name.c_str(), nullptr, &value.type, nullptr, &size);
        if (status == ERROR_SUCCESS) {
            value.data.resize(size);
            status = RegQueryValueExA(key.Get(), name.c_str(), nullptr, &value.type, value.data.data(), &size);
        }
        if (status == ERROR_FILE_NOT_FOUND) {
            return std::nullopt;
        }
        if (status == ERROR_SUCCESS) {
            value.data.resize(size);
            return value;
        }
        if (status != ERROR_MORE_DATA) {
            break;
        }
    }
    ThrowStatus("RegQueryValueExA " + name, status);
}

void WriteValue(HKEY root, const std::string& path, const std::string& name, const RegistryValue& value,
                REGSAM view) {
    const ScopedKey key = CreateKey(root, path, view);
    SetValue(key.Get(), name.c_str(), value.type, value.data);
}

void WriteDefaultText(HKEY root, const std::string& path, const std::string& text) {
    const ScopedKey key = CreateKey(root, path);
    SetValue(key.Get(), nullptr, REG_SZ, TextValue(text).data);
}

void DeleteKeyTree(HKEY root, const std::string& path, REGSAM view) {
    // The view is chosen when a key is opened: open the parent in it, then
    // delete the last part of the path below that.
    const std::size_t last = path.rfind('\\');
    HKEY parent = root;
    ScopedKey opened_parent;
    if (last != std::string::npos) {
        HKEY key = nullptr;
        const LSTATUS status = RegOpenKeyExA(root, path.substr(0, last).c_str(), 0, KEY_ALL_ACCESS | view, &key);
        if (status == ERROR_FILE_NOT_FOUND) {
            return;
        }
        if (status != ERROR_SUCCESS) {
            ThrowStatus("RegOpenKeyExA " + path.substr(0, last), status);
        }
        opened_parent = ScopedKey(key);
        parent = key;
    }
    const std::string name = last == std::string::npos ? path : path.substr(last + 1);
    const LSTATUS status = RegDeleteTreeA(parent, name.c_str());
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
        ThrowStatus("RegDeleteTreeA " + path, status);
    }
}

std::string Describe(const std::optional<RegistryValue>& value) {
    if (!value) {
        return "absent";
    }
    std::string text = "type " + std::to_string(value->type) + ", " + std::to_string(value->data.size()) + " bytes";
    for (const std::uint8_t byte : value->data) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02x", byte);
        text += hex;
    }
    return text;
}

}  // namespace quillet::e2e
