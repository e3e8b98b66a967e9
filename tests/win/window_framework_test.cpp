// Windows built from a definition, in-process: what another process cannot
// see under Wine (the window menu, the icons) and the window's geometry in
// dialog units.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/main_window_definition.h"
#include "window/window_font_win32.h"
#include "window/window_win32.h"

namespace quillet {
namespace {

class NoEvents final : public WindowEvents {
public:
    LevelCode TakeAccepted(std::int32_t) override { return kCarryOn; }
    void OnCloseRequested() override {}
    void OnSessionEnding() override {}
};

class MainWindowInProcess : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(window_.Open(events_)); }

    NoEvents events_;
    ApplicationIcon application_icon_;
    Window window_{MainWindowDefinition(), application_icon_};
};

TEST_F(MainWindowInProcess, OpensHiddenAtTheTopLeftWithItsClientSizeInUnitsOfItsFont) {
    HWND hwnd = window_.Native();
    EXPECT_FALSE(IsWindowVisible(hwnd));
    const ScopedFont font = CreateDefinedFont(MainWindowDefinition().font);
    const DialogBase base = MeasureDialogBase(font.Get());
    EXPECT_EQ(window_.Base().width, base.width);
    EXPECT_EQ(window_.Base().height, base.height);
    RECT outer{};
    GetWindowRect(hwnd, &outer);
    EXPECT_EQ(outer.left, 0);
    EXPECT_EQ(outer.top, 0);
    RECT client{};
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, MulDiv(68, base.width, 4));
    EXPECT_EQ(client.bottom, MulDiv(71, base.height, 8));
    EXPECT_EQ(window_.X(), 0);
    EXPECT_EQ(window_.Y(), 0);
    EXPECT_EQ(window_.Width(), 68);
    EXPECT_EQ(window_.Height(), 71);
}

// The system greys Size, Minimize and Maximize itself when the menu opens,
// from the window's styles (checked from outside); Close must be there.
TEST_F(MainWindowInProcess, WindowMenuOffersAnEnabledClose) {
    HMENU menu = GetSystemMenu(window_.Native(), FALSE);
    ASSERT_NE(menu, nullptr);
    const UINT close_state = GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND);
    ASSERT_NE(close_state, static_cast<UINT>(-1));
    EXPECT_EQ(close_state & (MF_GRAYED | MF_DISABLED), 0u);
}

TEST_F(MainWindowInProcess, HandedOverIconIsShownByTheWindowAtBothSizes) {
    application_icon_.Set("~Sch-ord.ico");
    ASSERT_NE(application_icon_.Large(), nullptr) << "the program carries the icon resource";
    window_.SetIconName("");
    EXPECT_EQ(window_.IconName(), "");
    const auto big = reinterpret_cast<HICON>(SendMessageA(window_.Native(), WM_GETICON, ICON_BIG, 0));
    const auto small = reinterpret_cast<HICON>(SendMessageA(window_.Native(), WM_GETICON, ICON_SMALL, 0));
    ASSERT_NE(big, nullptr);
    ASSERT_NE(small, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(small, &info));
    BITMAP bitmap{};
    GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, GetSystemMetrics(SM_CXSMICON));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

// The definition names the icon "Sch-ord.ico"; until the open step hands the
// icon over, that name would be an icon file in the current directory, which
// may be a folder of downloads. A valid icon of that name lying there is not
// loaded: the window opens without an icon of its own.
TEST(MainWindowIcon, AnIconFileInTheCurrentDirectoryIsNotLoaded) {
    char previous[MAX_PATH] = {};
    ASSERT_NE(GetCurrentDirectoryA(MAX_PATH, previous), 0u);
    char temp[MAX_PATH] = {};
    ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
    const std::string folder = std::string(temp) + "quillet-icon-folder";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string planted = folder + "\\Sch-ord.ico";
    ASSERT_TRUE(CopyFileA(QUILLET_ICON_FILE, planted.c_str(), FALSE)) << QUILLET_ICON_FILE;
    ASSERT_NE(LoadImageA(nullptr, planted.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE), nullptr)
        << "the planted file is a loadable icon";
    ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
    {
        NoEvents events;
        ApplicationIcon application_icon;
        Window window{MainWindowDefinition(), application_icon};
        ASSERT_TRUE(window.Open(events));
        EXPECT_EQ(window.IconName(), "Sch-ord.ico");
        EXPECT_EQ(SendMessageA(window.Native(), WM_GETICON, ICON_BIG, 0), 0);
        EXPECT_EQ(SendMessageA(window.Native(), WM_GETICON, ICON_SMALL, 0), 0);
    }
    SetCurrentDirectoryA(previous);
    DeleteFileA(planted.c_str());
    RemoveDirectoryA(folder.c_str());
}

TEST_F(MainWindowInProcess, ButtonsFollowTheirDefinitionInUnits) {
    const DialogBase base = window_.Base();
    for (const ControlDefinition& control : MainWindowDefinition().controls) {
        HWND button = window_.Control(control.number);
        ASSERT_NE(button, nullptr) << control.text;
        char text[64] = {};
        GetWindowTextA(button, text, sizeof text);
        EXPECT_STREQ(text, control.text);
        RECT rect{};
        GetWindowRect(button, &rect);
        MapWindowPoints(nullptr, window_.Native(), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, MulDiv(control.x, base.width, 4)) << control.text;
        EXPECT_EQ(rect.top, MulDiv(control.y, base.height, 8)) << control.text;
        EXPECT_EQ(rect.right, MulDiv(control.x + control.width, base.width, 4)) << control.text;
        EXPECT_EQ(rect.bottom, MulDiv(control.y + control.height, base.height, 8)) << control.text;
        EXPECT_EQ(GetWindowLongA(button, GWL_STYLE) & WS_TABSTOP, 0) << control.text;
    }
}

TEST_F(MainWindowInProcess, PlaceAndSizeRoundTripInUnits) {
    window_.SetX(120);
    window_.SetY(80);
    window_.SetWidth(68);
    window_.SetHeight(71);
    EXPECT_EQ(window_.X(), 120);
    EXPECT_EQ(window_.Y(), 80);
    EXPECT_EQ(window_.Width(), 68);
    EXPECT_EQ(window_.Height(), 71);
    window_.SetX(kNotStored);
    window_.SetY(-15);
    EXPECT_EQ(window_.X(), 120);
    EXPECT_EQ(window_.Y(), -15);
}

TEST_F(MainWindowInProcess, SizesThatWouldMakeTheWindowUnusableAreRefused) {
    for (const std::int32_t bad : {0, -5, 99999999, 2147483647}) {
        window_.SetWidth(bad);
        window_.SetHeight(bad);
        EXPECT_EQ(window_.Width(), 68) << bad;
        EXPECT_EQ(window_.Height(), 71) << bad;
    }
    window_.SetWidth(100);
    window_.SetHeight(1);
    EXPECT_EQ(window_.Width(), 100);
    EXPECT_EQ(window_.Height(), 1);
}

TEST_F(MainWindowInProcess, VisibilityCheckKnowsTheWorkArea) {
    EXPECT_TRUE(window_.WouldBeVisibleAt(0, 0));
    EXPECT_TRUE(window_.WouldBeVisibleAt(-15, 0));
    EXPECT_FALSE(window_.WouldBeVisibleAt(100000, 100000));
    EXPECT_FALSE(window_.WouldBeVisibleAt(-100000, 0));
}

TEST_F(MainWindowInProcess, StateAskedForWhileHiddenWaitsUntilTheWindowIsShown) {
    window_.SetMaximized(true);
    EXPECT_TRUE(window_.IsMaximized());
    EXPECT_FALSE(IsWindowVisible(window_.Native())) << "maximizing a hidden window must not show it";
    window_.Show();
    EXPECT_TRUE(IsZoomed(window_.Native()));
    window_.SetMaximized(false);
    EXPECT_FALSE(IsZoomed(window_.Native()));
    EXPECT_EQ(window_.X(), 0);
}

}  // namespace
}  // namespace quillet
