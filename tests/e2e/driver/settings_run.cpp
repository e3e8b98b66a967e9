#include "driver/settings_run.h"

#include <stdexcept>

#include "driver/actions.h"
#include "driver/settings_file.h"

namespace quillet::e2e {

std::string MainSection(int x, int y, int width, int height) {
    return "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=" + std::to_string(x) + "\r\nYPos=" + std::to_string(y) +
           "\r\nWidth=" + std::to_string(width) + "\r\nHeight=" + std::to_string(height) + "\r\n";
}

void SettingsRunTest::SetUp() {
    QuilletTest::SetUp();
    units_ = MeasureMainWindowUnits();
}

HWND SettingsRunTest::Open() {
    current_ = &StartQuillet();
    const HWND main = current_->WaitForMainWindow();
    if (main == nullptr) {
        throw std::runtime_error("the main window \"Quillet Switch\" did not appear");
    }
    return main;
}

FirstAppearance SettingsRunTest::OpenWatching(std::chrono::milliseconds watch) {
    current_ = &StartQuillet();
    FirstAppearance seen = WatchFirstAppearance(current_->Pid(), kMainWindowTitle, watch);
    if (seen.window == nullptr || seen.looks.empty()) {
        throw std::runtime_error("the main window \"Quillet Switch\" did not appear");
    }
    return seen;
}

std::string SettingsRunTest::CloseAndReadSettings(HWND main) {
    if (current_ == nullptr) {
        throw std::logic_error("CloseAndReadSettings without Open");
    }
    PostClose(main);
    const std::optional<DWORD> exit_code = current_->WaitForExit();
    current_ = nullptr;
    if (exit_code != std::optional<DWORD>(0)) {
        throw std::runtime_error("quillet.exe did not end with exit code 0 after WM_CLOSE");
    }
    // The program has ended, so the file is complete: the service rewrites it
    // whole on every change.
    return ReadSettingsFile().value_or("<no file>");
}

std::string SettingsRunTest::RunOnce() { return CloseAndReadSettings(Open()); }

}  // namespace quillet::e2e
