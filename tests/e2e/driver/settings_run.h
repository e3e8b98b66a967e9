// The base of the settings-file tests: runs of the program that end in an
// orderly way, so that the file can be read after each run, and the texts the
// file holds.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>

#include "driver/quillet_test.h"
#include "driver/window_placement.h"
#include "driver/window_units.h"

namespace quillet::e2e {

// What a first run that leaves the window in place writes.
inline constexpr char kFirstRunSettings[] =
    "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=0\r\nYPos=0\r\nWidth=68\r\nHeight=71\r\n"
    "[__Dont_Touch_Me__]\r\nSectors=0\r\n";

// The window's size as its definition gives it, in units.
inline constexpr int kDefinedWidth = 68;
inline constexpr int kDefinedHeight = 71;

// "[Main]" with a normal state and this place and size, as the program
// writes it.
std::string MainSection(int x, int y, int width = kDefinedWidth, int height = kDefinedHeight);

// The bookkeeping section of a file the program created itself.
inline constexpr char kEmptyBookkeeping[] = "[__Dont_Touch_Me__]\r\nSectors=0\r\n";

class SettingsRunTest : public QuilletTest {
protected:
    void SetUp() override;

    // Starts the program and waits for its main window; throws if it does
    // not appear.
    HWND Open();
    // Starts the program and watches its window from the moment it is first
    // visible for `watch`; throws if it does not appear.
    FirstAppearance OpenWatching(std::chrono::milliseconds watch = std::chrono::milliseconds{300});
    // Closes the window (WM_CLOSE), waits for exit code 0 (throws otherwise)
    // and returns the settings file, or "<no file>".
    std::string CloseAndReadSettings(HWND main);
    // Open then CloseAndReadSettings, leaving the window where it opened.
    std::string RunOnce();

    // Where the window is, in pixels, when it is at (x, y) units.
    POINT PixelsAt(int x, int y) const { return POINT{units_.X(x), units_.Y(y)}; }
    // Moves the window to (x, y) units.
    void MoveToUnits(HWND main, int x, int y) const { MoveWindowTo(main, units_.X(x), units_.Y(y)); }
    const WindowUnits& units() const { return units_; }

private:
    QuilletProcess* current_ = nullptr;
    WindowUnits units_{};
};

}  // namespace quillet::e2e
