// A copy of quillet.exe in a folder of downloads, with libraries named like
// Windows' own lying beside it and in the current directory it is started in
// (the folder of test.eml). Wine is told to search for them in quillet.exe
// as Windows does, so a planted copy found on the search path before the
// system's own one is taken. Every button is used, the box closed, the
// window closed: no process may load a planted copy, and Test EML must still
// reach its handler.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "driver/actions.h"
#include "driver/build_paths.h"
#include "driver/feature_value.h"
#include "driver/file_association.h"
#include "driver/file_bytes.h"
#include "driver/main_controls.h"
#include "driver/message_box.h"
#include "driver/planted_library.h"
#include "driver/quillet_test.h"
#include "driver/recorder_log.h"
#include "driver/temp_directory.h"
#include "driver/text_compare.h"
#include "driver/top_level_windows.h"
#include "driver/win32_error.h"

namespace quillet::e2e {
namespace {

// uxtheme is loaded with the first window, shcore (through SHELL32 and
// SHLWAPI) at the first Test EML; the others are the names planted most often.
const std::vector<std::string> kBesideProgram = {"uxtheme", "shcore", "dwmapi",  "cryptbase",
                                                 "propsys", "userenv", "winmm"};
// Wine's own user32 imports version.dll and zlib1.dll, and Wine (which has no
// KnownDLLs) looks for the imports of a starting process beside its exe
// first: copies there would be loaded before the program's first instruction,
// where nothing the program does can reach. On Windows user32 is a KnownDLL
// and imports neither. In the current directory they are fair game.
const std::vector<std::string> kInCurrentDirectory = {"uxtheme", "shcore", "dwmapi", "cryptbase", "propsys",
                                                      "userenv", "winmm",  "version", "zlib1"};

std::string Describe(const std::vector<PlantedLoad>& loads) {
    std::string text;
    for (const PlantedLoad& load : loads) {
        text += "\n  " + load.library + " loaded by " + load.process;
    }
    return text;
}

class DllPlantingTest : public QuilletTest {
protected:
    void SetUp() override {
        QuilletTest::SetUp();
        if (!CopyFileA(QuilletExePath().c_str(), exe_.c_str(), TRUE)) {
            ThrowLastError("CopyFileA " + exe_);
        }
        PlantLibraries(program_folder_.Path(), kBesideProgram);
        PlantLibraries(current_directory_.Path(), kInCurrentDirectory);
        WriteFileBytes(TestEmlPath(), "Subject: sample\r\nX-Unsent: 1\r\n\r\nbody\r\n");
    }

    std::string TestEmlPath() const { return current_directory_.PathOf("test.eml"); }

    // Check Registry and its box, Turn ON, Turn OFF, Test EML, then an
    // orderly close; Test EML must have started the handler once.
    void UseEveryButtonThenClose() {
        QuilletProcess& quillet = StartQuillet({current_directory_.Path(),
                                                {recorder_log_.Variable(), {kPlantLogVariable, plant_log_}},
                                                exe_});
        const HWND main = quillet.WaitForMainWindow();
        ASSERT_NE(main, nullptr) << "the main window did not appear";

        PressButton(main, kCheckRegistry);
        const HWND box = WaitForMessageBox(quillet.Pid(), main);
        ASSERT_NE(box, nullptr) << "the Check Registry box did not appear";
        const HWND ok = FindButton(ReadMessageBox(box), "OK");
        ASSERT_NE(ok, nullptr);
        PressButton(ok);
        ASSERT_TRUE(WaitUntilClosed(box));

        PressButton(main, kTurnOn);
        ASSERT_TRUE(PollUntil([] { return ReadFeatureValue() == DwordValue(1); }, kActionTimeout))
            << Describe(ReadFeatureValue());
        PressButton(main, kTurnOff);
        ASSERT_TRUE(PollUntil([] { return ReadFeatureValue() == DwordValue(0); }, kActionTimeout))
            << Describe(ReadFeatureValue());

        PressButton(main, kTestEml);
        ASSERT_TRUE(recorder_log_.WaitForLaunches(1)) << "Test EML started nothing";

        PostClose(main);
        EXPECT_EQ(quillet.WaitForExit(), std::optional<DWORD>(0));
        ASSERT_TRUE(WaitUntilRecordersFinished());
        const std::vector<RecorderLaunch> launches = recorder_log_.Launches();
        ASSERT_EQ(launches.size(), 1u);
        EXPECT_TRUE(EqualsIgnoringCase(FullPathOfArgument(launches[0], 1), TestEmlPath()))
            << launches[0].command_line;
    }

    TempDirectory program_folder_{"planted-program"};
    TempDirectory current_directory_{"planted-current"};
    TempDirectory log_directory_{"planted-logs"};
    const std::string exe_ = program_folder_.PathOf("quillet.exe");
    const std::string plant_log_ = log_directory_.PathOf("plant.log");
    RecorderAssociation association_{".eml"};
    // Every planted name: those in the current directory include the others.
    NativeFirstLibraries native_first_{"quillet.exe", kInCurrentDirectory};
    RecorderLog recorder_log_{log_directory_.PathOf("recorder.log")};
};

TEST_F(DllPlantingTest, NoLibraryIsTakenFromTheProgramFolderOrTheCurrentDirectory) {
    UseEveryButtonThenClose();
    // Checked however far the run got: a planted copy refuses to load, so
    // taking one can also be what stopped the run.
    const std::vector<PlantedLoad> loads = ReadPlantLog(plant_log_);
    EXPECT_TRUE(loads.empty()) << "planted libraries were loaded:" << Describe(loads);
}

}  // namespace
}  // namespace quillet::e2e
