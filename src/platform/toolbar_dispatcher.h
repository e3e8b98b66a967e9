// Toolbar navigation for a window procedure. Windows without a toolbar have
// nothing to serve, so taking an accepted control does nothing.
#pragma once

namespace quillet {

class ToolbarDispatcher {
public:
    void TakeAccepted(int /*control*/) {}
};

}  // namespace quillet
