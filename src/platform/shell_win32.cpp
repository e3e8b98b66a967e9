#include "platform/shell.h"

#include <shellapi.h>

#include "platform/text_field.h"

namespace quillet {

void OpenWithShell(HWND owner, std::string_view document_path) {
    // 256 bytes: at most 255 characters reach the shell, a longer path is cut.
    const ZText<256> file{TrimTrailingBlanks(document_path)};
    // An empty working directory, not a null pointer.
    const char* const no_directory = "";
    // Whatever the shell answers or shows belongs to the shell; the caller
    // carries on the same way.
    static_cast<void>(ShellExecuteA(owner, nullptr, file.CStr(), nullptr, no_directory, SW_SHOWNORMAL));
}

}  // namespace quillet
