// Test support for the message box: a plain owner window, and a script that
// inspects and drives the box from a timer on the box's own thread.
//
// The timer's WM_TIMER comes only once the thread's posted messages are all
// handled, so each step sees the effect of the keys the step before posted;
// no step ever sleeps.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "window/message_box_win32.h"

namespace quillet::test {

inline std::string WindowText(HWND hwnd) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

inline std::string ClassNameOf(HWND hwnd) {
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

inline BOOL CALLBACK CollectChild(HWND child, LPARAM found) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
    return TRUE;
}

inline std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

struct BoxSearch {
    HWND owner;
    HWND box;
};

inline BOOL CALLBACK MatchBox(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<BoxSearch*>(param);
    if (ClassNameOf(hwnd) == kMessageBoxClassName && IsWindowVisible(hwnd) &&
        GetWindow(hwnd, GW_OWNER) == search->owner) {
        search->box = hwnd;
        return FALSE;
    }
    return TRUE;
}

// The visible message box of this thread owned by `owner`, or null.
inline HWND FindMessageBox(HWND owner) {
    BoxSearch search{owner, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), MatchBox, reinterpret_cast<LPARAM>(&search));
    return search.box;
}

inline HWND ButtonOf(HWND box) { return GetDlgItem(box, IDOK); }

// The box as the program shows it: no icon, no button list, default 0, style 0.
inline int Show(HWND owner, std::string_view text, std::string_view caption = "Caption") {
    return ShowMessageBox(owner, text, caption, "", "", 0, 0);
}

// A click on OK; true, so that a script step can end with it.
inline bool Click(HWND box) {
    SendMessageA(ButtonOf(box), BM_CLICK, 0, 0);
    return true;
}

// A visible top-level window to own the box.
class OwnerWindow {
public:
    OwnerWindow(int x, int y, int width, int height) {
        WNDCLASSA window_class{};
        window_class.lpfnWndProc = DefWindowProcA;
        window_class.hInstance = GetModuleHandleA(nullptr);
        window_class.lpszClassName = "QuilletTestOwner";
        RegisterClassA(&window_class);  // fails harmlessly when registered already
        hwnd_ = CreateWindowExA(0, "QuilletTestOwner", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, width,
                                height, nullptr, nullptr, window_class.hInstance, nullptr);
        SetActiveWindow(hwnd_);
    }
    ~OwnerWindow() {
        if (hwnd_ != nullptr) {
            DestroyWindow(hwnd_);
        }
    }
    OwnerWindow(const OwnerWindow&) = delete;
    OwnerWindow& operator=(const OwnerWindow&) = delete;
    HWND Get() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
};

// Runs its steps one per tick while a message loop runs on this thread. A
// step gets the owner's visible box (or null) and returns true to go on.
// When the deadline passes, the box still open is closed through its OK
// command so that a failing test cannot hang.
class BoxScript {
public:
    using Step = std::function<bool(HWND box)>;

    BoxScript(HWND owner, std::vector<Step> steps, ULONGLONG timeout_ms = 5000)
        : owner_(owner), steps_(std::move(steps)), deadline_(GetTickCount64() + timeout_ms) {
        SetPropA(owner_, kProperty, this);
        SetTimer(owner_, kTimerId, USER_TIMER_MINIMUM, &BoxScript::OnTimer);
    }
    ~BoxScript() {
        KillTimer(owner_, kTimerId);
        RemovePropA(owner_, kProperty);
    }
    BoxScript(const BoxScript&) = delete;
    BoxScript& operator=(const BoxScript&) = delete;

    bool SawBox() const { return saw_box_; }
    bool Finished() const { return next_ == steps_.size(); }
    bool TimedOut() const { return timed_out_; }

    // A script that closes any box at once, noting that there was one.
    static std::vector<Step> CloseAnyBox() {
        return {[](HWND box) {
            if (box != nullptr) {
                SendMessageA(ButtonOf(box), BM_CLICK, 0, 0);
            }
            return false;
        }};
    }

private:
    static constexpr const char* kProperty = "QuilletBoxScript";
    static constexpr UINT_PTR kTimerId = 0x5157;

    static void CALLBACK OnTimer(HWND owner, UINT, UINT_PTR, DWORD) {
        if (auto* script = static_cast<BoxScript*>(GetPropA(owner, kProperty))) {
            script->Tick();
        }
    }

    void Tick() {
        const HWND box = FindMessageBox(owner_);
        saw_box_ = saw_box_ || box != nullptr;
        if (next_ < steps_.size() && steps_[next_](box)) {
            ++next_;
        }
        if (!Finished() && GetTickCount64() > deadline_) {
            timed_out_ = true;
            next_ = steps_.size();
            if (box != nullptr) {
                PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            }
        }
    }

    HWND owner_;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    ULONGLONG deadline_;
    bool saw_box_ = false;
    bool timed_out_ = false;
};

// The title and the static text of an open box, as other programs read them.
struct BoxContents {
    std::string title;
    std::string text;
    int buttons = 0;
    std::string button_text;
};

inline BoxContents ReadBox(HWND box) {
    BoxContents contents{WindowText(box), {}, 0, {}};
    for (const HWND child : ChildrenOf(box)) {
        const std::string kind = ClassNameOf(child);
        if (kind == "Static") {
            contents.text = WindowText(child);
        } else if (kind == "Button") {
            ++contents.buttons;
            contents.button_text = WindowText(child);
        }
    }
    return contents;
}

}  // namespace quillet::test
