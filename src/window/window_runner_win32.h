// Runs one window of the program: its open step, then its message loop until
// the user closes it, then its close step. A window of the program derives
// from it, adds its own open and close work around the runner's, and takes
// its buttons' presses in TakeAccepted.
#pragma once

#include <cstdint>

#include "window/framework_win32.h"
#include "window/level_code.h"
#include "window/window_win32.h"

namespace quillet {

class WindowRunner : protected WindowEvents {
public:
    explicit WindowRunner(Framework& framework);
    virtual ~WindowRunner();
    WindowRunner(const WindowRunner&) = delete;
    WindowRunner& operator=(const WindowRunner&) = delete;

    // Open step; the message loop if it carried on; the close step in every
    // case. The run result: 2, no response (nothing in the program sets one).
    int Run();

    virtual LevelCode OpenStep();
    // Carries on only the first time: a runner closes once.
    virtual LevelCode CloseStep();

    // Creates the window from its definition, hidden; sets MYWINDOW and OPENED.
    LevelCode OpenWindow(Window& window);
    // Shows the window with the focus on FIRSTFIELD, then dispatches its
    // messages until it is closed.
    void RunMessageLoop();

    std::int32_t FIRSTFIELD = 0;
    Window* MYWINDOW = nullptr;
    bool OPENED = false;

protected:
    Framework& framework_;

private:
    void OnCloseRequested() override;
    void OnSessionEnding() override;
    bool IsEnterOnButton(const MSG& message) const;

    bool closed_ = false;
    bool close_requested_ = false;
};

}  // namespace quillet
