#include "driver/volatile_feature_control.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>
#include <string>

#include "driver/feature_value.h"
#include "driver/registry.h"
#include "driver/scoped_handles.h"
#include "driver/win32_error.h"

namespace quillet::e2e {
namespace {

ScopedKey CreateKey(const char* path, DWORD options, REGSAM access) {
    HKEY key = nullptr;
    const LSTATUS status =
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr, options, access, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) {
        ThrowStatus(std::string("RegCreateKeyExA ") + path, status);
    }
    return ScopedKey(key);
}

// Everything below `from` (values and subkeys) into `to`, created non-volatile.
void CopyTree(const char* from, const char* to) {
    HKEY opened = nullptr;
    const LSTATUS open_status = RegOpenKeyExA(HKEY_LOCAL_MACHINE, from, 0, KEY_READ, &opened);
    if (open_status == ERROR_FILE_NOT_FOUND) {
        return;
    }
    if (open_status != ERROR_SUCCESS) {
        ThrowStatus(std::string("RegOpenKeyExA ") + from, open_status);
    }
    const ScopedKey source(opened);
    const ScopedKey target = CreateKey(to, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS);
    const LSTATUS status = RegCopyTreeA(source.Get(), nullptr, target.Get());
    if (status != ERROR_SUCCESS) {
        ThrowStatus(std::string("RegCopyTreeA ") + from, status);
    }
}

// The write the program will try, so that a test never passes because the
// set-up did not take.
void ExpectFeatureKeyRefused() {
    HKEY key = nullptr;
    const LSTATUS status = RegCreateKeyExA(HKEY_LOCAL_MACHINE, kFeatureKeyPath, 0, nullptr,
                                           REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &key, nullptr);
    if (status == ERROR_SUCCESS) {
        RegCloseKey(key);
        DeleteFeatureKey();
        throw std::runtime_error("the feature key could be created below the volatile FeatureControl");
    }
    if (status != ERROR_CHILD_MUST_BE_VOLATILE) {
        ThrowStatus("RegCreateKeyExA of the feature key below the volatile key", status);
    }
}

}  // namespace

FeatureControlSetAside::FeatureControlSetAside() {
    if (!KeyExists(HKEY_LOCAL_MACHINE, kFeatureControlBackupPath)) {
        CopyTree(kFeatureControlPath, kFeatureControlBackupPath);
    }
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kFeatureControlPath);
}

FeatureControlSetAside::~FeatureControlSetAside() {
    // Left behind, a volatile key would make every later write of the feature
    // value fail. A destructor cannot throw: the test fails instead.
    try {
        DeleteKeyTree(HKEY_LOCAL_MACHINE, kFeatureControlPath);
        CopyTree(kFeatureControlBackupPath, kFeatureControlPath);
        DeleteKeyTree(HKEY_LOCAL_MACHINE, kFeatureControlBackupPath);
    } catch (const std::exception& error) {
        ADD_FAILURE() << "restoring " << kFeatureControlPath << ": " << error.what();
    }
}

VolatileFeatureControl::VolatileFeatureControl() {
    CreateKey(kFeatureControlPath, REG_OPTION_VOLATILE, KEY_WRITE);
    ExpectFeatureKeyRefused();
}

}  // namespace quillet::e2e
