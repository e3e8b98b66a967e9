#include "scenarios.h"

#include <stdexcept>

#include "clock.h"
#include "process.h"
#include "windows_of_process.h"

namespace quillet::bench {
namespace {

constexpr double kTimeoutMs = 15000;
constexpr int kCheckControl = 1;

struct Started {
    HWND window = nullptr;
    StartSample sample;
};

// Polls the new process until its window is visible and its thread idle,
// noting when each became true (relative to `start`).
Started WaitUntilReady(const Process& process, double start) {
    Started started;
    StartSample& s = started.sample;
    bool idle = false;
    const bool ready = PollUntil(
        [&] {
            if (!idle && WaitForInputIdle(process.Handle(), 0) == 0) {
                idle = true;
                s.idle = NowMs() - start;
            }
            if (s.created == 0 && AnyCreatedWindow(process.Pid()) != nullptr) {
                s.created = NowMs() - start;
            }
            if (started.window == nullptr) {
                const auto visible = VisibleWindows(process.Pid());
                if (!visible.empty()) {
                    started.window = visible.front();
                    s.visible = NowMs() - start;
                }
            }
            return idle && started.window != nullptr;
        },
        kTimeoutMs);
    if (!ready || !Answers(started.window, kTimeoutMs)) {
        throw std::runtime_error("the program's window did not become visible and idle");
    }
    s.ready = NowMs() - start;
    RECT rect{};
    if (GetWindowRect(started.window, &rect)) {
        s.window_size = SIZE{rect.right - rect.left, rect.bottom - rect.top};
    }
    return started;
}

void CloseAndWait(const Process& process, HWND window) {
    Post(window, WM_CLOSE);
    if (const DWORD code = process.WaitForExit(kTimeoutMs); code != 0) {
        throw std::runtime_error("the program ended with code " + std::to_string(code));
    }
}

HWND PressCheckAndWaitForBox(const Process& process, HWND window) {
    const HWND button = GetDlgItem(window, kCheckControl);
    if (button == nullptr) {
        throw std::runtime_error("no control 1 in the main window");
    }
    Post(button, BM_CLICK);
    HWND box = nullptr;
    if (!PollUntil([&] { return (box = VisibleWindowOtherThan(process.Pid(), window)) != nullptr; }, kTimeoutMs)) {
        throw std::runtime_error("no message box appeared");
    }
    return box;
}

void PressOkAndWaitUntilGone(HWND box) {
    const HWND ok = FindButton(box, "OK");
    if (ok == nullptr) {
        throw std::runtime_error("the message box has no button");
    }
    Post(ok, BM_CLICK);
    // A closed box can linger hidden for a moment: gone means not visible.
    if (!PollUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, kTimeoutMs)) {
        throw std::runtime_error("the message box did not close");
    }
}

}  // namespace

StartSample MeasureStart(const Program& program) {
    const double start = NowMs();
    const Process process(program.exe, program.arguments);
    Started started = WaitUntilReady(process, start);
    started.sample.peak_working_set = process.PeakWorkingSet();
    CloseAndWait(process, started.window);
    return started.sample;
}

double MeasureCheckToBox(const Program& program) {
    const Process process(program.exe, program.arguments);
    const HWND window = WaitUntilReady(process, NowMs()).window;
    const double press = NowMs();
    const HWND box = PressCheckAndWaitForBox(process, window);
    const double shown = NowMs() - press;
    PressOkAndWaitUntilGone(box);
    CloseAndWait(process, window);
    return shown;
}

TaskSample MeasureWholeTask(const Program& program) {
    TaskSample sample;
    const double start = NowMs();
    const Process process(program.exe, program.arguments);
    const HWND window = WaitUntilReady(process, start).window;
    sample.ready = NowMs() - start;
    const HWND box = PressCheckAndWaitForBox(process, window);
    sample.box = NowMs() - start;
    PressOkAndWaitUntilGone(box);
    sample.box_gone = NowMs() - start;
    CloseAndWait(process, window);
    sample.total = NowMs() - start;
    return sample;
}

StartCloseSample MeasureStartAndClose(const Program& program) {
    StartCloseSample sample;
    const double start = NowMs();
    const Process process(program.exe, program.arguments);
    const Started started = WaitUntilReady(process, start);
    sample.ready = started.sample.ready;
    const double close = NowMs();
    CloseAndWait(process, started.window);
    const double end = NowMs();
    sample.closing = end - close;
    sample.total = end - start;
    return sample;
}

double MeasureConsoleRun(const Program& program) {
    const double start = NowMs();
    const Process process(program.exe, program.arguments, true);
    if (const DWORD code = process.WaitForExit(kTimeoutMs); code != 0) {
        throw std::runtime_error(program.exe + " ended with code " + std::to_string(code));
    }
    return NowMs() - start;
}

}  // namespace quillet::bench
