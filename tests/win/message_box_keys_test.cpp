// The message box's keys and its end on WM_QUIT: keys are posted to the
// focused control, as typed keys arrive, from a timer on the box's thread.
#include "window/message_box_win32.h"

#include <gtest/gtest.h>

#include <string>

#include "message_box_test_support.h"

namespace quillet {
namespace {

using test::BoxScript;
using test::ButtonOf;
using test::Click;
using test::Show;

// Posted like keys typed at the focused button.
void Key(HWND box, UINT message, WPARAM key, LPARAM flags = 0) {
    PostMessageA(GetFocus() != nullptr ? GetFocus() : ButtonOf(box), message, key, 1 | flags);
}
constexpr LPARAM kAltDown = 1 << 29;
constexpr LPARAM kKeyReleased = static_cast<LPARAM>(3u << 30);

TEST(MessageBoxWindow, EscapeAltF4AndTheCloseCommandLeaveItOpen) {
    const test::OwnerWindow owner(200, 150, 500, 300);
    bool open_after = false;
    bool owner_still_disabled = false;
    BoxScript script(owner.Get(), {[&](HWND box) {
                                       if (box == nullptr) {
                                           return false;
                                       }
                                       SendMessageA(box, WM_CLOSE, 0, 0);
                                       SendMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
                                       Key(box, WM_KEYDOWN, VK_ESCAPE);
                                       Key(box, WM_KEYUP, VK_ESCAPE, kKeyReleased);
                                       Key(box, WM_SYSKEYDOWN, VK_F4, kAltDown);
                                       Key(box, WM_SYSKEYUP, VK_F4, kAltDown | kKeyReleased);
                                       return true;
                                   },
                                   [&](HWND box) {
                                       open_after = box != nullptr;
                                       owner_still_disabled = IsWindowEnabled(owner.Get()) == FALSE;
                                       return box == nullptr || Click(box);
                                   }});
    EXPECT_EQ(Show(owner.Get(), "Stay open"), 1);
    EXPECT_TRUE(script.Finished());
    EXPECT_TRUE(open_after);
    EXPECT_TRUE(owner_still_disabled);
}

TEST(MessageBoxWindow, EnterAndSpacePressOk) {
    struct Case {
        const char* what;
        WPARAM key;
    };
    for (const Case c : {Case{"Enter", VK_RETURN}, Case{"Space", VK_SPACE}}) {
        const test::OwnerWindow owner(200, 150, 500, 300);
        BoxScript script(owner.Get(), {[&](HWND box) {
                             if (box == nullptr) {
                                 return false;
                             }
                             Key(box, WM_KEYDOWN, c.key);
                             Key(box, WM_KEYUP, c.key, kKeyReleased);
                             return true;
                         }});
        EXPECT_EQ(Show(owner.Get(), "Press a key"), 1) << c.what;
        EXPECT_FALSE(script.TimedOut()) << c.what;
        EXPECT_TRUE(IsWindowEnabled(owner.Get())) << c.what;
    }
}

std::string ClipboardText() {
    std::string text;
    if (OpenClipboard(nullptr)) {
        if (const HANDLE data = GetClipboardData(CF_TEXT)) {
            if (const auto* chars = static_cast<const char*>(GlobalLock(data))) {
                text = chars;
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
    }
    return text;
}

void SetControlKey(bool down) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = down ? 0x80 : 0;
    keys[VK_LCONTROL] = keys[VK_CONTROL];
    SetKeyboardState(keys);
}

TEST(MessageBoxWindow, CtrlCCopiesCaptionAndTextAsTheSystemBoxDoes) {
    const test::OwnerWindow owner(200, 150, 500, 300);
    std::string copied;
    bool open_after_copy = false;
    BoxScript script(owner.Get(), {[&](HWND box) {
                                       if (box == nullptr) {
                                           return false;
                                       }
                                       SetControlKey(true);
                                       Key(box, WM_KEYDOWN, 'C');
                                       return true;
                                   },
                                   [&](HWND box) {
                                       SetControlKey(false);
                                       Key(box, WM_KEYUP, 'C', kKeyReleased);
                                       open_after_copy = box != nullptr;
                                       copied = ClipboardText();
                                       return box == nullptr || Click(box);
                                   }});
    EXPECT_EQ(Show(owner.Get(), "    |The registry setting is:   ||  & more   ", "REG_SZ     "), 1);
    EXPECT_TRUE(open_after_copy);
    EXPECT_EQ(copied,
              "---------------------------\r\nREG_SZ\r\n---------------------------\r\n"
              "    \r\nThe registry setting is:   \r\n\r\n  & more\r\n"
              "---------------------------\r\nOK   \r\n---------------------------\r\n");
}

TEST(MessageBoxWindow, QuitWhileOpenEndsTheBoxAndIsPostedAgain) {
    const test::OwnerWindow owner(200, 150, 500, 300);
    BoxScript script(owner.Get(), {[&](HWND box) {
                         if (box == nullptr) {
                             return false;
                         }
                         PostQuitMessage(7);
                         return true;
                     }});
    EXPECT_EQ(Show(owner.Get(), "Quit"), 0);
    EXPECT_TRUE(IsWindowEnabled(owner.Get()));
    EXPECT_EQ(test::FindMessageBox(owner.Get()), nullptr);
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
}

}  // namespace
}  // namespace quillet
