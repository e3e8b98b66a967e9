#include "driver/title_bar.h"

#include <optional>
#include <stdexcept>
#include <string>

#include "driver/deadline.h"
#include "driver/mouse.h"
#include "driver/win32_error.h"
#include "driver/window_query.h"

namespace quillet::e2e {
namespace {

LRESULT HitTest(HWND window, LONG x, LONG y) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG,
                             static_cast<UINT>(kActionTimeout.count()), &result)) {
        ThrowLastError("SendMessageTimeoutA WM_NCHITTEST");
    }
    return static_cast<LRESULT>(result);
}

struct Span {
    LONG first;
    LONG last;
};

// The first run of points from `from` to `to` (inclusive) where the hit test
// says HTCLOSE.
template <typename HitAt>
std::optional<Span> CloseSpan(LONG from, LONG to, HitAt hit_at) {
    std::optional<Span> span;
    for (LONG at = from; at <= to; ++at) {
        if (hit_at(at) == HTCLOSE) {
            if (!span) {
                span = Span{at, at};
            }
            span->last = at;
        } else if (span) {
            break;
        }
    }
    return span;
}

}  // namespace

POINT CloseButtonCentre(HWND top_level) {
    const RECT outer = WindowRectOnScreen(top_level);
    const RECT client = ClientRectOnScreen(top_level);
    // The caption lies between the outer top and the client area; across its
    // middle row, then down the close button's middle column.
    const LONG row = outer.top + (client.top - outer.top) / 2;
    const auto across = CloseSpan(outer.left, outer.right - 1, [&](LONG x) { return HitTest(top_level, x, row); });
    if (!across) {
        throw std::runtime_error("no close button across the caption at y=" + std::to_string(row));
    }
    const LONG column = (across->first + across->last) / 2;
    const auto down = CloseSpan(outer.top, client.top - 1, [&](LONG y) { return HitTest(top_level, column, y); });
    if (!down) {
        throw std::runtime_error("no close button down the caption at x=" + std::to_string(column));
    }
    return POINT{column, (down->first + down->last) / 2};
}

void ClickCloseButton(HWND top_level) { Click(top_level, CloseButtonCentre(top_level)); }

}  // namespace quillet::e2e
