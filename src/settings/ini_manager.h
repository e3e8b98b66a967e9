// The settings store: keeps a window's last position, size and state in an
// INI file and carries the bookkeeping list from start-up to shutdown.
//
// Every entry is one request to the private-profile service; apart from the
// bookkeeping list nothing is held between requests.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_format.h"
#include "winapi/text_field.h"
#include "window/window_properties.h"

namespace quillet {

class IniManager {
public:
    IniManager() = default;
    IniManager(const IniManager&) = delete;
    IniManager& operator=(const IniManager&) = delete;

    // Binds the store to `file_name` (cut to 259 characters) and reads the
    // bookkeeping list. Writes nothing.
    void OpenSettings(std::string_view file_name, std::int32_t kind, std::int32_t extra);

    // Puts back the geometry stored under `procedure`. An unrecognised or
    // missing "Maximize" entry leaves the window as it is.
    void RestoreWindow(std::string_view procedure, WindowProperties& window);

    // Stores the window's state, position and size under `procedure`.
    void SaveWindow(std::string_view procedure, WindowProperties& window);

    // Writes the bookkeeping list back and releases it. Nothing when closed.
    void CloseSettings();

    // The primitives: each drops trailing blanks from its texts and the file
    // name, and makes one request.
    std::string ReadSetting(std::string_view section, std::string_view key, std::string_view default_value);
    void WriteSetting(std::string_view section, std::string_view key, std::string_view value);
    void DeleteSetting(std::string_view section, std::string_view key);

    bool IsOpen() const;

private:
    std::int32_t ReadNumber(std::string_view section, std::string_view key, std::int32_t current);
    void WriteNumberOrDelete(std::string_view section, std::string_view key, std::int32_t value);

    ZText<260> file_name_;                                 // FILENAME
    std::optional<std::vector<BookkeepingRecord>> sectors_;  // SECTORS: present only while open
};

}  // namespace quillet
