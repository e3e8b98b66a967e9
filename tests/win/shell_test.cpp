// OpenWithShell against Wine's shell: a test-only file type is associated
// with the recorder, which logs the command line and current directory it was
// started with.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "driver/build_paths.h"
#include "driver/environment.h"
#include "driver/file_association.h"
#include "driver/file_bytes.h"
#include "driver/recorder_log.h"
#include "driver/temp_directory.h"
#include "driver/text_compare.h"
#include "winapi/shell_win32.h"

namespace quillet {
namespace {

using e2e::RecorderLaunch;

constexpr std::size_t kShellPathLimit = 255;

// Makes a directory the process's current directory for the scope.
class ScopedCurrentDirectory {
public:
    explicit ScopedCurrentDirectory(const std::string& directory) {
        char former[MAX_PATH];
        const DWORD length = GetCurrentDirectoryA(sizeof former, former);
        EXPECT_TRUE(length > 0 && length < sizeof former);
        former_.assign(former, length);
        EXPECT_TRUE(SetCurrentDirectoryA(directory.c_str())) << directory;
    }
    ~ScopedCurrentDirectory() { SetCurrentDirectoryA(former_.c_str()); }
    ScopedCurrentDirectory(const ScopedCurrentDirectory&) = delete;
    ScopedCurrentDirectory& operator=(const ScopedCurrentDirectory&) = delete;

private:
    std::string former_;
};

class OpenWithShellTest : public ::testing::Test {
protected:
    // Opens path and returns what the recorder logged once every recorder it
    // started has finished.
    std::vector<RecorderLaunch> OpenAndRecord(std::string_view path) {
        OpenWithShell(nullptr, path);
        EXPECT_TRUE(e2e::WaitUntilRecordersFinished()) << "the recorder did not finish";
        return log_.Launches();
    }

    std::string CreateDocument(const e2e::TempDirectory& directory, std::string_view name) {
        const std::string path = directory.PathOf(name);
        e2e::WriteFileBytes(path, "message\r\n");
        return path;
    }

    e2e::TempDirectory documents_{"shell-documents"};
    e2e::TempDirectory caller_directory_{"shell-caller"};
    e2e::RecorderAssociation association_{".qltest"};
    e2e::RecorderLog log_{caller_directory_.PathOf("recorder.log")};
    e2e::ScopedEnvironmentVariable log_variable_{e2e::kRecorderLogVariable, log_.Path()};
    ScopedCurrentDirectory current_directory_{caller_directory_.Path()};
};

// The argument the recorder got names the document, whatever the shell made
// of a relative path.
void ExpectOpened(const std::vector<RecorderLaunch>& launches, const std::string& document) {
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_TRUE(e2e::EqualsIgnoringCase(e2e::FullPathOfArgument(launches[0], 1), document))
        << "opened: " << launches[0].command_line << "\nexpected: " << document;
}

TEST_F(OpenWithShellTest, OpensTheDocumentWithItsAssociatedApplication) {
    const std::string document = CreateDocument(documents_, "sample.qltest");
    ExpectOpened(OpenAndRecord(document), document);
}

// For a document Wine resolves the path before it fills in %1, and path
// resolution drops trailing blanks of its own accord. A program is started
// with the file text as given, so opening the recorder itself shows exactly
// what reached the shell.
TEST_F(OpenWithShellTest, PassesAPathEndingInBlanksWithoutThem) {
    const std::string program = e2e::RecorderExePath();
    const std::vector<RecorderLaunch> launches = OpenAndRecord(program + "   ");
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].command_line, "\"" + program + "\"");
}

// A path of 255 characters names the document; the longer paths start with
// it and go on, so only their first 255 characters open it.
TEST_F(OpenWithShellTest, CutsALongerPathToItsFirst255Characters) {
    const std::string directory = documents_.Path() + "\\";
    ASSERT_LT(directory.size() + 20, kShellPathLimit);
    const std::string extension = ".qltest";
    const std::string name(kShellPathLimit - directory.size() - extension.size(), 'L');
    const std::string document = CreateDocument(documents_, name + extension);
    ASSERT_EQ(document.size(), kShellPathLimit);

    for (const std::size_t extra : {std::size_t{0}, std::size_t{1}, std::size_t{2000}}) {
        SCOPED_TRACE("characters beyond 255: " + std::to_string(extra));
        e2e::DeleteFileIfPresent(log_.Path());
        const std::vector<RecorderLaunch> launches = OpenAndRecord(document + std::string(extra, 'x'));
        ExpectOpened(launches, document);
    }
}

// The working directory passed is empty, so the launched application starts
// in the caller's current directory, and a relative path is taken from there.
TEST_F(OpenWithShellTest, LaunchedApplicationInheritsTheCallersCurrentDirectory) {
    const std::string in_caller_directory = CreateDocument(caller_directory_, "here.qltest");
    const std::string elsewhere = CreateDocument(documents_, "there.qltest");

    for (const auto& [path, document] : {std::pair{std::string(".\\here.qltest"), in_caller_directory},
                                         std::pair{elsewhere, elsewhere}}) {
        SCOPED_TRACE(path);
        e2e::DeleteFileIfPresent(log_.Path());
        const std::vector<RecorderLaunch> launches = OpenAndRecord(path);
        ExpectOpened(launches, document);
        ASSERT_EQ(launches.size(), 1u);
        EXPECT_TRUE(e2e::EqualsIgnoringCase(launches[0].current_directory, caller_directory_.Path()))
            << launches[0].current_directory;
    }
}

TEST_F(OpenWithShellTest, AMissingDocumentStartsNothing) {
    EXPECT_TRUE(OpenAndRecord(documents_.PathOf("absent.qltest")).empty());
}

}  // namespace
}  // namespace quillet
