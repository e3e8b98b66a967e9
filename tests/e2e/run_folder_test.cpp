// "Test EML" as scripts/run.sh starts Quillet: its current directory is the
// run folder beside quillet.exe, which the build gives a copy of the sample
// message. A press opens that copy with the program associated with .eml
// files (here the recorder) and leaves it as it was.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "driver/actions.h"
#include "driver/build_paths.h"
#include "driver/file_association.h"
#include "driver/file_bytes.h"
#include "driver/main_controls.h"
#include "driver/mouse.h"
#include "driver/quillet_test.h"
#include "driver/recorder_log.h"
#include "driver/temp_directory.h"
#include "driver/text_compare.h"

namespace quillet::e2e {
namespace {

// The build puts the run folder beside quillet.exe.
std::string RunFolder() {
    const std::string exe = QuilletExePath();
    return exe.substr(0, exe.find_last_of('\\')) + "\\run";
}

class RunFolderTest : public QuilletTest {
protected:
    TempDirectory log_directory_{"run-folder-log"};
    RecorderAssociation association_{".eml"};
    RecorderLog log_{log_directory_.PathOf("recorder.log")};
};

TEST_F(RunFolderTest, TestEmlOpensTheSampleCopiedIntoTheRunFolder) {
    const std::string sample = RunFolder() + "\\test.eml";
    const std::optional<std::string> before = ReadFileBytes(sample);
    ASSERT_TRUE(before.has_value()) << "the build left no test.eml in " << RunFolder();
    // The header field, not the body's mention of it.
    ASSERT_NE(before->find("\r\nX-Unsent: 1\r\n"), std::string::npos) << "not a message with the unsent mark";

    QuilletProcess& quillet = StartQuillet({RunFolder(), {log_.Variable()}});
    const HWND main = quillet.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    ClickControl(main, kTestEml);
    ASSERT_TRUE(log_.WaitForLaunches(1)) << "the press started nothing";
    PostClose(main);
    EXPECT_EQ(quillet.WaitForExit(), std::optional<DWORD>(0));
    ASSERT_TRUE(WaitUntilRecordersFinished());

    const std::vector<RecorderLaunch> launches = log_.Launches();
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_TRUE(EqualsIgnoringCase(FullPathOfArgument(launches[0], 1), sample)) << launches[0].command_line;
    EXPECT_TRUE(EqualsIgnoringCase(launches[0].current_directory, RunFolder())) << launches[0].current_directory;
    EXPECT_EQ(ReadFileBytes(sample), before) << "opening the sample changed it";
}

}  // namespace
}  // namespace quillet::e2e
