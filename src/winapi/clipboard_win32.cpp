#include "winapi/clipboard_win32.h"

#include <cstring>

#include "winapi/scoped_win32.h"

namespace quillet {
namespace {

struct GlobalMemoryTraits {
    static void Close(HGLOBAL memory) { GlobalFree(memory); }
};
using ScopedGlobalMemory = Scoped<HGLOBAL, GlobalMemoryTraits>;

// The clipboard, open for as long as this object lives.
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~OpenedClipboard() {
        if (open_) {
            CloseClipboard();
        }
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    bool IsOpen() const { return open_; }

private:
    bool open_;
};

ScopedGlobalMemory CopyToGlobalMemory(std::string_view text) {
    ScopedGlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
    if (!memory) {
        return memory;
    }
    void* const bytes = GlobalLock(memory.Get());
    if (bytes == nullptr) {
        return ScopedGlobalMemory{};
    }
    std::memcpy(bytes, text.data(), text.size());
    static_cast<char*>(bytes)[text.size()] = '\0';
    GlobalUnlock(memory.Get());
    return memory;
}

}  // namespace

bool PutTextOnClipboard(HWND owner, std::string_view text) {
    ScopedGlobalMemory memory = CopyToGlobalMemory(text);
    if (!memory) {
        return false;
    }
    const OpenedClipboard clipboard(owner);
    if (!clipboard.IsOpen() || EmptyClipboard() == FALSE) {
        return false;
    }
    if (SetClipboardData(CF_TEXT, memory.Get()) == nullptr) {
        return false;
    }
    memory.Release();  // the clipboard owns it now
    return true;
}

}  // namespace quillet
