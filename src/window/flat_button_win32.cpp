#include "window/flat_button_win32.h"

#include "winapi/scoped_win32.h"

namespace quillet {
namespace {

constexpr int kTextMargin = 2;  // pixels kept clear inside the edge

}  // namespace

FlatButton::~FlatButton() {
    if (hwnd_ != nullptr && IsWindow(hwnd_) && original_procedure_ != nullptr) {
        Detach(hwnd_, original_procedure_);
    }
}

bool FlatButton::Create(HWND parent, const ControlDefinition& control, const RECT& pixels) {
    number_ = control.number;
    flat_ = control.flat;
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_OWNERDRAW;
    if (control.tab_stop) {
        style |= WS_TABSTOP;
    }
    hwnd_ = CreateWindowExA(0, "BUTTON", control.text, style, pixels.left, pixels.top, pixels.right - pixels.left,
                            pixels.bottom - pixels.top, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.number)), GetModuleHandleA(nullptr),
                            nullptr);
    if (hwnd_ == nullptr) {
        return false;
    }
    // Subclassed by hand rather than through the common controls, which would
    // cost the program a library load at every start.
    original_procedure_ = Attach(hwnd_, this);
    return true;
}

LRESULT FlatButton::HandleMessage(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    // The BUTTON class asks for double clicks, and an owner-drawn button
    // reports a second click within the double-click time as BN_DOUBLECLICKED
    // instead of pressing. Here every click is a press: the second one goes
    // down like the first and reports BN_CLICKED on release over the button.
    if (message == WM_LBUTTONDBLCLK) {
        message = WM_LBUTTONDOWN;
    }
    if (message == WM_MOUSEMOVE && !hot_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
        TrackMouseEvent(&track);
        SetHot(true);
    } else if (message == WM_MOUSELEAVE) {
        SetHot(false);
    }
    return CallWindowProcA(original_procedure_, hwnd, message, wparam, lparam);
}

void FlatButton::SetHot(bool hot) {
    if (hot_ != hot) {
        hot_ = hot;
        InvalidateRect(hwnd_, nullptr, FALSE);
    }
}

void FlatButton::Draw(const DRAWITEMSTRUCT& item, const ButtonLook& look) const {
    HDC dc = item.hDC;
    RECT face = item.rcItem;
    FillRect(dc, &face, look.background);

    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    if (pressed) {
        DrawEdge(dc, &face, EDGE_SUNKEN, BF_RECT);
    } else if (hot_ || !flat_) {
        DrawEdge(dc, &face, EDGE_RAISED, BF_RECT);
    }

    char caption[256] = {};
    GetWindowTextA(hwnd_, caption, static_cast<int>(sizeof caption));
    RECT area = face;
    InflateRect(&area, -kTextMargin, -kTextMargin);
    if (pressed) {
        OffsetRect(&area, 1, 1);
    }
    const SelectedObject font(dc, look.font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, look.text);
    constexpr UINT kFormat = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;
    RECT measured = area;
    const int height = DrawTextA(dc, caption, -1, &measured, kFormat | DT_CALCRECT);
    RECT centred = area;
    centred.top += ((area.bottom - area.top) - height) / 2;
    DrawTextA(dc, caption, -1, &centred, kFormat);

    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        RECT focus = face;
        InflateRect(&focus, -1, -1);
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace quillet
