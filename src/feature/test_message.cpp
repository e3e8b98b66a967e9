#include "feature/test_message.h"

#include "platform/shell.h"

namespace quillet {
namespace {

constexpr std::int32_t kTestEmlControl = 4;

}  // namespace

void HandleTestEml(WindowProcedure& procedure) {
    if (procedure.Accepted() != kTestEmlControl) {
        return;
    }
    procedure.Update();
    HWND owner = procedure.MYWINDOW != nullptr ? procedure.MYWINDOW->Native() : nullptr;
    OpenWithShell(owner, kTestMessagePath);
}

}  // namespace quillet
