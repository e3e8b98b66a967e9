#include "window/window_runner_win32.h"

namespace quillet {

WindowRunner::WindowRunner(Framework& framework) : framework_(framework) {}

WindowRunner::~WindowRunner() = default;

int WindowRunner::Run() {
    if (OpenStep() == kCarryOn) {
        RunMessageLoop();
    }
    CloseStep();
    return kNoResponseResult;
}

LevelCode WindowRunner::OpenStep() { return kCarryOn; }

LevelCode WindowRunner::CloseStep() {
    if (closed_) {
        return kAlreadyClosed;
    }
    closed_ = true;
    return kCarryOn;
}

LevelCode WindowRunner::OpenWindow(Window& window) {
    if (!window.Open(*this)) {
        return kCarryOn;
    }
    MYWINDOW = &window;
    OPENED = true;
    return kCarryOn;
}

void WindowRunner::RunMessageLoop() {
    if (MYWINDOW == nullptr) {
        return;
    }
    MYWINDOW->Show();
    MYWINDOW->FocusControl(FIRSTFIELD);
    MSG message{};
    while (!close_requested_) {
        if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
            break;  // WM_QUIT
        }
        if (IsEnterOnButton(message)) {
            // Enter presses the focused button, as Space does.
            SendMessageA(message.hwnd, BM_CLICK, 0, 0);
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool WindowRunner::IsEnterOnButton(const MSG& message) const {
    return message.message == WM_KEYDOWN && message.wParam == VK_RETURN && MYWINDOW != nullptr &&
           GetParent(message.hwnd) == MYWINDOW->Native() &&
           MYWINDOW->Control(GetDlgCtrlID(message.hwnd)) == message.hwnd;
}

void WindowRunner::OnCloseRequested() {
    close_requested_ = true;
    // Wake the loop if the request came in as a sent message.
    if (MYWINDOW != nullptr) {
        PostMessageA(MYWINDOW->Native(), WM_NULL, 0, 0);
    }
}

// The session may end the process as soon as this returns: take the orderly
// path now, as if the window had been closed, and exit.
void WindowRunner::OnSessionEnding() {
    close_requested_ = true;
    CloseStep();
    if (framework_.end_of_session) {
        framework_.end_of_session();
    }
    ExitProcess(0);
}

}  // namespace quillet
