// The program killed from outside (a crash, Task Manager, a power cut of the
// session): the settings file is as it was before the run — the program
// writes it only at its orderly end — and full-window dragging stays off,
// as only an orderly end switches it back on.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "driver/drag_full_windows.h"
#include "driver/feature_switch_box.h"
#include "driver/feature_value.h"
#include "driver/quillet_test.h"
#include "driver/settings_file.h"
#include "driver/volatile_feature_control.h"

namespace quillet::e2e {
namespace {

// A file as an earlier orderly run leaves it, with the window moved.
constexpr char kEarlierRun[] =
    "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=40\r\nYPos=24\r\nWidth=68\r\nHeight=71\r\n"
    "[__Dont_Touch_Me__]\r\nSectors=0\r\n";

// What is on the screen when the program is killed: the main window alone,
// or a box the program waits in.
struct Moment {
    std::string name;
    // Brings the moment about; returns false if it could not.
    std::function<bool(DWORD pid, HWND main)> reach;
};

bool MainWindowOnly(DWORD, HWND) { return true; }

bool CheckRegistryBoxOpen(DWORD pid, HWND main) {
    const MessageBoxView box = PressAndReadBox(pid, main, kCheckRegistry);
    return box.title == "REG_NONE";
}

struct FaultCase {
    Moment moment;
    std::optional<std::string> settings_before;  // nullopt: no file (first run)
};

void PrintTo(const FaultCase& fault, std::ostream* out) {
    *out << fault.moment.name << (fault.settings_before ? " with" : " without") << " a settings file";
}

class KilledTest : public QuilletTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(KilledTest, LeavesTheSettingsFileAsBeforeAndDraggingOff) {
    const FaultCase& fault = GetParam();
    if (fault.settings_before) {
        WriteSettingsFile(*fault.settings_before);
    }
    ASSERT_TRUE(IsDragFullWindowsOn());

    QuilletProcess& quillet = StartQuillet();
    const HWND main = quillet.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(fault.moment.reach(quillet.Pid(), main)) << fault.moment.name;
    ASSERT_FALSE(IsDragFullWindowsOn()) << "switched off while the program runs";
    quillet.Kill();

    EXPECT_EQ(ReadSettingsFile(), fault.settings_before) << "the file is byte for byte what it was";
    EXPECT_FALSE(IsDragFullWindowsOn()) << "only an orderly end switches it back on";
}

const Moment kMoments[] = {
    {"WindowOpen", MainWindowOnly},
    {"CheckRegistryBoxOpen", CheckRegistryBoxOpen},
};

std::vector<FaultCase> FaultCases() {
    std::vector<FaultCase> cases;
    for (const Moment& moment : kMoments) {
        cases.push_back({moment, std::nullopt});
        cases.push_back({moment, kEarlierRun});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Moments, KilledTest, ::testing::ValuesIn(FaultCases()),
                         [](const ::testing::TestParamInfo<FaultCase>& case_info) {
                             return case_info.param.moment.name +
                                    (case_info.param.settings_before ? "WithSettings" : "FirstRun");
                         });

using KilledAfterAFailedWriteTest = QuilletTest;

// The other box the program shows: a write the system refuses.
TEST_F(KilledAfterAFailedWriteTest, WhileItsBoxIsOpenLeavesTheFileTheRegistryAndDraggingAsTheyWere) {
    WriteSettingsFile(kEarlierRun);
    const VolatileFeatureControl refusing;
    QuilletProcess& quillet = StartQuillet();
    const HWND main = quillet.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    const MessageBoxView box = PressAndReadBox(quillet.Pid(), main, kTurnOn);
    ASSERT_EQ(box.text, kWriteFailedText);
    quillet.Kill();

    EXPECT_EQ(ReadSettingsFile(), std::optional<std::string>(kEarlierRun));
    EXPECT_FALSE(FeatureKeyExists()) << "nothing was written";
    EXPECT_FALSE(IsDragFullWindowsOn());
}

}  // namespace
}  // namespace quillet::e2e
