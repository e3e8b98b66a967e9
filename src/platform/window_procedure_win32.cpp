#include "platform/window_procedure_win32.h"

namespace quillet {

WindowProcedure::WindowProcedure(Framework& framework) : framework_(framework) {}

WindowProcedure::~WindowProcedure() = default;

int WindowProcedure::Run() {
    if (OpenStep() == kCarryOn) {
        Ask();
    }
    CloseStep();
    return RESPONSE != 0 ? RESPONSE : kNoResponseResult;
}

LevelCode WindowProcedure::OpenStep() { return kCarryOn; }

LevelCode WindowProcedure::CloseStep() {
    if (closed_) {
        return kAlreadyClosed;
    }
    closed_ = true;
    return kCarryOn;
}

LevelCode WindowProcedure::TakeAccepted() {
    if (TOOLBAR != nullptr) {
        TOOLBAR->TakeAccepted(accepted_);
    }
    return kCarryOn;
}

LevelCode WindowProcedure::OpenWindow(Window& window) {
    if (!window.Open(*this)) {
        return kCarryOn;
    }
    MYWINDOW = &window;
    OPENED = true;
    return kCarryOn;
}

LevelCode WindowProcedure::Update() { return kCarryOn; }

LevelCode WindowProcedure::RegisterAlerts() { return kCarryOn; }

void WindowProcedure::Ask() {
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

bool WindowProcedure::IsEnterOnButton(const MSG& message) const {
    return message.message == WM_KEYDOWN && message.wParam == VK_RETURN && MYWINDOW != nullptr &&
           GetParent(message.hwnd) == MYWINDOW->Native() &&
           MYWINDOW->Control(GetDlgCtrlID(message.hwnd)) == message.hwnd;
}

void WindowProcedure::OnControlAccepted(std::int32_t control) {
    // One press at a time: a press that arrives while one is being handled
    // (say, from behind a modal box) is dropped.
    if (in_accepted_) {
        return;
    }
    in_accepted_ = true;
    accepted_ = control;
    TakeAccepted();
    accepted_ = 0;
    in_accepted_ = false;
}

void WindowProcedure::OnCloseRequested() {
    close_requested_ = true;
    // Wake the loop if the request came in as a sent message.
    if (MYWINDOW != nullptr) {
        PostMessageA(MYWINDOW->Native(), WM_NULL, 0, 0);
    }
}

// The session may end the process as soon as this returns: take the orderly
// path now, as if the window had been closed, and exit.
void WindowProcedure::OnSessionEnding() {
    close_requested_ = true;
    CloseStep();
    if (framework_.end_of_session) {
        framework_.end_of_session();
    }
    ExitProcess(0);
}

}  // namespace quillet
