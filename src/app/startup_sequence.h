// The order of start-up and shutdown around the main window. The steps are
// supplied by the caller, so the order holds whatever they do.
#pragma once

#include <cstdint>
#include <functional>

namespace quillet {

struct StartupSteps {
    std::function<void()> open_settings;
    std::function<std::int32_t()> read_drag_full_windows;
    std::function<void(std::uint32_t)> set_drag_full_windows;
    // Runs the main window. orderly_end is the rest of shutdown, for the
    // main window to run itself if the desktop session ends under it.
    std::function<void(const std::function<void()>& orderly_end)> run_main;
    std::function<void()> close_settings;
};

// Runs start-up, the main window and shutdown; the process's exit code.
int RunStartupSequence(const StartupSteps& steps);

// The tail of shutdown: switches full-window dragging back on if start-up
// switched it off, then closes the settings. Runs at most once, so that an
// ending session and the ordinary path cannot both do it.
class ShutdownTail {
public:
    ShutdownTail(const StartupSteps& steps, std::int32_t start_setting) : steps_(steps), start_(start_setting) {}
    void operator()();

private:
    const StartupSteps& steps_;
    std::int32_t start_;
    bool done_ = false;
};

}  // namespace quillet
