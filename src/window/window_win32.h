// A framework window built from its definition. The structure exists from
// construction; Open() creates the window on the desktop, hidden, with its
// buttons; the destructor destroys it.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "window/application_icon_win32.h"
#include "window/dialog_units.h"
#include "window/flat_button_win32.h"
#include "window/level_code.h"
#include "winapi/scoped_win32.h"
#include "window/window_class_win32.h"
#include "window/window_definition.h"
#include "window/window_properties.h"

namespace quillet {

// What the window reports to the object that runs it.
class WindowEvents {
public:
    // The accepted-control step for a press of a button. Presses reach it one
    // at a time: a press that arrives while one is handled (say, from behind
    // a modal box) is dropped.
    virtual LevelCode TakeAccepted(std::int32_t control) = 0;
    virtual void OnCloseRequested() = 0;
    virtual void OnSessionEnding() = 0;

protected:
    ~WindowEvents() = default;
};

class Window final : public WindowProperties, private BaseWindow<Window> {
public:
    Window(const WindowDefinition& definition, const ApplicationIcon& application_icon);
    ~Window() override;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Creates the window, hidden, at its defined place and size.
    bool Open(WindowEvents& events);
    HWND Native() const { return hwnd_.Get(); }
    DialogBase Base() const { return base_; }

    // Shows the window in its pending state, raised and in the foreground.
    void Show();
    bool IsShown() const;
    void FocusControl(std::int32_t control);
    HWND Control(std::int32_t control) const;

    // The window's own icon ("~NAME", a resource); any other name, empty
    // included: the application icon is shown.
    const std::string& IconName() const { return icon_name_; }
    void SetIconName(std::string_view name);

    // WindowProperties, in dialog units.
    bool IsMaximized() const override;
    void SetMaximized(bool maximized) override;
    bool IsMinimized() const override;
    void SetMinimized(bool minimized) override;
    std::int32_t X() const override;
    std::int32_t Y() const override;
    std::int32_t Width() const override;
    std::int32_t Height() const override;
    void SetX(std::int32_t x) override;
    void SetY(std::int32_t y) override;
    void SetWidth(std::int32_t width) override;
    void SetHeight(std::int32_t height) override;
    FrameKind Frame() const override { return definition_.frame; }
    bool WouldBeVisibleAt(std::int32_t x, std::int32_t y) const override;

private:
    friend class BaseWindow<Window>;
    LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
    void DrawButton(const DRAWITEMSTRUCT& item) const;
    void ApplyIcon();
    DWORD Style() const;
    DWORD ExStyle() const;
    SIZE OuterSizeForClient(std::int32_t width_px, std::int32_t height_px) const;
    bool IsUsableClientSize(std::int32_t width, std::int32_t height) const;

    const WindowDefinition& definition_;
    const ApplicationIcon& application_icon_;
    WindowEvents* events_ = nullptr;
    bool in_press_ = false;
    ScopedFont font_;
    ScopedBrush background_;
    DialogBase base_{};
    std::string icon_name_;
    ScopedIcon large_icon_;  // the window's own icons, when it has them
    ScopedIcon small_icon_;
    HICON shown_large_ = nullptr;  // what the window shows: its own or the application's
    HICON shown_small_ = nullptr;
    std::vector<std::unique_ptr<FlatButton>> buttons_;
    // State asked for while the window is still hidden, applied when it is shown.
    bool pending_maximized_ = false;
    bool pending_minimized_ = false;
    ScopedWindow hwnd_;  // last: destroyed first, while the rest still exists
};

}  // namespace quillet
