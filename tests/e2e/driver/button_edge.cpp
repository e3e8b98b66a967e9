#include "driver/button_edge.h"

#include <stdexcept>

#include "driver/screen_pixels.h"
#include "driver/window_query.h"

namespace quillet::e2e {
namespace {

int Brightness(COLORREF colour) {
    return (GetRValue(colour) * 299 + GetGValue(colour) * 587 + GetBValue(colour) * 114) / 1000;
}

// Mean brightness of the points; -1 when any of them shows the face colour.
int MeanBrightnessUnlike(const ScreenPixels& screen, const std::vector<POINT>& points, COLORREF face) {
    long long sum = 0;
    for (const POINT point : points) {
        const COLORREF colour = screen.At(point);
        if (colour == face) {
            return -1;
        }
        sum += Brightness(colour);
    }
    return static_cast<int>(sum / static_cast<long long>(points.size()));
}

}  // namespace

std::string Name(ButtonEdge edge) {
    switch (edge) {
        case ButtonEdge::kFlat:
            return "flat";
        case ButtonEdge::kRaised:
            return "raised";
        case ButtonEdge::kSunken:
            return "sunken";
        case ButtonEdge::kOther:
            break;
    }
    return "neither flat, raised nor sunken";
}

ButtonOnScreen::ButtonOnScreen(HWND button) : button_(button), rect_(WindowRectOnScreen(button)) {
    const auto shows_button = [&](POINT point) { return WindowFromPoint(point) == button_; };
    for (LONG x = rect_.left + 1; x < rect_.right - 1; ++x) {
        if (const POINT top{x, rect_.top}; shows_button(top)) {
            top_left_.push_back(top);
        }
        if (const POINT bottom{x, rect_.bottom - 1}; shows_button(bottom)) {
            bottom_right_.push_back(bottom);
        }
    }
    for (LONG y = rect_.top + 1; y < rect_.bottom - 1; ++y) {
        if (const POINT left{rect_.left, y}; shows_button(left)) {
            top_left_.push_back(left);
        }
        if (const POINT right{rect_.right - 1, y}; shows_button(right)) {
            bottom_right_.push_back(right);
        }
    }
    const POINT corners[] = {{rect_.left + 2, rect_.top + 2},
                             {rect_.right - 3, rect_.top + 2},
                             {rect_.left + 2, rect_.bottom - 3},
                             {rect_.right - 3, rect_.bottom - 3}};
    bool face_found = false;
    for (const POINT corner : corners) {
        if (shows_button(corner)) {
            face_ = corner;
            face_found = true;
            break;
        }
    }
    if (top_left_.empty() || bottom_right_.empty() || !face_found) {
        throw std::runtime_error("control " + std::to_string(ControlId(button)) + " is hidden under other windows");
    }
}

ButtonEdge ButtonOnScreen::Read() const {
    const ScreenPixels screen(rect_);
    const COLORREF face = screen.At(face_);
    bool all_face = true;
    for (const auto* side : {&top_left_, &bottom_right_}) {
        for (const POINT point : *side) {
            all_face = all_face && screen.At(point) == face;
        }
    }
    if (all_face) {
        return ButtonEdge::kFlat;
    }
    const int lit = MeanBrightnessUnlike(screen, top_left_, face);
    const int shaded = MeanBrightnessUnlike(screen, bottom_right_, face);
    if (lit < 0 || shaded < 0 || lit == shaded) {
        return ButtonEdge::kOther;
    }
    return lit > shaded ? ButtonEdge::kRaised : ButtonEdge::kSunken;
}

}  // namespace quillet::e2e
