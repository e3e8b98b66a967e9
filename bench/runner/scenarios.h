// One measured run of each kind. Times are milliseconds.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace quillet::bench {

struct Program {
    std::string exe;
    std::string arguments;
};

// From CreateProcess until the main window is visible and its thread is
// back in its message loop, with the moments on the way.
struct StartSample {
    double created = 0;  // its first top-level window exists
    double idle = 0;     // WaitForInputIdle returned
    double visible = 0;  // the window is visible
    double ready = 0;    // visible, idle, and it answered a sent message
    std::size_t peak_working_set = 0;
    SIZE window_size{};  // outer size of the main window
};

// Start, then close the window at once (WM_CLOSE) and wait for the end.
StartSample MeasureStart(const Program& program);

// After start: press control 1 (BM_CLICK) and time until a second visible
// window (the message box) appears; then OK and close.
double MeasureCheckToBox(const Program& program);

// The whole task: start, press control 1, wait for the box, press its OK,
// close the main window, wait for the end; each moment from the start.
struct TaskSample {
    double ready = 0;     // main window visible and idle
    double box = 0;       // message box visible
    double box_gone = 0;  // message box no longer visible after OK
    double total = 0;     // process ended after WM_CLOSE
};
TaskSample MeasureWholeTask(const Program& program);

// Start and close at once, until the process has ended.
struct StartCloseSample {
    double total = 0;    // CreateProcess to the end of the process
    double ready = 0;    // of which: until visible and idle
    double closing = 0;  // of which: from WM_CLOSE to the end
};
StartCloseSample MeasureStartAndClose(const Program& program);

// A console program from start to end; it must exit with 0.
double MeasureConsoleRun(const Program& program);

}  // namespace quillet::bench
