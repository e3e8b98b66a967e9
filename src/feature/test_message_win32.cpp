#include "feature/test_message_win32.h"

#include "winapi/shell_win32.h"

namespace quillet {

void TestMessage::Open() const { OpenWithShell(owner_, kTestMessagePath); }

}  // namespace quillet
