// A window described as data: its frame, font, colours, icon and a table of
// push buttons. Positions and sizes are dialog units of the window's font.
#pragma once

#include <cstdint>
#include <span>

#include "window/window_properties.h"

namespace quillet {

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

struct FontDefinition {
    const char* face;
    std::int32_t points;
    std::int32_t weight;
    bool italic;
    bool underline;
    bool strike_out;
    std::uint8_t charset;
    bool fixed_pitch;  // where the face is missing, the stand-in keeps its fixed pitch
};

struct ControlDefinition {
    std::int32_t number;  // the control number the window reports when it is accepted
    const char* label;
    const char* text;
    std::int32_t x;
    std::int32_t y;
    std::int32_t width;
    std::int32_t height;
    bool flat;      // drawn without its raised edge until the pointer is over it
    bool tab_stop;
};

struct WindowDefinition {
    const char* name;
    const char* title;
    std::int32_t x;  // outer top-left, screen
    std::int32_t y;
    std::int32_t width;  // client area
    std::int32_t height;
    FrameKind frame;
    bool system_menu;
    bool minimize_box;
    bool maximize_box;
    FontDefinition font;
    Rgb text_colour;
    Rgb background_colour;
    const char* icon;  // "~NAME" is a resource of the program, anything else a file
    std::span<const ControlDefinition> controls;
};

}  // namespace quillet
