#include "settings/ini_manager.h"

#include "winapi/private_profile_win32.h"

namespace quillet {
namespace {

// A window whose size is its own to keep: a resizable frame, or no border
// frame at all. Fixed borders take their size from the definition.
bool KeepsItsSize(FrameKind frame) { return frame != FrameKind::Single && frame != FrameKind::Double; }

// The geometry read from or written to the file, in the window's units.
struct Geometry {
    std::int32_t x = kNotStored;
    std::int32_t y = kNotStored;
    std::int32_t w = kNotStored;
    std::int32_t h = kNotStored;
    bool maximized = false;
    bool minimized = false;
};

}  // namespace

// The storage kind and extra value say "an INI file" in this program; nothing
// else is stored, so neither is kept.
void IniManager::OpenSettings(std::string_view file_name, std::int32_t /*kind*/, std::int32_t /*extra*/) {
    file_name_.Assign(file_name);
    sectors_.emplace();

    const auto count = SectorCountToRead(ReadSetting(kBookkeepingSection, kSectorsKey, ""));
    sectors_->reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 1; i <= count; ++i) {
        sectors_->push_back(RecordFromEntry(ReadSetting(kBookkeepingSection, SectorKey(i), kUnknownRecordText)));
    }
}

void IniManager::CloseSettings() {
    if (!sectors_) {
        return;
    }
    const auto count = static_cast<std::int32_t>(sectors_->size());
    WriteSetting(kBookkeepingSection, kSectorsKey, FormatSettingNumber(count));
    for (std::int32_t i = 1; i <= count; ++i) {
        WriteSetting(kBookkeepingSection, SectorKey(i), EntryFromRecord((*sectors_)[static_cast<std::size_t>(i - 1)]));
    }
    sectors_.reset();
}

void IniManager::SaveWindow(std::string_view procedure, WindowProperties& window) {
    Geometry stored;
    stored.maximized = window.IsMaximized();
    stored.minimized = window.IsMinimized();
    if (!stored.maximized && !stored.minimized) {
        stored.x = window.X();
        stored.y = window.Y();
        if (KeepsItsSize(window.Frame())) {
            stored.w = window.Width();
            stored.h = window.Height();
        }
    }

    WriteSetting(procedure, "Maximize", YesNoText(stored.maximized));
    WriteSetting(procedure, "Minimize", YesNoText(stored.minimized));
    WriteNumberOrDelete(procedure, "XPos", stored.x);
    WriteNumberOrDelete(procedure, "YPos", stored.y);
    WriteNumberOrDelete(procedure, "Width", stored.w);
    WriteNumberOrDelete(procedure, "Height", stored.h);
}

void IniManager::RestoreWindow(std::string_view procedure, WindowProperties& window) {
    Geometry stored;
    const auto maximize = ParseYesNo(ReadSetting(procedure, "Maximize", ""));
    if (!maximize) {
        return;  // nothing recognised: the window keeps its definition's geometry
    }
    stored.maximized = *maximize;
    // "Minimize" is read but never reopens the window minimized: the main
    // window has no minimize button, and a window that came back as an
    // icon could be lost to the user. Its number conversion would give 0
    // for "Yes" and "No" alike; any other stored text is ignored too.
    static_cast<void>(ReadSetting(procedure, "Minimize", ""));
    stored.minimized = false;
    stored.x = ReadNumber(procedure, "XPos", stored.x);
    stored.y = ReadNumber(procedure, "YPos", stored.y);
    stored.w = ReadNumber(procedure, "Width", stored.w);
    stored.h = ReadNumber(procedure, "Height", stored.h);

    const bool was_maximized = window.IsMaximized();
    if (!stored.maximized && was_maximized) {
        window.SetMaximized(false);
    }
    // A place that would put the window wholly off every monitor (a screen
    // since removed, a hand-edited file) is not applied: it would be lost.
    if (window.WouldBeVisibleAt(stored.x, stored.y)) {
        window.SetX(stored.x);
        window.SetY(stored.y);
    }
    if (KeepsItsSize(window.Frame())) {
        if (stored.w != kNotStored) {
            window.SetWidth(stored.w);
        }
        if (stored.h != kNotStored) {
            window.SetHeight(stored.h);
        }
    }
    if (stored.maximized && !was_maximized) {
        window.SetMaximized(true);
    }
    window.SetMinimized(stored.minimized);
}

std::string IniManager::ReadSetting(std::string_view section, std::string_view key, std::string_view default_value) {
    return ReadProfileEntry(TrimTrailingBlanks(section), TrimTrailingBlanks(key), TrimTrailingBlanks(default_value),
                            TrimTrailingBlanks(file_name_.View()));
}

void IniManager::WriteSetting(std::string_view section, std::string_view key, std::string_view value) {
    // Failures pass silently: a file that cannot be written leaves no trace.
    static_cast<void>(WriteProfileEntry(TrimTrailingBlanks(section), TrimTrailingBlanks(key), TrimTrailingBlanks(value),
                                        TrimTrailingBlanks(file_name_.View())));
}

void IniManager::DeleteSetting(std::string_view section, std::string_view key) {
    static_cast<void>(WriteProfileEntry(TrimTrailingBlanks(section), TrimTrailingBlanks(key), std::nullopt,
                                        TrimTrailingBlanks(file_name_.View())));
}

bool IniManager::IsOpen() const { return sectors_.has_value(); }

std::int32_t IniManager::ReadNumber(std::string_view section, std::string_view key, std::int32_t current) {
    return ParseSettingNumber(ReadSetting(section, key, FormatSettingNumber(current)));
}

void IniManager::WriteNumberOrDelete(std::string_view section, std::string_view key, std::int32_t value) {
    if (value == kNotStored) {
        DeleteSetting(section, key);
    } else {
        WriteSetting(section, key, FormatSettingNumber(value));
    }
}

}  // namespace quillet
