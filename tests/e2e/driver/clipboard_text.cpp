#include "driver/clipboard_text.h"

#include "driver/deadline.h"
#include "driver/win32_error.h"

namespace quillet::e2e {
namespace {

// The clipboard, open for as long as this object lives.
class OpenClipboardScope {
public:
    OpenClipboardScope() : open_(OpenClipboard(nullptr) != FALSE) {}
    ~OpenClipboardScope() {
        if (open_) {
            CloseClipboard();
        }
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    bool IsOpen() const { return open_; }

private:
    bool open_;
};

// The text locked in `memory`, unlocked again before returning.
std::optional<std::string> LockedText(HANDLE memory) {
    const void* const bytes = GlobalLock(memory);
    if (bytes == nullptr) {
        return std::nullopt;
    }
    std::string text(static_cast<const char*>(bytes));
    GlobalUnlock(memory);
    return text;
}

}  // namespace

void ClearClipboard() {
    // The program may hold the clipboard for a moment while it copies.
    const bool cleared = PollUntil(
        [] {
            const OpenClipboardScope clipboard;
            return clipboard.IsOpen() && EmptyClipboard() != FALSE;
        },
        kActionTimeout);
    if (!cleared) {
        ThrowLastError("EmptyClipboard");
    }
}

bool ClipboardHasText() { return IsClipboardFormatAvailable(CF_TEXT) != FALSE; }

std::optional<std::string> ClipboardText() {
    const OpenClipboardScope clipboard;
    if (!clipboard.IsOpen()) {
        return std::nullopt;
    }
    const HANDLE memory = GetClipboardData(CF_TEXT);
    if (memory == nullptr) {
        return std::nullopt;
    }
    return LockedText(memory);
}

}  // namespace quillet::e2e
