// The window procedure object: opens a window, runs its event loop and
// closes it again, with a replaceable step for each kind of event.
#pragma once

#include <cstdint>

#include "platform/framework_win32.h"
#include "platform/level_code.h"
#include "platform/toolbar_dispatcher.h"
#include "platform/window_win32.h"

namespace quillet {

class WindowProcedure : private WindowEvents {
public:
    explicit WindowProcedure(Framework& framework);
    virtual ~WindowProcedure();
    WindowProcedure(const WindowProcedure&) = delete;
    WindowProcedure& operator=(const WindowProcedure&) = delete;

    // Open step; the event loop if it carried on; the close step in every
    // case. The response, or 2 when there is none.
    int Run();

    virtual LevelCode OpenStep();
    virtual LevelCode CloseStep();
    virtual LevelCode TakeAccepted();

    // Creates the window from its definition, hidden; sets MYWINDOW and OPENED.
    LevelCode OpenWindow(Window& window);
    // Shows the window with the focus on FIRSTFIELD and delivers its events
    // until it is closed.
    void Ask();
    // Asks every registered component to update itself.
    LevelCode Update();
    // Registers the alert keys of the registered components.
    LevelCode RegisterAlerts();
    // The control being accepted; 0 outside an accepted-control step.
    std::int32_t Accepted() const { return accepted_; }

    std::uint8_t REQUEST = 0;
    std::int32_t FIRSTFIELD = 0;
    ErrorManager* ERRORS = nullptr;
    ToolbarDispatcher* TOOLBAR = nullptr;
    Window* MYWINDOW = nullptr;
    bool OPENED = false;
    std::int32_t RESPONSE = 0;

protected:
    Framework& framework_;

private:
    void OnControlAccepted(std::int32_t control) override;
    void OnCloseRequested() override;
    void OnSessionEnding() override;
    bool IsEnterOnButton(const MSG& message) const;

    bool closed_ = false;
    bool close_requested_ = false;
    bool in_accepted_ = false;
    std::int32_t accepted_ = 0;
};

}  // namespace quillet
