// Hands a document to the Windows shell, which opens it with the application
// associated with its file type.
#pragma once

#include <windows.h>

#include <string_view>

namespace quillet {

// Opens document_path (trailing blanks dropped, at most its first 255
// characters) with the default action of its type, with owner owning anything
// the shell shows. The launched application inherits the caller's current
// directory. The shell's answer is not examined: a failure passes silently.
void OpenWithShell(HWND owner, std::string_view document_path);

}  // namespace quillet
