#include "driver/actions.h"

#include <stdexcept>
#include <string>

#include "driver/win32_error.h"
#include "driver/window_query.h"

namespace quillet::e2e {
namespace {

void Post(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (!PostMessageA(window, message, wparam, lparam)) {
        ThrowLastError("PostMessageA " + std::to_string(message));
    }
}

bool SendWithin(HWND window, UINT message, WPARAM wparam, LPARAM lparam, std::chrono::milliseconds timeout,
                DWORD_PTR& result) {
    return SendMessageTimeoutA(window, message, wparam, lparam, SMTO_NORMAL, static_cast<UINT>(timeout.count()),
                               &result) != 0;
}

}  // namespace

void PressButton(HWND button) { Post(button, BM_CLICK, 0, 0); }

void PressButton(HWND parent, int control_id) {
    const HWND button = ChildById(parent, control_id);
    if (button == nullptr) {
        throw std::runtime_error("no control " + std::to_string(control_id));
    }
    PressButton(button);
}

void PostClose(HWND window) { Post(window, WM_CLOSE, 0, 0); }

void PostSystemClose(HWND window) { Post(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

EndSessionReply EndSession(HWND window, std::chrono::milliseconds timeout) {
    EndSessionReply reply;
    DWORD_PTR result = 0;
    reply.query_answered = SendWithin(window, WM_QUERYENDSESSION, 0, 0, timeout, result);
    reply.may_end = reply.query_answered && result != FALSE;
    reply.end_answered = SendWithin(window, WM_ENDSESSION, reply.may_end ? TRUE : FALSE, 0, timeout, result);
    return reply;
}

}  // namespace quillet::e2e
