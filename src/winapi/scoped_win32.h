// Owners for Windows handles: each releases its handle exactly once and
// cannot be copied, only moved.
#pragma once

#include <windows.h>

#include <utility>

namespace quillet {

template <typename Handle, typename Traits>
class Scoped {
public:
    Scoped() = default;
    explicit Scoped(Handle handle) : handle_(handle) {}
    ~Scoped() { Reset(); }
    Scoped(const Scoped&) = delete;
    Scoped& operator=(const Scoped&) = delete;
    Scoped(Scoped&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
    Scoped& operator=(Scoped&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.handle_, Handle{}));
        }
        return *this;
    }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }
    Handle Release() { return std::exchange(handle_, Handle{}); }
    void Reset(Handle handle = Handle{}) {
        if (handle_ != Handle{}) {
            Traits::Close(handle_);
        }
        handle_ = handle;
    }

private:
    Handle handle_{};
};

struct WindowTraits {
    static void Close(HWND h) { DestroyWindow(h); }
};
struct IconTraits {
    static void Close(HICON h) { DestroyIcon(h); }
};
struct FontTraits {
    static void Close(HFONT h) { DeleteObject(h); }
};
struct BrushTraits {
    static void Close(HBRUSH h) { DeleteObject(h); }
};
struct HandleTraits {
    static void Close(HANDLE h) { CloseHandle(h); }
};
// Only keys the program opened belong here, never the predefined roots.
struct HkeyTraits {
    static void Close(HKEY key) { RegCloseKey(key); }
};
struct ModuleTraits {
    static void Close(HMODULE module) { FreeLibrary(module); }
};

using ScopedWindow = Scoped<HWND, WindowTraits>;
using ScopedIcon = Scoped<HICON, IconTraits>;
using ScopedFont = Scoped<HFONT, FontTraits>;
using ScopedBrush = Scoped<HBRUSH, BrushTraits>;
using ScopedHandle = Scoped<HANDLE, HandleTraits>;
using ScopedHkey = Scoped<HKEY, HkeyTraits>;
using ScopedModule = Scoped<HMODULE, ModuleTraits>;

// A device context borrowed with GetDC, given back with ReleaseDC.
class ScopedWindowDc {
public:
    explicit ScopedWindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~ScopedWindowDc() {
        if (dc_ != nullptr) {
            ReleaseDC(hwnd_, dc_);
        }
    }
    ScopedWindowDc(const ScopedWindowDc&) = delete;
    ScopedWindowDc& operator=(const ScopedWindowDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// A GDI object selected into a DC for the lifetime of this object.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() {
        // SelectObject reports failure as null or HGDI_ERROR.
        if (previous_ != nullptr && reinterpret_cast<LONG_PTR>(previous_) != -1) {
            SelectObject(dc_, previous_);
        }
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace quillet
