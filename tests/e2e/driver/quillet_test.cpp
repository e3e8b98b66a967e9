#include "driver/quillet_test.h"

#include <stdexcept>

#include "driver/drag_full_windows.h"
#include "driver/feature_value.h"
#include "driver/mouse.h"
#include "driver/process_list.h"
#include "driver/settings_file.h"

namespace quillet::e2e {
namespace {

constexpr char kQuilletImage[] = "quillet.exe";

}  // namespace

void QuilletTest::SetUp() {
    // A program left from elsewhere would change the state the test relies on.
    ASSERT_TRUE(RunningProcessIds(kQuilletImage).empty()) << "a quillet.exe is already running in the prefix";
    DeleteFeatureKey();
    DeleteSettingsFile();
    SetDragFullWindows(true);
    // The pointer rests where no window of the program opens: a window that
    // opens under it takes it as hovering (and, under Wine, can pull the
    // pointer back there a moment after a test has moved it).
    MovePointer(POINT{GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1});
}

void QuilletTest::TearDown() {
    // Each one still running is killed and waited for.
    processes_.clear();
    EXPECT_TRUE(WaitUntilNoProcessRuns(kQuilletImage, kActionTimeout)) << "quillet.exe is still running";
}

QuilletProcess& QuilletTest::StartQuillet(const LaunchOptions& options) {
    return *processes_.emplace_back(std::make_unique<QuilletProcess>(options));
}

HWND QuilletTest::StartQuilletAndWaitForWindow(const LaunchOptions& options) {
    const HWND window = StartQuillet(options).WaitForMainWindow();
    if (window == nullptr) {
        throw std::runtime_error("the main window \"Quillet Switch\" did not appear");
    }
    return window;
}

}  // namespace quillet::e2e
