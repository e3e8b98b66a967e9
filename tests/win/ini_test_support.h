// Shared by the settings-store tests: a scratch INI file in the Windows
// directory, read and written byte for byte, and a window that records what
// is done to it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "window/window_properties.h"

namespace quillet::test_support {

// Not the program's own "Quillet.INI": the end-to-end tests use that one.
inline constexpr const char* kTestIniName = "QuilletIniTest.INI";

inline std::string WindowsDirectoryPath(const std::string& name) {
    char directory[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryA(directory, MAX_PATH);
    EXPECT_GT(length, 0u);
    EXPECT_LT(length, static_cast<UINT>(MAX_PATH));
    return std::string(directory, length) + "\\" + name;
}

class ScratchIniTest : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = WindowsDirectoryPath(kTestIniName);
        DeleteFileA(path_.c_str());
    }
    void TearDown() override { DeleteFileA(path_.c_str()); }

    void GivenFile(const std::string& bytes) const {
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out << bytes;
        ASSERT_TRUE(out.good()) << path_;
    }
    bool FileExists() const { return GetFileAttributesA(path_.c_str()) != INVALID_FILE_ATTRIBUTES; }
    std::string FileBytes() const {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::string path_;
};

// A window in dialog units on one monitor whose work area is 0..800 x 0..600.
class FakeWindow : public WindowProperties {
public:
    bool maximized = false;
    bool minimized = false;
    std::int32_t x = 10;
    std::int32_t y = 20;
    std::int32_t width = 68;
    std::int32_t height = 71;
    FrameKind frame = FrameKind::None;
    std::vector<std::string> calls;  // every change asked of the window, in order

    bool IsMaximized() const override { return maximized; }
    void SetMaximized(bool value) override {
        Record("SetMaximized", value ? 1 : 0);
        maximized = value;
    }
    bool IsMinimized() const override { return minimized; }
    void SetMinimized(bool value) override {
        Record("SetMinimized", value ? 1 : 0);
        minimized = value;
    }

    std::int32_t X() const override { return x; }
    std::int32_t Y() const override { return y; }
    std::int32_t Width() const override { return width; }
    std::int32_t Height() const override { return height; }
    // As the interface promises, the not-stored marker changes nothing.
    void SetX(std::int32_t value) override { Change("SetX", x, value); }
    void SetY(std::int32_t value) override { Change("SetY", y, value); }
    void SetWidth(std::int32_t value) override { Change("SetWidth", width, value); }
    void SetHeight(std::int32_t value) override { Change("SetHeight", height, value); }

    FrameKind Frame() const override { return frame; }

    bool WouldBeVisibleAt(std::int32_t at_x, std::int32_t at_y) const override {
        const std::int64_t left = at_x == kNotStored ? x : at_x;
        const std::int64_t top = at_y == kNotStored ? y : at_y;
        return left < 800 && left + width > 0 && top < 600 && top + height > 0;
    }

private:
    void Record(const char* what, std::int32_t value) {
        std::ostringstream text;
        text << what << '(' << value << ')';
        calls.push_back(text.str());
    }
    void Change(const char* what, std::int32_t& field, std::int32_t value) {
        if (value != kNotStored) {
            Record(what, value);
            field = value;
        }
    }
};

// The lines of an INI file as the private-profile service writes them.
inline std::string CrLfLines(std::initializer_list<const char*> lines) {
    std::string bytes;
    for (const char* line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

}  // namespace quillet::test_support
