// What a stored-geometry keeper needs of a window: its state, place, size and
// frame kind. Positions are the window's outer top-left, sizes its client
// area, all in the dialog units of the window's own font.
#pragma once

#include <cstdint>
#include <limits>

namespace quillet {

// In a position or size: no value is stored.
inline constexpr std::int32_t kNotStored = std::numeric_limits<std::int32_t>::min();

enum class FrameKind {
    None,       // no border of its own (a title bar brings its fixed frame)
    Single,     // single fixed border
    Double,     // double (dialog) fixed border
    Resizable,  // sizing border
};

class WindowProperties {
public:
    virtual ~WindowProperties() = default;

    virtual bool IsMaximized() const = 0;
    virtual void SetMaximized(bool maximized) = 0;
    virtual bool IsMinimized() const = 0;
    virtual void SetMinimized(bool minimized) = 0;

    virtual std::int32_t X() const = 0;
    virtual std::int32_t Y() const = 0;
    virtual std::int32_t Width() const = 0;
    virtual std::int32_t Height() const = 0;
    // kNotStored leaves the coordinate or size unchanged.
    virtual void SetX(std::int32_t x) = 0;
    virtual void SetY(std::int32_t y) = 0;
    virtual void SetWidth(std::int32_t width) = 0;
    virtual void SetHeight(std::int32_t height) = 0;

    virtual FrameKind Frame() const = 0;

    // Would the window, with its top-left moved to x, y (kNotStored: where it
    // is now) and its present size, overlap the work area of some monitor?
    virtual bool WouldBeVisibleAt(std::int32_t x, std::int32_t y) const = 0;
};

}  // namespace quillet
