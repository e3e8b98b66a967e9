// Start-up and shutdown: the settings file, and the drag-full-windows
// setting around the main window.
#include "app/startup.h"

#include "app/main_window_win32.h"
#include "app/startup_sequence.h"
#include "winapi/system_parameters_win32.h"
#include "settings/ini_manager.h"

namespace quillet {
namespace {

constexpr const char* kSettingsFile = "Quillet.INI";
constexpr std::int32_t kIniFileStorage = 0;

}  // namespace

int RunQuillet() {
    Framework framework;
    IniManager settings;
    std::int32_t scratch = 0;  // handed to each change of the setting; the system does not use it

    const StartupSteps steps{
        [&] { settings.OpenSettings(kSettingsFile, kIniFileStorage, 0); },
        [] { return ReadDragFullWindows(); },
        [&](std::uint32_t on) { WriteDragFullWindows(on, scratch); },
        [&](const std::function<void()>& orderly_end) {
            framework.end_of_session = orderly_end;
            Main(framework, settings);
            framework.end_of_session = nullptr;
        },
        [&] { settings.CloseSettings(); },
    };
    return RunStartupSequence(steps);
}

}  // namespace quillet
