// Push buttons made from a control definition: owner-drawn in the window's
// font and colours, caption centred both ways and broken at word boundaries,
// and, when flat, an edge only while the pointer is over the button.
#pragma once

#include <windows.h>

#include "window/window_class_win32.h"
#include "window/window_definition.h"

namespace quillet {

struct ButtonLook {
    HFONT font;
    COLORREF text;
    HBRUSH background;
};

class FlatButton : private BaseWindow<FlatButton> {
public:
    FlatButton() = default;
    FlatButton(const FlatButton&) = delete;
    FlatButton& operator=(const FlatButton&) = delete;
    ~FlatButton();

    // Creates the button as a child of parent; its rectangle is in pixels.
    bool Create(HWND parent, const ControlDefinition& control, const RECT& pixels);
    HWND Native() const { return hwnd_; }
    std::int32_t Number() const { return number_; }

    // Paints the button for WM_DRAWITEM.
    void Draw(const DRAWITEMSTRUCT& item, const ButtonLook& look) const;

private:
    friend class BaseWindow<FlatButton>;
    // Tracks the pointer for the edge and makes every click a press; all goes
    // on to the BUTTON class.
    LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
    void SetHot(bool hot);

    HWND hwnd_ = nullptr;  // owned by the parent window, which destroys its children
    WNDPROC original_procedure_ = nullptr;
    std::int32_t number_ = 0;
    bool flat_ = true;
    bool hot_ = false;
};

}  // namespace quillet
