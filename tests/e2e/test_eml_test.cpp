// "Test EML" from outside: a press hands .\test.eml to the shell, which starts
// the application associated with .eml files. Here that is the recorder, which
// logs the command line and current directory it was started with.
#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "driver/actions.h"
#include "driver/build_paths.h"
#include "driver/feature_value.h"
#include "driver/file_association.h"
#include "driver/file_bytes.h"
#include "driver/main_controls.h"
#include "driver/message_box.h"
#include "driver/mouse.h"
#include "driver/quillet_test.h"
#include "driver/recorder_log.h"
#include "driver/temp_directory.h"
#include "driver/text_compare.h"
#include "driver/top_level_windows.h"
#include "driver/window_query.h"

namespace quillet::e2e {
namespace {

class TestEmlTest : public QuilletTest {
protected:
    void SetUp() override {
        QuilletTest::SetUp();
        // The file must be found in the current directory, never beside the program.
        const std::string exe = QuilletExePath();
        ASSERT_FALSE(FileExists(exe.substr(0, exe.find_last_of('\\')) + "\\test.eml"));
    }

    void CreateTestEml() const { WriteFileBytes(TestEmlPath(), "Subject: sample\r\nX-Unsent: 1\r\n\r\nbody\r\n"); }
    std::string TestEmlPath() const { return current_directory_.PathOf("test.eml"); }

    // quillet.exe started in a directory of its own (not the program's
    // folder), with the recorder's log in its environment.
    HWND StartInCurrentDirectory() {
        quillet_ = &StartQuillet({current_directory_.Path(), {log_.Variable()}});
        const HWND main = quillet_->WaitForMainWindow();
        if (main == nullptr) {
            throw std::runtime_error("the main window did not appear");
        }
        const HWND button = ChildById(main, kTestEml);
        if (button == nullptr || WindowText(button) != "Test EML") {
            throw std::runtime_error("control 4 is not the \"Test EML\" button");
        }
        return main;
    }

    // Closes the window the orderly way, then waits for every recorder the
    // presses started; what they logged.
    std::vector<RecorderLaunch> CloseAndCollectLaunches(HWND main) const {
        PostClose(main);
        EXPECT_EQ(quillet_->WaitForExit(), std::optional<DWORD>(0));
        EXPECT_TRUE(WaitUntilRecordersFinished());
        return log_.Launches();
    }

    void ExpectOpenedTestEml(const RecorderLaunch& launch) const {
        EXPECT_TRUE(EqualsIgnoringCase(FullPathOfArgument(launch, 1), TestEmlPath())) << launch.command_line;
        EXPECT_TRUE(EqualsIgnoringCase(launch.current_directory, current_directory_.Path()))
            << launch.current_directory;
    }

    TempDirectory current_directory_{"test-eml"};
    TempDirectory log_directory_{"test-eml-log"};
    RecorderAssociation association_{".eml"};
    RecorderLog log_{log_directory_.PathOf("recorder.log")};
    QuilletProcess* quillet_ = nullptr;
};

TEST_F(TestEmlTest, EachPressOpensTestEmlOfTheCurrentDirectoryOnce) {
    CreateTestEml();
    const HWND main = StartInCurrentDirectory();
    for (std::size_t press = 1; press <= 3; ++press) {
        ClickControl(main, kTestEml);
        ASSERT_TRUE(log_.WaitForLaunches(press)) << "press " << press << " started nothing";
    }
    const std::vector<RecorderLaunch> launches = CloseAndCollectLaunches(main);
    ASSERT_EQ(launches.size(), 3u);
    for (const RecorderLaunch& launch : launches) {
        ExpectOpenedTestEml(launch);
    }
}

TEST_F(TestEmlTest, WithoutTestEmlAPressShowsNothingAndChangesNothing) {
    const HWND main = StartInCurrentDirectory();
    ClickControl(main, kTestEml);
    // Presses are handled one at a time, so once the box of a later "Check
    // Registry" shows, the Test EML press is over. Any window it had opened
    // would be the first box, or a second one beside it.
    ClickControl(main, kCheckRegistry);
    const HWND box = WaitForMessageBox(quillet_->Pid(), main);
    ASSERT_NE(box, nullptr) << "the Check Registry box did not appear";
    const MessageBoxView view = ReadMessageBox(box);
    EXPECT_EQ(view.title, "REG_NONE") << view.text;
    EXPECT_EQ(VisibleTopLevelWindows(quillet_->Pid()).size(), 2u);
    const HWND ok = FindButton(view, "OK");
    ASSERT_NE(ok, nullptr);
    ClickControl(ok);
    ASSERT_TRUE(WaitUntilClosed(box));

    EXPECT_EQ(VisibleTopLevelWindows(quillet_->Pid()), std::vector<HWND>{main});
    EXPECT_TRUE(IsEnabled(main));
    EXPECT_FALSE(FeatureKeyExists());
    // Still usable: the same press again, then an orderly end.
    ClickControl(main, kTestEml);
    EXPECT_TRUE(CloseAndCollectLaunches(main).empty());
    EXPECT_FALSE(FeatureKeyExists());
    EXPECT_FALSE(FileExists(TestEmlPath()));
}

// The registry is not read on this path: on, off or absent, the same request.
TEST_F(TestEmlTest, OpensTheSameFileWhateverTheFeatureValue) {
    struct Step {
        const char* name;
        std::optional<int> button_before;
        std::optional<RegistryValue> value;
    };
    const Step steps[] = {
        {"value absent", std::nullopt, std::nullopt},
        {"after Turn ON", kTurnOn, DwordValue(1)},
        {"after Turn OFF", kTurnOff, DwordValue(0)},
    };
    CreateTestEml();
    const HWND main = StartInCurrentDirectory();
    std::size_t press = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        if (step.button_before) {
            ClickControl(main, *step.button_before);
        }
        ASSERT_TRUE(PollUntil([&] { return ReadFeatureValue() == step.value; }, kActionTimeout))
            << Describe(ReadFeatureValue());
        ClickControl(main, kTestEml);
        ASSERT_TRUE(log_.WaitForLaunches(++press));
    }
    const std::vector<RecorderLaunch> launches = CloseAndCollectLaunches(main);
    ASSERT_EQ(launches.size(), std::size(steps));
    for (const RecorderLaunch& launch : launches) {
        ExpectOpenedTestEml(launch);
        EXPECT_EQ(launch.command_line, launches[0].command_line);
        EXPECT_EQ(launch.current_directory, launches[0].current_directory);
    }
}

}  // namespace
}  // namespace quillet::e2e
