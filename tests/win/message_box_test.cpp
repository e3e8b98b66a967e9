// The message box in this process: built, inspected and pressed from a timer
// on its own thread while its modal loop runs.
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
using test::ChildrenOf;
using test::ClassNameOf;

RECT WorkAreaOf(HWND hwnd) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoA(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

TEST(MessageBoxWindow, ShowsTitleStaticTextAndOneDefaultOkButton) {
    const test::OwnerWindow owner(200, 150, 500, 300);
    test::BoxContents seen;
    LONG_PTR box_style = 0;
    LONG_PTR static_style = 0;
    LONG_PTR button_style = 0;
    std::size_t children = 0;
    bool owner_enabled_while_open = true;
    bool button_has_focus = false;
    LRESULT icons = 0;
    BoxScript script(owner.Get(), {[&](HWND box) {
                         if (box == nullptr) {
                             return false;
                         }
                         seen = test::ReadBox(box);
                         box_style = GetWindowLongPtrA(box, GWL_STYLE);
                         children = ChildrenOf(box).size();
                         for (const HWND child : ChildrenOf(box)) {
                             const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
                             (ClassNameOf(child) == "Static" ? static_style : button_style) = style;
                         }
                         owner_enabled_while_open = IsWindowEnabled(owner.Get()) != FALSE;
                         button_has_focus = GetFocus() == ButtonOf(box);
                         icons = SendMessageA(box, WM_GETICON, ICON_BIG, 0) |
                                 SendMessageA(box, WM_GETICON, ICON_SMALL, 0) |
                                 static_cast<LRESULT>(GetClassLongPtrA(box, GCLP_HICON)) |
                                 static_cast<LRESULT>(GetClassLongPtrA(box, GCLP_HICONSM));
                         return Click(box);
                     }});

    const int result = Show(owner.Get(), "  first|second & third||  fourth   ", "Caption   ");

    EXPECT_TRUE(script.Finished());
    EXPECT_FALSE(script.TimedOut());
    EXPECT_EQ(result, 1);
    EXPECT_EQ(seen.title, "Caption");
    EXPECT_EQ(seen.text, "  first\r\nsecond & third\r\n\r\n  fourth");
    EXPECT_EQ(children, 2u);
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_EQ(seen.button_text, "OK");
    EXPECT_EQ(box_style & WS_SYSMENU, 0);
    EXPECT_EQ(box_style & WS_CAPTION, WS_CAPTION);
    EXPECT_EQ(static_style & SS_TYPEMASK, SS_LEFT);
    EXPECT_EQ(static_style & SS_NOPREFIX, SS_NOPREFIX);
    EXPECT_EQ(button_style & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(icons, 0);
    EXPECT_FALSE(owner_enabled_while_open);
    EXPECT_TRUE(button_has_focus);
    EXPECT_TRUE(IsWindowEnabled(owner.Get()));
    EXPECT_EQ(GetActiveWindow(), owner.Get());
    EXPECT_EQ(test::FindMessageBox(owner.Get()), nullptr);
}

TEST(MessageBoxWindow, CaptionOfBlanksGivesAnEmptyTitle) {
    const test::OwnerWindow owner(200, 150, 500, 300);
    std::string title = "unset";
    BoxScript script(owner.Get(), {[&](HWND box) {
                         if (box == nullptr) {
                             return false;
                         }
                         title = test::WindowText(box);
                         return Click(box);
                     }});
    EXPECT_EQ(Show(owner.Get(), "Unable to write into the system registry", std::string(50, ' ')), 1);
    EXPECT_EQ(title, "");
}

TEST(MessageBoxWindow, UsesTheSystemMessageFont) {
    const test::OwnerWindow owner(200, 150, 500, 300);
    LOGFONTA used{};
    BoxScript script(owner.Get(), {[&](HWND box) {
                         if (box == nullptr) {
                             return false;
                         }
                         const auto font = reinterpret_cast<HFONT>(SendMessageA(ButtonOf(box), WM_GETFONT, 0, 0));
                         GetObjectA(font, sizeof used, &used);
                         return Click(box);
                     }});
    Show(owner.Get(), "text");
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    EXPECT_STREQ(used.lfFaceName, metrics.lfMessageFont.lfFaceName);
    EXPECT_EQ(used.lfHeight, metrics.lfMessageFont.lfHeight);
}

TEST(MessageBoxWindow, IsCentredOverItsOwnerAndKeptInsideTheWorkArea) {
    struct Case {
        const char* what;
        RECT owner;  // left, top, width, height
        bool centred;
    };
    const Case cases[] = {
        {"owner in the middle", {300, 200, 600, 400}, true},
        {"owner off the bottom-right corner", {1100, 900, 600, 400}, false},
        {"owner off the top-left corner", {-500, -300, 600, 400}, false},
    };
    for (const auto& c : cases) {
        const test::OwnerWindow owner(c.owner.left, c.owner.top, c.owner.right, c.owner.bottom);
        RECT box_rect{};
        BoxScript script(owner.Get(), {[&](HWND box) {
                             if (box == nullptr) {
                                 return false;
                             }
                             GetWindowRect(box, &box_rect);
                             return Click(box);
                         }});
        Show(owner.Get(), "The registry setting is:||1");
        RECT owner_rect{};
        GetWindowRect(owner.Get(), &owner_rect);
        EXPECT_TRUE(Inside(box_rect, WorkAreaOf(owner.Get()))) << c.what;
        if (c.centred) {
            EXPECT_LE(std::abs((box_rect.left + box_rect.right) - (owner_rect.left + owner_rect.right)), 1) << c.what;
            EXPECT_LE(std::abs((box_rect.top + box_rect.bottom) - (owner_rect.top + owner_rect.bottom)), 1) << c.what;
        }
    }
}

int LineHeightOf(HWND control) {
    const HDC dc = GetDC(control);
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return metrics.tmHeight;
}

TEST(MessageBoxWindow, WrapsALineOnlyWhereItIsWiderThanTheTextArea) {
    std::string long_line;
    for (int i = 0; i < 120; ++i) {
        long_line += "wrapping ";
    }
    struct Case {
        const char* what;
        std::string text;
        int min_lines;
        int max_lines;
    };
    const Case cases[] = {
        {"three short lines", "    |The registry setting is:   ||                  1", 4, 4},
        {"a line wider than the screen", long_line, 2, 20},
    };
    for (const auto& c : cases) {
        const test::OwnerWindow owner(200, 150, 500, 300);
        RECT box_rect{};
        int text_height = 0;
        int line_height = 1;
        BoxScript script(owner.Get(), {[&](HWND box) {
                             if (box == nullptr) {
                                 return false;
                             }
                             GetWindowRect(box, &box_rect);
                             for (const HWND child : ChildrenOf(box)) {
                                 if (ClassNameOf(child) == "Static") {
                                     RECT r{};
                                     GetClientRect(child, &r);
                                     text_height = r.bottom;
                                     line_height = LineHeightOf(child);
                                 }
                             }
                             return Click(box);
                         }});
        Show(owner.Get(), c.text);
        EXPECT_TRUE(Inside(box_rect, WorkAreaOf(owner.Get()))) << c.what;
        EXPECT_GE(text_height, c.min_lines * line_height) << c.what;
        EXPECT_LE(text_height, c.max_lines * line_height) << c.what;
    }
}

}  // namespace
}  // namespace quillet
